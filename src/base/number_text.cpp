#include "base/number_text.h"

#include <fmt/format.h>
#include <charconv>
#include <limits>

namespace hygrovia {
namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The value of a match that from_chars found too large or too small for a double.
double OutOfRangeValue(std::string_view match) {
  const bool negative = !match.empty() && match.front() == '-';
  const auto e = match.find_first_of("eE");
  const bool underflow = e != std::string_view::npos && e + 1 < match.size() && match[e + 1] == '-';
  if (underflow) return negative ? -0.0 : 0.0;
  const double inf = std::numeric_limits<double>::infinity();
  return negative ? -inf : inf;
}

}  // namespace

std::optional<ParsedNumber> ParseNumber(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && IsSpace(text[start])) ++start;
  std::size_t digits = start;
  // from_chars takes a minus sign but not a plus sign.
  if (digits < text.size() && text[digits] == '+') {
    ++digits;
    if (digits < text.size() && text[digits] == '-') return std::nullopt;
  }
  const char* first = text.data() + digits;
  const char* last = text.data() + text.size();
  double value = 0.0;
  const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
  if (error == std::errc::invalid_argument) return std::nullopt;
  if (error == std::errc::result_out_of_range) value = OutOfRangeValue({first, end});
  return ParsedNumber{value, static_cast<std::size_t>(end - text.data())};
}

double DecimalValue(std::string_view text) {
  const auto parsed = ParseNumber(text);
  return parsed ? parsed->value : 0.0;
}

float AsSavedInFile(float value) {
  return static_cast<float>(DecimalValue(fmt::format("{:.3f}", static_cast<double>(value))));
}

}  // namespace hygrovia
