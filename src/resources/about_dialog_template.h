#pragma once
// Dialog 143, the about box, and its control ids.
#include "resources/dialog_template.h"

namespace tavra::res {

inline constexpr int kIddAbout = 143;

inline constexpr int kIdcUcwebButton = 1009;
inline constexpr int kIdcUcDesktopButton = 1010;
inline constexpr int kIdcMakerLabel = 1017;
inline constexpr int kIdcHomeLabel = 1018;
inline constexpr int kIdcMailLabel = 1019;
inline constexpr int kIdcPhoneLink = 1020;
inline constexpr int kIdcVersionLabel = 1021;
inline constexpr int kIdcRecommendLabel = 1022;

const DialogTemplate& AboutDialogTemplate();

}  // namespace tavra::res
