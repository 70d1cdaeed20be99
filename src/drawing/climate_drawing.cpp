#include "drawing/climate_drawing.h"

#include <fmt/format.h>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "base/number_text.h"
#include "base/row_text.h"
#include "climate/climate_layer.h"
#include "drawing/climate_report.h"
#include "drawing/design_marks.h"
#include "drawing/weather_captions.h"
#include "families/line_family.h"
#include "model/chart_settings.h"
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
// A cell the saturation curve passes through is closed by this many chords of the curve.
constexpr int kCellCurveSteps = 8;
constexpr Colour kBand80Fill = Rgb(222, 232, 250);
constexpr Colour kBand90Fill = Rgb(196, 214, 246);
constexpr Colour kBandLine = Rgb(140, 40, 170);
constexpr float kBandStep = 0.5f;  // °C between the points of a band's saturation edge

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

// The air from dry bulb `from` to `to` (°C), from no moisture up to saturation, held to the
// frame's dry bulbs so that its outline stays a few hundred points at most.
std::vector<PointF> DryBulbStrip(float from, float to, const AirState& air, const Frame& frame) {
  from = std::max(from, frame.left - kBandStep);
  to = std::min(to, frame.right + kBandStep);
  if (!(from < to)) return {};
  std::vector<PointF> strip{{from, 0.0f}, {to, 0.0f}};
  for (float t = to; t > from; t -= kBandStep) {
    strip.push_back({t, static_cast<float>(air.SaturationHumidity(t))});
  }
  strip.push_back({from, static_cast<float>(air.SaturationHumidity(from))});
  return strip;
}

// The adaptive comfort band of the chosen month: its 80 % and, inside it, its 90 % strip.
void DrawAdaptiveBand(DrawingSurface& surface, const AdaptiveBand& band, const AirState& air,
                      const Frame& frame) {
  if (!band.applies) return;
  const auto comfort = static_cast<float>(band.comfort);
  const float wide = static_cast<float>(kBand80);
  const float narrow = static_cast<float>(kBand90);
  for (const auto& [half, fill] : {std::pair{wide, kBand80Fill}, std::pair{narrow, kBand90Fill}}) {
    const std::vector<PointF> strip =
        ClipToFrame(DryBulbStrip(comfort - half, comfort + half, air, frame), frame);
    surface.SetBrush(fill, kBrushSolid);
    FillWorldPolygon(surface, strip);
  }
}

// The edges of the band, over the hours so that it shows where they lie thick.
void OutlineAdaptiveBand(DrawingSurface& surface, const AdaptiveBand& band, const AirState& air,
                         const Frame& frame) {
  if (!band.applies) return;
  for (const double half : {-kBand80, -kBand90, kBand90, kBand80}) {
    // The 80 % band's edges solid, the 90 % band's dotted.
    surface.SetPen(kBandLine, std::abs(half) == kBand80 ? kPenSolid : kPenDotted, 2);
    const auto t = static_cast<float>(band.comfort + half);
    if (t < frame.left || t > frame.right) continue;
    const float bottom = std::max(0.0f, frame.bottom);
    const float top = std::min(static_cast<float>(air.SaturationHumidity(t)), frame.top);
    if (bottom < top) surface.DrawLine(t, bottom, t, top);
  }
}

// A cell as drawn: the part of it inside the frame and under the saturation curve.
struct DrawnCell {
  std::vector<PointF> outline;
  int count = 0;
};

// The part of the rectangle x1..x2 by y1..y2 under the saturation curve: a rectangle where the
// curve passes over it, else the curve's samples close it from above; empty where none is.
std::vector<PointF> UnderSaturation(const AirState& air, float x1, float y1, float x2, float y2) {
  const auto saturation = [&air](float x) { return static_cast<float>(air.SaturationHumidity(x)); };
  // Left of the dew point of the bottom edge the cell lies wholly above the curve.
  const float start =
      y1 > 0.0f ? std::max(x1, static_cast<float>(air.DewPointFromHumidity(y1))) : x1;
  if (!(start < x2)) return {};
  if (!(saturation(start) < y2)) return {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}};
  std::vector<PointF> outline{{start, y1}, {x2, y1}};
  for (int k = kCellCurveSteps; k >= 0; --k) {
    const float x = start + (x2 - start) * static_cast<float>(k) / kCellCurveSteps;
    outline.push_back({x, std::clamp(saturation(x), y1, y2)});
  }
  return outline;
}

std::vector<DrawnCell> DrawnCells(const AirState& air, const HourBins& bins, const Frame& f) {
  std::vector<DrawnCell> cells;
  const float w = bins.CellWidth();
  const float h = bins.CellHeight();
  bins.ForEachCell([&](float left, float bottom, int count) {
    const float x1 = std::max(left, f.left);
    const float x2 = std::min(left + w, f.right);
    const float y1 = std::max(bottom, f.bottom);
    const float y2 = std::min(bottom + h, f.top);
    if (x1 >= x2 || y1 >= y2) return;
    std::vector<PointF> outline = UnderSaturation(air, x1, y1, x2, y2);
    if (!outline.empty()) cells.push_back({std::move(outline), count});
  });
  return cells;
}

int LargestCount(const std::vector<DrawnCell>& cells) {
  int largest = 0;
  for (const DrawnCell& cell : cells) largest = std::max(largest, cell.count);
  return largest;
}

void DrawDensity(DrawingSurface& surface, const std::vector<DrawnCell>& cells) {
  const int largest = LargestCount(cells);
  for (const DrawnCell& cell : cells) {
    surface.SetBrush(HourShade(cell.count, largest), kBrushSolid);
    if (cell.outline.size() == 4) {
      FillWorldRect(surface, cell.outline[0].x, cell.outline[0].y, cell.outline[2].x,
                    cell.outline[2].y);
    } else {
      FillWorldPolygon(surface, cell.outline);
    }
  }
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

// Characters of text, a UTF-8 sequence counting once.
std::size_t Characters(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
  }));
}

