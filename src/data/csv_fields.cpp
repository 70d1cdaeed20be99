#include "data/csv_fields.h"

namespace hygrovia {
namespace {

// Reads the quoted field that starts after the quote at `at` into field; returns where the
// text after the closing quote starts.
std::size_t ReadQuoted(std::string_view line, std::size_t at, std::string& field) {
  std::size_t i = at + 1;
  while (i < line.size()) {
    const std::size_t quote = line.find('"', i);
    if (quote == std::string_view::npos) break;
    field.append(line.substr(i, quote - i));
    if (quote + 1 < line.size() && line[quote + 1] == '"') {
      field.push_back('"');
      i = quote + 2;
      continue;
    }
    return quote + 1;
  }
  field.append(line.substr(std::min(i, line.size())));
  return line.size();
}

}  // namespace

std::string_view TrimmedText(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

void SplitCsvLine(std::string_view line, std::vector<std::string>& fields, std::size_t most) {
  std::size_t count = 0;
  std::size_t start = 0;
  while (count < most) {
    if (count == fields.size()) fields.emplace_back();
    std::string& field = fields[count++];
    field.clear();
    const std::size_t first = line.find_first_not_of(" \t", start);
    if (first != std::string_view::npos && line[first] == '"') {
      // Whatever stands between the closing quote and the comma belongs to the field too.
      start = ReadQuoted(line, first, field);
    }
    const std::size_t comma = line.find(',', start);
    const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
    field.append(line.substr(start, end - start));
    const std::string_view trimmed = TrimmedText(field);
    if (trimmed.size() != field.size()) field = std::string(trimmed);
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  fields.resize(count);
}

}  // namespace hygrovia
