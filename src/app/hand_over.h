#pragma once
// The hand-over block through which the query dialog passes data to the dialogs it opens
// (stop list, transfer choice, about box). Created empty with the application object.
#include <cstdint>
#include <string>
#include <vector>

namespace tavra {

// One stop of the stop list.
struct StopLine {
  std::u16string km, station, arrival, departure, day, speed;
  std::u16string rawArrival, rawDeparture, rawDay;
};

// One station where a journey may change trains.
struct TransferCandidate {
  std::u16string stationNo;
  int32_t fromKm = 0;
  int32_t toKm = 0;
  int32_t fromTrains = 0;
  int32_t toTrains = 0;
};

struct HandOver {
  // Every stop of the train last clicked: sized to its stops, so a train of any length is
  // listed whole and nothing is written past the end.
  std::vector<StopLine> m_stopLines;
  int32_t m_nLastStopLine = -1;
  int32_t m_nTransfers = 0;
  std::u16string m_strFromName;
  std::u16string m_strToName;
  std::u16string m_strTransferName;
  std::u16string m_strAvgSpeed;
  std::u16string m_strTotalKm;
  std::u16string m_strTotalTime;
  std::u16string m_strDetailTrainNo;
  std::u16string m_strVersionLabel;  // "数据版本:" + the data version, once known
  std::vector<TransferCandidate> m_transfers;
};

}  // namespace tavra
