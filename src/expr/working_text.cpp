#include "expr/working_text.h"

namespace hygrovia {
namespace {

// Locale-independent upper case: only the ASCII letters are tokens, so bytes above 127 must
// stay what they are whatever the process locale says about them.
char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

bool WorkingText::Assign(std::string_view text) {
  length_ = 0;
  if (text.size() > kCapacity) return false;
  for (const char c : text) text_[length_++] = AsciiUpper(c);
  return true;
}

}  // namespace hygrovia
