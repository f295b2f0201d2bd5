#include "app/offer_counter.h"

#include <string>

#include "data/record_fields.h"

namespace tavra {
namespace {

std::u16string LastSix(std::u16string_view version) {
  return std::u16string(version.size() > 6 ? version.substr(version.size() - 6) : version);
}

bool StartCount(SettingsStore& store, const std::u16string& version) {
  store.WriteString(kSettingsKey, kVersionValue, version);
  store.WriteString(kSettingsKey, kCounterValue, u"1");
  return true;
}

}  // namespace

bool CheckOfferCounter(SettingsStore& store, std::u16string_view dataVersionText) {
  const std::u16string version = LastSix(dataVersionText);
  if (!store.OpenKey(kSettingsKey)) {
    if (!store.CreateKey(kSettingsKey)) return true;
    return StartCount(store, version);
  }
  if (store.ReadString(kSettingsKey, kVersionValue) != version) return StartCount(store, version);
  // A tampered count reads as its leading digits: a sign or garbage counts as 0, a huge
  // number saturates, so no value allows the offer without end.
  const int n = ParseLeadingInt(store.ReadString(kSettingsKey, kCounterValue).value_or(u""));
  if (n > 2) return false;
  std::string next = std::to_string(n + 1);
  store.WriteString(kSettingsKey, kCounterValue, std::u16string(next.begin(), next.end()));
  return true;
}

}  // namespace tavra
