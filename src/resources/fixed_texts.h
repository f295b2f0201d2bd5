#pragma once
// The program's fixed texts: those of the queries (the mode names, the messages and the
// result columns), then the desktop program's own.
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

namespace tavra::res {

// Mode entries besides the three queries.
inline constexpr std::u16string_view kModeUpdate = u"在线升级";
inline constexpr std::u16string_view kModeRecommend = u"软件推荐";
inline constexpr std::u16string_view kModeAbout = u"关于";

inline constexpr std::u16string_view kAskUpdate =
    u"在线升级功能需3M流量,请GPRS未包月用户千万不要使用，会产生不小的费用的!确认使用吗？";
inline constexpr std::u16string_view kUpToDate = u"你的版本已是最新!";
inline constexpr std::u16string_view kNetworkFailed = u"网络连接失败!";
inline constexpr std::u16string_view kAskDownload =
    u"已有新版本,是否下载?下载需3M流量,下载后请重新安装!";
inline constexpr std::u16string_view kOfferUcweb =
    u"建议安装UCWEB浏览器,UCWEB是手机上最快最省流量的全免费浏览器,安装后在线升级可省不少流量,"
    u"下载过程会产生GPRS流量(未包月用户请不要安装,会产生不少费用),确认安装吗?";

inline constexpr std::u16string_view kVersionLabelPrefix = u"数据版本:";

// Shown when a data file is missing or damaged, followed by what is wrong with it.
inline constexpr std::u16string_view kLoadFailed = u"时刻表数据无法读取，不能查询。";

}  // namespace tavra::res
