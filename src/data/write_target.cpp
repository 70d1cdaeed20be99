#include "data/write_target.h"

#include <cerrno>
#include <cstdlib>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

#include "data/file_descriptor.h"

namespace hygrovia {
namespace {

namespace fs = std::filesystem;

constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;

WriteTarget Refused(std::string why) {
  WriteTarget target;
  target.Refusal = std::move(why);
  return target;
}

WriteTarget RefusedFor(int errorNumber) { return Refused(SystemReason(errorNumber) + "."); }

WriteTarget NewFile(const fs::path& named) {
  const fs::path folder = named.has_parent_path() ? named.parent_path() : fs::path(".");
  struct stat info {};
  if (::stat(folder.c_str(), &info) != 0) {
    if (errno == ENOENT) return Refused("its folder does not exist.");
    return RefusedFor(errno);
  }
  if (!S_ISDIR(info.st_mode)) return Refused("its folder does not exist.");
  WriteTarget target;
  target.File = named;
  return target;
}

WriteTarget ExistingFile(const fs::path& file, const struct stat& info) {
  if (S_ISDIR(info.st_mode)) return Refused("a folder of that name is in the way.");
  if (!S_ISREG(info.st_mode)) {
    return Refused(
        "it is not a regular file but a device, pipe or socket, which is left as it is.");
  }
  if ((info.st_mode & kAnyWriteBit) == 0) {
    return Refused("the file is write-protected; it is unchanged.");
  }
  if (::access(file.c_str(), W_OK) != 0) return RefusedFor(errno);
  WriteTarget target;
  target.File = file;
  target.Exists = true;
  target.Mode = info.st_mode & 07777;
  target.Owner = info.st_uid;
  target.Group = info.st_gid;
  return target;
}

// The file at the end of the link, with its status; a refusal when there is none.
WriteTarget ThroughLink(const fs::path& link) {
  struct stat info {};
  if (::stat(link.c_str(), &info) != 0) {
    if (errno == ENOENT) return Refused("it is a symbolic link to a file that does not exist.");
    if (errno == ELOOP) return Refused("it is one of a loop of symbolic links.");
    return RefusedFor(errno);
  }
  const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(link.c_str(), nullptr),
                                                             &std::free);
  if (!resolved) return RefusedFor(errno);
  return ExistingFile(fs::path(resolved.get()), info);
}

}  // namespace

WriteTarget FindWriteTarget(const fs::path& named) {
  if (named.empty()) return Refused("the file name is empty.");
  struct stat info {};
  if (::lstat(named.c_str(), &info) != 0) {
    if (errno == ENOENT) return NewFile(named);
    return RefusedFor(errno);
  }
  if (S_ISLNK(info.st_mode)) return ThroughLink(named);
  return ExistingFile(named, info);
}

}  // namespace hygrovia
