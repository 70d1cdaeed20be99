#ifndef HYGROVIA_DATA_CSV_FIELDS_H
#define HYGROVIA_DATA_CSV_FIELDS_H

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace hygrovia {

// Splits one line of comma-separated values as spreadsheets and weather file writers write
// them into fields, at most `most` of them (the rest of the line is not looked at): a field
// in double quotes may hold commas, and "" within the quotes stands for one quote. Blanks
// around a field are dropped, as are the quotes; a quote left open runs to the end of the
// line. fields is reused, so that reading many lines allocates little.
void SplitCsvLine(std::string_view line, std::vector<std::string>& fields,
                  std::size_t most = std::numeric_limits<std::size_t>::max());

// text without the blanks and tabs at either end.
std::string_view TrimmedText(std::string_view text);

}  // namespace hygrovia

#endif  // HYGROVIA_DATA_CSV_FIELDS_H
