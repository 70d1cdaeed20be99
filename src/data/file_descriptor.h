#ifndef HYGROVIA_DATA_FILE_DESCRIPTOR_H
#define HYGROVIA_DATA_FILE_DESCRIPTOR_H

#include <cerrno>
#include <string>
#include <system_error>
#include <utility>

#include <unistd.h>

namespace hygrovia {

// An open file of the operating system, closed when the holder goes away.
class FileDescriptor {
 public:
  FileDescriptor() = default;
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() { Close(); }
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
      Close();
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  int Get() const { return fd_; }

  // Closes the file; the error number when closing failed (a write the system had delayed
  // can fail only here), else 0.
  int Close() {
    if (fd_ < 0) return 0;
    const int result = ::close(std::exchange(fd_, -1));
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_ = -1;
};

// The system's words for an error number, such as "No space left on device".
inline std::string SystemReason(int errorNumber) {
  return std::generic_category().message(errorNumber);
}

}  // namespace hygrovia

#endif  // HYGROVIA_DATA_FILE_DESCRIPTOR_H
