// The online hooks of the desktop program, offscreen: the about box and its links, the
// update check against a loopback server with scripted boxes, and the browser offer.
#include "app/qt/online_services.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/browser_offer.h"
#include "app/offer_counter.h"
#include "app/qt/about_dlg.h"
#include "online/update_check.h"
#include "resources/dialog_templates.h"
#include "resources/fixed_texts.h"
#include "support/http_test_server.h"
#include "support/qt/qt_test_support.h"

namespace tavra::test {
namespace {

using namespace res;

struct RecordingOpener : UrlOpener {
  bool OpenUrl(std::string_view url) override {
    opened.emplace_back(url);
    return true;
  }
  std::vector<std::string> opened;
};

class QtOnline : public ::testing::Test {
 protected:
  void Open() {
    t = std::make_unique<TestApp>(SmallNetwork());  // data version 20240101
    http = MakeHttpClient();
    InstallOnlineHooks(*t->app, {http.get(), &opener, {1000, 2000}, [this] { ++ends; }});
    d = OpenDialog(*t->app);
    d->OnTimer(d->TimerId());  // loading finished: version label set, the offer has run
  }
  void Choose(std::u16string_view entry) {
    QComboBox* mode = qobject_cast<QComboBox*>(d->Control(kIdcMode));
    const int index =
        mode->findText(QString::fromUtf16(entry.data(), static_cast<qsizetype>(entry.size())));
    mode->setCurrentIndex(index);
    Q_EMIT mode->activated(index);
    QApplication::processEvents();
  }
  // Runs `act` on the about box once it is shown.
  static void WhenAboutShown(std::function<void(CAboutDlg&)> act, int tries = 200) {
    QTimer::singleShot(10, [act, tries] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* about = dynamic_cast<CAboutDlg*>(w); about && about->isVisible())
          return act(*about);
      if (tries > 0) WhenAboutShown(act, tries - 1);
    });
  }
  ScriptedBoxes boxes;
  RecordingOpener opener;
  int ends = 0;
  std::unique_ptr<HttpClient> http;
  std::unique_ptr<TestApp> t;
  std::unique_ptr<CQueryDlg> d;
};

TEST_F(QtOnline, AboutBoxShowsTheDataVersionAndOpensItsLinks) {
  boxes.answers = {false};  // the browser offer
  Open();
  CAboutDlg about(t->app.get(), opener);
  about.OnInitDialog();
  EXPECT_EQ(about.m_versionLabel->text(), "数据版本:20240101");
  EXPECT_TRUE(about.m_makerLabel->text().startsWith("出品:"));
  EXPECT_TRUE(about.m_homeLabel->text().startsWith("主页:http://"));
  EXPECT_TRUE(about.m_mailLabel->text().contains('@'));
  EXPECT_EQ(about.windowTitle(), "Dialog");
  qobject_cast<QPushButton*>(about.Control(kIdcUcwebButton))->click();
  qobject_cast<QPushButton*>(about.Control(kIdcUcDesktopButton))->click();
  about.show();
  QTest::mouseClick(about.m_phoneLink, Qt::LeftButton);
  QTest::mouseClick(about.m_makerLabel, Qt::LeftButton);  // no link
  ASSERT_EQ(opener.opened.size(), 3u);
  EXPECT_TRUE(opener.opened[0].ends_with("/ucweb/ppcuc.htm"));
  EXPECT_NE(opener.opened[1].find("/ucdesk/?f="), std::string::npos);
  EXPECT_TRUE(opener.opened[1].ends_with("&title=&url="));
  EXPECT_TRUE(opener.opened[2].ends_with("/java/"));
  EXPECT_TRUE(about.isVisible());  // the links leave the box open
}

TEST_F(QtOnline, AboutBoxClosesWithEnterEscapeAndTheCloseButton) {
  boxes.answers = {false};
  Open();
  WhenAboutShown([](CAboutDlg& a) { QTest::keyClick(&a, Qt::Key_Escape); });
  Choose(kModeAbout);
  EXPECT_EQ(qobject_cast<QComboBox*>(d->Control(kIdcMode))->currentText(), "关于");
  WhenAboutShown([](CAboutDlg& a) { a.close(); });
  Choose(kModeRecommend);
  EXPECT_EQ(qobject_cast<QComboBox*>(d->Control(kIdcMode))->currentText(), "软件推荐");
  // Enter is OK even with a link button focused, and opens nothing.
  WhenAboutShown([](CAboutDlg& a) {
    a.Control(kIdcUcwebButton)->setFocus();
    QTest::keyClick(a.Control(kIdcUcwebButton), Qt::Key_Return);
  });
  Choose(kModeAbout);
  EXPECT_EQ(qobject_cast<QComboBox*>(d->Control(kIdcMode))->currentText(), "站站查询");
  EXPECT_FALSE(d->Control(kIdcReverse)->isVisible());
  EXPECT_TRUE(opener.opened.empty());
}

