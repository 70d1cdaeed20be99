#ifndef HYGROVIA_TESTS_SUPPORT_PRIVATE_SETTINGS_FOLDER_H
#define HYGROVIA_TESTS_SUPPORT_PRIVATE_SETTINGS_FOLDER_H

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

namespace hygrovia {

// Points the program's own settings file into folder for as long as it lives, so that no test
// reads or writes the user's.
class PrivateSettingsFolder {
 public:
  explicit PrivateSettingsFolder(const QString& folder)
      : hadOld_(qEnvironmentVariableIsSet(kVariable)), old_(qgetenv(kVariable)) {
    qputenv(kVariable, QFile::encodeName(folder));
  }
  ~PrivateSettingsFolder() {
    if (hadOld_) {
      qputenv(kVariable, old_);
    } else {
      qunsetenv(kVariable);
    }
  }
  PrivateSettingsFolder(const PrivateSettingsFolder&) = delete;
  PrivateSettingsFolder& operator=(const PrivateSettingsFolder&) = delete;

 private:
  static constexpr const char* kVariable = "XDG_CONFIG_HOME";
  bool hadOld_;
  QByteArray old_;
};

}  // namespace hygrovia

#endif  // HYGROVIA_TESTS_SUPPORT_PRIVATE_SETTINGS_FOLDER_H
