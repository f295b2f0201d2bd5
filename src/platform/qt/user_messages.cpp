#include "platform/qt/user_messages.h"

#include <QCoreApplication>

#include "platform/qt/qt_text.h"

namespace tavra {
namespace {

QtUserMessages::BoxRunner& Runner() {
  static QtUserMessages::BoxRunner runner;
  return runner;
}

}  // namespace

void QtUserMessages::SetBoxRunner(BoxRunner runner) {
  Runner() = std::move(runner);
}

QMessageBox::StandardButton QtUserMessages::Run(QMessageBox::Icon icon, std::u16string_view text,
                                                const QString& caption,
                                                QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, caption, ToQString(text), buttons, parent_);
  if (Runner()) return Runner()(box);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

void QtUserMessages::Message(std::u16string_view text, std::u16string_view caption) {
  Run(QMessageBox::Information, text, ToQString(caption), QMessageBox::Ok);
}

bool QtUserMessages::Question(std::u16string_view text, std::u16string_view caption) {
  // Closing the box any other way than with Yes refuses.
  return Run(QMessageBox::Question, text, ToQString(caption), QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

void QtUserMessages::AppMessage(std::u16string_view text) {
  Run(QMessageBox::Warning, text, QCoreApplication::applicationName(), QMessageBox::Ok);
}

}  // namespace tavra
