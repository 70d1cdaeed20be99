#include "data/regular_file.h"

#include <algorithm>

#include <cerrno>
#include <cstdint>

#include <fcntl.h>
#include <sys/stat.h>

#include "data/file_descriptor.h"
#include "data/path_text.h"

namespace hygrovia {
namespace {

namespace fs = std::filesystem;
using Outcome = RegularFileRead::Outcome;

RegularFileRead Ended(Outcome outcome, int error = 0) { return {outcome, error, {}}; }

// The file's bytes up to one beyond limit, so a file that grew since its size was taken
// still shows as too large. The buffer starts at the size the file had, one byte more to see
// it grow, and doubles only while it keeps growing: a small file never costs the limit.
RegularFileRead ReadUpTo(int fd, std::size_t size, std::size_t limit) {
  RegularFileRead read;
  read.Bytes.resize(std::min(size, limit) + 1);
  std::size_t used = 0;
  while (used < limit + 1) {
    if (used == read.Bytes.size()) read.Bytes.resize(std::min(2 * used, limit + 1));
    const std::ptrdiff_t got = ReadSome(fd, read.Bytes.data() + used, read.Bytes.size() - used);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Ended(Outcome::Failed, errno);
    if (got == 0) break;
    used += static_cast<std::size_t>(got);
  }
  if (used > limit) return Ended(Outcome::TooLarge);
  read.Bytes.resize(used);
  return read;
}

}  // namespace

#ifdef _WIN32

// Windows has no pipes or devices among the names of its folders, and no links that an
// ordinary user makes, so the status of the name is all there is to look at.
RegularFileRead ReadRegularFile(const fs::path& path, std::size_t limit) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) return Ended(Outcome::Missing);
  if (error) return Ended(Outcome::Failed, ErrorNumber(error));
  if (fs::is_directory(status)) return Ended(Outcome::Folder);
  if (!fs::is_regular_file(status)) return Ended(Outcome::NotRegular);
  const std::uintmax_t size = fs::file_size(path, error);
  if (error) return Ended(Outcome::Failed, ErrorNumber(error));
  if (size > limit) return Ended(Outcome::TooLarge);
  const FileDescriptor file(::_wopen(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT));
  if (!file.IsOpen()) {
    return errno == ENOENT ? Ended(Outcome::Missing) : Ended(Outcome::Failed, errno);
  }
  return ReadUpTo(file.Get(), static_cast<std::size_t>(size), limit);
}

#else

RegularFileRead ReadRegularFile(const fs::path& path, std::size_t limit) {
  // A device is refused before it is opened, as opening some (a tape) has effects of its own.
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    return errno == ENOENT ? Ended(Outcome::Missing) : Ended(Outcome::Failed, errno);
  }
  if (S_ISDIR(info.st_mode)) return Ended(Outcome::Folder);
  if (!S_ISREG(info.st_mode)) return Ended(Outcome::NotRegular);
  // The name may lead elsewhere by now: the open file is looked at again.
  const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!file.IsOpen()) {
    return errno == ENOENT ? Ended(Outcome::Missing) : Ended(Outcome::Failed, errno);
  }
  if (::fstat(file.Get(), &info) != 0) return Ended(Outcome::Failed, errno);
  if (S_ISDIR(info.st_mode)) return Ended(Outcome::Folder);
  if (!S_ISREG(info.st_mode)) return Ended(Outcome::NotRegular);
  if (info.st_size < 0 || static_cast<std::size_t>(info.st_size) > limit) {
    return Ended(Outcome::TooLarge);
  }
  return ReadUpTo(file.Get(), static_cast<std::size_t>(info.st_size), limit);
}

#endif

Result<std::string> ReadUserFile(const fs::path& path, std::size_t limit, std::string_view kind) {
  RegularFileRead read = ReadRegularFile(path, limit);
  std::string why;
  switch (read.Result) {
    case Outcome::Read:
      return std::move(read.Bytes);
    case Outcome::Missing:
      why = "The file does not exist.";
      break;
    case Outcome::Folder:
      why = "It is a folder, not a " + std::string(kind) + ".";
      break;
    case Outcome::NotRegular:
      why = "It is a device, pipe or socket, not a " + std::string(kind) + ".";
      break;
    case Outcome::TooLarge:
      why = "It is larger than a " + std::string(kind) + " can be.";
      break;
    case Outcome::Failed:
      why = SystemReason(read.Error) + ".";
      break;
  }
  return Failed("Could not read \"" + PathText(path) + "\". " + why);
}

}  // namespace hygrovia
