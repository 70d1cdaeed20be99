#include "drawing/chart_cursor.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "model/chart_settings.h"
#include "psychro/air_state.h"
#include "support/recording_canvas.h"
#include "support/test_chart.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

using hygrovia::testing::PrimitiveKind;
using hygrovia::testing::RecordedPrimitive;
using hygrovia::testing::RecordingCanvas;
using hygrovia::testing::TestChart;

const std::string kOutside = " Cursor: Outside graph extents";

// Pixels per unit of the view in which pixel (X, Y) is the world point (X / 10, (600 - Y) / 10).
constexpr float kDecimalView = 10.0f;

// The XOR strokes (and inversions, which always toggle) that an odd number of drawings left
// on the picture.
std::vector<std::string> XorResidue(const RecordingCanvas& canvas) {
  std::map<std::string, int> counts;
  for (const RecordedPrimitive& p : canvas.Primitives()) {
    const bool toggles = p.kind == PrimitiveKind::kInvertRect ||
                         (p.kind == PrimitiveKind::kLine && p.mix_mode == kMixXor);
    if (toggles) {
      const std::string key = std::to_string(static_cast<int>(p.kind)) + " " +
                              std::to_string(p.x1) + "," + std::to_string(p.y1) + " " +
                              std::to_string(p.x2) + "," + std::to_string(p.y2) + " " +
                              std::to_string(p.pen_colour);
      ++counts[key];
    }
  }
  std::vector<std::string> residue;
  for (const auto& [key, count] : counts) {
    if (count % 2 != 0) residue.push_back(key);
  }
  return residue;
}

int CountOf(const RecordingCanvas& canvas, PrimitiveKind kind) {
  return static_cast<int>(canvas.OfKind(kind).size());
}

bool IsFinite(ChartPoint p) { return std::isfinite(p.X) && std::isfinite(p.Y); }

TEST(CursorMarks, DrawnTwiceLeaveNothing) {
  // relative cursor, selected: lines and inverted insides drawn per call
  const std::vector<std::tuple<int, int, int, int>> cases = {
      {0, 0, 6, 0},  // cross and square outline
      {0, 1, 6, 1},  // the selected square's inside is inverted as well
      {1, 0, 9, 0},  // the arrow adds its line and two barbs
      {1, 1, 9, 1},
  };
  for (const auto& [relative, selected, lines, inverts] : cases) {
    TestChart c;
    c.settings.RelativeCursor = relative;
    DrawCursorMarks(c.settings, selected);
    EXPECT_EQ(CountOf(c.canvas, PrimitiveKind::kLine), lines) << relative << selected;
    EXPECT_EQ(CountOf(c.canvas, PrimitiveKind::kInvertRect), inverts) << relative << selected;
    EXPECT_EQ(c.canvas.CountLines(kCyan, kPenSolid), lines);
    for (const RecordedPrimitive& p : c.canvas.Lines()) EXPECT_EQ(p.mix_mode, kMixXor);
    EXPECT_EQ(c.canvas.MixMode(), kMixCopy);
    DrawCursorMarks(c.settings, selected);
    EXPECT_TRUE(XorResidue(c.canvas).empty()) << relative << selected;
  }
}

TEST(CursorMarks, GrabAndReleaseRestoreTheMarksAtRest) {
  TestChart c;
  DrawCursorMarks(c.settings, 0);
  const PointF at = c.surface.WorldToDevice(c.settings.Cursor.X, c.settings.Cursor.Y);
  EXPECT_TRUE(GrabAt(c.settings, static_cast<int>(at.x), static_cast<int>(at.y), true));
  EXPECT_EQ(CountOf(c.canvas, PrimitiveKind::kInvertRect), 1);
  EndDrag(c.settings, c.status);
  DrawCursorMarks(c.settings, 0);
  EXPECT_TRUE(XorResidue(c.canvas).empty());
  EXPECT_EQ(c.redraws, 0);
}

TEST(CursorMarks, WholeDragLeavesOnlyTheMarksAtTheNewPlace) {
  for (const int relative : {0, 1}) {
    TestChart c;
    c.settings.RelativeCursor = relative;
    DrawCursorMarks(c.settings, 0);
    const PointF at = c.surface.WorldToDevice(c.settings.Cursor.X, c.settings.Cursor.Y);
    const int x = static_cast<int>(at.x);
    const int y = static_cast<int>(at.y);
    ASSERT_TRUE(GrabAt(c.settings, x, y, true));
    DragTo(c.settings, x - 40, y + 30);
    DragTo(c.settings, x - 80, y + 50);
    EndDrag(c.settings, c.status);
    EXPECT_NE(c.settings.Cursor.X, 25.0f);
    // Erasing the marks at rest where the cursor now stands must leave a clean picture.
    DrawCursorMarks(c.settings, 0);
    EXPECT_TRUE(XorResidue(c.canvas).empty()) << relative;
  }
}

