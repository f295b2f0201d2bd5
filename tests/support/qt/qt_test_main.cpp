// The desktop program's tests run with a QApplication on the offscreen platform: no
// display is needed, and every message box is answered by the test's script.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("tavra"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
