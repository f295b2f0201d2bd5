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

inline constexpr std::u16string_view kVersionLabelPrefix = u"数据版本:";

// Shown when a data file is missing or damaged, followed by what is wrong with it.
inline constexpr std::u16string_view kLoadFailed = u"时刻表数据无法读取，不能查询。";

}  // namespace tavra::res
