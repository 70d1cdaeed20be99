#ifndef HYGROVIA_BASE_ROW_TEXT_H
#define HYGROVIA_BASE_ROW_TEXT_H

#include <cstddef>
#include <string>
#include <string_view>

namespace hygrovia {

// The longest text the chart shows in one piece: a row of the data table or a label.
inline constexpr std::size_t kRowLength = 79;

// text cut to kRowLength characters: a degree sign counts once although UTF-8 spends two
// bytes on it, and no character is split.
std::string RowText(std::string_view text);

// Bytes read from a file as text to show: UTF-8 as it is, or, when the bytes are not UTF-8,
// each byte as the Latin-1 character it stands for; control characters (such as escape, bell
// or a line's end) are dropped, so that nothing shown can move a terminal's cursor or ring it.
std::string PrintableText(std::string_view bytes);

}  // namespace hygrovia

#endif  // HYGROVIA_BASE_ROW_TEXT_H
