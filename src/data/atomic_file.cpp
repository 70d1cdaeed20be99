#include "data/atomic_file.h"

#include <cerrno>
#include <chrono>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#include <fmt/format.h>
#endif

#include "base/number_text.h"
#include "data/path_text.h"
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

#ifdef _WIN32

int ProcessNumber() { return ::_getpid(); }

// Windows keeps of the permissions only a read-only flag, which a target never has, so the new
// file is simply writable; there is nothing to carry over.
int CreateNew(const fs::path& file, bool /*replacing*/) {
  return ::_wopen(file.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                  _S_IREAD | _S_IWRITE);
}

void CarryOver(const WriteTarget& /*target*/, int /*fd*/) {}

int FlushToDisk(int fd) { return ::_commit(fd); }

// The error number of the rename, else 0; the target is replaced if it exists.
int RenameOver(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::rename(from, to, error);
  return error ? ErrorNumber(error) : 0;
}

void Remove(const fs::path& file) {
  std::error_code ignored;
  fs::remove(file, ignored);
}

// Windows flushes a folder's entries with the files in it.
void FlushFolder(const fs::path& /*file*/) {}

#else

int ProcessNumber() { return static_cast<int>(::getpid()); }

// A new file of a new name gets the usual permissions; one that replaces a file gets that
// file's once everything is written.
int CreateNew(const fs::path& file, bool replacing) {
  const mode_t mode = replacing ? S_IRUSR | S_IWUSR : 0666;
  return ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
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

int FlushToDisk(int fd) { return ::fsync(fd); }

// The error number of the rename, else 0; the target is replaced if it exists.
int RenameOver(const fs::path& from, const fs::path& to) {
  return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

void Remove(const fs::path& file) { ::unlink(file.c_str()); }

// The rename is lasting only once the folder is flushed too; a folder that cannot be flushed
// still holds the complete file.
void FlushFolder(const fs::path& file) {
  const FileDescriptor folder(::open(FolderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.IsOpen()) ::fsync(folder.Get());
}

#endif

// A hidden name beside file that no file has yet, for attempt.
fs::path NameBeside(const fs::path& file, int attempt) {
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  fs::path name = ".";
  name += file.filename().native().substr(0, kKeptNameBytes);
  name += fmt::format(".{:x}-{}-{}.tmp", static_cast<unsigned long long>(stamp), ProcessNumber(),
                     attempt);
  return FolderOf(file) / name;
}

// A new file beside target.File, open for writing; its name in made, or the error number.
int CreateBeside(const WriteTarget& target, FileDescriptor& file, fs::path& made) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    made = NameBeside(target.File, attempt);
    const int fd = CreateNew(made, target.Exists);
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
    const std::ptrdiff_t written = WriteSome(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// Writes, flushes to the disk and closes the new file; the error number of the first step
// that failed. Some file systems cannot flush (EINVAL), which is no failure of the data.
int FillAndClose(const WriteTarget& target, FileDescriptor& file, std::string_view bytes) {
  if (const int error = WriteAll(file.Get(), bytes)) return error;
  CarryOver(target, file.Get());
  if (FlushToDisk(file.Get()) != 0 && errno != EINVAL) return errno;
  return file.Close();
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

Result<> ReplaceFileContents(const fs::path& named, std::string_view bytes) {
  const Result<WriteTarget> found = FindWriteTarget(named);
  if (!found) return Failed(found.Message());
  const WriteTarget& target = *found;
  FileDescriptor file;
  fs::path made;
  if (const int error = CreateBeside(target, file, made)) return Failed(CannotCreate(target, error));
  int error = FillAndClose(target, file, bytes);
  if (error == 0) error = RenameOver(made, target.File);
  if (error != 0) {
    file.Close();
    Remove(made);
    return Failed(SystemReason(error) + "." + Unchanged(target));
  }
  FlushFolder(target.File);
  return Done();
}

Result<> WriteFileAtomically(const fs::path& target, std::string_view bytes) {
  const Result<> replaced = ReplaceFileContents(target, bytes);
  if (replaced) return Done();
  return Failed("Could not save \"" + PathText(target) + "\": " + replaced.Message());
}

}  // namespace hygrovia
