#include "app/browser_offer.h"

#include "app/offer_counter.h"
#include "resources/fixed_texts.h"
#include "resources/publisher.h"

namespace tavra {

bool IsUcwebInstalled(SettingsStore& store) {
  if (!store.OpenKey(kUcwebKey)) {
    store.CreateKey(kUcwebKey);
    return false;
  }
  // The value is read into a buffer of 2048 bytes: 1023 characters and the terminator.
  return store.ReadString(kUcwebKey, kUcwebPathValue, 1023).has_value();
}

void RunBrowserOffer(SettingsStore& store, std::u16string_view dataVersionText,
                     UserMessages& messages, UrlOpener& opener,
                     const std::function<void()>& closeMainDialog) {
  if (IsUcwebInstalled(store)) return;
  if (!CheckOfferCounter(store, dataVersionText)) return;
  if (!messages.Question(res::kOfferUcweb, texts::kCaption)) return;
  opener.OpenUrl(res::kUcwebPage);
  if (closeMainDialog) closeMainDialog();
}

}  // namespace tavra
