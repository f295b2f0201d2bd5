#pragma once
// Which of the query dialog's input controls each layout shows, and where the input
// focus goes: the three query modes, and the layout left after the about box.
#include <array>
#include <optional>
#include <string_view>

namespace tavra {

enum class InputLayout {
  StationToStation,
  TrainNumber,
  Station,
  AfterAbout,  // station boxes shown, reverse button hidden until a mode is chosen again
};

struct ControlShown {
  int id;
  bool shown;
};

// The shown state of every control the layouts switch (1006, 1007, 1010, 1011, 1014,
// 1013, 1012, 1015, 1016).
std::array<ControlShown, 9> LayoutControls(InputLayout layout);

// The control that takes the input focus, or nullopt to leave the focus where it is.
std::optional<int> LayoutFocus(InputLayout layout);

// The layout of a query mode entry ("站站查询", "车次查询", "车站查询"); nullopt for the
// other entries, which leave the layout as it is.
std::optional<InputLayout> LayoutOfMode(std::u16string_view mode);

}  // namespace tavra
