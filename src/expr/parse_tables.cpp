#include "expr/parse_tables.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <utility>

namespace hygrovia {
namespace {

using ActionRow = std::array<ParserAction, kTokenKindCount>;
using ActionTable = std::array<ActionRow, kParserStateCount>;
using GotoRow = std::array<std::int8_t, kParserStateCount>;
using GotoTable = std::array<GotoRow, 6>;

constexpr std::int8_t kNoState = -1;

constexpr ParserAction ShiftTo(std::uint8_t state) {
  return {.Kind = ActionKind::Shift, .NextState = state};
}
constexpr ParserAction ReduceBy(Production rule) {
  return {.Kind = ActionKind::Reduce, .Rule = rule};
}
constexpr ParserAction Fail(ExpressionError error) {
  return {.Kind = ActionKind::Error, .Error = error};
}
constexpr ParserAction kAccept{.Kind = ActionKind::Accept};
constexpr ParserAction kNoOperand = Fail(ExpressionError::UnresolvedToken);
constexpr ParserAction kNoOperator = Fail(ExpressionError::UnresolvedOperation);

constexpr std::size_t Column(TokenKind token) { return static_cast<std::size_t>(token); }

// A row that does otherwise for every token except the listed ones.
constexpr ActionRow Row(ParserAction otherwise,
                        std::initializer_list<std::pair<TokenKind, ParserAction>> entries) {
  ActionRow row{};
  row.fill(otherwise);
  for (const auto& [token, action] : entries) row[Column(token)] = action;
  return row;
}

constexpr ActionTable BuildActionTable() {
  using enum TokenKind;
  using enum Production;
  ActionTable table{};
  table.fill(Row(kNoOperand, {}));
  // States that expect an operand.
  for (const std::size_t state : {0, 9, 12, 13, 14, 15, 16, 20}) {
    table[state] = Row(kNoOperand, {{Number, ShiftTo(10)},
                                    {Function, ShiftTo(11)},
                                    {Minus, ShiftTo(5)},
                                    {OpenParen, ShiftTo(9)}});
  }
  // After a unary minus: a second minus is not an operand.
  table[5] =
      Row(kNoOperand, {{Number, ShiftTo(10)}, {Function, ShiftTo(11)}, {OpenParen, ShiftTo(9)}});
  table[1] = Row(kNoOperator, {{End, kAccept}, {Plus, ShiftTo(12)}, {Minus, ShiftTo(13)}});
  table[2] = Row(ReduceBy(EFromT), {{Times, ShiftTo(14)}, {Divide, ShiftTo(15)}});
  table[3] = Row(ReduceBy(TFromF), {});
  table[4] = Row(ReduceBy(FFromS), {{Power, ShiftTo(16)}});
  table[6] = Row(ReduceBy(SFromK), {});
  table[8] = Row(ReduceBy(KFromL), {});
  table[10] = Row(ReduceBy(NumberAtom), {});
  table[11] = Row(kNoOperand, {{OpenParen, ShiftTo(20)}});
  table[17] = Row(ReduceBy(NegateK), {});
  table[19] =
      Row(kNoOperator, {{Plus, ShiftTo(12)}, {Minus, ShiftTo(13)}, {CloseParen, ShiftTo(27)}});
  table[21] = Row(ReduceBy(EPlusT), {{Times, ShiftTo(14)}, {Divide, ShiftTo(15)}});
  table[22] = Row(ReduceBy(EMinusT), {{Times, ShiftTo(14)}, {Divide, ShiftTo(15)}});
  table[23] = Row(ReduceBy(TTimesF), {});
  table[24] = Row(ReduceBy(TDivideF), {});
  table[25] = Row(ReduceBy(SPowerF), {});
  table[27] = Row(ReduceBy(Group), {});
  table[28] =
      Row(kNoOperator, {{Plus, ShiftTo(12)}, {Minus, ShiftTo(13)}, {CloseParen, ShiftTo(29)}});
  table[29] = Row(ReduceBy(FunctionCall), {});
  return table;
}

constexpr void SetGoto(GotoRow& row, std::initializer_list<std::size_t> from, std::int8_t to) {
  for (const std::size_t state : from) row[state] = to;
}

constexpr GotoTable BuildGotoTable() {
  GotoTable table{};
  for (GotoRow& row : table) row.fill(kNoState);
  auto& [e, t, f, s, k, l] = table;
  SetGoto(e, {0}, 1);
  SetGoto(e, {9}, 19);
  SetGoto(e, {20}, 28);
  SetGoto(t, {0, 9, 20}, 2);
  SetGoto(t, {12}, 21);
  SetGoto(t, {13}, 22);
  SetGoto(f, {0, 9, 12, 13, 20}, 3);
  SetGoto(f, {14}, 23);
  SetGoto(f, {15}, 24);
  SetGoto(f, {16}, 25);
  SetGoto(s, {0, 9, 12, 13, 14, 15, 16, 20}, 4);
  SetGoto(k, {0, 9, 12, 13, 14, 15, 16, 20}, 6);
  SetGoto(k, {5}, 17);
  SetGoto(l, {0, 5, 9, 12, 13, 14, 15, 16, 20}, 8);
  return table;
}

constexpr ActionTable kActionTable = BuildActionTable();
constexpr GotoTable kGotoTable = BuildGotoTable();

bool IsState(std::int32_t state) { return state >= 0 && state < kParserStateCount; }

}  // namespace

ProductionShape ShapeOf(Production production) {
  using enum Production;
  switch (production) {
    case EPlusT:
    case EMinusT:
      return {Nonterminal::E, 3};
    case EFromT:
      return {Nonterminal::E, 1};
    case TTimesF:
    case TDivideF:
      return {Nonterminal::T, 3};
    case TFromF:
      return {Nonterminal::T, 1};
    case SPowerF:
      return {Nonterminal::F, 3};
    case FFromS:
      return {Nonterminal::F, 1};
    case NegateK:
      return {Nonterminal::S, 2};
    case SFromK:
      return {Nonterminal::S, 1};
    case KFromL:
      return {Nonterminal::K, 1};
    case Group:
      return {Nonterminal::L, 3};
    case NumberAtom:
      return {Nonterminal::L, 1};
    case FunctionCall:
      return {Nonterminal::L, 4};
  }
  return {};
}

ParserAction Action(std::int32_t state, TokenKind token) {
  const auto column = Column(token);
  if (!IsState(state) || column >= kTokenKindCount) return kNoOperand;
  return kActionTable[static_cast<std::size_t>(state)][column];
}

std::optional<std::int32_t> Goto(Nonterminal left, std::int32_t state) {
  if (!IsState(state)) return std::nullopt;
  const std::int8_t next =
      kGotoTable[static_cast<std::size_t>(left)][static_cast<std::size_t>(state)];
  if (next == kNoState) return std::nullopt;
  return next;
}

}  // namespace hygrovia
