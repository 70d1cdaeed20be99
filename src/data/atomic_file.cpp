#include "data/atomic_file.h"

#include <chrono>
#include <fstream>
#include <string>
#include <system_error>

#include "chart/number_text.h"

namespace hygrovia {
namespace {

namespace fs = std::filesystem;

FileResult SaveFailed(const fs::path& target, std::string_view reason) {
  return FileResult::Failed("Could not save \"" + PathText(target) + "\": " + std::string(reason));
}

// Saving through a symbolic link replaces the file it names, not the link.
fs::path ResolvedTarget(const fs::path& target) {
  std::error_code error;
  if (!fs::is_symlink(fs::symlink_status(target, error))) return target;
  const fs::path resolved = fs::weakly_canonical(target, error);
  return error ? target : resolved;
}

// A name beside the target that no file has yet; empty when none could be found.
fs::path FreshNameBeside(const fs::path& target) {
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path candidate = target;
    candidate += FormatText(".%llx-%d.tmp", static_cast<unsigned long long>(stamp), attempt);
    std::error_code error;
    if (!fs::exists(fs::symlink_status(candidate, error))) return candidate;
  }
  return {};
}

bool WriteAll(const fs::path& path, std::string_view bytes) {
  // Binary, so the bytes land as given: the line ends are the caller's choice.
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

void CopyPermissions(const fs::path& from, const fs::path& to) {
  std::error_code error;
  const fs::file_status status = fs::status(from, error);
  if (!error && fs::exists(status)) fs::permissions(to, status.permissions(), error);
}

}  // namespace

FileResult WriteFileAtomically(const fs::path& requested, std::string_view bytes) {
  const fs::path target = ResolvedTarget(requested);
  std::error_code error;
  if (fs::is_directory(fs::status(target, error))) {
    return SaveFailed(requested, "a folder of that name is in the way.");
  }
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  if (!fs::is_directory(fs::status(folder, error))) {
    return SaveFailed(requested, "its folder does not exist.");
  }
  const fs::path temporary = FreshNameBeside(target);
  if (temporary.empty() || !WriteAll(temporary, bytes)) {
    fs::remove(temporary, error);
    return SaveFailed(requested,
                      "the file could not be written (is the folder read-only or the disk full?). "
                      "Any earlier file of that name is unchanged.");
  }
  CopyPermissions(target, temporary);
  fs::rename(temporary, target, error);
  if (error) {
    fs::remove(temporary, error);
    return SaveFailed(requested, "the earlier file could not be replaced; it is unchanged.");
  }
  return FileResult::Done();
}

}  // namespace hygrovia
