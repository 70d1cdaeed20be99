#ifndef HYGROVIA_DATA_REGULAR_FILE_H
#define HYGROVIA_DATA_REGULAR_FILE_H

#include <cstddef>
#include <filesystem>
#include <string>

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

}  // namespace hygrovia

#endif  // HYGROVIA_DATA_REGULAR_FILE_H
