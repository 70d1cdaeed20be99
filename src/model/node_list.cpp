#include "model/node_list.h"

#include <algorithm>
#include <cstddef>
#include <fmt/format.h>

#include "model/chart_settings.h"
#include "base/number_text.h"
#include "psychro/geometry.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

void BeginMarks(DrawingSurface& surface) {
  surface.SetPen(kCyan, kPenSolid, 1);
  surface.SetMixMode(kMixXor);
}

void EndMarks(DrawingSurface& surface) { surface.SetMixMode(kMixCopy); }

PointF DevicePoint(const DrawingSurface& surface, ChartPoint p) {
  return surface.WorldToDevice(p.X, p.Y);
}

}  // namespace

void NodeList::Reset() {
  Count = 0;
  Selected = -1;
  Points.fill(ChartPoint{});
}

void NodeList::Clear() { Count = 0; }

std::int32_t NodeList::UsedCount() const { return std::clamp(Count, 0, kCapacity); }

bool NodeList::IsValidIndex(std::int32_t i) const { return i >= 0 && i < UsedCount(); }

ChartPoint NodeList::GetNode(std::int32_t i) const {
  if (!IsValidIndex(i)) return {};
  return Points[static_cast<std::size_t>(i)];
}

void NodeList::SetNode(std::int32_t i, float x, float y) {
  if (!IsValidIndex(i)) return;
  ChartPoint& node = Points[static_cast<std::size_t>(i)];
  node.X = StoredCoordinate(x, node.X);
  node.Y = StoredCoordinate(y, node.Y);
}

bool NodeList::AddAtCursor(ChartPoint cursor) {
  const std::int32_t count = UsedCount();
  if (count >= kCapacity) return false;
  Points[static_cast<std::size_t>(count)] = cursor;
  Selected = count;
  Count = count + 1;
  return true;
}

bool NodeList::AppendPoint(float x, float y) {
  // A point that is not a number lands where the new node stands, at (0, 0).
  if (AddAtCursor(ChartPoint{})) SetNode(Selected, x, y);
  return true;
}

bool NodeList::InsertCopy() {
  const std::int32_t count = UsedCount();
  if (count >= kCapacity || count <= 0 || !IsValidIndex(Selected)) return false;
  for (std::int32_t i = count; i > Selected; --i) {
    Points[static_cast<std::size_t>(i)] = Points[static_cast<std::size_t>(i - 1)];
  }
  ++Selected;
  Count = count + 1;
  return true;
}

bool NodeList::DeleteSelected() {
  const std::int32_t count = UsedCount();
  if (count <= 1) {
    Count = 0;
    return true;
  }
  if (!IsValidIndex(Selected)) return false;
  Count = count - 1;
  for (std::int32_t i = Selected; i < Count; ++i) {
    Points[static_cast<std::size_t>(i)] = Points[static_cast<std::size_t>(i + 1)];
  }
  return true;
}

bool NodeList::DrawNodes(DrawingSurface& surface) const {
  const std::int32_t count = UsedCount();
  if (count <= 0) return false;
  BeginMarks(surface);
  for (std::int32_t i = 0; i < count; ++i) {
    const ChartPoint node = GetNode(i);
    surface.DrawText(node.X, node.Y, fmt::format(" {}. ", i + 1), DrawingSurface::kAlignCentre,
                     DrawingSurface::kAlignBelow);
    if (i > 0) {
      const ChartPoint previous = GetNode(i - 1);
      surface.DrawLine(node.X, node.Y, previous.X, previous.Y);
    }
    surface.DrawSquare(node.X, node.Y, i == Selected ? 1 : 0, kSquareHalf);
  }
  EndMarks(surface);
  return true;
}

bool NodeList::SelectNode(std::int32_t i, DrawingSurface& surface) {
  BeginMarks(surface);
  if (IsValidIndex(Selected)) {
    const ChartPoint old = GetNode(Selected);
    surface.DrawSquare(old.X, old.Y, 1, kSquareHalf);
    surface.DrawSquare(old.X, old.Y, 0, kSquareHalf);
  }
  if (IsValidIndex(i)) {
    const ChartPoint node = GetNode(i);
    surface.DrawSquare(node.X, node.Y, 0, kSquareHalf);
    surface.DrawSquare(node.X, node.Y, 1, kSquareHalf);
  }
  Selected = i;
  EndMarks(surface);
  return true;
}

std::int32_t NodeList::NodeAt(int x, int y, const DrawingSurface& surface) const {
  const PointF press{static_cast<float>(x), static_cast<float>(y)};
  float best = kHitTolerance;
  std::int32_t found = -1;
  for (std::int32_t i = 0; i < UsedCount(); ++i) {
    const PointF node = DevicePoint(surface, GetNode(i));
    const float d = Distance(press.x, press.y, node.x, node.y);
    if (d <= best) {
      found = i;
      best = d;
    }
  }
  return found;
}

std::int32_t NodeList::HitTest(int x, int y, DrawingSurface& surface) {
  const std::int32_t count = UsedCount();
  if (count <= 0) return -1;
  const PointF press{static_cast<float>(x), static_cast<float>(y)};
  const std::int32_t found = NodeAt(x, y, surface);
  if (found >= 0) {
    SelectNode(found, surface);
    return found;
  }
  for (std::int32_t i = 1; i < count; ++i) {
    const PointF a = DevicePoint(surface, GetNode(i));
    const PointF b = DevicePoint(surface, GetNode(i - 1));
    if (DistanceToLine(press.x, press.y, a.x, a.y, b.x, b.y) <= kHitTolerance &&
        SpanContainsX(press, a, b, 1.0f)) {
      return Selected;
    }
  }
  return -1;
}

void NodeList::DrawSelectedLinks(DrawingSurface& surface) const {
  // Each link runs from the later node to the earlier one, as DrawNodes draws it: a line
  // leaves out its end pixel, so only the same direction erases it by XOR without a trace.
  for (const std::int32_t later : {Selected, Selected + 1}) {
    if (!IsValidIndex(later) || !IsValidIndex(later - 1)) continue;
    const ChartPoint from = GetNode(later);
    const ChartPoint to = GetNode(later - 1);
    surface.DrawLine(from.X, from.Y, to.X, to.Y);
  }
}

bool NodeList::MoveSelectedTo(float x, float y, const ChartSettings& settings,
                              DrawingSurface& surface) {
  if (!IsValidIndex(Selected)) return false;
  BeginMarks(surface);
  ChartPoint& node = Points[static_cast<std::size_t>(Selected)];
  surface.DrawSquare(node.X, node.Y, 1, kSquareHalf);
  DrawSelectedLinks(surface);
  // A coordinate that is not a number leaves the node where it was on that axis.
  ChartPoint moved{StoredCoordinate(x, node.X), StoredCoordinate(y, node.Y)};
  settings.ConstrainPoint(moved, VerticalAxisUnits::AbsoluteHumidity);
  node = moved;
  DrawSelectedLinks(surface);
  surface.DrawSquare(node.X, node.Y, 1, kSquareHalf);
  EndMarks(surface);
  return true;
}

void NodeList::DragSelectedTo(int x, int y, const ChartSettings& settings,
                              DrawingSurface& surface) {
  const PointF world = surface.DeviceToWorld(x, y);
  MoveSelectedTo(world.x, world.y, settings, surface);
}

}  // namespace hygrovia
