// The query dialog's station boxes while typing, and its query and reverse buttons.
#include "app/query_core.h"
#include "data/lookup.h"
#include "data/record_fields.h"
#include "data/text_compare.h"
#include "resources/fixed_texts.h"

namespace tavra {
namespace {

// Passes everything to the station box but opening the drop-down, which waits until the
// box's text has been set.
class DeferredDropDown : public StationChoiceBox {
 public:
  explicit DeferredDropDown(StationChoiceBox& box) : box_(box) {}
  void ResetContent() override { box_.ResetContent(); }
  int ItemCount() const override { return box_.ItemCount(); }
  void DeleteItem(int index) override { box_.DeleteItem(index); }
  void AddItem(std::u16string_view name) override { box_.AddItem(name); }
  void ShowDropDown() override {}

 private:
  StationChoiceBox& box_;
};

}  // namespace

void QueryCore::StationEditChange(std::u16string (QueryControls::*read)() const,
                                  std::u16string& member, StationChoiceBox& box) {
  member = Trim((m_controls.*read)());
  if (StationsLoaded()) MatchStationsByKey(m_data, member, box);
}

void QueryCore::OnFromEditChange(StationChoiceBox& box) {
  StationEditChange(&QueryControls::FromText, m_strFromStation, box);
}

void QueryCore::OnToEditChange(StationChoiceBox& box) {
  StationEditChange(&QueryControls::ToText, m_strToStation, box);
}

void QueryCore::OnStationEditChange(StationChoiceBox& box) {
  m_strStation = Trim(m_controls.StationText());
  if (!StationsLoaded()) return;
  if (m_strStation.empty()) {
    box.ResetContent();
    return;
  }
  // The offered names replace the list; the box then shows the trimmed text with the caret
  // at its end before its list opens.
  DeferredDropDown deferred(box);
  MatchStationsByKey(m_data, m_strStation, deferred);
  if (box.ItemCount() > 0) {
    m_controls.SetStationText(m_strStation);
    box.ShowDropDown();
  }
}

void QueryCore::StartStationToStation() {
  if (!m_strFromStation.empty() || !m_strToStation.empty()) {
    m_nQueryKind = kQueryStationToStation;
    SearchStationToStation();
  } else {
    m_messages.Message(texts::kNoStations, texts::kCaption);
  }
}

void QueryCore::StartTrainNumber() {
  m_strTrainNo = m_controls.TrainNoText();
  for (char16_t& c : m_strTrainNo) c = UpperAscii(c);
  m_strTrainNo = Trim(m_strTrainNo);
  if (m_strTrainNo.empty()) {
    m_messages.Message(texts::kEnterTrainNo, texts::kCaption);
  } else {
    m_nQueryKind = kQueryTrainNumber;
    QueryTrainNumber();
  }
}

bool QueryCore::OnQuery() {
  m_bCounted = false;
  m_damage.Clear();
  m_strMode = m_controls.ModeText();
  if (m_strMode == texts::kModeStationToStation) {
    StartStationToStation();
  } else if (m_strMode == texts::kModeStation) {
    if (m_strStation.empty()) {
      m_messages.Message(texts::kNoStation, texts::kCaption);
    } else {
      m_nQueryKind = kQueryStationDepartures;
      QueryStation();
    }
  } else {
    // Every other mode text, even an entry that is not a query, takes the train-number path.
    StartTrainNumber();
  }
  return FinishQuery();
}

bool QueryCore::OnReverse() {
  m_bCounted = false;
  m_damage.Clear();
  m_strMode = m_controls.ModeText();
  // The boxes swap; the members keep what was typed until the search reads the boxes.
  m_controls.SetFromText(m_strToStation);
  m_controls.SetToText(m_strFromStation);
  if (m_strMode == texts::kModeStationToStation)
    StartStationToStation();
  else
    StartTrainNumber();
  return FinishQuery();
}

void QueryCore::OnInitDialog() {
  m_nAllBerths = 1;
  m_list.AllowSort(true);
  m_nLastRow = 0;
}

const std::u16string& QueryCore::OnModeCommand() {
  m_strMode = std::u16string(TrimRight(m_controls.ModeText()));
  return m_strMode;
}

}  // namespace tavra
