#ifndef HYGROVIA_BASE_NUMBER_TEXT_H
#define HYGROVIA_BASE_NUMBER_TEXT_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <fmt/printf.h>

namespace hygrovia {

// The one place where numbers become text and text becomes numbers. Both directions use a
// full stop as the decimal separator whatever the process locale, so charts, files and
// read-outs look the same on every machine.

// Formats with a printf-style format chosen at run time ("%0.3f", "%d %d"), where the format
// really varies (a unit's decimals, a family's labels); a fixed format is written with
// fmt::format, checked when compiling. The locale is never consulted, and a format that does
// not fit its arguments stands as it is written rather than throwing.
template <typename... Args>
std::string FormatText(std::string_view format, const Args&... args) {
  try {
    return fmt::sprintf(format, args...);
  } catch (const fmt::format_error&) {
    return std::string(format);
  }
}

// A number read from the start of a text, and how many characters it took.
struct ParsedNumber {
  double value = 0.0;
  std::size_t length = 0;
};

// Reads a decimal number the way scanf's "%f" does: leading white space, an optional sign,
// digits with an optional full stop and exponent, or "inf"/"nan". A value too large for a
// double reads as an infinity of its sign, one too small as zero. Nothing when the text
// does not start with a number.
std::optional<ParsedNumber> ParseNumber(std::string_view text);

// The C library's decimal conversion (atof): the leading number of the text, 0 when there
// is none.
double DecimalValue(std::string_view text);

// A value as a chart file keeps it: written with three decimals and read back as a float.
// Checks of what will be saved judge this value, so that a chart accepted once also loads
// again from its file.
float AsSavedInFile(float value);

}  // namespace hygrovia

#endif  // HYGROVIA_BASE_NUMBER_TEXT_H
