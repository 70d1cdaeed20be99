#include "app/widgets/settings_store.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QVariant>
#include <filesystem>
#include <optional>

#include "data/atomic_file.h"

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

#if !defined(Q_OS_WIN)
// A regular settings file too large to be one (a link to one included) is replaced by an empty
// one through the safe writer, so that a close writes its values again; a pipe, a device or a
// link to one is refused by the writer and stays as it is.
void ReplaceOversizedFile(const QString& path) {
  const QFileInfo file(path);
  if (!file.isFile() || file.size() <= kLargestSettingsFile) return;
  static_cast<void>(
      ReplaceFileContents(std::filesystem::path(QFile::encodeName(path).toStdString()), ""));
}
#endif

enum class StoreUse { Read, Write };

// The program's store, opened in place (QSettings can be neither copied nor moved); false
// when its file must not be touched. QSettings reads the file as it opens it.
bool OpenProgramStore(std::optional<QSettings>& store, StoreUse use) {
#if defined(Q_OS_WIN)
  static_cast<void>(use);  // the registry has no file to replace
  store.emplace(QSettings::NativeFormat, QSettings::UserScope, kSettingsOrganisation,
                kSettingsApplication);
  return true;
#else
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  const QString path = folder + QStringLiteral("/%1/%2.conf")
                                    .arg(QString::fromLatin1(kSettingsOrganisation),
                                         QString::fromLatin1(kSettingsApplication));
  if (use == StoreUse::Write && !folder.isEmpty()) ReplaceOversizedFile(path);
  if (folder.isEmpty() || !IsUsableSettingsFile(path)) return false;
  store.emplace(path, QSettings::IniFormat);
  return true;
#endif
}

SettingText Default(std::string_view defaultText) { return {std::string(defaultText), false}; }

}  // namespace

SettingText ReadSetting(std::string_view name, std::string_view defaultText) {
  std::optional<QSettings> store;
  if (!OpenProgramStore(store, StoreUse::Read)) return Default(defaultText);
  return ReadSetting(*store, name, defaultText);
}

bool WriteSetting(std::string_view name, std::string_view text) {
  std::optional<QSettings> store;
  return OpenProgramStore(store, StoreUse::Write) && WriteSetting(*store, name, text);
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