TEST(GrabAt, PickRadiusAndPriority) {
  struct Case {
    const char* what;
    ChartPoint cursor;
    ChartPoint arrow;
    int relative;
    bool node;
    int x;
    int y;
    bool hit;
    int target;
  };
  // In the decimal view the cursor at (25, 10) stands on pixel (250, 500).
  const std::vector<Case> cases = {
      {"9.9 pixels hits", {25.01f, 10.0f}, {5, 5}, 0, false, 260, 500, true, DragTarget::Cursor},
      {"10 pixels misses", {25.0f, 10.0f}, {5, 5}, 0, false, 260, 500, false, DragTarget::None},
      {"10 pixels up misses", {25.0f, 10.0f}, {5, 5}, 0, false, 250, 490, false, DragTarget::None},
      {"cursor over arrow and node",
       {25, 10},
       {25, 10},
       1,
       true,
       251,
       501,
       true,
       DragTarget::Cursor},
      {"arrow over node", {5, 5}, {25, 10}, 1, true, 251, 501, true, DragTarget::Arrow},
      {"arrow only in relative mode",
       {5, 5},
       {25, 10},
       0,
       false,
       251,
       501,
       false,
       DragTarget::None},
      {"node without relative mode", {5, 5}, {25, 10}, 0, true, 251, 501, true, DragTarget::Node},
      {"far outside", {25, 10}, {25, 10}, 1, true, INT_MAX, INT_MIN, false, DragTarget::None},
  };
  for (const Case& k : cases) {
    TestChart c;
    c.UseScale(kDecimalView);
    c.settings.Cursor = k.cursor;
    c.settings.Arrow = k.arrow;
    c.settings.RelativeCursor = k.relative;
    if (k.node) c.settings.Nodes.AppendPoint(25.0f, 10.0f);
    c.settings.DragTarget = DragTarget::Arrow;
    EXPECT_EQ(GrabAt(c.settings, k.x, k.y, false), k.hit) << k.what;
    EXPECT_EQ(c.settings.DragTarget, k.target) << k.what;
    // A right press only chooses; it never selects the cursor's square (a node it hits is
    // selected by the node list) and moves nothing.
    if (k.target != DragTarget::Node) {
      EXPECT_EQ(CountOf(c.canvas, PrimitiveKind::kInvertRect), 0) << k.what;
    }
    EXPECT_EQ(c.settings.Cursor.X, k.cursor.X) << k.what;
  }
}

TEST(GrabAt, LeftPressOnEmptyChartMovesTheCursorThere) {
  TestChart c;
  c.UseScale(kDecimalView);
  c.settings.Cursor = {25.0f, 10.0f};
  // Exactly 10 pixels to the right: no hit, so the cursor jumps to the snapped press point.
  EXPECT_TRUE(GrabAt(c.settings, 260, 500, true));
  EXPECT_EQ(c.settings.DragTarget, DragTarget::Cursor);
  EXPECT_FLOAT_EQ(c.settings.Cursor.X, 26.0f);
  EXPECT_FLOAT_EQ(c.settings.Cursor.Y, 10.0f);
  // Selected once by the grab, erased and drawn again selected by the move.
  EXPECT_EQ(CountOf(c.canvas, PrimitiveKind::kInvertRect), 3);
}

TEST(Dragging, PointsArePulledBackOntoTheChart) {
  AirState saturation;
  saturation.ResetState();
  const auto ws20 = static_cast<float>(saturation.SaturationHumidity(20.0));
  struct Case {
    const char* what;
    int target;
    ChartPoint to;
    ChartPoint expected;
  };
  const std::vector<Case> cases = {
      {"cursor above saturation", DragTarget::Cursor, {20.0f, 30.0f}, {20.0f, ws20}},
      {"cursor right of the chart", DragTarget::Cursor, {60.0f, 10.0f}, {50.0f, 10.0f}},
      {"cursor left of the chart", DragTarget::Cursor, {-8.0f, 2.0f}, {0.0f, 2.0f}},
      {"cursor above the top", DragTarget::Cursor, {45.0f, 40.0f}, {45.0f, 35.0f}},
      {"arrow above saturation", DragTarget::Arrow, {20.0f, 30.0f}, {20.0f, ws20}},
  };
  for (const Case& k : cases) {
    TestChart c;
    c.settings.RelativeCursor = k.target == DragTarget::Arrow ? 1 : 0;
    c.settings.DragTarget = k.target;
    const PointF pixel = c.surface.WorldToDevice(k.to.X, k.to.Y);
    DragTo(c.settings, static_cast<int>(std::lround(pixel.x)),
           static_cast<int>(std::lround(pixel.y)));
    const ChartPoint moved = k.target == DragTarget::Arrow ? c.settings.Arrow : c.settings.Cursor;
    EXPECT_NEAR(moved.X, k.expected.X, 0.051) << k.what;
    EXPECT_NEAR(moved.Y, k.expected.Y, 0.051) << k.what;
    EXPECT_GT(c.settings.TableLineCount, 0) << k.what;
  }
}

