#ifndef HYGROVIA_EXPR_WORKING_TEXT_H
#define HYGROVIA_EXPR_WORKING_TEXT_H

#include <array>
#include <cstddef>
#include <string_view>

namespace hygrovia {

// The upper-case copy of an expression that one evaluation works on. It lives on the stack
// of the evaluation, so evaluating allocates nothing.
class WorkingText {
 public:
  static constexpr std::size_t kCapacity = 79;

  // Copies text with its ASCII letters in upper case. A text longer than kCapacity is
  // refused rather than cut, because a cut expression would read as a different number:
  // the copy is then left empty and the result is false.
  bool Assign(std::string_view text);

  // The copied characters. A zero byte inside the text is kept as a character of its own
  // rather than ending the text.
  std::string_view View() const { return {text_.data(), length_}; }

 private:
  std::array<char, kCapacity> text_{};
  std::size_t length_ = 0;
};

}  // namespace hygrovia

#endif  // HYGROVIA_EXPR_WORKING_TEXT_H
