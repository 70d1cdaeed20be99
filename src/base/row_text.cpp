#include "base/row_text.h"

namespace hygrovia {
namespace {

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0u) != 0x80u; }

// The length of the well-formed UTF-8 sequence at the start of text (shortest form, no
// surrogate, at most U+10FFFF); 0 when there is none.
std::size_t Utf8Length(std::string_view text) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80u) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80u;
  unsigned char high = 0xBFu;
  if (lead >= 0xC2u && lead <= 0xDFu) {
    length = 2;
  } else if (lead >= 0xE0u && lead <= 0xEFu) {
    length = 3;
    if (lead == 0xE0u) low = 0xA0u;
    if (lead == 0xEDu) high = 0x9Fu;
  } else if (lead >= 0xF0u && lead <= 0xF4u) {
    length = 4;
    if (lead == 0xF0u) low = 0x90u;
    if (lead == 0xF4u) high = 0x8Fu;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80u || byte(i) > 0xBFu) return 0;
  }
  return length;
}

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8Length(text.substr(i));
    if (length == 0) return false;
    i += length;
  }
  return true;
}

// C0 controls, delete, and the C1 controls U+0080 to U+009F.
bool IsControl(unsigned code) { return code < 0x20u || (code >= 0x7Fu && code <= 0x9Fu); }

}  // namespace

std::string PrintableText(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  if (IsUtf8(bytes)) {
    for (std::size_t i = 0; i < bytes.size();) {
      const std::size_t length = Utf8Length(bytes.substr(i));
      const auto lead = static_cast<unsigned char>(bytes[i]);
      const auto second = length == 2 ? static_cast<unsigned char>(bytes[i + 1]) : 0u;
      // U+0080 to U+009F are written C2 80 to C2 9F.
      const unsigned code = length == 1 ? lead : length == 2 && lead == 0xC2u ? second : 0xA0u;
      if (!IsControl(code)) text.append(bytes.substr(i, length));
      i += length;
    }
    return text;
  }
  for (const char c : bytes) {
    const auto code = static_cast<unsigned char>(c);
    if (IsControl(code)) continue;
    if (code < 0x80u) {
      text.push_back(c);
    } else {
      text.push_back(static_cast<char>(0xC0u | (code >> 6)));
      text.push_back(static_cast<char>(0x80u | (code & 0x3Fu)));
    }
  }
  return text;
}

std::string RowText(std::string_view text) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (StartsCharacter(text[i]) && ++characters > kRowLength)
      return std::string(text.substr(0, i));
  }
  return std::string(text);
}

}  // namespace hygrovia