TEST(Dragging, NonFiniteWorldPointsAreNeverStored) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const std::vector<std::pair<float, float>> points = {
      {nan, 10.0f}, {20.0f, nan}, {inf, -inf}, {-inf, inf}, {nan, nan}};
  for (const auto& [x, y] : points) {
    for (const int target : {DragTarget::Cursor, DragTarget::Arrow, DragTarget::Node}) {
      TestChart c;
      c.settings.RelativeCursor = 1;
      c.settings.Nodes.AppendPoint(30.0f, 8.0f);
      c.settings.DragTarget = target;
      MoveGrabbedTo(c.settings, x, y);
      EXPECT_TRUE(IsFinite(c.settings.Cursor)) << x << " " << y << " " << target;
      EXPECT_TRUE(IsFinite(c.settings.Arrow)) << x << " " << y << " " << target;
      EXPECT_TRUE(IsFinite(c.settings.Nodes.GetNode(0))) << x << " " << y << " " << target;
    }
  }
}

TEST(Dragging, AnyPressOnAnyViewKeepsThePointsFinite) {
  const std::vector<int> pixels = {INT_MIN, -100000, -1, 0, 300, 599, 100000, INT_MAX};
  // zoom: scale of both axes; settings: 0 default, 1 inverted ranges, 2 equal ranges,
  // 3 lowest pressure, 4 highest pressure
  const std::vector<float> scales = {0.0f, 1e-30f, 1.0f, 1e30f,
                                     std::numeric_limits<float>::infinity()};
  for (const float scale : scales) {
    for (int settings = 0; settings < 5; ++settings) {
      TestChart c;
      if (settings == 1) c.settings.SetRanges(50.0f, 35.0f, 0.0f, 0.0f);
      if (settings == 2) c.settings.SetRanges(20.0f, 10.0f, 20.0f, 10.0f);
      if (settings == 3) c.settings.SetPressure(51.365f);
      if (settings == 4) c.settings.SetPressure(131.365f);
      c.settings.RelativeCursor = settings % 2;
      c.settings.Nodes.AppendPoint(30.0f, 8.0f);
      c.surface.ScaleX = scale;
      c.surface.ScaleY = scale;
      for (const int x : pixels) {
        for (const int y : pixels) {
          GrabAt(c.settings, x, y, true);
          DragTo(c.settings, y, x);
          TrackMouse(c.settings, c.status, x, y);
          EndDrag(c.settings, c.status);
        }
      }
      EXPECT_TRUE(IsFinite(c.settings.Cursor)) << scale << " " << settings;
      EXPECT_TRUE(IsFinite(c.settings.Arrow)) << scale << " " << settings;
      EXPECT_TRUE(IsFinite(c.settings.Nodes.GetNode(0))) << scale << " " << settings;
    }
  }
}

TEST(StatusTexts, ReadOutsOfAState) {
  AirState state;
  state.ResetState();
  state.SetFromHumidity(25.0, 10.0);
  EXPECT_EQ(CursorStatusText(state),
            " Cursor: DB 25.0\xC2\xB0"
            "C,  WB 17.8\xC2\xB0"
            "C,  RH 49.8%  AH 10.0g/kg");
  EXPECT_EQ(ArrowStatusText(state),
            " Arrow: DB 25.0\xC2\xB0"
            "C,  WB 17.8\xC2\xB0"
            "C,  RH 49.8%  AH 10.0g/kg");
  EXPECT_EQ(OutsideStatusText(), kOutside);
}

TEST(ShowStateAt, InsideAndOutsideTheChart) {
  struct Case {
    const char* what;
    int x;
    int y;
    std::string text;
  };
  // Decimal view: pixel (X, Y) is (X / 10, (600 - Y) / 10); saturation at 15 °C is 10.63 g/kg.
  const std::vector<Case> cases = {
      {"cursor position", 250, 500,
       " Cursor: DB 25.0\xC2\xB0"
       "C,  WB 17.8\xC2\xB0"
       "C,  RH 49.8%  AH 10.0g/kg"},
      {"above saturation within the same whole unit", 150, 491,
       " Cursor: DB 15.0\xC2\xB0"
       "C,  WB 15.0\xC2\xB0"
       "C,  RH 100.0%  AH 10.6g/kg"},
      {"above saturation by a whole unit", 150, 490, kOutside},
      {"left of the chart", -1, 500, kOutside},
      {"right of the chart", 501, 500, kOutside},
      {"above the top", 250, 249, kOutside},
      {"below the bottom", 250, 601, kOutside},
      {"far away", INT_MAX, INT_MIN, kOutside},
      {"far the other way", INT_MIN, INT_MAX, kOutside},
  };
  for (const Case& k : cases) {
    TestChart c;
    c.UseScale(kDecimalView);
    ShowStateAt(c.settings, c.status, k.x, k.y);
    EXPECT_EQ(c.status.Text(), k.text) << k.what;
  }
}

