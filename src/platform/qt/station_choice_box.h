#pragma once
// A station combo box as the station lookups see it. The offered names drop down below
// the edit field while the user goes on typing into it.
#include <QObject>

#include "platform/user_messages.h"

class QComboBox;
class QCompleter;

namespace tavra {

class QtStationChoiceBox : public StationChoiceBox {
 public:
  // `combo` must be editable; the box lives as long as the combo.
  explicit QtStationChoiceBox(QComboBox* combo);

  void ResetContent() override;  // also closes the offered names
  int ItemCount() const override;
  void DeleteItem(int index) override;
  void AddItem(std::u16string_view name) override;
  void ShowDropDown() override;

  bool DropDownVisible() const;
  QCompleter* completer() const { return completer_; }

 private:
  QComboBox* combo_;
  QCompleter* completer_;
};

}  // namespace tavra
