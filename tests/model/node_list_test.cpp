#include "model/node_list.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "model/chart_settings.h"
#include "psychro/air_state.h"
#include "support/recording_canvas.h"
#include "support/test_chart.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

using testing::PrimitiveKind;
using testing::RecordedPrimitive;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// The test chart on a 640 by 480 window, its nodes at hand. At scale 1, world (x, y) lands on
// device pixel (x, 480 - y).
struct Chart : testing::TestChart {
  NodeList& nodes = settings.Nodes;

  Chart() : TestChart(640, 480) {}

  void Fill(const std::vector<ChartPoint>& points, std::int32_t selected) {
    nodes.Reset();
    for (const ChartPoint& p : points) nodes.AppendPoint(p.X, p.Y);
    nodes.Selected = selected;
  }
};

// Nodes numbered by their X: 1, 2, 3, ...
std::vector<ChartPoint> Numbered(int count) {
  std::vector<ChartPoint> points;
  for (int i = 1; i <= count; ++i) points.push_back({static_cast<float>(i), 5.0f});
  return points;
}

std::vector<float> Xs(const NodeList& nodes) {
  std::vector<float> xs;
  for (std::int32_t i = 0; i < nodes.Count; ++i) xs.push_back(nodes.GetNode(i).X);
  return xs;
}

double Saturation(double t) {
  AirState state;
  state.ResetState();
  return state.SaturationHumidity(t);
}

// How often each line (either direction) and each inverted rectangle was drawn; XOR marks
// drawn an even number of times have left nothing behind.
std::map<std::tuple<int, int, int, int, int>, int> MarkCounts(
    const std::vector<RecordedPrimitive>& primitives) {
  std::map<std::tuple<int, int, int, int, int>, int> counts;
  for (const RecordedPrimitive& p : primitives) {
    if (p.kind == PrimitiveKind::kLine) {
      std::pair a{p.x1, p.y1};
      std::pair b{p.x2, p.y2};
      if (b < a) std::swap(a, b);
      ++counts[{0, a.first, a.second, b.first, b.second}];
    } else if (p.kind == PrimitiveKind::kInvertRect) {
      ++counts[{1, p.x1, p.y1, p.x2, p.y2}];
    }
  }
  return counts;
}

void ExpectNothingLeft(const testing::RecordingCanvas& canvas) {
  for (const auto& [mark, count] : MarkCounts(canvas.Primitives())) {
    EXPECT_EQ(count % 2, 0) << "mark kind " << std::get<0>(mark) << " at " << std::get<1>(mark)
                            << ", " << std::get<2>(mark);
  }
  for (const RecordedPrimitive& p : canvas.Primitives()) {
    if (p.kind == PrimitiveKind::kText) continue;
    EXPECT_EQ(p.mix_mode, kMixXor);
    if (p.kind == PrimitiveKind::kLine) {
      EXPECT_EQ(p.pen_colour, kCyan);
    }
  }
  EXPECT_EQ(canvas.MixMode(), kMixCopy);
}

TEST(NodeListTest, InsertAndDeleteKeepOrderAndSelection) {
  enum Op { kInsert, kDelete };
  struct Case {
    const char* name;
    int count;
    std::int32_t selected;
    Op op;
    bool result;
    std::vector<float> xs;
    std::int32_t selectedAfter;
  };
  const std::vector<Case> cases = {
      {"insert at node 3 of 5", 5, 2, kInsert, true, {1, 2, 3, 3, 4, 5}, 3},
      {"insert into an empty list", 0, -1, kInsert, false, {}, -1},
      {"insert with nothing selected", 3, -1, kInsert, false, {1, 2, 3}, -1},
      {"insert with a stale selection", 3, 3, kInsert, false, {1, 2, 3}, 3},
      {"insert after the last node", 3, 2, kInsert, true, {1, 2, 3, 3}, 3},
      {"insert into a full list", 24, 0, kInsert, false, Xs(NodeList{}), 0},
      {"delete the only node", 1, -1, kDelete, true, {}, -1},
      {"delete from an empty list", 0, 4, kDelete, true, {}, 4},
      {"delete the last of five", 5, 4, kDelete, true, {1, 2, 3, 4}, 4},
      {"delete node 2 of 5", 5, 1, kDelete, true, {1, 3, 4, 5}, 1},
      {"delete the first", 3, 0, kDelete, true, {2, 3}, 0},
      {"delete with nothing selected", 3, -1, kDelete, false, {1, 2, 3}, -1},
  };
  for (const Case& c : cases) {
    Chart chart;
    chart.Fill(Numbered(c.count), c.selected);
    const std::vector<float> before = Xs(chart.nodes);
    const bool result = c.op == kInsert ? chart.nodes.InsertCopy() : chart.nodes.DeleteSelected();
    EXPECT_EQ(result, c.result) << c.name;
    EXPECT_EQ(Xs(chart.nodes), c.count == 24 ? before : c.xs) << c.name;
    EXPECT_EQ(chart.nodes.Selected, c.selectedAfter) << c.name;
  }
}

