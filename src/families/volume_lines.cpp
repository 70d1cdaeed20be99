#include <array>
#include <cmath>

#include "families/line_family.h"
#include "families/volume_lines.h"
#include "model/chart_grid.h"
#include "model/chart_settings.h"
#include "psychro/air_state.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"
#include "units/quantity_text.h"

namespace hygrovia {
namespace {

struct VolumeLine {
  double volume;      // m³/kg
  double saturation;  // °C, where the line meets the saturation curve at any pressure
};

constexpr std::array<VolumeLine, 7> kVolumeLineTable = {{
    {0.800, 6.85},
    {0.825, 13.85},
    {0.850, 20.2},
    {0.875, 25.8},
    {0.900, 30.85},
    {0.925, 35.0},
    {0.950, 39.2},
}};

constexpr double kVolumeMoisture = 0.4854368;  // °C per g/kg
// The meeting with the saturation curve is searched this far (°C) below the line's dry end,
// halving the interval until it is far below a pixel.
constexpr double kMeetingSearchSpan = 200.0;
constexpr int kMeetingHalvings = 40;

// Dry bulb (°C) at which a volume line reaches moisture w (g/kg): the inverse of the air
// state's volume = (dry bulb + 0.4854368 × moisture + 270.5) / 350.
float VolumeLineTemperature(double volume, float w) {
  return static_cast<float>(350.0 * volume - 270.5 - kVolumeMoisture * w);
}

// The line from the bottom edge up to its saturation point, cut at the frame; false when none
// of it lies inside.
bool CutToFrame(const DrawingSurface& surface, PointF& bottom, PointF& top) {
  if (!(top.y > surface.MinY)) {
    return false;
  }
  if (top.y > surface.MaxY) {
    ClipToHeight(top, bottom, surface.MaxY);
  }
  // The line leans left as it rises, so it misses the frame when its top end lies right of it
  // or its bottom end left of it.
  if (top.x > surface.MaxX || bottom.x < surface.MinX) {
    return false;
  }
  if (bottom.x > surface.MaxX) {
    ClipToAbscissa(bottom, top, surface.MaxX);
  }
  if (top.x < surface.MinX) {
    ClipToAbscissa(top, bottom, surface.MinX);
  }
  return true;
}

// Dry bulb (°C) where the volume line meets the saturation curve: the line's temperature
// falls as the moisture rises and the saturation moisture rises with the temperature, so the
// two cross once below the line's dry end.
double SaturationMeeting(const AirState& air, double volume) {
  double hi = VolumeLineTemperature(volume, 0.0f);
  double lo = hi - kMeetingSearchSpan;
  for (int i = 0; i < kMeetingHalvings; ++i) {
    const double mid = 0.5 * (lo + hi);
    const double atSaturation = VolumeLineTemperature(volume, SaturationAt(air, mid));
    (atSaturation > mid ? lo : hi) = mid;
  }
  return lo;
}

// The lines every step of the spacing across the volumes of the ranges, solid and numbered as
// it says; a spacing that numbers none offers every line's number.
void DrawSpacedVolumeLines(ChartSettings& chart, const LineSpacing& spacing, bool highlight) {
  DrawingSurface& surface = chart.Surface();
  const AirState& air = chart.CursorState();
  const QuantityText& units = chart.GetUnits();
  const char* format = units.System() == UnitSystem::Ip ? "%0.1lf" : "%0.3lf";
  const auto shown = [&units](double v) { return units.Shown(Quantity::SpecificVolume, v); };
  // Volume = (dry bulb + 0.4854368 × moisture + 270.5) / 350 rises with both.
  const double least = shown((chart.TempMin + kVolumeMoisture * chart.HumidityMin + 270.5) / 350.0);
  const double most = shown((chart.TempMax + kVolumeMoisture * chart.HumidityMax + 270.5) / 350.0);
  const double first = FirstLine(spacing, least);
  for (int n = 0; n < kMaxFamilyLines && first + spacing.step * n <= most; ++n) {
    const double value = first + spacing.step * n;
    const double volume = units.FromShown(Quantity::SpecificVolume, value);
    const double meeting = SaturationMeeting(air, volume);
    PointF bottom{VolumeLineTemperature(volume, surface.MinY), surface.MinY};
    PointF top{static_cast<float>(meeting), SaturationAt(air, meeting)};
    if (!CutToFrame(surface, bottom, top)) continue;
    const bool solid = IsNearMultiple(value, spacing.solidStep);
    if (solid) SetFamilyPen(chart, LineFamily::Volume, LineRank::Major, highlight);
    DrawSegment(surface, bottom, top);
    if (solid) SetFamilyPen(chart, LineFamily::Volume, LineRank::Minor, highlight);
    if (!highlight && (spacing.labelStep <= 0.0 || IsNearMultiple(value, spacing.labelStep))) {
      OfferLabel(chart, {LineFamily::Volume, bottom, DrawingSurface::kAlignStart,
                         DrawingSurface::kAlignAbove, format, value});
    }
  }
}

}  // namespace

void DrawVolumeLines(ChartSettings& chart, bool highlight) {
  DrawingSurface& surface = chart.Surface();
  SetFamilyPen(chart, LineFamily::Volume, LineRank::Minor, highlight);
  if (const auto finer = chart.Style().VolumeSpacing(chart.GetUnits().System())) {
    DrawSpacedVolumeLines(chart, *finer, highlight);
    return;
  }
  if (!GridUnitsOf(chart).volumeFromTable) {
    DrawSpacedVolumeLines(chart, GridUnitsOf(chart).volume, highlight);
    return;
  }
  for (const VolumeLine& line : kVolumeLineTable) {
    PointF bottom{VolumeLineTemperature(line.volume, surface.MinY), surface.MinY};
    PointF top{static_cast<float>(line.saturation),
               SaturationAt(chart.CursorState(), line.saturation)};
    if (CutToFrame(surface, bottom, top)) {
      DrawSegment(surface, bottom, top);
      if (!highlight) {
        OfferLabel(chart, {LineFamily::Volume, bottom, DrawingSurface::kAlignStart,
                           DrawingSurface::kAlignAbove, "%0.3lf", line.volume});
      }
    }
  }
}

}  // namespace hygrovia
