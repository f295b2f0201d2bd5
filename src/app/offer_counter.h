#pragma once
// The counter that limits the browser offer to three load completions per data version.
#include <string_view>

#include "platform/settings_store.h"

namespace tavra {

inline constexpr std::string_view kSettingsKey = "Software\\tavr";
inline constexpr std::string_view kVersionValue = "bb";  // last six characters of the version
inline constexpr std::string_view kCounterValue = "cs";  // "1" to "3"

// Reads and updates the counter; true when the offer may be shown now. A store that can
// be neither opened nor created allows the offer.
bool CheckOfferCounter(SettingsStore& store, std::u16string_view dataVersionText);

}  // namespace tavra
