#ifndef HYGROVIA_EXPR_EXPRESSION_EVALUATOR_H
#define HYGROVIA_EXPR_EXPRESSION_EVALUATOR_H

#include <array>
#include <cstdint>
#include <string_view>

#include "expr/expression_error.h"
#include "expr/parse_entry.h"
#include "expr/parse_tables.h"
#include "expr/token_kind.h"
#include "expr/tokenizer.h"

namespace hygrovia {

// Turns the text of a numeric field into a number: + - * / ^, unary minus, parentheses,
// numbers, PI, the variables A to Z and the one-argument functions of ExpressionFunctions().
// Letters may be in either case. It is a table-driven shift-reduce parser that computes
// while it reduces, on a fixed stack, so an evaluation allocates nothing.
//
// The program has one evaluator, shared by every numeric field, used from one thread.
class ExpressionEvaluator {
 public:
  static constexpr std::int32_t kStackSize = 40;

  // The value of text, or 0 when it cannot be evaluated; Error() then says why. Division
  // by zero gives positive infinity whatever the sign of the dividend. Other floating-point
  // faults are not errors: they give the quiet infinity or NaN of the arithmetic.
  double Evaluate(std::string_view text);

  // The code of the last evaluation; None once an evaluation succeeds.
  ExpressionError Error() const { return error_; }
  std::string_view ErrorText() const { return hygrovia::ErrorText(error_); }

  // Sets the variables A to Z to 0, as they are when the evaluator is made.
  void ClearVariables() { variables_.fill(0.0f); }

 private:
  // Follows the action table until the text is accepted or an error is set.
  double Run(Tokenizer& tokenizer);
  void Shift(std::uint8_t state, const Tokenizer& tokenizer);
  void Reduce(Production rule);
  // Sets StackOverflow instead of pushing when the stack is full.
  void Push(const ParseEntry& entry);

  std::int32_t top_ = -1;
  TokenKind token_ = TokenKind::End;
  ExpressionError error_ = ExpressionError::None;
  std::array<ParseEntry, kStackSize> stack_{};
  ExpressionVariables variables_{};
};

}  // namespace hygrovia

#endif  // HYGROVIA_EXPR_EXPRESSION_EVALUATOR_H
