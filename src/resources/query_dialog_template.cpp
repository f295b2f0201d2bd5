#include "resources/query_dialog_template.h"

namespace tavra::res {
namespace {

using K = ControlKind;

// The three input areas (1006/1007, 1013, 1015) share one place; the mode decides which
// one is shown. The mode box is a pick list: its entries are the only meaningful texts.
constexpr ControlTemplate kControls[] = {
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

constexpr DialogTemplate kQueryDialog = {kIddQuery, u"Tavra时刻表", 138, 154, kControls};

}  // namespace

const DialogTemplate& QueryDialogTemplate() {
  return kQueryDialog;
}

}  // namespace tavra::res
