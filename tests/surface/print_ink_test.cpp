#include "surface/print_ink.h"

#include <gtest/gtest.h>

namespace hygrovia {
namespace {

// Light inks darken to a readable contrast on paper and keep their hue; dark ones stay.
TEST(PrintInk, EveryInkReadsOnWhitePaper) {
  struct Case {
    Colour colour;
    bool kept;
  };
  const Case cases[] = {
      {kYellow, false}, {kCyan, false}, {Rgb(213, 94, 0), false}, {Rgb(230, 159, 0), false},
      {kWhite, false},  {kBlue, true},  {kBlack, true},           {Rgb(26, 26, 26), true},
  };
  EXPECT_NEAR(ContrastWithWhite(kYellow), 1.07, 0.01);
  EXPECT_NEAR(ContrastWithWhite(kCyan), 1.25, 0.01);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.colour);
    const Colour ink = PrintInk(c.colour);
    EXPECT_GE(ContrastWithWhite(ink), kPrintContrast);
    EXPECT_EQ(ink == c.colour, c.kept);
    // The same hue: no channel grows, and a channel that was off stays off.
    EXPECT_LE(RedOf(ink), RedOf(c.colour));
    EXPECT_EQ(GreenOf(ink) == 0, GreenOf(c.colour) == 0 || ink == kBlack);
  }
}

}  // namespace
}  // namespace hygrovia
