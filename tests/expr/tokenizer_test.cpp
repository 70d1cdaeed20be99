#include "expr/tokenizer.h"

#include <cmath>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "expr/working_text.h"

namespace hygrovia {
namespace {

struct Token {
  TokenKind kind;
  double value = 0.0;
  std::string_view name = {};
};

bool operator==(const Token& a, const Token& b) {
  if (a.kind != b.kind) return false;
  if (a.kind == TokenKind::Number) return a.value == b.value;
  if (a.kind == TokenKind::Function) return a.name == b.name;
  return true;
}

void PrintTo(const Token& token, std::ostream* os) {
  *os << "{kind " << static_cast<int>(token.kind) << ", value " << token.value << ", name "
      << token.name << "}";
}

// The tokens of text up to and including the first End, at most limit of them (a Bad
// token that does not advance would repeat for ever).
std::vector<Token> Tokens(std::string_view text, const ExpressionVariables& variables = {},
                          int limit = 8) {
  WorkingText working;
  EXPECT_TRUE(working.Assign(text));
  Tokenizer tokenizer(working.View(), variables);
  std::vector<Token> tokens;
  for (int i = 0; i < limit; ++i) {
    const TokenKind kind = tokenizer.NextToken();
    tokens.push_back({kind, tokenizer.TokenValue(), tokenizer.TokenName()});
    if (kind == TokenKind::End) break;
  }
  return tokens;
}

constexpr Token kEnd{TokenKind::End};
constexpr Token kBad{TokenKind::Bad};
constexpr Token Num(double value) { return {TokenKind::Number, value}; }
constexpr Token Fn(std::string_view name) { return {TokenKind::Function, 0.0, name}; }

TEST(Tokenizer, ReadsNumbers) {
  struct Case {
    std::string_view text;
    std::vector<Token> tokens;
  };
  const Case cases[] = {
      {"", {kEnd}},
      {"   ", {kEnd}},
      {".5", {Num(0.5), kEnd}},
      {"5.", {Num(5.0), kEnd}},
      {"1.2.3", {Num(1.2), Num(0.3), kEnd}},
      {"1.5E+3", {Num(1500.0), kEnd}},
      {"1.5e3", {Num(1500.0), kEnd}},
      {"2E-2", {Num(0.02), kEnd}},
      {"1E1000", {Num(1e100), Num(0.0), kEnd}},
      {"1E", {Num(1.0), kEnd}},
      {"1E+", {Num(1.0), kEnd}},
      {"1E-400", {Num(0.0), kEnd}},
      {"1E400", {kBad, kEnd}},
      {".", {kBad, kEnd}},
      {"..5", {kBad, Num(0.5), kEnd}},
      {" 007 ", {Num(7.0), kEnd}},
      {"2 3", {Num(2.0), Num(3.0), kEnd}},
      {"\t1", {kBad, Num(1.0), kEnd}},
      {"-2", {{TokenKind::Minus}, Num(2.0), kEnd}},
  };
  for (const Case& c : cases) EXPECT_EQ(Tokens(c.text), c.tokens) << c.text;
}

TEST(Tokenizer, ReadsLettersAsConstantVariablesAndFunctions) {
  ExpressionVariables variables{};
  variables[0] = 1.5f;
  variables[25] = -2.0f;
  struct Case {
    std::string_view text;
    std::vector<Token> tokens;
  };
  const Case cases[] = {
      {"pi", {Num(std::numbers::pi), kEnd}},
      {"PIX", {Num(std::numbers::pi), Num(0.0), kEnd}},
      {"e", {Num(0.0), kEnd}},
      {"a+z", {Num(1.5), {TokenKind::Plus}, Num(-2.0), kEnd}},
      {"X2", {Num(0.0), Num(2.0), kEnd}},
      {"SQRT(", {Fn("SQRT"), {TokenKind::OpenParen}, kEnd}},
      {"sqr", {Fn("SQR"), kEnd}},
      {"COSH COS", {Fn("COSH"), Fn("COS"), kEnd}},
      {"COSX", {Fn("COS"), Num(0.0), kEnd}},
      {"POW10(", {Fn("POW10"), {TokenKind::OpenParen}, kEnd}},
      {"ABSOLUTE", {Fn("ABS"), kBad, kBad, kBad}},
      {"AB", {kBad, kBad, kBad, kBad}},
      {"S", {Num(0.0), kEnd}},
  };
  for (const Case& c : cases) EXPECT_EQ(Tokens(c.text, variables, 4), c.tokens) << c.text;
}

TEST(Tokenizer, ReadsSymbolsAndRefusesOtherBytes) {
  EXPECT_EQ(Tokens("+-*/^:()", {}, 10), (std::vector<Token>{{TokenKind::Plus},
                                                            {TokenKind::Minus},
                                                            {TokenKind::Times},
                                                            {TokenKind::Divide},
                                                            {TokenKind::Power},
                                                            {TokenKind::Colon},
                                                            {TokenKind::OpenParen},
                                                            {TokenKind::CloseParen},
                                                            kEnd}));
  using namespace std::string_view_literals;
  for (const std::string_view text : {"$"sv, "\xE9"sv, "\0"sv, ","sv, "="sv, "\x7F"sv}) {
    EXPECT_EQ(Tokens(text), (std::vector<Token>{kBad, kEnd})) << static_cast<int>(text[0]);
  }
}

TEST(Tokenizer, StaysPutOnUnknownWordsAndAtTheEnd) {
  WorkingText working;
  ASSERT_TRUE(working.Assign("1 AB"));
  Tokenizer tokenizer(working.View(), {});
  EXPECT_EQ(tokenizer.NextToken(), TokenKind::Number);
  EXPECT_EQ(tokenizer.NextToken(), TokenKind::Bad);
  EXPECT_EQ(tokenizer.Position(), 2u);
  EXPECT_EQ(tokenizer.NextToken(), TokenKind::Bad);
  EXPECT_EQ(tokenizer.Position(), 2u);

  ASSERT_TRUE(working.Assign("7 "));
  Tokenizer atEnd(working.View(), {});
  EXPECT_EQ(atEnd.NextToken(), TokenKind::Number);
  EXPECT_EQ(atEnd.NextToken(), TokenKind::End);
  EXPECT_EQ(atEnd.NextToken(), TokenKind::End);
  EXPECT_EQ(atEnd.Position(), 2u);
}

}  // namespace
}  // namespace hygrovia
