#ifndef HYGROVIA_TESTS_SUPPORT_SCRATCH_FOLDER_H
#define HYGROVIA_TESTS_SUPPORT_SCRATCH_FOLDER_H

#include <chrono>
#include <filesystem>
#include <iterator>
#include <system_error>

#include "chart/number_text.h"

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

}  // namespace hygrovia::testing

#endif  // HYGROVIA_TESTS_SUPPORT_SCRATCH_FOLDER_H
