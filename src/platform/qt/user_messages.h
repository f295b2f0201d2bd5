#pragma once
// Message and question boxes of the desktop program.
#include <QMessageBox>
#include <functional>

#include "platform/user_messages.h"

class QWidget;

namespace tavra {

class QtUserMessages : public UserMessages {
 public:
  // Boxes are modal to `parent` and centred on it.
  explicit QtUserMessages(QWidget* parent) : parent_(parent) {}

  void Message(std::u16string_view text, std::u16string_view caption) override;
  bool Question(std::u16string_view text, std::u16string_view caption) override;
  // Captioned with the application's name.
  void AppMessage(std::u16string_view text) override;

  // Runs a fully configured box and returns the button that closed it. The default shows
  // it modally; tests answer it without showing it. An empty runner restores the default.
  using BoxRunner = std::function<QMessageBox::StandardButton(QMessageBox&)>;
  static void SetBoxRunner(BoxRunner runner);

 private:
  QMessageBox::StandardButton Run(QMessageBox::Icon icon, std::u16string_view text,
                                  const QString& caption, QMessageBox::StandardButtons buttons);
  QWidget* parent_;
};

}  // namespace tavra
