#include "app/qt/journeys_dlg.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <limits>

#include "app/query_core.h"
#include "data/record_fields.h"
#include "fares/fare_text.h"
#include "platform/qt/qt_text.h"
#include "results/row_texts.h"

namespace tavra {
namespace {

constexpr int kSortRole = Qt::UserRole;
constexpr int kLegRole = Qt::UserRole + 1;  // leg items: the leg's index, -1 for journeys

// Texts without the blanks the list columns pad them with.
QString Q(std::u16string_view text) {
  return ToQString(Trim(text));
}

QString Clock(int minutes) {
  return QStringLiteral("%1:%2")
      .arg(minutes / 60 % 24, 2, 10, QLatin1Char('0'))
      .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// A price as a sort key: the amount, or the largest number for a class not carried, so
// those sort last.
double PriceKey(std::u16string_view text) {
  return text.empty() || text == u"－" ? std::numeric_limits<double>::max() : ReadAmount(text);
}

// Journeys sort by the number kept for each column; legs keep their order under their
// journey whatever the column.
class Item : public QTreeWidgetItem {
 public:
  using QTreeWidgetItem::QTreeWidgetItem;
  bool operator<(const QTreeWidgetItem& other) const override {
    const int leg = data(0, kLegRole).toInt(), otherLeg = other.data(0, kLegRole).toInt();
    if (leg >= 0 || otherLeg >= 0) {
      const bool ascending =
          !treeWidget() || treeWidget()->header()->sortIndicatorOrder() == Qt::AscendingOrder;
      return ascending ? leg < otherLeg : leg > otherLeg;
    }
    const int c = treeWidget() ? treeWidget()->sortColumn() : 0;
    const QVariant a = data(c, kSortRole), b = other.data(c, kSortRole);
    if (a.isValid() && b.isValid()) return a.toDouble() < b.toDouble();
    return text(c) < other.text(c);
  }
};

void SetPrices(QTreeWidgetItem* item, const std::u16string& hardSeat, const std::u16string& second,
               const std::u16string& first, const std::u16string& hardSleeper,
               const std::u16string& softSleeper) {
  const std::pair<int, const std::u16string*> cells[] = {
      {CJourneysDlg::kHardSeat, &hardSeat},
      {CJourneysDlg::kSecondClass, &second},
      {CJourneysDlg::kFirstClass, &first},
      {CJourneysDlg::kHardSleeper, &hardSleeper},
      {CJourneysDlg::kSoftSleeper, &softSleeper}};
  for (const auto& [column, text] : cells) {
    item->setText(column, Q(*text));
    item->setData(column, kSortRole, PriceKey(*text));
  }
}

}  // namespace

CJourneysDlg::CJourneysDlg(const TimetableData& data, std::u16string from, std::u16string to,
                           QWidget* parent)
    : QDialog(parent), m_answer(FindJourneys(data, from, to, {})) {
  setWindowTitle(QStringLiteral("换乘方案 %1—%2").arg(Q(from), Q(to)));
  setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(this);
  m_summary = new QLabel(this);
  m_tree = new QTreeWidget(this);
  layout->addWidget(m_summary);
  layout->addWidget(m_tree);
  m_tree->setColumnCount(kColumnCount);
  m_tree->setHeaderLabels({QStringLiteral("车次"), QStringLiteral("发站"), QStringLiteral("发时"),
                           QStringLiteral("换乘"), QStringLiteral("到站"), QStringLiteral("到时"),
                           QStringLiteral("等候"), QStringLiteral("历时"), QStringLiteral("里程"),
                           QStringLiteral("硬座"), QStringLiteral("二等座"),
                           QStringLiteral("一等座"), QStringLiteral("硬卧上中下"),
                           QStringLiteral("软卧上/下")});
  m_tree->setRootIsDecorated(true);
  m_tree->setAlternatingRowColors(true);
  Fill();
  m_tree->setSortingEnabled(true);
  m_tree->sortByColumn(kDepart, Qt::AscendingOrder);
  for (int c = 0; c < kColumnCount; ++c) m_tree->resizeColumnToContents(c);
  connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item, int) {
    const int leg = item->data(0, kLegRole).toInt();
    const int journey = item->parent() ? item->parent()->data(0, kSortRole).toInt() : -1;
    if (leg < 0 || journey < 0 || !onShowStops) return;
    const Ride& ride =
        m_answer.journeys[static_cast<size_t>(journey)].plan.rides[static_cast<size_t>(leg)];
    onShowStops(ride.boardCall, ride.alightCall);
  });
  resize(1000, 600);
}

