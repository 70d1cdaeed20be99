#include "styles/clear_marks.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <fmt/format.h>

#include "model/chart_settings.h"
#include "base/number_text.h"
#include "surface/colour.h"

namespace hygrovia {
namespace {

constexpr Colour kMarkColour = Rgb(213, 94, 0);
constexpr float kMarkWidth = 1.6f;
constexpr float kHeldWidth = 2.6f;
// The halo reaches this far (pixels) beyond each side of a stroke.
constexpr float kHaloReach = 1.5f;
constexpr int kCrossHalf = 8;
constexpr int kSquareHalf = 3;
constexpr int kHeldSquareHalf = 5;
constexpr float kArrowSize = 1.0f;
// What a box of the marks holds beyond their points: the cross, the halo and a pixel spare.
constexpr float kPointReach = kCrossHalf + kHeldWidth + kHaloReach + 2.0f;

std::string NodeNumber(std::int32_t i) { return fmt::format(" {}. ", i + 1); }

// The strokes of every mark, in the halo's pen (wider, white) or the mark's own.
void DrawStrokes(ChartSettings& chart, bool halo) {
  DrawingSurface& surface = chart.Surface();
  const auto pen = [&](bool heavy) {
    const float width = heavy ? kHeldWidth : kMarkWidth;
    surface.SetSmoothPen(halo ? kWhite : kMarkColour, kPenSolid,
                         halo ? width + 2.0f * kHaloReach : width);
  };
  const NodeList& nodes = chart.Nodes;
  pen(false);
  for (std::int32_t i = 1; nodes.IsValidIndex(i); ++i) {
    const ChartPoint node = nodes.GetNode(i);
    const ChartPoint previous = nodes.GetNode(i - 1);
    surface.DrawLine(node.X, node.Y, previous.X, previous.Y);
  }
  for (std::int32_t i = 0; nodes.IsValidIndex(i); ++i) {
    const bool selected = i == nodes.Selected;
    const ChartPoint node = nodes.GetNode(i);
    pen(selected);
    surface.DrawSquare(node.X, node.Y, 0, selected ? kHeldSquareHalf : kSquareHalf);
  }
  const ChartPoint c = chart.Cursor;
  if (chart.RelativeCursor != 0) {
    pen(chart.DragTarget == DragTarget::Arrow);
    surface.DrawArrow(c.X, c.Y, chart.Arrow.X, chart.Arrow.Y, kArrowSize);
  }
  const bool held = chart.DragTarget == DragTarget::Cursor;
  pen(held);
  surface.DrawCross(c.X, c.Y, kCrossHalf);
  surface.DrawSquare(c.X, c.Y, 0, held ? kHeldSquareHalf : kSquareHalf);
}

void DrawNodeNumbers(ChartSettings& chart) {
  DrawingSurface& surface = chart.Surface();
  surface.SetTextColor(kMarkColour);
  surface.SetOpaqueText(true);
  for (std::int32_t i = 0; chart.Nodes.IsValidIndex(i); ++i) {
    const ChartPoint node = chart.Nodes.GetNode(i);
    surface.DrawText(node.X, node.Y, NodeNumber(i), DrawingSurface::kAlignCentre,
                     DrawingSurface::kAlignBelow);
  }
  surface.SetOpaqueText(false);
  surface.SetTextColor(kBlack);
}

void Include(TextBox& box, const TextBox& more) {
  if (!std::isfinite(more.left) || !std::isfinite(more.top) || !std::isfinite(more.right) ||
      !std::isfinite(more.bottom)) {
    return;
  }
  if (box.left > box.right) {
    box = more;
    return;
  }
  box = {std::min(box.left, more.left), std::min(box.top, more.top),
         std::max(box.right, more.right), std::max(box.bottom, more.bottom)};
}

void IncludePoint(TextBox& box, PointF p, float reach) {
  Include(box, {p.x - reach, p.y - reach, p.x + reach, p.y + reach});
}

}  // namespace

void DrawSolidMarks(ChartSettings& chart) {
  DrawingSurface& surface = chart.Surface();
  surface.SetMixMode(kMixCopy);
  DrawStrokes(chart, true);
  DrawStrokes(chart, false);
  DrawNodeNumbers(chart);
  surface.SetPen(kBlack, kPenSolid, 1);
}

TextBox SolidMarksBox(const ChartSettings& chart) {
  const DrawingSurface& surface = chart.Surface();
  TextBox box{1.0f, 1.0f, 0.0f, 0.0f};
  IncludePoint(box, surface.WorldToDevice(chart.Cursor.X, chart.Cursor.Y), kPointReach);
  if (chart.RelativeCursor != 0) {
    // The barbs are 4 MarkerUnit long in world units, drawn in pixels of either scale.
    const float barb = 4.0f * kArrowSize * surface.MarkerUnit *
                       std::max(std::abs(surface.ScaleX), std::abs(surface.ScaleY));
    IncludePoint(box, surface.WorldToDevice(chart.Arrow.X, chart.Arrow.Y), kPointReach + barb);
  }
  for (std::int32_t i = 0; chart.Nodes.IsValidIndex(i); ++i) {
    const ChartPoint node = chart.Nodes.GetNode(i);
    IncludePoint(box, surface.WorldToDevice(node.X, node.Y), kPointReach);
    Include(box, surface.PlaceText(node.X, node.Y, NodeNumber(i), DrawingSurface::kAlignCentre,
                                   DrawingSurface::kAlignBelow));
  }
  return box;
}

}  // namespace hygrovia
