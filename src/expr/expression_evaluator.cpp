#include "expr/expression_evaluator.h"

#include <cassert>
#include <cmath>
#include <cstddef>
#include <limits>
#include <span>

#include "expr/expression_functions.h"
#include "expr/working_text.h"

namespace hygrovia {
namespace {

// The value a production computes from the entries of its right side.
double ValueOf(Production rule, std::span<const ParseEntry> right) {
  using enum Production;
  switch (rule) {
    case EPlusT:
      return right[0].Value + right[2].Value;
    case EMinusT:
      return right[0].Value - right[2].Value;
    case TTimesF:
      return right[0].Value * right[2].Value;
    case TDivideF:
      // A zero divisor is guarded, so 1/0, -1/0 and 0/0 all read as the same infinity.
      if (right[2].Value == 0.0) return std::numeric_limits<double>::infinity();
      return right[0].Value / right[2].Value;
    case SPowerF:
      return std::pow(right[0].Value, right[2].Value);
    case NegateK:
      return -right[1].Value;
    case Group:
      return right[1].Value;
    case FunctionCall:
      return ApplyFunction(right[0].Name, right[2].Value);
    default:
      return right[0].Value;
  }
}

}  // namespace

double ExpressionEvaluator::Evaluate(std::string_view text) {
  error_ = ExpressionError::None;
  WorkingText working;
  if (!working.Assign(text)) {
    error_ = ExpressionError::TextTooLong;
    return 0.0;
  }
  Tokenizer tokenizer(working.View(), variables_);
  top_ = -1;
  Push(ParseEntry{});
  token_ = tokenizer.NextToken();
  const double value = Run(tokenizer);
  return error_ == ExpressionError::None ? value : 0.0;
}

double ExpressionEvaluator::Run(Tokenizer& tokenizer) {
  while (error_ == ExpressionError::None) {
    const ParserAction action = Action(stack_[static_cast<std::size_t>(top_)].State, token_);
    switch (action.Kind) {
      case ActionKind::Shift:
        Shift(action.NextState, tokenizer);
        token_ = tokenizer.NextToken();
        break;
      case ActionKind::Reduce:
        Reduce(action.Rule);
        break;
      case ActionKind::Accept:
        return stack_[static_cast<std::size_t>(top_)].Value;
      case ActionKind::Error:
        error_ = action.Error;
        break;
    }
  }
  return 0.0;
}

void ExpressionEvaluator::Shift(std::uint8_t state, const Tokenizer& tokenizer) {
  Push(ParseEntry{state, tokenizer.TokenValue(), tokenizer.TokenName()});
}

void ExpressionEvaluator::Reduce(Production rule) {
  const ProductionShape shape = ShapeOf(rule);
  // The tables only reduce a right side that lies above the bottom entry.
  assert(top_ - shape.Length >= 0);
  top_ -= shape.Length;
  const auto first = static_cast<std::size_t>(top_ + 1);
  const double value =
      ValueOf(rule, std::span(stack_).subspan(first, static_cast<std::size_t>(shape.Length)));
  const auto next = Goto(shape.Left, stack_[static_cast<std::size_t>(top_)].State);
  if (!next) {
    error_ = ExpressionError::UnresolvedToken;
    return;
  }
  Push(ParseEntry{*next, value, {}});
}

void ExpressionEvaluator::Push(const ParseEntry& entry) {
  if (top_ >= kStackSize - 1) {
    error_ = ExpressionError::StackOverflow;
    return;
  }
  stack_[static_cast<std::size_t>(++top_)] = entry;
}

}  // namespace hygrovia
