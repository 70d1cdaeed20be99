#include "app/widgets/settings_store.h"

#include <QByteArray>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QVariant>
#include <optional>

namespace hygrovia {
namespace {

QString QtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// No file yet (the first write makes it), or a regular file small enough to be the store.
bool IsUsableSettingsFile(const QString& path) {
  const QFileInfo file(path);
  if (!file.exists()) return !path.isEmpty() && !file.isSymLink();
  return file.isFile() && file.size() <= kLargestSettingsFile;
}

// The program's store, opened in place (QSettings can be neither copied nor moved); false
// when its file must not be touched. QSettings reads the file as it opens it.
bool OpenProgramStore(std::optional<QSettings>& store) {
#if defined(Q_OS_WIN)
  store.emplace(QSettings::NativeFormat, QSettings::UserScope, kSettingsOrganisation,
                kSettingsApplication);
  return true;
#else
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  const QString path = folder + QStringLiteral("/%1/%2.conf")
                                    .arg(QString::fromLatin1(kSettingsOrganisation),
                                         QString::fromLatin1(kSettingsApplication));
  if (folder.isEmpty() || !IsUsableSettingsFile(path)) return false;
  store.emplace(path, QSettings::IniFormat);
  return true;
#endif
}

SettingText Default(std::string_view defaultText) { return {std::string(defaultText), false}; }

}  // namespace

SettingText ReadSetting(std::string_view name, std::string_view defaultText) {
  std::optional<QSettings> store;
  if (!OpenProgramStore(store)) return Default(defaultText);
  return ReadSetting(*store, name, defaultText);
}

bool WriteSetting(std::string_view name, std::string_view text) {
  std::optional<QSettings> store;
  return OpenProgramStore(store) && WriteSetting(*store, name, text);
}

SettingText ReadSetting(QSettings& store, std::string_view name, std::string_view defaultText) {
  const QVariant value = store.value(QtText(name));
  if (store.status() != QSettings::NoError || !value.isValid() || !value.canConvert<QString>()) {
    return Default(defaultText);
  }
  const QByteArray text = value.toString().toUtf8();
  if (text.size() > kLongestSettingText) return Default(defaultText);
  return {text.toStdString(), true};
}

bool WriteSetting(QSettings& store, std::string_view name, std::string_view text) {
  store.setValue(QtText(name), QtText(text));
  store.sync();
  return store.status() == QSettings::NoError;
}

}  // namespace hygrovia
