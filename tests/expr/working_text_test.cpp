#include "expr/working_text.h"

#include <string>

#include <gtest/gtest.h>

namespace hygrovia {
namespace {

TEST(WorkingText, CopiesInAsciiUpperCase) {
  WorkingText working;
  ASSERT_TRUE(working.Assign("sin(rad(30)) \xE9\xC3\xA4 z"));
  EXPECT_EQ(working.View(), "SIN(RAD(30)) \xE9\xC3\xA4 Z");
  const std::string withZero("1\0a", 3);
  ASSERT_TRUE(working.Assign(withZero));
  EXPECT_EQ(working.View(), std::string("1\0A", 3));
}

// Regression: a text longer than the working copy must neither overrun it nor be cut,
// since the cut text would be a different expression.
TEST(WorkingText, RefusesTextsLongerThan79Characters) {
  WorkingText working;
  const std::string longest(79, '9');
  ASSERT_TRUE(working.Assign(longest));
  EXPECT_EQ(working.View(), longest);
  for (const std::size_t length : {80u, 81u, 1000u, 1000000u}) {
    EXPECT_FALSE(working.Assign(std::string(length, '9'))) << length;
    EXPECT_EQ(working.View(), "") << length;
  }
}

}  // namespace
}  // namespace hygrovia
