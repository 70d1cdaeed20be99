#ifndef HYGROVIA_EXPR_PARSE_TABLES_H
#define HYGROVIA_EXPR_PARSE_TABLES_H

#include <cstdint>
#include <optional>

#include "expr/expression_error.h"
#include "expr/token_kind.h"

namespace hygrovia {

// The grammar of expressions and its shift-reduce tables. Precedence and grouping follow
// from the grammar: + and - lowest, grouping from the left; then * and /, from the left;
// then ^, from the right; unary minus binds tightest, to the primary right after it, so
// -2^2 is 4. There is no unary plus and no implicit multiplication.

// Left sides: expression, term, factor, signed factor, primary, atom.
enum class Nonterminal : std::uint8_t { E, T, F, S, K, L };

enum class Production : std::uint8_t {
  EPlusT,        // E -> E + T
  EMinusT,       // E -> E - T
  EFromT,        // E -> T
  TTimesF,       // T -> T * F
  TDivideF,      // T -> T / F
  TFromF,        // T -> F
  SPowerF,       // F -> S ^ F
  FFromS,        // F -> S
  NegateK,       // S -> - K
  SFromK,        // S -> K
  KFromL,        // K -> L
  Group,         // L -> ( E )
  NumberAtom,    // L -> number
  FunctionCall,  // L -> function ( E )
};

// A production's left side and the number of symbols on its right side.
struct ProductionShape {
  Nonterminal Left = Nonterminal::E;
  std::int32_t Length = 1;
};

ProductionShape ShapeOf(Production production);

enum class ActionKind : std::uint8_t { Error, Shift, Reduce, Accept };

// What the parser does in one state on one lookahead token. Only the field that belongs to
// Kind is meaningful.
struct ParserAction {
  ActionKind Kind = ActionKind::Error;
  std::uint8_t NextState = 0;
  Production Rule = Production::EFromT;
  ExpressionError Error = ExpressionError::UnresolvedToken;
};

// Parser states are numbered 0 to 30; 7, 18, 26 and 30 are never entered.
inline constexpr std::int32_t kParserStateCount = 31;

// The action for state and token; an error for a state outside the table.
ParserAction Action(std::int32_t state, TokenKind token);

// The state to enter after reducing to left with state uncovered on top of the stack;
// nothing where the table has no entry.
std::optional<std::int32_t> Goto(Nonterminal left, std::int32_t state);

}  // namespace hygrovia

#endif  // HYGROVIA_EXPR_PARSE_TABLES_H
