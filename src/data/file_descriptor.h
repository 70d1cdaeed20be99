#ifndef HYGROVIA_DATA_FILE_DESCRIPTOR_H
#define HYGROVIA_DATA_FILE_DESCRIPTOR_H

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <string>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

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
#ifdef _WIN32
    const int result = ::_close(std::exchange(fd_, -1));
#else
    const int result = ::close(std::exchange(fd_, -1));
#endif
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_ = -1;
};

// Reads at most size bytes of fd into data: how many it read, 0 at the end of the file, or -1
// with errno set.
inline std::ptrdiff_t ReadSome(int fd, char* data, std::size_t size) {
#ifdef _WIN32
  return ::_read(fd, data, static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX)));
#else
  return ::read(fd, data, size);
#endif
}

// Writes at most size bytes of data to fd: how many it wrote, or -1 with errno set.
inline std::ptrdiff_t WriteSome(int fd, const char* data, std::size_t size) {
#ifdef _WIN32
  return ::_write(fd, data, static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX)));
#else
  return ::write(fd, data, size);
#endif
}

// The error number for an error of the file system library, such as ENOENT; the library
// reports some systems' errors in their own numbers.
inline int ErrorNumber(const std::error_code& error) {
  return error.default_error_condition().value();
}

// The system's words for an error number, such as "No space left on device".
inline std::string SystemReason(int errorNumber) {
  return std::generic_category().message(errorNumber);
}

}  // namespace hygrovia

#endif  // HYGROVIA_DATA_FILE_DESCRIPTOR_H
