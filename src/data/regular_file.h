#ifndef HYGROVIA_DATA_REGULAR_FILE_H
#define HYGROVIA_DATA_REGULAR_FILE_H

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/result.h"

namespace hygrovia {

// What reading a small regular file found.
struct RegularFileRead {
  enum class Outcome { Read, Missing, Folder, NotRegular, TooLarge, Failed };

  Outcome Result = Outcome::Read;
  int Error = 0;      // the system's error number when Failed
  std::string Bytes;  // the whole file when Read
};

// The bytes of the regular file at path, at most limit of them. Nothing here waits: the file
// is opened without blocking, so a pipe without a writer or a device is refused at once, and
// anything that is not a regular file (a link to one is fine) is refused unread.
RegularFileRead ReadRegularFile(const std::filesystem::path& path, std::size_t limit);

// The bytes of a file the user named, read as ReadRegularFile reads them, or why not in words
// naming the file and, where the system refused, its reason: "Could not read "x.epw". It is a
// device, pipe or socket, not a weather file." kind names what the file should have been.
Result<std::string> ReadUserFile(const std::filesystem::path& path, std::size_t limit,
                                 std::string_view kind);

}  // namespace hygrovia

#endif  // HYGROVIA_DATA_REGULAR_FILE_H
