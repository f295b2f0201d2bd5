#pragma once
// The fixed texts of the queries: the mode names, the messages and the result columns.
#include <string_view>

namespace tavra::texts {

inline constexpr std::u16string_view kModeStationToStation = u"站站查询";
inline constexpr std::u16string_view kModeTrainNumber = u"车次查询";
inline constexpr std::u16string_view kModeStation = u"车站查询";

inline constexpr std::u16string_view kCaption = u"提示";
inline constexpr std::u16string_view kNoStations = u"发站或到站信息为空，请输入发站或到站";
inline constexpr std::u16string_view kNoStation = u"车站信息为空，请输入车站";
inline constexpr std::u16string_view kEnterTrainNo = u"请输入要查询的车次";
inline constexpr std::u16string_view kEmptyTrainNo = u"车次信息为空，请输入要查询的车次";
inline constexpr std::u16string_view kBadTrainNo =
    u"车次信息输入有误，请核对后重新输入要查询的车次";
inline constexpr std::u16string_view kNoSuchTrain = u"无此车次，请核对后重新输入要查询的车次";
inline constexpr std::u16string_view kOfferTransfer = u"两站之间无直达车，是否要进行中转站选择?";

// The result list: name,width-in-pixels entries; "排序" is the hidden column the station
// query sorts by.
inline constexpr std::u16string_view kResultColumns =
    u"车次,42;发站,50;发时,36;到站,50;到时,36;始发-终到,88;列车等级,60;里程,40;历时,42;"
    u"硬座,36;软座,36;二等,36;一等,36;硬卧上中下,80;软卧上/下,70;排序,0";
inline constexpr int kSortKeyColumn = 15;

}  // namespace tavra::texts
