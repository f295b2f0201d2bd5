#pragma once
// Dialog templates as data: each control's id, kind, text and rectangle in dialog units,
// as the handheld's resource compiler would have stored them. The desktop program
// creates its widgets from these, scaled for the screen it runs on.
#include <span>
#include <string_view>

namespace tavra::res {

enum class ControlKind {
  ComboDropDown,  // an edit field with a list below it
  ComboDropList,  // a list to choose from, no typing
  Button,
  Static,
  Edit,
  ListView,  // report-style list with a header
  Icon,
};

// A rectangle in dialog units: x and width in quarters of the dialog font's average
// character width, y and height in eighths of its height.
struct DluRect {
  int x = 0, y = 0, w = 0, h = 0;
};

inline constexpr int kNoId = -1;  // controls the program never addresses

struct ControlTemplate {
  int id = kNoId;
  ControlKind kind = ControlKind::Static;
  std::u16string_view text;
  DluRect rect;
  bool enabled = true;
  bool visible = true;
  bool notify = false;  // a static that reports clicks
};

struct DialogTemplate {
  int id = 0;
  std::u16string_view title;
  int width = 0;  // dialog units
  int height = 0;
  std::span<const ControlTemplate> controls;
  int fontPoints = 8;  // the dialog font's size ("System")

  // The control with `id`, or nullptr.
  const ControlTemplate* Find(int controlId) const {
    for (const ControlTemplate& c : controls)
      if (c.id == controlId) return &c;
    return nullptr;
  }
};

}  // namespace tavra::res
