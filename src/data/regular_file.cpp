#include "data/regular_file.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "data/file_descriptor.h"

namespace hygrovia {
namespace {

using Outcome = RegularFileRead::Outcome;

RegularFileRead Ended(Outcome outcome, int error = 0) { return {outcome, error, {}}; }

// The file's bytes up to one beyond limit, so a file that grew since its size was taken
// still shows as too large.
RegularFileRead ReadUpTo(int fd, std::size_t limit) {
  RegularFileRead read;
  read.Bytes.resize(limit + 1);
  std::size_t used = 0;
  while (used < read.Bytes.size()) {
    const ssize_t got = ::read(fd, read.Bytes.data() + used, read.Bytes.size() - used);
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

RegularFileRead ReadRegularFile(const std::filesystem::path& path, std::size_t limit) {
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
  return ReadUpTo(file.Get(), limit);
}

}  // namespace hygrovia
