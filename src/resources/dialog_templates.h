#pragma once
// The program's dialogs: 102, the main query dialog; 131, a train's stop list; 133, the
// choice of a transfer station; 143, the about box. Control ids are per dialog.
#include "resources/dialog_template.h"

namespace tavra::res {

// Dialog 102.
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

// Dialogs 131 and 133.
inline constexpr int kIddTrainDetail = 131;
inline constexpr int kIdcDetailList = 1013;
inline constexpr int kIdcDetailTrain = 1017;
inline constexpr int kIdcDetailTime = 1018;

inline constexpr int kIddTransfer = 133;
inline constexpr int kIdcTransferStation = 1015;
inline constexpr int kIdcTransferList = 1016;
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// Dialog 143.
inline constexpr int kIddAbout = 143;

inline constexpr int kIdcUcwebButton = 1009;
inline constexpr int kIdcUcDesktopButton = 1010;
inline constexpr int kIdcMakerLabel = 1017;
inline constexpr int kIdcHomeLabel = 1018;
inline constexpr int kIdcMailLabel = 1019;
inline constexpr int kIdcPhoneLink = 1020;
inline constexpr int kIdcVersionLabel = 1021;
inline constexpr int kIdcRecommendLabel = 1022;

const DialogTemplate& QueryDialogTemplate();
const DialogTemplate& TrainDetailDialogTemplate();
const DialogTemplate& TransferDialogTemplate();
const DialogTemplate& AboutDialogTemplate();

}  // namespace tavra::res
