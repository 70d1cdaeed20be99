#include "drawing/chart_cursor.h"

#include <cmath>
#include <string_view>
#include <fmt/format.h>

#include "base/chart_point.h"
#include "model/chart_settings.h"
#include "drawing/data_table.h"
#include "drawing/highlight_captions.h"
#include "base/number_text.h"
#include "units/quantity_text.h"
#include "model/status_line.h"
#include "psychro/air_state.h"
#include "psychro/geometry.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"

namespace hygrovia {

namespace {

// A press hits a mark closer than this, pixels.
constexpr float kPickRadius = 10.0f;
constexpr int kCrossHalf = 8;
constexpr int kSquareHalf = 3;
constexpr float kArrowSize = 1.0f;

// The read-outs' layout; the numbers and their units come from the chart's units.
constexpr std::string_view kCursorFormat =
    " Cursor: DB %0.1f%s,  WB %0.1f%s,  RH %0.1f%%  AH %0.1f%s";
constexpr std::string_view kArrowFormat =
    " Arrow: DB %0.1f%s,  WB %0.1f%s,  RH %0.1f%%  AH %0.1f%s";
constexpr std::string_view kOutsideText = " Cursor: Outside graph extents";

// The read-out names the property model when it is not the chart's own formulas.
std::string StateText(std::string_view format, const AirState& state, const QuantityText& units) {
  const std::string_view degrees = units.RowUnit(Quantity::Temperature);
  std::string text =
      FormatText(format, units.Shown(Quantity::Temperature, state.DryBulb), degrees,
                 units.Shown(Quantity::Temperature, state.WetBulb), degrees, state.RelHumidity,
                 units.Shown(Quantity::Moisture, state.AbsHumidity),
                 std::string(units.RowUnit(Quantity::Moisture)));
  if (state.Model != PropertyModel::ChartFormulas) {
    text += fmt::format("  ({})", PropertyModelName(state.Model));
  }
  return text;
}

// True when pixel (X, Y) lies within the pick radius of the point's device position. A point
// that no longer has a finite device position (zoomed beyond the float range) is never hit.
bool IsNear(const DrawingSurface& surface, ChartPoint point, int X, int Y) {
  const PointF device = surface.WorldToDevice(point.X, point.Y);
  if (!std::isfinite(device.x) || !std::isfinite(device.y)) {
    return false;
  }
  return Distance(static_cast<float>(X), static_cast<float>(Y), device.x, device.y) < kPickRadius;
}

// Inverts the inside of the cursor's square (select) or restores it; the outline stays.
void MarkCursorSquare(ChartSettings& chart, bool select) {
  DrawingSurface& surface = chart.Surface();
  const ChartPoint c = chart.Cursor;
  surface.SetPen(kCyan, kPenSolid, 1);
  surface.SetMixMode(kMixXor);
  surface.DrawSquare(c.X, c.Y, select ? 0 : 1, kSquareHalf);
  surface.DrawSquare(c.X, c.Y, select ? 1 : 0, kSquareHalf);
  surface.SetMixMode(kMixCopy);
}

void MovePoint(ChartPoint& point, float x, float y) {
  point = {StoredCoordinate(x, point.X), StoredCoordinate(y, point.Y)};
}

bool WithinRanges(const ChartSettings& chart, PointF p) {
  return std::isfinite(p.x) && std::isfinite(p.y) && chart.HumidityMin <= p.y &&
         p.y <= chart.HumidityMax && chart.TempMin <= p.x && p.x <= chart.TempMax;
}

// The limiting of SetFromHumidity may move the point within the same whole units (a moisture
// of 10.9 against a saturation value of 10.2 still reads), but not beyond them.
bool KeptWholeUnits(PointF p, const AirState& state) {
  return std::trunc(static_cast<double>(p.y)) == std::trunc(state.AbsHumidity) &&
         std::trunc(static_cast<double>(p.x)) == std::trunc(state.DryBulb);
}

bool IsOverlay(std::int32_t mode) {
  return mode > HighlightMode::kLastLineFamily && mode <= HighlightMode::MixingAirStreams;
}

}  // namespace

void DrawCursorMarks(ChartSettings& chart, int selected) {
  DrawingSurface& surface = chart.Surface();
  const ChartPoint c = chart.Cursor;
  surface.SetPen(kCyan, kPenSolid, 1);
  surface.SetMixMode(kMixXor);
  surface.DrawCross(c.X, c.Y, kCrossHalf);
  surface.DrawSquare(c.X, c.Y, selected, kSquareHalf);
  if (chart.RelativeCursor != 0) {
    surface.DrawArrow(c.X, c.Y, chart.Arrow.X, chart.Arrow.Y, kArrowSize);
  }
  surface.SetMixMode(kMixCopy);
}

bool GrabAt(ChartSettings& chart, int X, int Y, bool leftButton) {
  DrawingSurface& surface = chart.Surface();
  if (IsNear(surface, chart.Cursor, X, Y)) {
    if (leftButton) {
      MarkCursorSquare(chart, true);
    }
    chart.DragTarget = DragTarget::Cursor;
    return true;
  }
  if (chart.RelativeCursor != 0 && IsNear(surface, chart.Arrow, X, Y)) {
    chart.DragTarget = DragTarget::Arrow;
    return true;
  }
  if (chart.Nodes.HitTest(X, Y, surface) >= 0) {
    chart.DragTarget = DragTarget::Node;
    return true;
  }
  if (!leftButton) {
    chart.DragTarget = DragTarget::None;
    return false;
  }
  chart.DragTarget = DragTarget::Cursor;
  MarkCursorSquare(chart, true);
  DragTo(chart, X, Y);
  return true;
}

void DragTo(ChartSettings& chart, int X, int Y) {
  if (chart.DragTarget == DragTarget::Node) {
    chart.Nodes.DragSelectedTo(X, Y, chart, chart.Surface());
    return;
  }
  const PointF p = chart.Surface().DeviceToWorld(X, Y);
  MoveGrabbedTo(chart, p.x, p.y);
}

void MoveGrabbedTo(ChartSettings& chart, float x, float y) {
  if (chart.DragTarget == DragTarget::Node) {
    chart.Nodes.MoveSelectedTo(x, y, chart, chart.Surface());
    return;
  }
  DrawCursorMarks(chart, 1);
  if (chart.DragTarget == DragTarget::Cursor) {
    MovePoint(chart.Cursor, x, y);
  } else if (chart.DragTarget == DragTarget::Arrow) {
    MovePoint(chart.Arrow, x, y);
  }
  // The table builders also pull the points back into the ranges and onto or below saturation.
  if (chart.RelativeCursor != 0) {
    BuildRelativeTable(chart);
  } else {
    BuildPointTable(chart);
  }
  DrawCursorMarks(chart, 1);
  DrawTable(chart);
}

void TrackMouse(ChartSettings& chart, StatusLine& status, int X, int Y) {
  // With a highlight in force and nothing held, its caption stays in the status line.
  if (chart.Highlight == HighlightMode::None || chart.DragTarget != DragTarget::None) {
    ShowStateAt(chart, status, X, Y);
  }
}

void ShowStateAt(ChartSettings& chart, StatusLine& status, int X, int Y) {
  const PointF p = chart.Surface().DeviceToWorld(X, Y);
  if (!WithinRanges(chart, p)) {
    status.SetText(OutsideStatusText());
    return;
  }
  AirState state;
  state.ResetState();
  state.Pressure = chart.CursorState().Pressure;
  state.Model = chart.CursorState().Model;
  state.SetFromHumidity(p.x, p.y);
  status.SetText(KeptWholeUnits(p, state) ? CursorStatusText(state, chart.GetUnits())
                                          : OutsideStatusText());
}

void EndDrag(ChartSettings& chart, StatusLine& status) {
  // An overlay is drawn around the cursor and a node's number and lines only by a full
  // drawing, so those follow the drag by redrawing the chart.
  if (IsOverlay(chart.Highlight)) {
    chart.Surface().Redraw();
  } else if (chart.DragTarget == DragTarget::Cursor) {
    MarkCursorSquare(chart, false);
  } else if (chart.DragTarget == DragTarget::Node) {
    chart.Surface().Redraw();
  }
  chart.DragTarget = DragTarget::None;
  status.SetText(HighlightCaption(chart.Highlight, chart.GetUnits()));
}

bool IsOverMark(const ChartSettings& chart, int X, int Y) {
  const DrawingSurface& surface = chart.Surface();
  return IsNear(surface, chart.Cursor, X, Y) ||
         (chart.RelativeCursor != 0 && IsNear(surface, chart.Arrow, X, Y)) ||
         chart.Nodes.NodeAt(X, Y, surface) >= 0;
}

std::string HeldStatusText(const ChartSettings& chart, std::int32_t target) {
  switch (target) {
    case DragTarget::Cursor:
      return CursorStatusText(chart.CursorState(), chart.GetUnits());
    case DragTarget::Arrow:
      return ArrowStatusText(chart.ArrowState(), chart.GetUnits());
    case DragTarget::Node: {
      // The node as stored, so held to the ranges and to saturation as its square is.
      const ChartPoint node = chart.Nodes.GetNode(chart.Nodes.Selected);
      AirState state;
      state.ResetState();
      state.Pressure = chart.GetPressure();
      state.Model = chart.GetPropertyModel();
      state.SetFromHumidity(node.X, node.Y);
      return CursorStatusText(state, chart.GetUnits());
    }
    default:
      return {};
  }
}

std::string CursorStatusText(const AirState& state, const QuantityText& units) {
  return StateText(kCursorFormat, state, units);
}

std::string ArrowStatusText(const AirState& state, const QuantityText& units) {
  return StateText(kArrowFormat, state, units);
}

std::string CursorStatusText(const AirState& state) {
  return CursorStatusText(state, QuantityText::Si());
}

std::string ArrowStatusText(const AirState& state) {
  return ArrowStatusText(state, QuantityText::Si());
}

std::string OutsideStatusText() { return std::string(kOutsideText); }

}  // namespace hygrovia
