#include <QApplication>
#include <QByteArray>
#include <QTemporaryDir>
#include <QtGlobal>

#include <gtest/gtest.h>

#include "support/private_settings_folder.h"

#if defined(__SANITIZE_ADDRESS__)
// LeakSanitizer misreads the thread-local storage of plugins Qt loads at run time (the printer
// support's) and stops with a fatal error at exit; not tracking that storage avoids it.
extern "C" const char* __asan_default_options() { return "intercept_tls_get_addr=0"; }
#endif

// The widget and canvas tests need an application object; they run without a display, and
// whatever a window remembers goes to a folder of the run's own, never the user's.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  }
  ::testing::InitGoogleTest(&argc, argv);
  QTemporaryDir settings;
  const hygrovia::PrivateSettingsFolder privateSettings(settings.path());
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