TEST(NodeListTest, AFullListRefusesNewNodes) {
  Chart chart;
  NodeList& nodes = chart.nodes;
  for (int i = 0; i < NodeList::kCapacity; ++i) {
    ASSERT_TRUE(nodes.AddAtCursor({static_cast<float>(i), 1.0f}));
    EXPECT_EQ(nodes.Selected, i);
  }
  EXPECT_FALSE(nodes.AddAtCursor(chart.settings.Cursor));
  nodes.Selected = 3;
  EXPECT_FALSE(nodes.InsertCopy());
  EXPECT_TRUE(nodes.AppendPoint(99.0f, 9.0f));
  EXPECT_EQ(nodes.Count, 24);
  EXPECT_EQ(nodes.Selected, 3);
  EXPECT_EQ(nodes.GetNode(23).X, 23.0f);

  // A data file with 30 nodes loads the first 24.
  nodes.Clear();
  for (int i = 0; i < 30; ++i) {
    EXPECT_TRUE(nodes.AppendPoint(100.0f + static_cast<float>(i), 2.0f));
  }
  EXPECT_EQ(nodes.Count, 24);
  EXPECT_EQ(nodes.GetNode(0).X, 100.0f);
  EXPECT_EQ(nodes.GetNode(23).X, 123.0f);
}

TEST(NodeListTest, ClearEmptiesOnlyAndResetForgetsEverything) {
  Chart chart;
  chart.Fill(Numbered(4), 2);
  chart.nodes.Clear();
  EXPECT_EQ(chart.nodes.Count, 0);
  EXPECT_EQ(chart.nodes.Selected, 2);
  EXPECT_FALSE(chart.nodes.IsValidIndex(2));
  EXPECT_EQ(chart.nodes.GetNode(0).X, 0.0f);
  chart.Fill(Numbered(4), 2);
  chart.nodes.Reset();
  EXPECT_EQ(chart.nodes.Selected, -1);
  EXPECT_EQ(chart.nodes.Points[3].X, 0.0f);
}

TEST(NodeListTest, AddingNeverConstrainsThePoint) {
  Chart chart;
  chart.settings.Cursor = {80.0f, 60.0f};
  chart.nodes.AddAtCursor(chart.settings.Cursor);
  chart.nodes.AppendPoint(-40.0f, 300.0f);
  chart.nodes.SetNode(0, 120.0f, -5.0f);
  chart.nodes.SetNode(2, 1.0f, 1.0f);  // not a node: nothing happens
  EXPECT_EQ(chart.nodes.GetNode(0).X, 120.0f);
  EXPECT_EQ(chart.nodes.GetNode(0).Y, -5.0f);
  EXPECT_EQ(chart.nodes.GetNode(1).Y, 300.0f);
  EXPECT_EQ(chart.nodes.GetNode(2).X, 0.0f);
  EXPECT_EQ(chart.nodes.Count, 2);
}

