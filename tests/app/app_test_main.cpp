#include <QApplication>
#include <QByteArray>
#include <QtGlobal>

#include <gtest/gtest.h>

// The widget and canvas tests need an application object; they run without a display.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  }
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
