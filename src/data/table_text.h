#ifndef HYGROVIA_DATA_TABLE_TEXT_H
#define HYGROVIA_DATA_TABLE_TEXT_H

#include <string>

#include "base/text_cells.h"

namespace hygrovia {

// Comma-separated values: one line per row ending in CR LF; a cell holding a comma, a quotation
// mark, a line break or a leading or trailing blank is put in quotation marks, with each
// quotation mark inside doubled.
std::string CsvText(const TextCells& cells);

// Tab-separated values, as spreadsheets paste them into columns: one line per row ending in
// LF; tabs and line breaks inside a cell become blanks.
std::string TabText(const TextCells& cells);

// An HTML table, the first row as header cells; &, <, > and " are escaped.
std::string HtmlText(const TextCells& cells);

}  // namespace hygrovia

#endif  // HYGROVIA_DATA_TABLE_TEXT_H
