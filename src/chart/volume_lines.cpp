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

// Dry bulb (°C) at which a volume line reaches zero moisture: the inverse of the air state's
// volume = (dry bulb + 0.4854368 × moisture + 270.5) / 350.
float DryVolumeTemperature(double volume) { return static_cast<float>(350.0 * volume - 270.5); }

}  // namespace

void DrawVolumeLines(ChartSettings& chart, bool highlight) {
  DrawingSurface& surface = chart.Surface();
  SetFamilyPen(surface, highlight, kPenDotted);
  for (const VolumeLine& line : kVolumeLineTable) {
    PointF bottom{DryVolumeTemperature(line.volume), surface.MinY};
    PointF top{static_cast<float>(line.saturation),
               SaturationAt(chart.CursorState(), line.saturation)};
    if (top.y > surface.MaxY) {
      ClipToHeight(top, bottom, surface.MaxY);
    }
    if (bottom.x > surface.MaxX) {
      ClipToAbscissa(bottom, top, surface.MaxX);
    }
    if (top.x < surface.MinX) {
      ClipToAbscissa(top, bottom, surface.MinX);
    }
    DrawSegment(surface, bottom, top);
  }
}

}  // namespace hygrovia
