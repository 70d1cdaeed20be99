#ifndef HYGROVIA_DATA_WRITE_TARGET_H
#define HYGROVIA_DATA_WRITE_TARGET_H

#include <filesystem>
#include <string>

#include <sys/types.h>

#include "base/result.h"

namespace hygrovia {

// The file a save replaces or creates, found from the name the user gave: the named file
// itself, or the regular file a symbolic link leads to (the link stays a link).
struct WriteTarget {
  std::filesystem::path File;
  bool Exists = false;
#ifndef _WIN32
  // Of the existing file, for the new one to carry over. Windows keeps no owner the program
  // could carry over, and of the permissions only a read-only flag, which a target never has.
  mode_t Mode = 0;
  uid_t Owner = 0;
  gid_t Group = 0;
#endif
};

// Looks at the name without opening anything. Refused are: a folder, anything that is not a
// regular file (a pipe, a device, a socket, or a link to one), a link to nothing or a loop of
// links, a write-protected file (even for the root user, who could write it), a file in a
// folder that does not exist, and a name the system refuses (too long, say).
Result<WriteTarget> FindWriteTarget(const std::filesystem::path& named);

// Refuses an output that is the file input, compared by device and inode with links followed
// (so also through a link or another name): "it is the same file as "input", which is read
// here; that file is unchanged." Any output that is not (or not yet) that file passes.
Result<> CheckNotInput(const std::filesystem::path& output, const std::filesystem::path& input);

}  // namespace hygrovia

#endif  // HYGROVIA_DATA_WRITE_TARGET_H
