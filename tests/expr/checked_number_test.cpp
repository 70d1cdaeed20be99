#include "expr/checked_number.h"

#include <gtest/gtest.h>

#include "expr/expression_evaluator.h"

namespace hygrovia {
namespace {

TEST(CheckedNumberTest, ValuesAndTheReasonsForRefusingOne) {
  struct Case {
    const char* text;
    bool ok;
    double value;
    const char* message;
  };
  const Case cases[] = {
      {"25*1.8+32", true, 77.0, ""},
      {"-(3)", true, -3.0, ""},
      {"0", true, 0.0, ""},
      {"2+", false, 0.0, "Unresolved token."},
      {"2 3", false, 0.0, "Unresolved operation."},
      {"abc", false, 0.0, "Unresolved token."},
      {"", false, 0.0, "Unresolved token."},
      {"1/0", false, 0.0, "The result is not a finite number."},
      {"10^400", false, 0.0, "The result is not a finite number."},
  };
  ExpressionEvaluator evaluator;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const CheckedNumber n = CheckNumber(evaluator, c.text);
    EXPECT_EQ(n.Ok, c.ok);
    EXPECT_DOUBLE_EQ(n.Value, c.value);
    EXPECT_EQ(n.Message, c.message);
  }
}

}  // namespace
}  // namespace hygrovia
