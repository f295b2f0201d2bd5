#pragma once
// The browser offer after loading: when the UCWEB browser is not installed, at most
// three times per data version, the program suggests installing it.
#include <functional>
#include <string_view>

#include "platform/settings_store.h"
#include "platform/url_opener.h"
#include "platform/user_messages.h"

namespace tavra {

inline constexpr std::string_view kUcwebKey = "Software\\UCWEB6";
inline constexpr std::string_view kUcwebPathValue = "HOMEPATH";

// True when the browser's install path can be read. The key is opened with create
// semantics: a missing key is created empty and then reads as not installed.
bool IsUcwebInstalled(SettingsStore& store);

// The offer: nothing when the browser is installed (the counter untouched) or the counter
// says no; else the question, and on Yes the browser's page opened and `closeMainDialog`.
void RunBrowserOffer(SettingsStore& store, std::u16string_view dataVersionText,
                     UserMessages& messages, UrlOpener& opener,
                     const std::function<void()>& closeMainDialog);

}  // namespace tavra
