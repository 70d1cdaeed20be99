#include "data/table_text.h"

#include <string_view>

namespace hygrovia {
namespace {

bool NeedsQuotes(std::string_view cell) {
  if (cell.empty()) return false;
  return cell.find_first_of(",\"\r\n") != std::string_view::npos || cell.front() == ' ' ||
         cell.back() == ' ';
}

void AppendCsvCell(std::string& out, std::string_view cell) {
  if (!NeedsQuotes(cell)) {
    out += cell;
    return;
  }
  out += '"';
  for (const char c : cell) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void AppendTabCell(std::string& out, std::string_view cell) {
  for (const char c : cell) out += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
}

void AppendHtmlCell(std::string& out, std::string_view cell) {
  for (const char c : cell) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
}

// The cells joined by separator, each row ended by lineEnd.
template <typename AppendCell>
std::string Joined(const TextCells& cells, std::string_view separator, std::string_view lineEnd,
                   AppendCell append) {
  std::string out;
  for (const auto& row : cells) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) out += separator;
      append(out, row[i]);
    }
    out += lineEnd;
  }
  return out;
}

}  // namespace

std::string CsvText(const TextCells& cells) { return Joined(cells, ",", "\r\n", AppendCsvCell); }

std::string TabText(const TextCells& cells) { return Joined(cells, "\t", "\n", AppendTabCell); }

std::string HtmlText(const TextCells& cells) {
  std::string out = "<table>\n";
  for (std::size_t r = 0; r < cells.size(); ++r) {
    const std::string_view tag = r == 0 ? "th" : "td";
    out += "<tr>";
    for (const std::string& cell : cells[r]) {
      out += '<';
      out += tag;
      out += '>';
      AppendHtmlCell(out, cell);
      out += "</";
      out += tag;
      out += '>';
    }
    out += "</tr>\n";
  }
  out += "</table>\n";
  return out;
}

}  // namespace hygrovia
