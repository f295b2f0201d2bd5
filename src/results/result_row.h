#pragma once
// One line of a result list with everything derived for it, kept for the stop list and
// the fare engine (whose part, distances and prices, is the FareLine).
#include <string>

#include "fares/fare_line.h"

namespace tavra {

struct ResultRow : FareLine {
  std::u16string trainText;       // column 车次
  std::u16string stopTrainNo;     // the boarding call's run number, as stored
  std::u16string originTerminal;  // column 始发-终到
  std::u16string classText;       // column 列车等级
  std::u16string fromName;        // column 发站
  std::u16string departText;      // column 发时, hh:mm
  std::u16string toName;          // column 到站
  std::u16string arriveText;      // column 到时, hh:mm
  std::u16string durationText;    // column 历时, hh:mm
  std::u16string originName;
  std::u16string terminalName;
  std::u16string trainRow;  // the boarding call's TrainTable row, four characters
  std::u16string sortKey;   // hidden column 排序
};

}  // namespace tavra
