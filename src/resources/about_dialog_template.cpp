#include "resources/about_dialog_template.h"

#include "resources/publisher.h"

namespace tavra::res {
namespace {

using K = ControlKind;

constexpr auto kMaker = Join(u"出品:", kPublisherName);
constexpr auto kHome = Join(u"主页:", kPublisherHome);
constexpr auto kPhone = Join(u"手机下载:", kPublisherMobilePage);
constexpr auto kMail = Join(u"邮箱:", kPublisherMail);

// The version label's date is a placeholder: the loaded data's version replaces it.
constexpr ControlTemplate kControls[] = {
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

constexpr DialogTemplate kAboutDialog = {kIddAbout, u"Dialog", 137, 154, kControls, 10};

}  // namespace

const DialogTemplate& AboutDialogTemplate() {
  return kAboutDialog;
}

}  // namespace tavra::res
