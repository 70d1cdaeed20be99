#ifndef HYGROVIA_DATA_FILE_RESULT_H
#define HYGROVIA_DATA_FILE_RESULT_H

#include <filesystem>
#include <string>
#include <utility>

namespace hygrovia {

// How opening or saving a file went: done, or why not, in words the user can act on.
struct FileResult {
  bool Ok = true;
  std::string Message;  // empty when Ok

  static FileResult Done() { return {}; }
  static FileResult Failed(std::string message) { return {false, std::move(message)}; }
};

// A path as it appears in a message, in UTF-8 whatever names the locale can show.
inline std::string PathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace hygrovia

#endif  // HYGROVIA_DATA_FILE_RESULT_H
