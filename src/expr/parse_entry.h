#ifndef HYGROVIA_EXPR_PARSE_ENTRY_H
#define HYGROVIA_EXPR_PARSE_ENTRY_H

#include <cstdint>
#include <string_view>

namespace hygrovia {

// One entry of the parse stack: the parser state and the value of what was shifted or
// reduced. Value holds numbers and intermediate results; Name holds the function name of
// an entry shifted from a Function token. Operators and parentheses carry nothing of use.
struct ParseEntry {
  std::int32_t State = 0;
  double Value = 0.0;
  std::string_view Name;
};

}  // namespace hygrovia

#endif  // HYGROVIA_EXPR_PARSE_ENTRY_H
