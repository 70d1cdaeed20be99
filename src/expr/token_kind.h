#ifndef HYGROVIA_EXPR_TOKEN_KIND_H
#define HYGROVIA_EXPR_TOKEN_KIND_H

#include <cstdint>

namespace hygrovia {

// Kinds of token in an expression. The values index the columns of the parser's action
// table; 9 is unused.
enum class TokenKind : std::int32_t {
  Plus = 0,        // "+"
  Minus = 1,       // "-"
  Times = 2,       // "*"
  Divide = 3,      // "/"
  Power = 4,       // "^"
  Colon = 5,       // ":", which no production accepts
  OpenParen = 6,   // "("
  CloseParen = 7,  // ")"
  Number = 8,      // a number, PI or a variable letter
  Function = 10,   // one of the function names
  End = 11,        // the end of the text
  Bad = 12,        // anything that cannot be a token
};

inline constexpr int kTokenKindCount = 13;

}  // namespace hygrovia

#endif  // HYGROVIA_EXPR_TOKEN_KIND_H
