#include "styles/clear_enthalpy_scale.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <fmt/format.h>

#include "base/number_text.h"
#include "families/line_family.h"
#include "model/chart_grid.h"
#include "model/chart_settings.h"
#include "psychro/air_state.h"
#include "styles/clear_style.h"
#include "styles/label_placer.h"
#include "units/quantity_text.h"

namespace hygrovia {
namespace {

// Enthalpy (kJ/kg) = dry bulb + kEnthalpyPerMoisture × moisture, as the chart's lines run.
constexpr double kEnthalpyPerMoisture = 2.525252525;
// The scale stands this many text heights beyond the chord, clear of the wet-bulb numbers on
// the curve; ticks reach outward from it, numbered ones further.
constexpr float kOffsetLines = 1.6f;
constexpr float kTick = 4.0f;
constexpr float kNumberedTick = 7.0f;
constexpr int kMostTicks = 1000;

struct Ticks {
  double step;      // shown unit
  double numbered;  // shown unit
};

Ticks TicksOf(UnitSystem system) {
  return system == UnitSystem::Ip ? Ticks{1.0, 5.0} : Ticks{5.0, 10.0};
}

double EnthalpyAt(PointF world) { return world.x + kEnthalpyPerMoisture * world.y; }

// Where the saturation curve leaves the frame: through the top edge, or the right edge.
PointF SaturationExit(const ChartSettings& chart) {
  const DrawingSurface& surface = chart.Surface();
  const AirState& air = chart.CursorState();
  const auto top = static_cast<float>(air.DewPointFromHumidity(surface.MaxY));
  if (std::isfinite(top) && top <= surface.MaxX) return {top, surface.MaxY};
  return {surface.MaxX, SaturationAt(air, surface.MaxX)};
}

// The scale in device pixels, with the world point of its start and the world step per pixel.
struct Scale {
  PointF from;   // device
  PointF to;     // device
  PointF out;    // unit normal away from the curve, device
  PointF world;  // world point of from
};

PointF ToWorld(const DrawingSurface& surface, const Scale& scale, PointF device) {
  return {scale.world.x + (device.x - scale.from.x) / surface.ScaleX,
          scale.world.y - (device.y - scale.from.y) / surface.ScaleY};
}

bool InFrame(const DrawingSurface& surface, PointF world) {
  return world.x >= surface.MinX && world.x <= surface.MaxX && world.y >= surface.MinY &&
         world.y <= surface.MaxY;
}

void DrawDeviceLine(DrawingSurface& surface, const Scale& scale, PointF a, PointF b) {
  DrawSegment(surface, ToWorld(surface, scale, a), ToWorld(surface, scale, b));
}

}  // namespace

void PlaceEnthalpyScale(ChartSettings& chart, Placer& placer) {
  DrawingSurface& surface = chart.Surface();
  if (!(surface.ScaleX > 0.0f) || !(surface.ScaleY > 0.0f)) return;
  const PointF entry = SaturationEntry(chart);
  const PointF exit = SaturationExit(chart);
  const PointF a = surface.WorldToDevice(entry.x, entry.y);
  const PointF b = surface.WorldToDevice(exit.x, exit.y);
  const float length = std::hypot(b.x - a.x, b.y - a.y);
  if (!(length > 1.0f) || !std::isfinite(length)) return;
  const PointF along{(b.x - a.x) / length, (b.y - a.y) / length};
  // The chord climbs to the right; its upper-left side lies away from the curve.
  const PointF out{along.y, -along.x};
  const float offset = kOffsetLines * surface.TextHeightPixels("W");
  Scale scale{{a.x + out.x * offset, a.y + out.y * offset},
              {b.x + out.x * offset, b.y + out.y * offset},
              out,
              {}};
  scale.world = {entry.x + out.x * offset / surface.ScaleX,
                 entry.y - out.y * offset / surface.ScaleY};
  const double hFrom = EnthalpyAt(scale.world);
  const double hTo = EnthalpyAt(ToWorld(surface, scale, scale.to));
  if (!(hTo > hFrom)) return;
  const QuantityText& units = chart.GetUnits();
  const Ticks ticks = TicksOf(units.System());
  const double first = ticks.step * std::ceil(units.Shown(Quantity::Enthalpy, hFrom) / ticks.step);
  const Colour ink = ClearLabelColour(LineFamily::Enthalpy);
  surface.SetSmoothPen(ink, kPenSolid, 1.0f);
  bool any = false;
  PointF low{};
  PointF high{};
  for (int n = 0; n < kMostTicks; ++n) {
    const double shown = first + ticks.step * n;
    const double h = units.FromShown(Quantity::Enthalpy, shown);
    if (h > hTo) break;
    const auto share = static_cast<float>((h - hFrom) / (hTo - hFrom));
    const PointF at{scale.from.x + (scale.to.x - scale.from.x) * share,
                    scale.from.y + (scale.to.y - scale.from.y) * share};
    if (!InFrame(surface, ToWorld(surface, scale, at))) continue;
    const double steps = shown / ticks.numbered;
    const bool numbered = std::abs(steps - std::round(steps)) < 1e-6;
    const float tick = numbered ? kNumberedTick : kTick;
    DrawDeviceLine(surface, scale, at, {at.x + out.x * tick, at.y + out.y * tick});
    if (numbered) {
      const std::string text = fmt::format("{:.0f}", shown);
      const TextBox box = surface.PlaceDeviceText({0.0f, 0.0f}, text, DrawingSurface::kAlignCentre,
                                                  DrawingSurface::kAlignMiddle);
      // The text's half-extent along the normal keeps its box off the tick.
      const float reach = tick + 2.0f +
                          0.5f * (std::abs(out.x) * (box.right - box.left) +
                                  std::abs(out.y) * (box.bottom - box.top));
      placer.Place({at.x + out.x * reach, at.y + out.y * reach}, text, ink,
                   {{DrawingSurface::kAlignCentre, DrawingSurface::kAlignMiddle, 0.0f, 0.0f}});
    }
    high = at;
    if (!any) low = at;
    any = true;
  }
  if (!any) return;
  DrawDeviceLine(surface, scale, low, high);
  // The scale's name beyond its numbers, halfway along or, where that is taken, nearer an end.
  const float line = surface.TextHeightPixels("W");
  for (const float share : {0.5f, 0.65f, 0.35f, 0.8f, 0.2f}) {
    const PointF at{low.x + (high.x - low.x) * share + out.x * 3.0f * line,
                    low.y + (high.y - low.y) * share + out.y * 3.0f * line};
    if (placer.Place(at, GridUnitsOf(chart).enthalpyTitle, ink,
                     {{DrawingSurface::kAlignCentre, DrawingSurface::kAlignMiddle, 0.0f, 0.0f},
                      {DrawingSurface::kAlignEnd, DrawingSurface::kAlignMiddle, 0.0f, 0.0f}})) {
      return;
    }
  }
}

}  // namespace hygrovia