TEST_F(QtOnline, UpdateCheckAsksOpensThePackageAndEnds) {
  std::string answer = "20240102";
  HttpTestServer server([&](const std::string& path) {
    HttpReply r = path == "/down/ver_ppc.txt" ? Reply(200, answer) : Reply(404, "");
    r.delayMs = 300;
    return r;
  });
  boxes.answers = {false};
  Open();
  ASSERT_TRUE(t->app->Settings().CreateKey(kOnlineSettingsKey));
  const std::string base = server.Base();
  ASSERT_TRUE(t->app->Settings().WriteString(kOnlineSettingsKey, kUpdateServerValue,
                                             std::u16string(base.begin(), base.end()),
                                             SettingsStore::kMaxTextChars));
  // The user-interface thread keeps running timers while the server takes its time.
  int ticks = 0, waitTicks = 0;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&] {
    ++ticks;
    if (QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor)
      ++waitTicks;
  });
  tick.start(20);

  boxes.answers = {true, false};  // use the network; do not download
  boxes.shown.clear();
  Choose(kModeUpdate);
  EXPECT_GE(ticks, 5);
  EXPECT_GE(waitTicks, 5);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // restored afterwards
  EXPECT_EQ(boxes.Texts(), (std::vector<std::u16string>{std::u16string(kAskUpdate),
                                                        std::u16string(kAskDownload)}));
  EXPECT_TRUE(opener.opened.empty());
  EXPECT_EQ(ends, 0);

  boxes.answers = {true, true};
  Choose(kModeUpdate);
  EXPECT_EQ(opener.opened, std::vector<std::string>{base + "/down/tavrppc20240102.cab"});
  EXPECT_EQ(ends, 1);

  answer = "20240101";
  boxes.answers = {true};
  boxes.shown.clear();
  Choose(kModeUpdate);
  answer = "not a number";
  boxes.answers = {true};
  Choose(kModeUpdate);
  EXPECT_EQ(boxes.Texts(), (std::vector<std::u16string>{
                               std::u16string(kAskUpdate), std::u16string(kUpToDate),
                               std::u16string(kAskUpdate), std::u16string(kNetworkFailed)}));
  EXPECT_EQ(ends, 1);
}

TEST_F(QtOnline, BrowserOfferThreeTimesPerVersionUnlessInstalled) {
  // The counter and the installed check work on one store across runs.
  TempDir dir;
  SettingsStore store(dir.File("settings.ini"));
  RecordingMessages said;
  said.answer = false;
  int closes = 0;
  for (int run = 1; run <= 4; ++run)
    RunBrowserOffer(store, u"20240101", said, opener, [&] { ++closes; });
  EXPECT_EQ(said.said.size(), 3u);
  EXPECT_EQ(said.said[0].text, kOfferUcweb);
  EXPECT_TRUE(store.OpenKey(kUcwebKey));  // created empty by the first look

  said.said.clear();
  said.answer = true;
  RunBrowserOffer(store, u"20240102", said, opener, [&] { ++closes; });  // a new version
  EXPECT_EQ(said.said.size(), 1u);
  EXPECT_EQ(closes, 1);
  ASSERT_EQ(opener.opened.size(), 1u);
  EXPECT_TRUE(opener.opened[0].ends_with("/ucweb/ppcuc.htm"));

  ASSERT_TRUE(store.WriteString(kUcwebKey, kUcwebPathValue, u"/opt/ucweb"));
  store.OpenKey(kSettingsKey);
  const auto counter = store.ReadString(kSettingsKey, kCounterValue);
  RunBrowserOffer(store, u"20240103", said, opener, [&] { ++closes; });
  EXPECT_EQ(said.said.size(), 1u);
  store.OpenKey(kSettingsKey);
  EXPECT_EQ(store.ReadString(kSettingsKey, kCounterValue), counter);  // untouched
}

TEST_F(QtOnline, BrowserOfferYesClosesTheMainDialog) {
  boxes.answers = {true};
  t = std::make_unique<TestApp>(SmallNetwork());
  http = MakeHttpClient();
  InstallOnlineHooks(*t->app, {http.get(), &opener, {}, {}});
  d = OpenDialog(*t->app);
  d->OnTimer(d->TimerId());
  EXPECT_EQ(boxes.Texts(), std::vector<std::u16string>{std::u16string(kOfferUcweb)});
  EXPECT_EQ(opener.opened.size(), 1u);
  EXPECT_FALSE(d->isVisible());
  EXPECT_EQ(d->result(), QDialog::Accepted);
}

}  // namespace
}  // namespace tavra::test
