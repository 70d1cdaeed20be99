#include "base/row_text.h"

#include <gtest/gtest.h>

namespace hygrovia {
namespace {

// Regression: a weather file's place name reached the terminal and the pictures as raw bytes.
TEST(PrintableText, ShowsFileBytesAsTextWithoutControls) {
  struct Case {
    const char* bytes;
    const char* shown;
  };
  const Case cases[] = {
      {"M\xC3\xBCnchen", "M\xC3\xBCnchen"},        // UTF-8 stays
      {"M\xFCnchen", "M\xC3\xBCnchen"},            // Latin-1 becomes UTF-8
      {"Bad\x1B[2JPlace\x07\r\n", "Bad[2JPlace"},  // escape, bell and line end go
      {"\xC2\x85"
       "Caf\xC3\xA9\x7F",
       "Caf\xC3\xA9"},                       // C1 controls and delete go
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0"},  // a surrogate is no UTF-8
      {"\xE2\x82", "\xC3\xA2"},              // nor is a cut sequence
  };
  for (const Case& c : cases) EXPECT_EQ(PrintableText(c.bytes), c.shown) << c.bytes;
}

}  // namespace
}  // namespace hygrovia