TEST(ShowStateAt, InvertedRangesHaveNoInside) {
  TestChart c;
  c.settings.SetRanges(50.0f, 35.0f, 0.0f, 0.0f);
  c.UseScale(kDecimalView);
  ShowStateAt(c.settings, c.status, 250, 500);
  EXPECT_EQ(c.status.Text(), kOutside);
}

TEST(TrackMouse, HighlightCaptionStaysWhileNothingIsHeld) {
  const std::string caption = " HILIGHT: Relative Humidity Lines (%)";
  const std::string cursorText =
      " Cursor: DB 25.0\xC2\xB0"
      "C,  WB 17.8\xC2\xB0"
      "C,  RH 49.8%  AH 10.0g/kg";
  // highlight, drag target, expected status
  const std::vector<std::tuple<int, int, std::string>> cases = {
      {HighlightMode::None, DragTarget::None, cursorText},
      {HighlightMode::RelativeHumidity, DragTarget::None, caption},
      {HighlightMode::RelativeHumidity, DragTarget::Cursor, cursorText},
      {HighlightMode::MixingAirStreams, DragTarget::Node, cursorText},
  };
  for (const auto& [highlight, target, text] : cases) {
    TestChart c;
    c.UseScale(kDecimalView);
    c.settings.Highlight = highlight;
    c.settings.DragTarget = target;
    c.status.SetText(caption);
    TrackMouse(c.settings, c.status, 250, 500);
    EXPECT_EQ(c.status.Text(), text) << highlight << " " << target;
  }
}

TEST(EndDrag, StatusRedrawAndSquare) {
  struct Case {
    int highlight;
    int target;
    std::string status;
    int redraws;
    int inverts;
  };
  const std::vector<Case> cases = {
      {HighlightMode::None, DragTarget::Cursor, "", 0, 1},
      {HighlightMode::RelativeHumidity, DragTarget::Cursor, " HILIGHT: Relative Humidity Lines (%)",
       0, 1},
      {HighlightMode::None, DragTarget::Arrow, "", 0, 0},
      {HighlightMode::None, DragTarget::Node, "", 1, 0},
      {HighlightMode::HeatingAndCooling, DragTarget::Cursor,
       " Shows the effects of heating and cooling.", 1, 0},
      {HighlightMode::MixingAirStreams, DragTarget::Cursor,
       " Depends on Temperature(T), Enthalpy(H) and Mass flow rate(M) ratio.", 1, 0},
      {HighlightMode::MixingAirStreams, DragTarget::Node,
       " Depends on Temperature(T), Enthalpy(H) and Mass flow rate(M) ratio.", 1, 0},
  };
  for (const Case& k : cases) {
    TestChart c;
    c.settings.Highlight = k.highlight;
    c.settings.DragTarget = k.target;
    c.status.SetText(" Cursor: Outside graph extents");
    EndDrag(c.settings, c.status);
    EXPECT_EQ(c.status.Text(), k.status) << k.highlight << " " << k.target;
    EXPECT_EQ(c.redraws, k.redraws) << k.highlight << " " << k.target;
    EXPECT_EQ(CountOf(c.canvas, PrimitiveKind::kInvertRect), k.inverts) << k.highlight;
    EXPECT_EQ(c.settings.DragTarget, DragTarget::None);
  }
}

// A held node was read out with the chart formulas whatever the chart's model, so its read-out
// disagreed with its row of the data table in the ASHRAE model.
TEST(HeldStatusText, ANodeReadsOutInTheChartsModelAndUnits) {
  for (const UnitSystem units : {UnitSystem::Si, UnitSystem::Ip}) {
    TestChart chart;
    chart.settings.SetPropertyModel(PropertyModel::Ashrae2017);
    chart.settings.SetUnitSystem(units);
    chart.settings.Nodes.AppendPoint(30.0f, 12.0f);
    chart.settings.Nodes.Selected = 0;
    AirState expected;
    expected.ResetState();
    expected.Pressure = chart.settings.GetPressure();
    expected.Model = PropertyModel::Ashrae2017;
    expected.SetFromHumidity(30.0, 12.0);
    EXPECT_EQ(HeldStatusText(chart.settings, DragTarget::Node),
              CursorStatusText(expected, chart.settings.GetUnits()));
  }
}

}  // namespace
}  // namespace hygrovia
