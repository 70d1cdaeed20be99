#ifndef HYGROVIA_TESTS_SUPPORT_SCRATCH_FOLDER_H
#define HYGROVIA_TESTS_SUPPORT_SCRATCH_FOLDER_H

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "base/number_text.h"

namespace hygrovia::testing {

// A folder of its own under the system's temporary folder (or under base), removed with
// everything in it.
class ScratchFolder {
 public:
  explicit ScratchFolder(
      const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = base / FormatText("hygrovia-scratch-%lld", static_cast<long long>(stamp));
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  int EntryCount() const {
    using std::filesystem::directory_iterator;
    return static_cast<int>(std::distance(directory_iterator(path_), directory_iterator()));
  }

 private:
  std::filesystem::path path_;
};

inline std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Kind, permissions and bytes (or link text) of every entry of a folder, links not followed:
// equal snapshots mean nothing in the folder changed.
inline std::string Snapshot(const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  std::string text;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const fs::file_status status = fs::symlink_status(entry.path());
    text += entry.path().filename().string() + ":" +
            std::to_string(static_cast<int>(status.type())) + ":" +
            std::to_string(static_cast<int>(status.permissions())) + ":";
    if (fs::is_symlink(status)) {
      text += fs::read_symlink(entry.path()).string();
    } else if (fs::is_regular_file(status)) {
      text += FileBytes(entry.path());
    }
    text += "\n";
  }
  return text;
}

}  // namespace hygrovia::testing

#endif  // HYGROVIA_TESTS_SUPPORT_SCRATCH_FOLDER_H
