#pragma once
// Dialogs 131 (a train's stop list) and 133 (the choice of a transfer station), and their
// control ids.
#include "resources/dialog_template.h"

namespace tavra::res {

inline constexpr int kIddTrainDetail = 131;
inline constexpr int kIdcDetailList = 1013;
inline constexpr int kIdcDetailTrain = 1017;
inline constexpr int kIdcDetailTime = 1018;

inline constexpr int kIddTransfer = 133;
inline constexpr int kIdcTransferStation = 1015;
inline constexpr int kIdcTransferList = 1016;
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

const DialogTemplate& TrainDetailDialogTemplate();
const DialogTemplate& TransferDialogTemplate();

}  // namespace tavra::res
