#ifndef HYGROVIA_APP_WIDGETS_SETTINGS_STORE_H
#define HYGROVIA_APP_WIDGETS_SETTINGS_STORE_H

#include <string>
#include <string_view>

#include <QtGlobal>

class QSettings;

namespace hygrovia {

// Where the values kept between runs live: on Windows the registry key
// HKEY_CURRENT_USER\Software\Tarnwick\Orvane, elsewhere the file Tarnwick/Orvane.conf in the
// user's configuration folder ($XDG_CONFIG_HOME, else ~/.config), where Qt keeps the native
// settings of that organisation and application. The Windows program used the same key, so
// both share values.
inline constexpr char kSettingsOrganisation[] = "Tarnwick";
inline constexpr char kSettingsApplication[] = "Orvane";

// Stored texts longer than this count as missing, as they did for the Windows program's
// 80-character read buffers.
inline constexpr qsizetype kLongestSettingText = 79;

// The settings file holds a few short values; a longer one is damaged. It is never read, so
// that a start takes no time whatever the file holds: the values fall back to their defaults.
// Writing replaces it whole through the safe writer, so the next start has its values again.
// A file that is not a regular one (a pipe would make the start wait for ever), or a link to
// one, is neither read nor written and stays as it is.
inline constexpr qint64 kLargestSettingsFile = 64 * 1024;

// A stored text, or the default standing in for it.
struct SettingText {
  std::string Text;
  bool Read = false;  // true when Text came from the store
};

// The text stored under name; the default when the value is missing, too long, not text or
// the store cannot be read. The store is opened and closed on every call.
SettingText ReadSetting(std::string_view name, std::string_view defaultText);
// Stores the text under name, creating the key when needed; false when the store could not be
// written (its old content then stays).
bool WriteSetting(std::string_view name, std::string_view text);

// The same on a store of the caller's choosing (tests use a private file).
SettingText ReadSetting(QSettings& store, std::string_view name, std::string_view defaultText);
bool WriteSetting(QSettings& store, std::string_view name, std::string_view text);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_WIDGETS_SETTINGS_STORE_H
