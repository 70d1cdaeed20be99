#include "app/window/settings_store.h"

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QVariant>

namespace hygrovia {
namespace {

QString QtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Constructed in place, as QSettings can be neither copied nor moved.
QSettings ProgramStore() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, kSettingsOrganisation,
                   kSettingsApplication);
}

SettingText Default(std::string_view defaultText) { return {std::string(defaultText), false}; }

}  // namespace

SettingText ReadSetting(std::string_view name, std::string_view defaultText) {
  QSettings store = ProgramStore();
  return ReadSetting(store, name, defaultText);
}

bool WriteSetting(std::string_view name, std::string_view text) {
  QSettings store = ProgramStore();
  return WriteSetting(store, name, text);
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
