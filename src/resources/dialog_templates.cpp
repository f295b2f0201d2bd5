#include "resources/dialog_templates.h"

#include "resources/publisher.h"

namespace tavra::res {
namespace {

using K = ControlKind;

// The three input areas (1006/1007, 1013, 1015) share one place; the mode decides which
// one is shown. The mode box is a pick list: its entries are the only meaningful texts.
constexpr ControlTemplate kQueryControls[] = {
    {kIdcMode, K::ComboDropList, u"", {19, 3, 41, 70}},
    {kIdcQuery, K::Button, u"查询", {62, 3, 24, 12}, false},
    {kIdcReverse, K::Button, u"反向", {87, 3, 24, 12}, false},
    {kIdcCount, K::Static, u"结果:", {111, 4, 23, 8}},
    {kNoId, K::Static, u"方式", {2, 4, 17, 8}},
    {kIdcFromStation, K::ComboDropDown, u"", {19, 18, 41, 62}},
    {kIdcToStation, K::ComboDropDown, u"", {78, 18, 41, 62}},
    {kIdcFromLabel, K::Static, u"发站", {2, 19, 17, 8}},
    {kIdcToLabel, K::Static, u"到站", {61, 19, 17, 8}},
    {kIdcTrainNo, K::Edit, u"", {19, 18, 41, 12}},
    {kIdcTrainLabel, K::Static, u"车次", {2, 19, 17, 8}},
    {kIdcStation, K::ComboDropDown, u"", {19, 18, 41, 62}},
    {kIdcStationLabel, K::Static, u"车站", {2, 19, 17, 8}},
    {kIdcList, K::ListView, u"", {1, 32, 136, 120}},
    {kIdcModeCommand, K::Button, u"Button1", {87, 26, 50, 14}, true, false},
};

constexpr DialogTemplate kQueryDialog = {kIddQuery, u"Tavra时刻表", 138, 154, kQueryControls};

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

constexpr auto kMaker = Join(u"出品:", kPublisherName);
constexpr auto kHome = Join(u"主页:", kPublisherHome);
constexpr auto kPhone = Join(u"手机下载:", kPublisherMobilePage);
constexpr auto kMail = Join(u"邮箱:", kPublisherMail);

// The version label's date is a placeholder: the loaded data's version replaces it.
constexpr ControlTemplate kAboutControls[] = {
    {kNoId, K::Static, u"Tavra列车时表(PPC版)", {33, 10, 79, 8}},
    {kNoId, K::Icon, u"", {8, 8, 20, 20}},
    {kIdcVersionLabel, K::Static, u"数据版本:2008-01-01", {33, 21, 75, 8}},
    {kNoId, K::Static, u"软件版本:1.10", {33, 32, 52, 8}},
    {kIdcMakerLabel, K::Static, kMaker.view(), {7, 47, 103, 8}},
    {kIdcHomeLabel, K::Static, kHome.view(), {7, 59, 101, 8}},
    {kIdcPhoneLink, K::Static, kPhone.view(), {8, 71, 120, 8}, true, true, true},
    {kIdcMailLabel, K::Static, kMail.view(), {7, 84, 77, 8}},
    {kIdcRecommendLabel, K::Static, u"其他软件推荐：(单击即可下载)", {10, 100, 118, 8}},
    {kIdcUcwebButton, K::Button, u"UCWEB浏览器,免费省流量", {12, 112, 115, 10}},
    {kIdcUcDesktopButton, K::Button, u"UC桌面,免费天气资讯抢先看", {12, 126, 115, 10}},
};

constexpr DialogTemplate kAboutDialog = {kIddAbout, u"Dialog", 137, 154, kAboutControls, 10};

}  // namespace

const DialogTemplate& QueryDialogTemplate() {
  return kQueryDialog;
}

const DialogTemplate& TrainDetailDialogTemplate() {
  return kTrainDetail;
}

const DialogTemplate& TransferDialogTemplate() {
  return kTransfer;
}

const DialogTemplate& AboutDialogTemplate() {
  return kAboutDialog;
}

}  // namespace tavra::res
