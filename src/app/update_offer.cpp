#include "app/update_offer.h"

#include "resources/fixed_texts.h"

namespace tavra {

int OfferUpdate(const UpdateCheck& check, UserMessages& messages, UrlOpener& opener,
                const std::function<void()>& endProgram) {
  if (check.result == 1 && messages.Question(res::kAskDownload, texts::kCaption)) {
    opener.OpenUrl(check.packageUrl);
    if (endProgram) endProgram();
  }
  return check.result;
}

}  // namespace tavra
