// Station to station: direct trains between two stations, or every departure from one, or
// every arrival at one.
#include "app/query_core.h"
#include "app/row_range.h"
#include "data/record_fields.h"
#include "resources/fixed_texts.h"

namespace tavra {

void QueryCore::SearchStationToStation() {
  m_strFromStation = m_controls.FromText();
  m_strToStation = m_controls.ToText();
  const bool hasFrom = !m_strFromStation.empty(), hasTo = !m_strToStation.empty();
  // Ignored without a word: nothing typed, or a single character still being typed.
  if ((!hasFrom && !hasTo) || m_strFromStation.size() == 1 || m_strToStation.size() == 1) return;

  m_nLastRow = -1;
  m_list.SetRedraw(false);
  m_list.DeleteAllRows();
  // The arrival is looked up only after the departure was found (or not given): one
  // message at most.
  const bool found = (!hasFrom || FindFromStation()) && (!hasTo || FindToStation());
  if (!found) {
    m_list.SetRedraw(true);
    return;
  }
  if (hasFrom && hasTo)
    ListBetween();
  else if (hasFrom)
    ListDepartures();
  else
    ListArrivals();

  // Damaged data is reported when the query ends, before anything else is asked.
  if (!m_damage.Found() && m_list.RowCount() == 0 && m_nQueryKind == kQueryStationToStation &&
      hasFrom && hasTo && m_offerTransfer &&
      m_messages.Question(texts::kOfferTransfer, texts::kCaption))
    m_offerTransfer(*this);
  WriteCountLabel();
  m_list.SetRedraw(true);
}

}  // namespace tavra
