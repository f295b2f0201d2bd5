#pragma once
// The window of journeys with one change between two stations: one line per journey with
// its legs below it, sortable by departure, arrival, total time, wait and price. It is
// opened from the result list's context menu and leaves the query dialog as it is.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "app/journey_rows.h"

class QLabel;
class QTreeWidget;

namespace tavra {

class CJourneysDlg : public QDialog {
  Q_OBJECT
 public:
  // Searches at once; the window shows the journeys or why there are none.
  CJourneysDlg(const TimetableData& data, std::u16string from, std::u16string to,
               QWidget* parent = nullptr);

  // Called with a leg's boarding and alighting StopTable rows on a double click on it.
  std::function<void(int boardCall, int alightCall)> onShowStops;

  QTreeWidget* tree() const { return m_tree; }
  const std::vector<Journey>& journeys() const { return m_answer.journeys; }

  // Columns of the list.
  enum Column {
    kTrain,
    kFrom,
    kDepart,
    kChange,
    kTo,
    kArrive,
    kWait,
    kTotal,
    kKm,
    kHardSeat,
    kSecondClass,
    kFirstClass,
    kHardSleeper,
    kSoftSleeper,
    kColumnCount
  };

 private:
  void Fill();

  JourneyAnswer m_answer;
  QLabel* m_summary = nullptr;
  QTreeWidget* m_tree = nullptr;
};

}  // namespace tavra
