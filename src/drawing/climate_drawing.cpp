#include "drawing/climate_drawing.h"

#include <algorithm>
#include <vector>
#include <fmt/format.h>

#include "model/chart_settings.h"
#include "climate/climate_layer.h"
#include "families/line_family.h"
#include "base/number_text.h"
#include "base/row_text.h"
#include "psychro/air_state.h"
#include "surface/area_fill.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

constexpr Colour kZoneFill = Rgb(214, 240, 214);
constexpr Colour kZoneLine = Rgb(0, 128, 0);
constexpr Colour kDot = Rgb(150, 50, 20);
constexpr Colour kLightest = Rgb(250, 232, 190);
constexpr Colour kDarkest = Rgb(150, 70, 20);

// The chart's ranges as the surface holds them, lowest first.
struct Frame {
  float left, bottom, right, top;
};

Frame ChartFrame(const DrawingSurface& s) { return {s.MinX, s.MinY, s.MaxX, s.MaxY}; }

// The polygon cut to one side of a line: keep(p) says which points stay, cross(a, b) where
// the edge from a to b meets the line.
template <typename Keep, typename Cross>
std::vector<PointF> CutPolygon(const std::vector<PointF>& in, Keep keep, Cross cross) {
  std::vector<PointF> out;
  for (std::size_t i = 0; i < in.size(); ++i) {
    const PointF a = in[i];
    const PointF b = in[(i + 1) % in.size()];
    if (keep(a)) out.push_back(a);
    if (keep(a) != keep(b)) out.push_back(cross(a, b));
  }
  return out;
}

PointF AtX(PointF a, PointF b, float x) { return {x, LinearInterpolate(x, a.x, b.x, a.y, b.y)}; }
PointF AtY(PointF a, PointF b, float y) { return {LinearInterpolate(y, a.y, b.y, a.x, b.x), y}; }

// The polygon cut to the frame (Sutherland and Hodgman).
std::vector<PointF> ClipToFrame(std::vector<PointF> p, const Frame& f) {
  p = CutPolygon(
      p, [&](PointF q) { return q.x >= f.left; },
      [&](PointF a, PointF b) { return AtX(a, b, f.left); });
  p = CutPolygon(
      p, [&](PointF q) { return q.x <= f.right; },
      [&](PointF a, PointF b) { return AtX(a, b, f.right); });
  p = CutPolygon(
      p, [&](PointF q) { return q.y >= f.bottom; },
      [&](PointF a, PointF b) { return AtY(a, b, f.bottom); });
  return CutPolygon(
      p, [&](PointF q) { return q.y <= f.top; },
      [&](PointF a, PointF b) { return AtY(a, b, f.top); });
}

void FillZones(DrawingSurface& surface, const std::vector<ComfortZone>& zones, const Frame& frame) {
  surface.SetBrush(kZoneFill, kBrushSolid);
  for (const ComfortZone& zone : zones) {
    const std::vector<PointF> inside = ClipToFrame(zone.Outline(), frame);
    FillWorldPolygon(surface, inside);
  }
}

// Each zone's outline within the frame: the clipped polygon's edges that are no part of the
// frame's own edges.
void OutlineZones(DrawingSurface& surface, const std::vector<ComfortZone>& zones,
                  const Frame& frame) {
  surface.SetPen(kZoneLine, kPenSolid, 2);
  for (const ComfortZone& zone : zones) {
    const std::vector<PointF> p = ClipToFrame(zone.Outline(), frame);
    for (std::size_t i = 0; i < p.size(); ++i) {
      const PointF a = p[i];
      const PointF b = p[(i + 1) % p.size()];
      const bool onFrame = (a.x == b.x && (a.x == frame.left || a.x == frame.right)) ||
                           (a.y == b.y && (a.y == frame.bottom || a.y == frame.top));
      if (!onFrame) DrawSegment(surface, a, b);
    }
  }
}

