#include "app/offer_counter.h"

#include <string>

namespace tavra {
namespace {

std::u16string LastSix(std::u16string_view version) {
  return std::u16string(version.size() > 6 ? version.substr(version.size() - 6) : version);
}

// The leading decimal integer of `text` (0 when it starts with no digit), saturating so
// that a tampered value cannot overflow.
long LeadingInt(std::u16string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
  bool negative = i < text.size() && text[i] == u'-';
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) ++i;
  long n = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9' && n < 1000000; ++i)
    n = n * 10 + (text[i] - u'0');
  return negative ? -n : n;
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
  long n = LeadingInt(store.ReadString(kSettingsKey, kCounterValue).value_or(u""));
  if (n > 2) return false;
  if (n < 0) n = 0;  // a tampered negative count must not allow the offer without end
  std::string next = std::to_string(n + 1);
  store.WriteString(kSettingsKey, kCounterValue, std::u16string(next.begin(), next.end()));
  return true;
}

}  // namespace tavra
