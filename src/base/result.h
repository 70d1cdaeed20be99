#ifndef HYGROVIA_BASE_RESULT_H
#define HYGROVIA_BASE_RESULT_H

#include <string>
#include <utility>
#include <variant>

namespace hygrovia {

// Why an operation a user asked for could not be done, in words the user can act on.
struct Failure {
  std::string message;
};

// A Failure with message, to return as any Result.
inline Failure Failed(std::string message) { return Failure{std::move(message)}; }

// The outcome of an operation that can fail for reasons a user can fix (a file, a text, an
// option): its value, or the message saying why there is none. The one error shape of the
// program: files, weather, the command line and exports all return it.
template <typename T = void>
class [[nodiscard]] Result {
 public:
  Result(T value) : outcome_(std::move(value)) {}
  Result(Failure failure) : outcome_(std::move(failure)) {}

  bool Ok() const { return outcome_.index() == 0; }
  explicit operator bool() const { return Ok(); }
  // The value; only when Ok.
  const T& Value() const& { return std::get<0>(outcome_); }
  T& Value() & { return std::get<0>(outcome_); }
  T&& Value() && { return std::get<0>(std::move(outcome_)); }
  const T& operator*() const& { return Value(); }
  T& operator*() & { return Value(); }
  const T* operator->() const { return &Value(); }
  T* operator->() { return &Value(); }
  // Why not; empty when Ok.
  const std::string& Message() const {
    static const std::string kNone;
    return Ok() ? kNone : std::get<1>(outcome_).message;
  }

 private:
  std::variant<T, Failure> outcome_;
};

// An operation that gives nothing but done or why not.
template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Failure failure) : ok_(false), message_(std::move(failure.message)) {}

  bool Ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  // Why not; empty when Ok.
  const std::string& Message() const { return message_; }

 private:
  bool ok_ = true;
  std::string message_;
};

// Done: the Result of an operation that succeeded and gives nothing.
inline Result<> Done() { return {}; }

}  // namespace hygrovia

#endif  // HYGROVIA_BASE_RESULT_H