void DrawDensity(DrawingSurface& surface, const HourBins& bins, const Frame& f) {
  const float w = bins.CellWidth();
  const float h = bins.CellHeight();
  bins.ForEachCell([&](float left, float bottom, int count) {
    const float x1 = std::max(left, f.left);
    const float x2 = std::min(left + w, f.right);
    const float y1 = std::max(bottom, f.bottom);
    const float y2 = std::min(bottom + h, f.top);
    if (x1 >= x2 || y1 >= y2) return;
    surface.SetBrush(HourShade(count, bins.Largest()), kBrushSolid);
    FillWorldRect(surface, x1, y1, x2, y2);
  });
}

void DrawDots(DrawingSurface& surface, const std::vector<ChartPoint>& points, const Frame& f) {
  // Two pixels square, whatever the zoom.
  const float dx = 1.0f / surface.ScaleX;
  const float dy = 1.0f / surface.ScaleY;
  surface.SetBrush(kDot, kBrushSolid);
  for (const ChartPoint p : points) {
    if (p.X < f.left || p.X > f.right || p.Y < f.bottom || p.Y > f.top) continue;
    FillWorldRect(surface, p.X - dx, p.Y - dy, p.X + dx, p.Y + dy);
  }
}

// The title lines and, under them, the colour scale from one hour to the most in a cell, in
// the rows below the data table.
void DrawTitle(ChartSettings& chart, const ClimateLayer& layer) {
  DrawingSurface& surface = chart.Surface();
  const AirState& air = chart.CursorState();
  int row = chart.TableLineCount + 1;
  for (const std::string& line : layer.TitleLines(air)) {
    const PointF at = surface.TextRowPosition(0.0f, row++);
    surface.DrawLabel(at.x, at.y, RowText(line), 1);
  }
  if (layer.Display() != HoursDisplay::Density) return;
  const int largest = layer.Bins(air).Largest();
  if (largest == 0) return;
  const PointF at = surface.TextRowPosition(0.0f, row++);
  surface.DrawLabel(at.x, at.y, fmt::format("Hours per cell, 1 to {}:", largest), 1);
  const PointF scale = surface.TextRowPosition(0.0f, row);
  const float height = surface.TextHeightWorld("W");
  const float width = 2.0f * surface.TextHeightPixels("W") / surface.ScaleX;
  for (int shade = 0; shade < kHourShades; ++shade) {
    surface.SetBrush(HourShade(1 + shade * largest / kHourShades, largest), kBrushSolid);
    const float x = scale.x + static_cast<float>(shade) * width;
    FillWorldRect(surface, x, scale.y - 0.4f * height, x + width, scale.y + 0.4f * height);
  }
}

std::uint8_t Blend(std::uint8_t light, std::uint8_t dark, int step) {
  return static_cast<std::uint8_t>(light + (dark - light) * step / (kHourShades - 1));
}

}  // namespace

Colour HourShade(int count, int largest) {
  const int step =
      largest > 0 ? std::clamp((count * kHourShades - 1) / largest, 0, kHourShades - 1) : 0;
  return Rgb(Blend(RedOf(kLightest), RedOf(kDarkest), step),
             Blend(GreenOf(kLightest), GreenOf(kDarkest), step),
             Blend(BlueOf(kLightest), BlueOf(kDarkest), step));
}

void DrawClimateLayer(ChartSettings& chart) {
  const ClimateLayer& layer = chart.Climate;
  if (layer.IsEmpty()) return;
  DrawingSurface& surface = chart.Surface();
  const AirState& air = chart.CursorState();
  const Frame frame = ChartFrame(surface);
  if (layer.ShowsComfort()) FillZones(surface, layer.Zones(air), frame);
  if (layer.HasWeather()) {
    if (layer.Display() == HoursDisplay::Density) {
      DrawDensity(surface, layer.Bins(air), frame);
    } else {
      DrawDots(surface, layer.Points(air), frame);
    }
  }
  if (layer.ShowsComfort()) OutlineZones(surface, layer.Zones(air), frame);
  DrawTitle(chart, layer);
  surface.SetPen(kBlack, kPenSolid, 1);
}

}  // namespace hygrovia
