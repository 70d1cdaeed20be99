#include "expr/tokenizer.h"

#include <cmath>
#include <numbers>

#include "base/number_text.h"
#include "expr/expression_functions.h"

namespace hygrovia {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }

// The most exponent digits a number takes; a fourth digit starts the next token.
constexpr int kExponentDigits = 3;

}  // namespace

TokenKind Tokenizer::NextToken() {
  while (CharAt(position_) == ' ') ++position_;
  if (position_ >= text_.size()) return TokenKind::End;
  const char c = text_[position_];
  if (IsDigit(c) || c == '.') return ScanNumber();
  if (Rest().starts_with("PI")) return ScanConstant();
  if (IsLetter(c)) return IsLetter(CharAt(position_ + 1)) ? ScanFunction() : ScanVariable();
  return ScanSymbol();
}

TokenKind Tokenizer::Number(double value) {
  tokenValue_ = value;
  return TokenKind::Number;
}

TokenKind Tokenizer::ScanNumber() {
  const std::size_t start = position_;
  bool fullStop = false;
  for (char c = CharAt(position_); IsDigit(c) || (c == '.' && !fullStop); c = CharAt(++position_)) {
    fullStop = fullStop || c == '.';
  }
  if (position_ - start == 1 && text_[start] == '.') return TokenKind::Bad;
  if (CharAt(position_) == 'E') {
    ++position_;
    if (CharAt(position_) == '+' || CharAt(position_) == '-') ++position_;
    for (int i = 0; i < kExponentDigits && IsDigit(CharAt(position_)); ++i) ++position_;
  }
  // An exponent without digits is ignored by the conversion: 1E reads as 1.
  const auto parsed = ParseNumber(text_.substr(start, position_ - start));
  if (!parsed || std::isinf(parsed->value)) return TokenKind::Bad;
  return Number(parsed->value);
}

TokenKind Tokenizer::ScanConstant() {
  position_ += 2;
  return Number(std::numbers::pi);
}

TokenKind Tokenizer::ScanVariable() {
  const char letter = text_[position_++];
  return Number(static_cast<double>(variables_[static_cast<std::size_t>(letter - 'A')]));
}

TokenKind Tokenizer::ScanFunction() {
  for (const ExpressionFunction& function : ExpressionFunctions()) {
    if (Rest().starts_with(function.Name)) {
      tokenName_ = function.Name;
      position_ += function.Name.size();
      return TokenKind::Function;
    }
  }
  return TokenKind::Bad;
}

TokenKind Tokenizer::ScanSymbol() {
  switch (text_[position_++]) {
    case '+':
      return TokenKind::Plus;
    case '-':
      return TokenKind::Minus;
    case '*':
      return TokenKind::Times;
    case '/':
      return TokenKind::Divide;
    case '^':
      return TokenKind::Power;
    case ':':
      return TokenKind::Colon;
    case '(':
      return TokenKind::OpenParen;
    case ')':
      return TokenKind::CloseParen;
    default:
      return TokenKind::Bad;
  }
}

}  // namespace hygrovia
