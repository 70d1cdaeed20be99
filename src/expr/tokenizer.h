#ifndef HYGROVIA_EXPR_TOKENIZER_H
#define HYGROVIA_EXPR_TOKENIZER_H

#include <array>
#include <cstddef>
#include <string_view>

#include "expr/token_kind.h"

namespace hygrovia {

// The variables A to Z of an expression, index 0 to 25.
using ExpressionVariables = std::array<float, 26>;

// Cuts the upper-case text of one evaluation into tokens, one at a time on demand. Only
// ASCII letters and digits count as such; every byte it cannot read becomes a Bad token,
// so it never fails and never reads outside the text.
class Tokenizer {
 public:
  // text is the upper-case working copy (see WorkingText); it must outlive the tokenizer.
  Tokenizer(std::string_view text, const ExpressionVariables& variables)
      : text_(text), variables_(variables) {}

  // Reads the token at Position() and moves past it. A Number token carries TokenValue(),
  // a Function token TokenName(). At the end of the text it keeps returning End. A run of
  // letters that starts no function name gives Bad without moving, as AB does.
  TokenKind NextToken();

  double TokenValue() const { return tokenValue_; }
  std::string_view TokenName() const { return tokenName_; }
  std::size_t Position() const { return position_; }

 private:
  // Digits with at most one full stop, then an optional exponent of at most 3 digits.
  TokenKind ScanNumber();
  // PI, or a variable letter when no letter follows it.
  TokenKind ScanConstant();
  TokenKind ScanVariable();
  // The first function name in table order that the text starts with.
  TokenKind ScanFunction();
  // One character: an operator, a parenthesis, a colon or Bad.
  TokenKind ScanSymbol();

  char CharAt(std::size_t index) const { return index < text_.size() ? text_[index] : '\0'; }
  std::string_view Rest() const { return text_.substr(position_); }
  TokenKind Number(double value);

  std::string_view text_;
  ExpressionVariables variables_;
  std::size_t position_ = 0;
  double tokenValue_ = 0.0;
  std::string_view tokenName_;
};

}  // namespace hygrovia

#endif  // HYGROVIA_EXPR_TOKENIZER_H