TEST(NodeListTest, HitTestTakesTheNearestNodeWithinTenPixels) {
  struct Case {
    const char* name;
    std::vector<ChartPoint> nodes;  // world (x, y) is pixel (x, 480 - y)
    std::int32_t selected;
    int x;
    int y;
    std::int32_t result;
    std::int32_t selectedAfter;
  };
  const std::vector<Case> cases = {
      {"exactly 10 pixels", {{100, 200}}, -1, 110, 280, 0, 0},
      {"10.5 pixels", {{100.5f, 200}}, -1, 111, 280, -1, -1},
      {"10.5 pixels, on a line", {{100.5f, 200}, {300.5f, 200}}, 1, 111, 280, 1, 1},
      {"on a line, stale selection", {{100.5f, 200}, {300.5f, 200}}, 5, 111, 280, 5, 5},
      {"on a line, nothing selected", {{100.5f, 200}, {300.5f, 200}}, -1, 200, 285, -1, -1},
      {"11 pixels off a line", {{100, 200}, {300, 200}}, 0, 200, 291, -1, 0},
      {"beyond the end of a line", {{100, 200}, {200, 200}}, 0, 215, 280, -1, 0},
      {"on a slanted line", {{100, 100}, {300, 300}}, 1, 200, 275, 1, 1},
      {"beyond the end of a slanted line", {{100, 100}, {200, 200}}, 1, 250, 230, -1, 1},
      {"two nodes at one spot", {{100, 200}, {100, 200}}, -1, 105, 280, 1, 1},
      {"the nearer node", {{100, 200}, {108, 200}}, -1, 103, 280, 0, 0},
      {"the nearer node later", {{100, 200}, {108, 200}}, 0, 106, 280, 1, 1},
      {"no nodes", {}, -1, 100, 280, -1, -1},
  };
  for (const Case& c : cases) {
    Chart chart;
    chart.UseScale(1.0f);
    chart.Fill(c.nodes, c.selected);
    EXPECT_EQ(chart.nodes.HitTest(c.x, c.y, chart.surface), c.result) << c.name;
    EXPECT_EQ(chart.nodes.Selected, c.selectedAfter) << c.name;
  }
}

TEST(NodeListTest, DrawNodesTwiceLeavesOnlyTheLabelsDrawnTwice) {
  Chart chart;
  chart.UseScale(1.0f);
  chart.Fill({{100, 200}, {200, 250}, {300, 150}}, 1);
  ASSERT_TRUE(chart.nodes.DrawNodes(chart.surface));
  EXPECT_EQ(chart.canvas.Lines().size(), 2u + 3u * 4u);
  EXPECT_EQ(chart.canvas.OfKind(PrimitiveKind::kInvertRect).size(), 1u);
  ASSERT_TRUE(chart.nodes.DrawNodes(chart.surface));
  ExpectNothingLeft(chart.canvas);
  const std::vector<std::string> labels = {" 1. ", " 2. ", " 3. ", " 1. ", " 2. ", " 3. "};
  EXPECT_EQ(chart.canvas.TextStrings(), labels);
  // The label is centred under its node, its top a quarter text height below it.
  const RecordedPrimitive first = chart.canvas.Texts()[0];
  EXPECT_EQ(first.x1, 100 - 4 * testing::RecordingCanvas::kCharWidth / 2);
  EXPECT_EQ(first.y1, 280 + testing::RecordingCanvas::kTextHeight / 4);

  chart.canvas.ClearRecord();
  chart.nodes.Clear();
  EXPECT_FALSE(chart.nodes.DrawNodes(chart.surface));
  EXPECT_TRUE(chart.canvas.Primitives().empty());
}

TEST(NodeListTest, SelectingMovesTheInvertedInside) {
  struct Case {
    std::int32_t from;
    std::int32_t to;
    std::size_t inverted;
  };
  const std::vector<Case> cases = {{0, 2, 2}, {-1, 2, 1}, {0, 7, 1}, {-1, -1, 0}, {1, 1, 2}};
  for (const Case& c : cases) {
    Chart chart;
    chart.UseScale(1.0f);
    chart.Fill({{100, 200}, {200, 250}, {300, 150}}, c.from);
    chart.nodes.DrawNodes(chart.surface);
    chart.canvas.ClearRecord();
    EXPECT_TRUE(chart.nodes.SelectNode(c.to, chart.surface));
    EXPECT_EQ(chart.nodes.Selected, c.to);
    EXPECT_EQ(chart.canvas.OfKind(PrimitiveKind::kInvertRect).size(), c.inverted);
    // Drawing the nodes again with the new selection erases every mark.
    chart.canvas.ClearRecord();
    chart.Fill({{100, 200}, {200, 250}, {300, 150}}, c.from);
    chart.nodes.DrawNodes(chart.surface);
    chart.nodes.SelectNode(c.to, chart.surface);
    chart.nodes.DrawNodes(chart.surface);
    ExpectNothingLeft(chart.canvas);
  }
}

