// The journeys window: reached from the result list's context menu after a station-to-
// station query, the specified question still asked first; its list, sort and double click.
#include "app/qt/journeys_dlg.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeWidget>
#include <cstdlib>

#include "resources/dialog_templates.h"
#include "resources/fixed_texts.h"
#include "results/qt/sort_list_ctrl.h"
#include "support/qt/qt_test_support.h"

namespace tavra::test {
namespace {

using namespace res;

// Typed into the station boxes one key at a time, then the query button.
void Query(CQueryDlg& d, const QString& from, const QString& to) {
  for (const auto& [id, text] : {std::pair{kIdcFromStation, from}, std::pair{kIdcToStation, to}})
    for (QChar c : text) {
      QKeyEvent press(QEvent::KeyPress, int(Qt::Key_unknown), Qt::NoModifier, QString(c));
      QApplication::sendEvent(qobject_cast<QComboBox*>(d.Control(id))->lineEdit(), &press);
    }
  qobject_cast<QAbstractButton*>(d.Control(kIdcQuery))->click();
}

TEST(QtJourneysDlg, OpenedAfterAQueryWithoutDirectTrain) {
  ScriptedBoxes boxes;
  TestApp t(SampleDataDir());
  auto d = OpenDialog(*t.app);
  QElapsedTimer clock;
  clock.start();
  while (!d->Control(kIdcQuery)->isEnabled() && clock.elapsed() < 5000)
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  ASSERT_TRUE(d->Control(kIdcQuery)->isEnabled());
  EXPECT_FALSE(d->JourneysOffered());  // no stations queried yet
  EXPECT_EQ(d->OpenJourneys(), nullptr);

  Query(*d, QStringLiteral("天津"), QStringLiteral("郑州"));
  // The specified question comes as before (once there is a transfer search to offer),
  // answered No; the list stays empty.
  std::vector<std::u16string> asked;
  if (d->core().TransferOfferEnabled()) asked.emplace_back(texts::kOfferTransfer);
  EXPECT_EQ(boxes.Texts(), asked);
  EXPECT_EQ(d->list()->list().RowCount(), 0);
  ASSERT_TRUE(d->JourneysOffered());
  CJourneysDlg* w = d->OpenJourneys();
  ASSERT_NE(w, nullptr);
  QTreeWidget* tree = w->tree();
  ASSERT_GT(w->journeys().size(), 5u);
  ASSERT_EQ(tree->topLevelItemCount(), static_cast<int>(w->journeys().size()));
  for (int i = 0; i < tree->topLevelItemCount(); ++i)
    EXPECT_EQ(tree->topLevelItem(i)->childCount(),
              w->journeys()[static_cast<size_t>(i)].plan.legCount);

  // By total time: shortest first, legs kept in their order.
  tree->sortByColumn(CJourneysDlg::kTotal, Qt::AscendingOrder);
  int previous = -1;
  for (int i = 0; i < tree->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = tree->topLevelItem(i);
    const int minutes = item->data(CJourneysDlg::kTotal, Qt::UserRole).toInt();
    EXPECT_LE(previous, minutes);
    previous = minutes;
    if (item->childCount() == 2) {
      EXPECT_EQ(item->child(0)->text(CJourneysDlg::kFrom), QStringLiteral("天津"));
    }
  }

  // A double click on a leg asks for its train's stop list.
  int board = -1;
  w->onShowStops = [&](int boardCall, int) { board = boardCall; };
  QTreeWidgetItem* leg = tree->topLevelItem(0)->child(0);
  Q_EMIT tree->itemDoubleClicked(leg, 0);
  const int journey = tree->topLevelItem(0)->data(0, Qt::UserRole).toInt();
  EXPECT_EQ(board, w->journeys()[static_cast<size_t>(journey)].plan.rides[0].boardCall);

  if (const char* shot = std::getenv("TAVRA_JOURNEYS_SCREENSHOT")) {
    w->show();
    QApplication::processEvents();
    w->grab().save(QString::fromUtf8(shot));
  }
}

}  // namespace
}  // namespace tavra::test
