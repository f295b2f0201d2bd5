#pragma once
// One line of a result list with everything derived for it, kept for the stop list and
// the fare engine.
#include <array>
#include <cstdint>
#include <string>

namespace tavra {

struct ResultRow {
  std::u16string trainText;       // column 车次
  std::u16string stopTrainNo;     // the boarding call's run number, as stored
  std::u16string originTerminal;  // column 始发-终到
  std::u16string classText;       // column 列车等级
  std::u16string fromName;        // column 发站
  std::u16string departText;      // column 发时, hh:mm
  std::u16string toName;          // column 到站
  std::u16string arriveText;      // column 到时, hh:mm
  std::u16string distanceText;    // column 里程
  std::u16string durationText;    // column 历时, hh:mm
  // Prices: running totals while the fare engine works, shown texts when it is done.
  std::u16string hardSeat;
  std::u16string softSeat;
  std::u16string firstClass;
  std::u16string secondClass;
  std::u16string hardSleeper;  // column 硬卧上中下, composed
  std::u16string hardSleeperUpper;
  std::u16string hardSleeperMiddle;
  std::u16string hardSleeperLower;
  std::u16string softSleeper;  // column 软卧上/下, composed
  std::u16string softSleeperUpper;
  std::u16string softSleeperLower;
  std::u16string originName;
  std::u16string terminalName;
  std::u16string trainRow;  // the boarding call's TrainTable row, four characters
  std::u16string sortKey;   // hidden column 排序
  int32_t totalFareKm = 0;  // sum of segmentKm[0..5]
  // Per fare segment 0-5 the alighting call's fare distance less the boarding call's;
  // element 6 the distance the extra-distance surcharge is charged on.
  std::array<int32_t, 7> segmentKm{};
};

}  // namespace tavra