TEST(NodeListTest, MovingANodeKeepsItOnTheChart) {
  struct Case {
    const char* name;
    float x;
    float y;
    float expectedX;
    double expectedY;  // < 0: the saturation moisture at expectedX
  };
  const std::vector<Case> cases = {
      {"inside the chart", 20.0f, 5.0f, 20.0f, 5.0},
      {"above saturation", 20.0f, 40.0f, 20.0f, -1.0},
      {"left of the chart", -10.0f, 2.0f, 0.0f, 2.0},
      {"right of the chart, above the top", 70.0f, 90.0f, 50.0f, 35.0},
      {"below zero moisture", 30.0f, -4.0f, 30.0f, 0.0},
      {"not a number keeps the node's place", kNaN, kNaN, 15.0f, 3.0},
  };
  for (const Case& c : cases) {
    Chart chart;
    chart.Fill({{10, 2}, {15, 3}, {25, 8}}, 1);
    chart.nodes.DrawNodes(chart.surface);
    ASSERT_TRUE(chart.nodes.MoveSelectedTo(c.x, c.y, chart.settings, chart.surface)) << c.name;
    const ChartPoint node = chart.nodes.GetNode(1);
    const double y = c.expectedY < 0 ? Saturation(c.expectedX) : c.expectedY;
    EXPECT_NEAR(node.X, c.expectedX, 1e-4) << c.name;
    EXPECT_NEAR(node.Y, y, 1e-3) << c.name;
    chart.nodes.DrawNodes(chart.surface);
    ExpectNothingLeft(chart.canvas);
  }
  Chart chart;
  chart.Fill({{10, 2}}, -1);
  EXPECT_FALSE(chart.nodes.MoveSelectedTo(20.0f, 5.0f, chart.settings, chart.surface));
  EXPECT_TRUE(chart.canvas.Primitives().empty());
}

TEST(NodeListTest, DraggingANodeFollowsTheSnappedMouse) {
  Chart chart;
  chart.Fill({{10, 2}, {15, 3}}, 0);
  const PointF at = chart.surface.WorldToDevice(22.0f, 6.0f);
  chart.nodes.DragSelectedTo(static_cast<int>(at.x), static_cast<int>(at.y), chart.settings,
                             chart.surface);
  EXPECT_NEAR(chart.nodes.GetNode(0).X, 22.0f, 0.15f);
  EXPECT_NEAR(chart.nodes.GetNode(0).Y, 6.0f, 0.15f);
  // Far left and high above: onto the chart's left edge, on the saturation curve.
  chart.nodes.DragSelectedTo(0, 0, chart.settings, chart.surface);
  EXPECT_EQ(chart.nodes.GetNode(0).X, 0.0f);
  EXPECT_NEAR(chart.nodes.GetNode(0).Y, Saturation(0.0), 1e-4);
}

// Regression: a Count beyond the capacity (or below 0) written by a caller made every loop
// over the nodes read and write past the points.
TEST(NodeListTest, ACountOutOfRangeNeverReachesPastThePoints) {
  for (std::int32_t count : {30, 1000, -3}) {
    Chart chart;
    chart.UseScale(1.0f);
    chart.nodes.Count = count;
    chart.nodes.Selected = 24;
    EXPECT_FALSE(chart.nodes.IsValidIndex(24)) << count;
    EXPECT_EQ(chart.nodes.GetNode(24).X, 0.0f);
    chart.nodes.SetNode(24, 1.0f, 1.0f);
    chart.nodes.DrawNodes(chart.surface);
    chart.nodes.HitTest(5, 475, chart.surface);
    chart.nodes.InsertCopy();
    chart.nodes.AddAtCursor(chart.settings.Cursor);
    chart.nodes.DeleteSelected();
    EXPECT_LE(chart.nodes.Count, NodeList::kCapacity) << count;
  }
}

// Regression: NaN and infinities typed into the node editor or read from a file were stored.
TEST(NodeListTest, BadCoordinatesNeverStoreNonFiniteValues) {
  const std::vector<float> bad = {kNaN, kInf, -kInf, 1e30f, -1e30f, 3.4e38f, 0.0f};
  Chart chart;
  for (float x : bad) {
    for (float y : bad) {
      chart.Fill({{10, 2}, {15, 3}}, 1);
      chart.nodes.AppendPoint(x, y);
      chart.nodes.SetNode(0, x, y);
      chart.nodes.Selected = 1;
      chart.nodes.MoveSelectedTo(x, y, chart.settings, chart.surface);
      for (std::int32_t i = 0; i < chart.nodes.Count; ++i) {
        const ChartPoint p = chart.nodes.GetNode(i);
        EXPECT_TRUE(std::isfinite(p.X) && std::isfinite(p.Y)) << i << ": " << x << ", " << y;
        EXPECT_LE(std::fabs(p.X), kCoordinateLimit);
        EXPECT_LE(std::fabs(p.Y), kCoordinateLimit);
      }
    }
  }
}

}  // namespace
}  // namespace hygrovia
