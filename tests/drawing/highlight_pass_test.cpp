#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "drawing/chart_drawing.h"
#include "drawing/highlight_captions.h"
#include "support/test_chart.h"

namespace hygrovia {
namespace {

using testing::RecordedPrimitive;
using testing::TestChart;

// The index of the first primitive drawn in colour, or the number of primitives.
std::size_t FirstLineOf(const std::vector<RecordedPrimitive>& lines, Colour colour) {
  std::size_t i = 0;
  while (i < lines.size() && lines[i].pen_colour != colour) ++i;
  return i;
}

TEST(HighlightPassTest, FullDrawingRedrawsExactlyTheChosenFamilyInYellow) {
  struct Case {
    int mode;
    std::int32_t enthalpyLines;
    std::int32_t vapourScale;
    int yellowLines;
    const char* caption;
  };
  const Case cases[] = {
      {1, 0, 0, 51,
       " HILIGHT: Dry Bulb Temperatures (\xC2\xB0"
       "C)"},
      {2, 0, 0, 37,
       " HILIGHT: Wet Bulb Temperatures (\xC2\xB0"
       "C)"},
      {3, 0, 0, 7, " HILIGHT: Absolute Humidity Lines (g/kg)"},
      {4, 0, 0, 444, " HILIGHT: Relative Humidity Lines (%)"},
      {5, 0, 1, 14, " HILIGHT: Vapour Pressure Lines (kPa)"},
      {6, 0, 0, 7, " HILIGHT: Lines of Specific Volume (m3/kg)"},
      {7, 1, 0, 69, " HILIGHT: Lines of Constant Enthalpy (kJ/kg)"},
  };
  for (const Case& c : cases) {
    TestChart chart;
    chart.settings.ShowEnthalpyLines = c.enthalpyLines;
    chart.settings.ShowVapourPressureScale = c.vapourScale;
    chart.settings.RequestedHighlight = c.mode;
    DrawChart(chart.settings, chart.status);
    EXPECT_EQ(chart.settings.Highlight, c.mode);
    EXPECT_EQ(chart.canvas.CountLines(kYellow), c.yellowLines) << c.mode;
    EXPECT_EQ(chart.status.Text(), c.caption) << c.mode;
    EXPECT_EQ(HighlightCaption(c.mode), c.caption) << c.mode;
    // Over the normal drawing: no yellow line before the last blue one.
    const std::vector<RecordedPrimitive> lines = chart.canvas.Lines();
    std::size_t lastBlue = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].pen_colour == kBlue) lastBlue = i;
    }
    EXPECT_GT(FirstLineOf(lines, kYellow), lastBlue) << c.mode;
    // The highlight pass adds no texts: the scales are drawn once.
    chart.canvas.ClearRecord();
    HighlightPass(chart.settings, chart.status, c.mode, false);
    EXPECT_TRUE(chart.canvas.TextStrings().empty()) << c.mode;
  }
}

TEST(HighlightPassTest, HighlightOfAFamilyNotShownSwitchesItOnForTheNextDrawing) {
  struct Case {
    int mode;
    std::int32_t enthalpyLines;
    std::int32_t vapourScale;
    std::int32_t expectedEnthalpyLines;
    std::int32_t expectedVapourScale;
  };
  const Case cases[] = {
      {2, 1, 0, 0, 0},
      {3, 0, 1, 0, 0},
      {5, 0, 0, 0, 1},
      {7, 0, 0, 1, 0},
  };
  for (const Case& c : cases) {
    TestChart chart;
    chart.settings.ShowEnthalpyLines = c.enthalpyLines;
    chart.settings.ShowVapourPressureScale = c.vapourScale;
    HighlightPass(chart.settings, chart.status, c.mode, true);
    EXPECT_EQ(chart.canvas.CountLines(kYellow), 0) << c.mode;
    EXPECT_EQ(chart.settings.ShowEnthalpyLines, c.expectedEnthalpyLines) << c.mode;
    EXPECT_EQ(chart.settings.ShowVapourPressureScale, c.expectedVapourScale) << c.mode;
    EXPECT_EQ(chart.control.Repaints(), 1) << c.mode;
    EXPECT_EQ(chart.status.Text(), HighlightCaption(c.mode)) << c.mode;
  }
}

TEST(HighlightPassTest, ModesOutsideOneToElevenDoNothing) {
  for (const int mode : {0, -1, 12, 1000}) {
    TestChart chart;
    chart.status.SetText("before");
    HighlightPass(chart.settings, chart.status, mode, true);
    EXPECT_TRUE(chart.canvas.Primitives().empty()) << mode;
    EXPECT_EQ(chart.status.Text(), "before") << mode;
    EXPECT_TRUE(HighlightCaption(mode).empty()) << mode;
  }
}

TEST(HighlightPassTest, OverlayModesLeaveABlackPenAndTheirCaption) {
  for (const int mode : {8, 9, 10, 11}) {
    TestChart chart;
    HighlightPass(chart.settings, chart.status, mode, true);
    EXPECT_EQ(chart.status.Text(), HighlightCaption(mode)) << mode;
    EXPECT_FALSE(HighlightCaption(mode).empty()) << mode;
    chart.canvas.ClearRecord();
    chart.surface.DrawLine(0.0f, 0.0f, 1.0f, 1.0f);
    EXPECT_EQ(chart.canvas.Lines().back().pen_colour, kBlack) << mode;
  }
}

TEST(ChartDrawingOrderTest, TableFirstNodesLast) {
  TestChart chart;
  chart.settings.Nodes.AppendPoint(20.0f, 8.0f);
  chart.settings.Nodes.AppendPoint(30.0f, 12.0f);
  DrawChart(chart.settings, chart.status);
  const std::vector<std::string> texts = chart.canvas.TextStrings();
  ASSERT_FALSE(texts.empty());
  // The table rows come first (shadow, then text), the number of the last node last.
  EXPECT_EQ(texts.front(), " DATA: DBT  RH  WBT  ENTHALPY");
  EXPECT_EQ(texts.back(), " 2. ");
  const std::vector<RecordedPrimitive>& all = chart.canvas.Primitives();
  EXPECT_EQ(all.front().kind, testing::PrimitiveKind::kText);
  EXPECT_EQ(all.back().pen_colour, kCyan);
  EXPECT_EQ(all.back().mix_mode, kMixXor);
  // No blue line after the first cyan mark: marks and nodes lie on top.
  const std::vector<RecordedPrimitive> lines = chart.canvas.Lines();
  const std::size_t firstMark = FirstLineOf(lines, kCyan);
  for (std::size_t i = firstMark; i < lines.size(); ++i) EXPECT_NE(lines[i].pen_colour, kBlue);
}

}  // namespace
}  // namespace hygrovia
