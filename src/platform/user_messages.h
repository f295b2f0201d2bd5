#pragma once
// How the program speaks to the user: the dialog's message and question boxes and the
// application's own message box. The desktop program shows boxes, the terminal program
// writes to standard error, tests record what was said.
#include <string>
#include <string_view>

namespace tavra {

class UserMessages {
 public:
  virtual ~UserMessages() = default;
  // An OK box with the given caption ("提示" for input problems).
  virtual void Message(std::u16string_view text, std::u16string_view caption) = 0;
  // A Yes/No box; true only for Yes.
  virtual bool Question(std::u16string_view text, std::u16string_view caption) = 0;
  // The application's message box: OK only, captioned with the application's name.
  virtual void AppMessage(std::u16string_view text) = 0;
};

// The station combo box as the lookups see it: a list of offered names below an edit
// field that holds what the user typed.
class StationChoiceBox {
 public:
  virtual ~StationChoiceBox() = default;
  // Empties the list and the edit field.
  virtual void ResetContent() = 0;
  virtual int ItemCount() const = 0;
  // Removes one list item; the edit field keeps its text.
  virtual void DeleteItem(int index) = 0;
  virtual void AddItem(std::u16string_view name) = 0;
  virtual void ShowDropDown() = 0;
};

}  // namespace tavra
