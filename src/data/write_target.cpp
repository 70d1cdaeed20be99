#include "data/write_target.h"

#include <cerrno>
#include <cstdlib>
#include <memory>

#include <sys/stat.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include "data/file_descriptor.h"
#include "data/path_text.h"

namespace hygrovia {
namespace {

namespace fs = std::filesystem;

// why ends in a full stop.
Failure Refused(std::string why) { return Failed(std::move(why)); }

Failure RefusedFor(int errorNumber) { return Refused(SystemReason(errorNumber) + "."); }

const char* const kNoFolder = "its folder does not exist.";
const char* const kFolderInTheWay = "a folder of that name is in the way.";
const char* const kNotRegular =
    "it is not a regular file but a device, pipe or socket, which is left as it is.";
const char* const kWriteProtected = "the file is write-protected; it is unchanged.";
const char* const kDanglingLink = "it is a symbolic link to a file that does not exist.";
const char* const kLinkLoop = "it is one of a loop of symbolic links.";

fs::path FolderOf(const fs::path& file) {
  return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

WriteTarget Found(const fs::path& file) {
  WriteTarget target;
  target.File = file;
  return target;
}

#ifdef _WIN32

Result<WriteTarget> NewFile(const fs::path& named) {
  std::error_code error;
  const fs::file_status folder = fs::status(FolderOf(named), error);
  if (folder.type() == fs::file_type::not_found) return Refused(kNoFolder);
  if (error) return RefusedFor(ErrorNumber(error));
  if (!fs::is_directory(folder)) return Refused(kNoFolder);
  return Found(named);
}

Result<WriteTarget> ExistingFile(const fs::path& file, const fs::file_status& status) {
  if (fs::is_directory(status)) return Refused(kFolderInTheWay);
  if (!fs::is_regular_file(status)) return Refused(kNotRegular);
  constexpr fs::perms kAnyWriteBit =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if ((status.permissions() & kAnyWriteBit) == fs::perms::none) return Refused(kWriteProtected);
  WriteTarget target = Found(file);
  target.Exists = true;
  return target;
}

}  // namespace

Result<WriteTarget> FindWriteTarget(const fs::path& named) {
  if (named.empty()) return Refused("the file name is empty.");
  std::error_code error;
  const fs::file_status own = fs::symlink_status(named, error);
  if (own.type() == fs::file_type::not_found) return NewFile(named);
  if (error) return RefusedFor(ErrorNumber(error));
  if (!fs::is_symlink(own)) return ExistingFile(named, own);
  const fs::file_status status = fs::status(named, error);
  if (status.type() == fs::file_type::not_found) return Refused(kDanglingLink);
  if (error && ErrorNumber(error) == ELOOP) return Refused(kLinkLoop);
  if (error) return RefusedFor(ErrorNumber(error));
  const fs::path file = fs::canonical(named, error);
  if (error) return RefusedFor(ErrorNumber(error));
  return ExistingFile(file, status);
}

#else

Result<WriteTarget> NewFile(const fs::path& named) {
  struct stat info {};
  if (::stat(FolderOf(named).c_str(), &info) != 0) {
    if (errno == ENOENT) return Refused(kNoFolder);
    return RefusedFor(errno);
  }
  if (!S_ISDIR(info.st_mode)) return Refused(kNoFolder);
  return Found(named);
}

Result<WriteTarget> ExistingFile(const fs::path& file, const struct stat& info) {
  if (S_ISDIR(info.st_mode)) return Refused(kFolderInTheWay);
  if (!S_ISREG(info.st_mode)) return Refused(kNotRegular);
  constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;
  if ((info.st_mode & kAnyWriteBit) == 0) return Refused(kWriteProtected);
  if (::access(file.c_str(), W_OK) != 0) return RefusedFor(errno);
  WriteTarget target = Found(file);
  target.Exists = true;
  target.Mode = info.st_mode & 07777;
  target.Owner = info.st_uid;
  target.Group = info.st_gid;
  return target;
}

// The file at the end of the link, with its status; a refusal when there is none.
Result<WriteTarget> ThroughLink(const fs::path& link) {
  struct stat info {};
  if (::stat(link.c_str(), &info) != 0) {
    if (errno == ENOENT) return Refused(kDanglingLink);
    if (errno == ELOOP) return Refused(kLinkLoop);
    return RefusedFor(errno);
  }
  const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(link.c_str(), nullptr),
                                                             &std::free);
  if (!resolved) return RefusedFor(errno);
  return ExistingFile(fs::path(resolved.get()), info);
}

}  // namespace

Result<WriteTarget> FindWriteTarget(const fs::path& named) {
  if (named.empty()) return Refused("the file name is empty.");
  struct stat info {};
  if (::lstat(named.c_str(), &info) != 0) {
    if (errno == ENOENT) return NewFile(named);
    return RefusedFor(errno);
  }
  if (S_ISLNK(info.st_mode)) return ThroughLink(named);
  return ExistingFile(named, info);
}

#endif

Result<> CheckNotInput(const fs::path& output, const fs::path& input) {
  std::error_code error;
  if (output.empty() || input.empty() || !fs::equivalent(output, input, error) || error) {
    return Done();
  }
  return Refused("it is the same file as \"" + PathText(input) +
                 "\", which is read here; that file is unchanged.");
}

}  // namespace hygrovia
