#include <array>

#include "chart/chart_drawing.h"
#include "chart/chart_settings.h"
#include "chart/line_family.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"

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

}  // namespace

void DrawVolumeLines(ChartSettings& chart, bool highlight) {
  DrawingSurface& surface = chart.Surface();
  SetFamilyPen(chart, LineFamily::Volume, LineRank::Minor, highlight);
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