void CJourneysDlg::Fill() {
  if (m_answer.damage.Found()) {
    m_summary->setText(Q(DamagedDataMessage(m_answer.damage)));
    return;
  }
  switch (m_answer.error) {
    case ConnectionError::None:
      m_summary->setText(QStringLiteral("共%1个方案，最多换乘一次").arg(m_answer.journeys.size()));
      break;
    case ConnectionError::SameCity:
      m_summary->setText(QStringLiteral("两站同在一城，不提供换乘方案"));
      return;
    default:
      m_summary->setText(QStringLiteral("无法查询换乘方案"));
      return;
  }
  for (size_t n = 0; n < m_answer.journeys.size(); ++n) {
    const Journey& j = m_answer.journeys[n];
    const JourneyPlan& p = j.plan;
    auto* item = new Item(m_tree);
    item->setData(0, kLegRole, -1);
    const ResultRow& first = j.rows[0];
    const ResultRow& last = j.rows[static_cast<size_t>(p.legCount - 1)];
    QString trains = Q(first.trainText);
    if (!p.Direct()) trains += QStringLiteral(" / ") + Q(last.trainText);
    item->setText(kTrain, trains);
    item->setData(kTrain, kSortRole, static_cast<int>(n));  // journey index, for the legs
    item->setText(kFrom, Q(first.fromName));
    item->setText(kDepart, Clock(p.depart));
    item->setData(kDepart, kSortRole, p.depart);
    if (!p.Direct())
      item->setText(kChange, first.toName == last.fromName
                                 ? Q(first.toName)
                                 : Q(first.toName) + QStringLiteral("→") + Q(last.fromName));
    item->setText(kTo, Q(last.toName));
    const int days = p.Arrival() / 1440;
    item->setText(kArrive,
                  Clock(p.Arrival()) + (days ? QStringLiteral("+%1").arg(days) : QString()));
    item->setData(kArrive, kSortRole, p.Arrival());
    item->setText(kWait, p.Direct() ? QString() : QString::number(p.wait));
    item->setData(kWait, kSortRole, p.Direct() ? 0 : p.wait);
    item->setText(kTotal, Q(DurationText(p.minutes)));
    item->setData(kTotal, kSortRole, p.minutes);
    item->setText(kKm, QString::number(p.km));
    item->setData(kKm, kSortRole, p.km);
    SetPrices(item, j.prices.hardSeat, j.prices.secondClass, j.prices.firstClass,
              j.prices.hardSleeper, j.prices.softSleeper);
    for (int leg = 0; leg < p.legCount; ++leg) {
      const ResultRow& r = j.rows[static_cast<size_t>(leg)];
      auto* child = new Item(item);
      child->setData(0, kLegRole, leg);
      child->setText(kTrain, Q(r.trainText));
      child->setText(kFrom, Q(r.fromName));
      child->setText(kDepart, Q(r.departText));
      child->setText(kTo, Q(r.toName));
      child->setText(kArrive, Q(r.arriveText));
      child->setText(kTotal, Q(r.durationText));
      child->setText(kKm, Q(r.distanceText));
      SetPrices(child, r.hardSeat, r.secondClass, r.firstClass, r.hardSleeper, r.softSleeper);
    }
    item->setExpanded(true);
  }
}

}  // namespace tavra
