#pragma once
// How the program speaks to the user: the dialog's message and question boxes and the
// application's own message box. The desktop program shows boxes, the terminal program
// writes to standard error, tests record what was said.
#include <string>
#include <string_view>
#include <vector>

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

// The user of code run without one (benchmarks, fuzzing, a core nobody watches): says
// nothing and consents to nothing.
class SilentMessages : public UserMessages {
 public:
  void Message(std::u16string_view, std::u16string_view) override {}
  bool Question(std::u16string_view, std::u16string_view) override { return false; }
  void AppMessage(std::u16string_view) override {}
};

// A station choice list kept in memory, for a caller that prints or counts the names.
class ChoiceList : public StationChoiceBox {
 public:
  void ResetContent() override { items.clear(); }
  int ItemCount() const override { return static_cast<int>(items.size()); }
  void DeleteItem(int index) override { items.erase(items.begin() + index); }
  void AddItem(std::u16string_view name) override { items.emplace_back(name); }
  void ShowDropDown() override {}
  std::vector<std::u16string> items;
};

}  // namespace tavra
