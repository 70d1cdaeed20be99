#ifndef HYGROVIA_EXPR_EXPRESSION_ERROR_H
#define HYGROVIA_EXPR_EXPRESSION_ERROR_H

#include <cstdint>
#include <string_view>

namespace hygrovia {

// Why the last evaluation failed.
enum class ExpressionError : std::int32_t {
  None = 0,
  UnresolvedToken = 1,      // an operand was expected and the token cannot begin one
  UnresolvedOperation = 2,  // an operand was read and the token cannot follow it
  StackOverflow = 3,        // the expression nests deeper than the parse stack holds
  TextTooLong = 4,          // the text has more characters than the working copy holds
};

// "Unresolved token.", "Unresolved operation.", "Stack overflow.", and "Parser error." for
// every other code, None included.
std::string_view ErrorText(ExpressionError error);

}  // namespace hygrovia

#endif  // HYGROVIA_EXPR_EXPRESSION_ERROR_H
