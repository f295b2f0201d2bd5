#pragma once
// Dialog 102, the main query dialog, and its control ids.
#include "resources/dialog_template.h"

namespace tavra::res {

inline constexpr int kIddQuery = 102;
inline constexpr int kIdiApp = 128;

inline constexpr int kIdcList = 1005;
inline constexpr int kIdcFromStation = 1006;
inline constexpr int kIdcToStation = 1007;
inline constexpr int kIdcMode = 1008;
inline constexpr int kIdcQuery = 1009;
inline constexpr int kIdcFromLabel = 1010;
inline constexpr int kIdcToLabel = 1011;
inline constexpr int kIdcTrainLabel = 1012;
inline constexpr int kIdcTrainNo = 1013;
inline constexpr int kIdcReverse = 1014;
inline constexpr int kIdcStation = 1015;
inline constexpr int kIdcStationLabel = 1016;
inline constexpr int kIdcCount = 1020;
inline constexpr int kIdcModeCommand = 1002;  // hidden; the posted mode command clicks it

const DialogTemplate& QueryDialogTemplate();

}  // namespace tavra::res
