#include "resources/detail_dialog_templates.h"

namespace tavra::res {
namespace {

using K = ControlKind;

constexpr ControlTemplate kDetailControls[] = {
    {kIdcDetailTrain, K::Static, u"", {3, 2, 131, 8}},
    {kIdcDetailTime, K::Static, u"", {3, 12, 131, 8}},
    {kIdcDetailList, K::ListView, u"", {0, 23, 137, 131}},
};

constexpr ControlTemplate kTransferControls[] = {
    {kNoId, K::Static, u"中转站", {3, 3, 25, 8}},
    {kIdcTransferStation, K::ComboDropDown, u"", {29, 2, 41, 62}},
    {kIdOk, K::Button, u"确定", {74, 3, 29, 10}},
    {kIdCancel, K::Button, u"放弃", {106, 3, 29, 10}},
    {kNoId, K::Static, u"请选择中转站", {2, 17, 134, 8}},
    {kIdcTransferList, K::ListView, u"", {0, 28, 137, 126}},
};

constexpr DialogTemplate kTrainDetail = {kIddTrainDetail, u"Dialog", 138, 154, kDetailControls};
constexpr DialogTemplate kTransfer = {kIddTransfer, u"Dialog", 138, 154, kTransferControls};

}  // namespace

const DialogTemplate& TrainDetailDialogTemplate() {
  return kTrainDetail;
}

const DialogTemplate& TransferDialogTemplate() {
  return kTransfer;
}

}  // namespace tavra::res
