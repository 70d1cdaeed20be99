#include "base/row_text.h"

namespace hygrovia {
namespace {

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0u) != 0x80u; }

}  // namespace

std::string RowText(std::string_view text) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (StartsCharacter(text[i]) && ++characters > kRowLength)
      return std::string(text.substr(0, i));
  }
  return std::string(text);
}

}  // namespace hygrovia