// The first count characters of text.
std::string_view Leading(std::string_view text, std::size_t count) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0u) != 0x80u && seen++ == count) {
      return text.substr(0, i);
    }
  }
  return text;
}

// line as a row drawn from at, cut with an ellipsis where it would run past the picture's
// right edge (a long place name, say).
std::string FittedRow(const DrawingSurface& surface, PointF at, std::string_view line) {
  const std::string text = RowText(line);
  const float room = static_cast<float>(surface.DeviceWidth) - surface.WorldToDevice(at.x, at.y).x;
  const auto fits = [&](std::string_view t) {
    const TextBox box =
        surface.PlaceText(at.x, at.y, t, DrawingSurface::kAlignStart, DrawingSurface::kAlignMiddle);
    return box.right - box.left <= room;
  };
  if (fits(text)) return text;
  constexpr std::string_view kEllipsis = "\xE2\x80\xA6";
  std::size_t low = 0;
  std::size_t high = Characters(text);
  while (low < high) {
    const std::size_t middle = (low + high + 1) / 2;
    if (fits(std::string(Leading(text, middle)) + std::string(kEllipsis))) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  return std::string(Leading(text, low)) + std::string(kEllipsis);
}

// The title lines (with the hours not shown and the comfort settings in force) and, under
// them, the colour scale from one hour to the most in a drawn cell, numbered at its ends and
// middle, in the rows below the data table.
void DrawTitle(ChartSettings& chart, const ClimateLayer& layer, int largest) {
  DrawingSurface& surface = chart.Surface();
  int row = chart.TableLineCount + 1;
  std::vector<std::string> lines = WeatherTitleLines(chart);
  const std::string outside = HoursOutsideCaption(chart);
  if (!outside.empty()) lines.push_back(outside);
  for (std::string& line : ClimateSettingsLines(chart)) lines.push_back(std::move(line));
  for (const std::string& line : lines) {
    const PointF at = surface.TextRowPosition(0.0f, row++);
    surface.DrawLabel(at.x, at.y, FittedRow(surface, at, line), 1);
  }
  if (!layer.HasWeather() || layer.Display() != HoursDisplay::Density || largest == 0) return;
  const PointF at = surface.TextRowPosition(0.0f, row++);
  surface.DrawLabel(at.x, at.y, fmt::format("Hours per cell, 1 to {}:", largest), 1);
  const PointF scale = surface.TextRowPosition(0.0f, row++);
  const float height = surface.TextHeightWorld("W");
  const float width = 2.0f * surface.TextHeightPixels("W") / surface.ScaleX;
  for (int shade = 0; shade < kHourShades; ++shade) {
    surface.SetBrush(HourShade(1 + shade * largest / kHourShades, largest), kBrushSolid);
    const float x = scale.x + static_cast<float>(shade) * width;
    FillWorldRect(surface, x, scale.y - 0.4f * height, x + width, scale.y + 0.4f * height);
  }
  const float numbers = surface.TextRowPosition(0.0f, row).y;
  const float across = static_cast<float>(kHourShades) * width;
  surface.DrawText(scale.x, numbers, "1", DrawingSurface::kAlignStart,
                   DrawingSurface::kAlignMiddle);
  surface.DrawText(scale.x + 0.5f * across, numbers, fmt::format("{}", (largest + 1) / 2),
                   DrawingSurface::kAlignCentre, DrawingSurface::kAlignMiddle);
  surface.DrawText(scale.x + across, numbers, fmt::format("{}", largest), DrawingSurface::kAlignEnd,
                   DrawingSurface::kAlignMiddle);
}

// Each zone's clothing, "0.5 clo", centred a little under the top of the zone.
void LabelZones(DrawingSurface& surface, const std::vector<ComfortZone>& zones, const Frame& f) {
  surface.SetTextColor(kZoneLine);
  for (const ComfortZone& zone : zones) {
    if (zone.rows.empty()) continue;
    const ZoneRow& top = zone.rows[zone.rows.size() * 3 / 4];
    const float x = 0.5f * (top.left + top.right);
    if (x < f.left || x > f.right || top.moisture < f.bottom || top.moisture > f.top) continue;
    surface.DrawText(x, top.moisture, fmt::format("{:.1f} clo", zone.clothing),
                     DrawingSurface::kAlignCentre, DrawingSurface::kAlignMiddle);
  }
  surface.SetTextColor(kBlack);
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
  if (const auto band = layer.Band()) DrawAdaptiveBand(surface, *band, air, frame);
  if (layer.ShowsComfort()) FillZones(surface, layer.Zones(air), frame);
  int largest = 0;
  if (layer.HasWeather()) {
    if (layer.Display() == HoursDisplay::Density) {
      const std::vector<DrawnCell> cells = DrawnCells(air, layer.Bins(air), frame);
      largest = LargestCount(cells);
      DrawDensity(surface, cells);
    } else {
      DrawDots(surface, layer.Points(air), frame);
    }
  }
  if (const auto band = layer.Band()) OutlineAdaptiveBand(surface, *band, air, frame);
  if (layer.ShowsComfort()) {
    OutlineZones(surface, layer.Zones(air), frame);
    LabelZones(surface, layer.Zones(air), frame);
  }
  if (layer.ShowsDesign()) {
    if (const auto& design = layer.Design(air)) DrawDesignMarks(surface, *design, air);
  }
  DrawTitle(chart, layer, largest);
  surface.SetPen(kBlack, kPenSolid, 1);
}

}  // namespace hygrovia
