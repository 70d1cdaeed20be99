#include "drawing/design_marks.h"

#include <string>
#include <fmt/format.h>

#include "base/number_text.h"
#include "climate/design_conditions.h"
#include "psychro/air_state.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

constexpr Colour kCoolingMark = Rgb(190, 20, 20);
constexpr Colour kDryingMark = Rgb(0, 100, 150);
constexpr Colour kHeatingMark = Rgb(30, 30, 170);
constexpr int kCrossHalf = 4;  // pixels
constexpr float kTickPixels = 14.0f;

bool InFrame(const DrawingSurface& s, float x, float y) {
  return x >= s.MinX && x <= s.MaxX && y >= s.MinY && y <= s.MaxY;
}

// "0.4", "1", "99.6": the percentage as the Handbook's tables head it.
std::string PercentText(double percent) {
  std::string text = fmt::format("{:.1f}", percent);
  if (text.ends_with(".0")) text.resize(text.size() - 2);
  return text;
}

void Mark(DrawingSurface& surface, Colour colour, float x, float y, const std::string& label) {
  if (!InFrame(surface, x, y)) return;
  surface.SetPen(colour, kPenSolid, 1);
  surface.SetTextColor(colour);
  surface.DrawCross(x, y, kCrossHalf);
  surface.DrawText(x + kCrossHalf / surface.ScaleX, y, " " + label, DrawingSurface::kAlignStart,
                   DrawingSurface::kAlignMiddle);
}

}  // namespace

void DrawDesignMarks(DrawingSurface& surface, const DesignConditions& design, const AirState& air) {
  for (const CoolingCondition& c : design.cooling) {
    Mark(surface, kCoolingMark, static_cast<float>(c.dryBulb), static_cast<float>(c.moisture),
         "C" + PercentText(c.percent));
  }
  for (const DehumidificationCondition& d : design.dehumidification) {
    Mark(surface, kDryingMark, static_cast<float>(d.meanDryBulb), static_cast<float>(d.moisture),
         "D" + PercentText(d.percent));
  }
  const float foot = surface.MinY;
  const float top = foot + kTickPixels / surface.ScaleY;
  for (const HeatingCondition& h : design.heating) {
    const auto x = static_cast<float>(h.dryBulb);
    if (!InFrame(surface, x, foot) || air.SaturationHumidity(x) < top) continue;
    surface.SetPen(kHeatingMark, kPenSolid, 1);
    surface.SetTextColor(kHeatingMark);
    surface.DrawLine(x, foot, x, top);
    surface.DrawText(x, top, "H" + PercentText(h.percent), DrawingSurface::kAlignCentre,
                     DrawingSurface::kAlignAbove);
  }
  surface.SetTextColor(kBlack);
}

}  // namespace hygrovia
