#include "platform/qt/station_choice_box.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>

#include "platform/qt/qt_text.h"

namespace tavra {
namespace {

// Changing a combo box's items may replace its edit text with the current item (adding
// the first item selects it); the edit field must keep what the user typed, caret and
// all, and no edit-change may be reported for it.
class KeepEditText {
 public:
  explicit KeepEditText(QComboBox* combo)
      : combo_(combo),
        edit_(combo->lineEdit()),
        text_(edit_->text()),
        cursor_(edit_->cursorPosition()),
        blockCombo_(combo),
        blockEdit_(edit_) {}
  ~KeepEditText() {
    combo_->setCurrentIndex(-1);
    if (edit_->text() != text_) edit_->setText(text_);
    edit_->setCursorPosition(cursor_);
  }

 private:
  QComboBox* combo_;
  QLineEdit* edit_;
  QString text_;
  int cursor_;
  QSignalBlocker blockCombo_;
  QSignalBlocker blockEdit_;
};

}  // namespace

QtStationChoiceBox::QtStationChoiceBox(QComboBox* combo)
    : combo_(combo), completer_(new QCompleter(combo->model(), combo)) {
  // The popup shows the box's own list, unfiltered: the program chose the names.
  completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  completer_->setWidget(combo->lineEdit());
  QObject::connect(completer_, qOverload<const QString&>(&QCompleter::activated), combo,
                   [combo](const QString& name) {
                     // A picked name replaces the typed text, as choosing from the list does.
                     QSignalBlocker block(combo->lineEdit());
                     combo->lineEdit()->setText(name);
                   });
}

void QtStationChoiceBox::ResetContent() {
  completer_->popup()->hide();
  QSignalBlocker blockCombo(combo_);
  QSignalBlocker blockEdit(combo_->lineEdit());
  combo_->clear();
  combo_->lineEdit()->clear();
}

int QtStationChoiceBox::ItemCount() const {
  return combo_->count();
}

void QtStationChoiceBox::DeleteItem(int index) {
  KeepEditText keep(combo_);
  combo_->removeItem(index);
}

void QtStationChoiceBox::AddItem(std::u16string_view name) {
  KeepEditText keep(combo_);
  combo_->addItem(ToQString(name));
}

void QtStationChoiceBox::ShowDropDown() {
  if (!combo_->isVisible()) return;
  // As wide as the whole box and just below it, in the edit field's coordinates.
  QLineEdit* edit = combo_->lineEdit();
  completer_->complete(QRect(edit->mapFrom(combo_, QPoint(0, 0)), combo_->size()));
}

bool QtStationChoiceBox::DropDownVisible() const {
  return completer_->popup()->isVisible();
}

}  // namespace tavra
