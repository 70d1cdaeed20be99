#ifndef HYGROVIA_DATA_PATH_TEXT_H
#define HYGROVIA_DATA_PATH_TEXT_H

#include <filesystem>
#include <string>

namespace hygrovia {

// A path as it appears in a message, in UTF-8 whatever names the locale can show.
inline std::string PathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace hygrovia

#endif  // HYGROVIA_DATA_PATH_TEXT_H
