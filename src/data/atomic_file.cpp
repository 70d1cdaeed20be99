#include "data/atomic_file.h"

#include <cerrno>
#include <chrono>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "chart/number_text.h"
#include "data/file_descriptor.h"
#include "data/write_target.h"

namespace hygrovia {
namespace {

namespace fs = std::filesystem;

// The new file's name keeps this much of the target's, so a target whose name is as long as
// the system allows still gets a new file beside it.
constexpr std::size_t kKeptNameBytes = 64;
constexpr int kNameAttempts = 100;

fs::path FolderOf(const fs::path& file) {
  return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// A hidden name beside file that no file has yet, for attempt.
fs::path NameBeside(const fs::path& file, int attempt) {
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  std::string name = "." + file.filename().string().substr(0, kKeptNameBytes);
  name += FormatText(".%llx-%d-%d.tmp", static_cast<unsigned long long>(stamp),
                     static_cast<int>(::getpid()), attempt);
  return FolderOf(file) / name;
}

// A new file beside target.File, open for writing; its name in made, or the error number.
int CreateBeside(const WriteTarget& target, FileDescriptor& file, fs::path& made) {
  // A new file of a new name gets the usual permissions; one that replaces a file gets that
  // file's once everything is written.
  const mode_t mode = target.Exists ? S_IRUSR | S_IWUSR : 0666;
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    made = NameBeside(target.File, attempt);
    const int fd = ::open(made.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0) {
      file = FileDescriptor(fd);
      return 0;
    }
    if (errno != EEXIST && errno != EINTR) return errno;
  }
  return EEXIST;
}

// Every byte written, or the error number of the write that failed.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// The old file's owner and permissions on the new one, as far as the system allows: only the
// root user may give a file away, and changing the owner clears set-user-id bits, so the
// permissions come second.
void CarryOver(const WriteTarget& target, int fd) {
  if (!target.Exists) return;
  if (target.Owner != ::geteuid() || target.Group != ::getegid()) {
    [[maybe_unused]] const int ignored = ::fchown(fd, target.Owner, target.Group);
  }
  [[maybe_unused]] const int ignored = ::fchmod(fd, target.Mode);
}

// Writes, flushes to the disk and closes the new file; the error number of the first step
// that failed. Some file systems cannot flush (EINVAL), which is no failure of the data.
int FillAndClose(const WriteTarget& target, FileDescriptor& file, std::string_view bytes) {
  if (const int error = WriteAll(file.Get(), bytes)) return error;
  CarryOver(target, file.Get());
  if (::fsync(file.Get()) != 0 && errno != EINVAL) return errno;
  return file.Close();
}

// The rename is lasting only once the folder is flushed too; a folder that cannot be flushed
// still holds the complete file.
void FlushFolder(const fs::path& file) {
  const FileDescriptor folder(::open(FolderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.IsOpen()) ::fsync(folder.Get());
}

std::string Unchanged(const WriteTarget& target) {
  return target.Exists ? " The earlier file is unchanged." : " No file was made.";
}

// Why the new file could not be made beside the target.
std::string CannotCreate(const WriteTarget& target, int error) {
  if (target.Exists && (error == EACCES || error == EPERM)) {
    return "its folder does not allow new files (" + SystemReason(error) +
           "), and the file is replaced only through a complete new file beside it. The file "
           "is unchanged.";
  }
  return SystemReason(error) + "." + Unchanged(target);
}

}  // namespace

std::string ReplaceFileContents(const fs::path& named, std::string_view bytes) {
  const WriteTarget target = FindWriteTarget(named);
  if (!target.Refusal.empty()) return target.Refusal;
  FileDescriptor file;
  fs::path made;
  if (const int error = CreateBeside(target, file, made)) return CannotCreate(target, error);
  int error = FillAndClose(target, file, bytes);
  if (error == 0 && ::rename(made.c_str(), target.File.c_str()) != 0) error = errno;
  if (error != 0) {
    file.Close();
    ::unlink(made.c_str());
    return SystemReason(error) + "." + Unchanged(target);
  }
  FlushFolder(target.File);
  return {};
}

FileResult WriteFileAtomically(const fs::path& target, std::string_view bytes) {
  const std::string why = ReplaceFileContents(target, bytes);
  if (why.empty()) return FileResult::Done();
  return FileResult::Failed("Could not save \"" + PathText(target) + "\": " + why);
}

}  // namespace hygrovia
