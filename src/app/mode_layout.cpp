#include "app/mode_layout.h"

#include "resources/dialog_templates.h"
#include "resources/fixed_texts.h"

namespace tavra {

std::array<ControlShown, 9> LayoutControls(InputLayout layout) {
  const bool stations =
      layout == InputLayout::StationToStation || layout == InputLayout::AfterAbout;
  const bool train = layout == InputLayout::TrainNumber;
  const bool station = layout == InputLayout::Station;
  return {{
      {res::kIdcFromStation, stations},
      {res::kIdcToStation, stations},
      {res::kIdcFromLabel, stations},
      {res::kIdcToLabel, stations},
      {res::kIdcReverse, layout == InputLayout::StationToStation},
      {res::kIdcTrainNo, train},
      {res::kIdcTrainLabel, train},
      {res::kIdcStation, station},
      {res::kIdcStationLabel, station},
  }};
}

std::optional<int> LayoutFocus(InputLayout layout) {
  switch (layout) {
    case InputLayout::StationToStation:
      return res::kIdcFromStation;
    case InputLayout::TrainNumber:
      return res::kIdcTrainNo;
    case InputLayout::Station:
      return res::kIdcStation;
    case InputLayout::AfterAbout:
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<InputLayout> LayoutOfMode(std::u16string_view mode) {
  if (mode == texts::kModeStationToStation) return InputLayout::StationToStation;
  if (mode == texts::kModeTrainNumber) return InputLayout::TrainNumber;
  if (mode == texts::kModeStation) return InputLayout::Station;
  return std::nullopt;
}

}  // namespace tavra
