#include "styles/clear_marks.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>
#include <fmt/format.h>

#include "base/number_text.h"
#include "model/chart_settings.h"
#include "styles/label_board.h"
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

// Pixels of the barbs of an arrow of kArrowSize, in either scale.
float BarbReach(const DrawingSurface& surface) {
  return 4.0f * kArrowSize * surface.MarkerUnit *
         std::max(std::abs(surface.ScaleX), std::abs(surface.ScaleY));
}

// Where a node's name may stand about its mark, tried in this order: right, left, above,
// below right.
struct NamePlace {
  int hAlign;
  int vAlign;
  float dx;
  float dy;
};
constexpr float kNameGap = kHeldSquareHalf + 3.0f;
constexpr NamePlace kNamePlaces[] = {
    {DrawingSurface::kAlignStart, DrawingSurface::kAlignMiddle, kNameGap, 0.0f},
    {DrawingSurface::kAlignEnd, DrawingSurface::kAlignMiddle, -kNameGap, 0.0f},
    {DrawingSurface::kAlignCentre, DrawingSurface::kAlignAbove, 0.0f, -kNameGap},
    {DrawingSurface::kAlignStart, DrawingSurface::kAlignBelow, kNameGap, kNameGap},
};

TextBox Shifted(TextBox box, float dx, float dy) {
  return {box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
}

// The box of each node's name (empty, left above right, for a node without one): the first
// place about its mark that keeps clear of the marks, the numbers and the names before it, or
// the first place when none does.
std::vector<TextBox> NameBoxes(const ChartSettings& chart) {
  const DrawingSurface& surface = chart.Surface();
  const NodeList& nodes = chart.Nodes;
  std::vector<TextBox> boxes;
  if (!nodes.AnyNamed()) return boxes;
  LabelBoard board({0.0f, 0.0f, static_cast<float>(surface.DeviceWidth),
                    static_cast<float>(surface.DeviceHeight)});
  const auto takePoint = [&board, &surface](ChartPoint p, float reach) {
    const PointF d = surface.WorldToDevice(p.X, p.Y);
    board.Take({d.x - reach, d.y - reach, d.x + reach, d.y + reach});
  };
  takePoint(chart.Cursor, kCrossHalf);
  for (std::int32_t i = 0; nodes.IsValidIndex(i); ++i) {
    const ChartPoint node = nodes.GetNode(i);
    takePoint(node, kHeldSquareHalf);
    board.Take(surface.PlaceText(node.X, node.Y, NodeNumber(i), DrawingSurface::kAlignCentre,
                                 DrawingSurface::kAlignBelow));
  }
  for (std::int32_t i = 0; nodes.IsValidIndex(i); ++i) {
    const std::string_view name = nodes.Name(i);
    TextBox chosen{1.0f, 1.0f, 0.0f, 0.0f};
    if (!name.empty()) {
      const PointF d = surface.WorldToDevice(nodes.GetNode(i).X, nodes.GetNode(i).Y);
      for (const NamePlace& place : kNamePlaces) {
        const TextBox box = Shifted(surface.PlaceDeviceText(d, name, place.hAlign, place.vAlign),
                                    place.dx, place.dy);
        if (chosen.left > chosen.right) chosen = box;
        if (board.Fits(box)) {
          chosen = box;
          break;
        }
      }
      board.Take(chosen);
    }
    boxes.push_back(chosen);
  }
  return boxes;
}

// The strokes of every mark, in the halo's pen (wider, white) or the mark's own.
void DrawStrokes(ChartSettings& chart, bool halo) {
  DrawingSurface& surface = chart.Surface();
  const auto pen = [&](bool heavy) {
    const float width = heavy ? kHeldWidth : kMarkWidth;
    surface.SetSmoothPen(halo ? kWhite : surface.MarkInk(kMarkColour), kPenSolid,
                         halo ? width + 2.0f * kHaloReach : width);
  };
  const NodeList& nodes = chart.Nodes;
  pen(false);
  // Each link points the way the air goes, from a node to the next.
  for (std::int32_t i = 1; nodes.IsValidIndex(i); ++i) {
    const ChartPoint node = nodes.GetNode(i);
    const ChartPoint previous = nodes.GetNode(i - 1);
    surface.DrawArrow(previous.X, previous.Y, node.X, node.Y, kArrowSize);
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
  surface.SetTextColor(surface.MarkInk(kMarkColour));
  surface.SetOpaqueText(true);
  for (std::int32_t i = 0; chart.Nodes.IsValidIndex(i); ++i) {
    const ChartPoint node = chart.Nodes.GetNode(i);
    surface.DrawText(node.X, node.Y, NodeNumber(i), DrawingSurface::kAlignCentre,
                     DrawingSurface::kAlignBelow);
  }
  const std::vector<TextBox> names = NameBoxes(chart);
  for (std::size_t i = 0; i < names.size(); ++i) {
    const TextBox& box = names[i];
    if (box.left <= box.right) {
      surface.DrawTextInBox(box, chart.Nodes.Name(static_cast<std::int32_t>(i)));
    }
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
    IncludePoint(box, surface.WorldToDevice(chart.Arrow.X, chart.Arrow.Y),
                 kPointReach + BarbReach(surface));
  }
  for (std::int32_t i = 0; chart.Nodes.IsValidIndex(i); ++i) {
    const ChartPoint node = chart.Nodes.GetNode(i);
    // A node after the first carries the head of its link.
    IncludePoint(box, surface.WorldToDevice(node.X, node.Y),
                 kPointReach + (i > 0 ? BarbReach(surface) : 0.0f));
    Include(box, surface.PlaceText(node.X, node.Y, NodeNumber(i), DrawingSurface::kAlignCentre,
                                   DrawingSurface::kAlignBelow));
  }
  for (const TextBox& name : NameBoxes(chart)) {
    if (name.left <= name.right) Include(box, name);
  }
  return box;
}

}  // namespace hygrovia
