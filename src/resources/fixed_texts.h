#pragma once
// The desktop program's own fixed texts; the query texts live in app/query_texts.h.
#include <string_view>

namespace tavra::res {

// Mode entries besides the three queries (whose names live with the query texts).
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
