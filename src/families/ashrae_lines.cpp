#include "families/ashrae_lines.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <string_view>

#include "families/line_family.h"
#include "model/chart_grid.h"
#include "model/chart_settings.h"
#include "psychro/air_state.h"
#include "psychro/ashrae_model.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"
#include "units/displayed_enthalpy.h"
#include "units/quantity_text.h"

namespace hygrovia {
namespace {

constexpr double kGramsPerKilogram = 1000.0;
// Vertices at least this close (g/kg): the lines bend by less than 0.001 °C between them.
constexpr double kVertexSpacing = 0.5;
constexpr int kMostSegments = 64;
// Halvings that place a line's meeting with the saturation curve.
constexpr int kSaturationHalvings = 50;

// A line of constant property: the moisture (g/kg) of its state at dry bulb t (°C), and the
// dry bulb of its state with moisture w. Along it the dry bulb falls as the moisture rises.
struct PropertyLine {
  std::function<double(double)> humidityAt;
  std::function<double(double)> dryBulbAt;
};

// Where a drawn line ends at its upper (moister) end, and whether that end lies on the top
// edge of the frame.
struct UpperEnd {
  PointF point;
  bool onTopEdge = false;
};

// Moisture (g/kg) where the line meets the saturation curve, between lo and hi, where its
// states lie below saturation at lo and above at hi.
double SaturationCrossing(const AirState& air, const PropertyLine& line, double lo, double hi) {
  for (int i = 0; i < kSaturationHalvings; ++i) {
    const double mid = 0.5 * (lo + hi);
    (air.SaturationHumidity(line.dryBulbAt(mid)) >= mid ? lo : hi) = mid;
  }
  return lo;
}

// Draws the part of the line inside the frame and on or below saturation; nothing when there
// is none.
std::optional<UpperEnd> DrawPropertyLine(ChartSettings& chart, const PropertyLine& line) {
  DrawingSurface& surface = chart.Surface();
  const AirState& air = chart.CursorState();
  const double lo = std::max<double>(surface.MinY, line.humidityAt(surface.MaxX));
  double hi = std::min<double>(surface.MaxY, line.humidityAt(surface.MinX));
  if (!(lo < hi) || !std::isfinite(lo) || !std::isfinite(hi)) return std::nullopt;
  const auto saturated = [&](double w) { return air.SaturationHumidity(line.dryBulbAt(w)) < w; };
  if (saturated(lo)) return std::nullopt;
  bool onTopEdge = hi == surface.MaxY;
  if (saturated(hi)) {
    hi = SaturationCrossing(air, line, lo, hi);
    onTopEdge = false;
  }
  const int segments = static_cast<int>(
      std::clamp(std::ceil((hi - lo) / kVertexSpacing), 1.0, double{kMostSegments}));
  const auto vertex = [&](int k) {
    const double w = hi - (hi - lo) * k / segments;
    return PointF{static_cast<float>(line.dryBulbAt(w)), static_cast<float>(w)};
  };
  PointF from = vertex(0);
  for (int k = 1; k <= segments; ++k) {
    const PointF to = vertex(k);
    DrawSegment(surface, from, to);
    from = to;
  }
  return UpperEnd{vertex(0), onTopEdge};
}

PropertyLine WetBulbLine(double wetBulb, double pressure) {
  return {[=](double t) {
            return kGramsPerKilogram * ashrae::RatioOnWetBulbLine(wetBulb, t, pressure);
          },
          [=](double w) {
            return ashrae::DryBulbOnWetBulbLine(wetBulb, w / kGramsPerKilogram, pressure);
          }};
}

PropertyLine EnthalpyLine(double enthalpy) {
  return {[=](double t) { return kGramsPerKilogram * ashrae::RatioOnEnthalpyLine(enthalpy, t); },
          [=](double w) { return ashrae::DryBulbOnEnthalpyLine(enthalpy, w / kGramsPerKilogram); }};
}

// The line of the Handbook's inch-pound enthalpy equation at h (Btu/lb).
PropertyLine IpEnthalpyLine(const QuantityText& units, double h) {
  return {[=](double t) {
            return kGramsPerKilogram *
                   ashrae::RatioOnEnthalpyLineIp(h, units.Shown(Quantity::Temperature, t));
          },
          [=](double w) {
            return units.FromShown(Quantity::Temperature,
                                   ashrae::DryBulbOnEnthalpyLineIp(h, w / kGramsPerKilogram));
          }};
}

// The line of shown enthalpy h in the chart's units.
PropertyLine ShownEnthalpyLine(const ChartSettings& chart, double h) {
  const QuantityText& units = chart.GetUnits();
  if (UsesIpEnthalpyEquation(units, chart.GetPropertyModel())) return IpEnthalpyLine(units, h);
  return EnthalpyLine(units.FromShown(Quantity::Enthalpy, h));
}

PropertyLine VolumeLine(double volume, double pressure) {
  return {
      [=](double t) { return kGramsPerKilogram * ashrae::RatioOnVolumeLine(volume, t, pressure); },
      [=](double w) {
        return ashrae::DryBulbOnVolumeLine(volume, w / kGramsPerKilogram, pressure);
      }};
}

// Where a drawn line ends at its lower (drier) end: on the bottom edge, or on the right edge
// where it leaves the frame there.
PointF LowerEnd(const ChartSettings& chart, const PropertyLine& line) {
  const DrawingSurface& surface = chart.Surface();
  const double w = std::max<double>(surface.MinY, line.humidityAt(surface.MaxX));
  return {static_cast<float>(line.dryBulbAt(w)), static_cast<float>(w)};
}

// The number of a labelled enthalpy line, or the title on the last one, beside its upper end:
// above the top edge, or left of the saturation curve or the left edge.
void DrawEnthalpyLabel(ChartSettings& chart, const UpperEnd& end, double h, bool title) {
  const int hAlign = end.onTopEdge ? DrawingSurface::kAlignCentre : DrawingSurface::kAlignEnd;
  const int vAlign = end.onTopEdge ? DrawingSurface::kAlignAbove : DrawingSurface::kAlignMiddle;
  OfferLabel(chart,
             {LineFamily::Enthalpy, end.point, hAlign, vAlign,
              title ? GridUnitsOf(chart).enthalpyTitle : std::string_view("%0.0lf"), h, title});
}

}  // namespace

void DrawAshraeWetBulbLines(ChartSettings& chart, bool highlight) {
  const double pressure = chart.GetPressure();
  const QuantityText& units = chart.GetUnits();
  const LineSpacing& spacing = GridUnitsOf(chart).wetBulb;
  const double first =
      spacing.solidStep * std::trunc((1.0 / spacing.solidStep) *
                                     ShownRangeEnd(units, Quantity::Temperature, chart.TempMin));
  const double end = std::trunc(ShownRangeEnd(units, Quantity::Temperature, chart.TempMax));
  for (int n = 0; n < kMaxFamilyLines && first + spacing.step * n < end; ++n) {
    const double shown = first + spacing.step * n;
    const double wetBulb = units.FromShown(Quantity::Temperature, shown);
    // From the boiling point up the air holds any moisture: no wet bulb lies there.
    if (!(ashrae::SaturationPressure(wetBulb) < pressure)) break;
    const bool solid = IsSolidLine(spacing, shown);
    SetFamilyPen(chart, LineFamily::WetBulb, solid ? LineRank::Major : LineRank::Minor, highlight);
    const std::optional<UpperEnd> upper = DrawPropertyLine(chart, WetBulbLine(wetBulb, pressure));
    if (solid && upper && !highlight) {
      OfferLabel(chart, {LineFamily::WetBulb, upper->point, DrawingSurface::kAlignEnd,
                         DrawingSurface::kAlignAbove, "%0.0lf", shown});
    }
  }
}

void DrawAshraeEnthalpyLines(ChartSettings& chart, bool labels, bool highlight) {
  // Shown enthalpies, kJ/kg in SI; the lowest line starts near that of dry air at TempMin.
  const QuantityText& units = chart.GetUnits();
  const PropertyModel model = chart.GetPropertyModel();
  const LineSpacing& spacing = GridUnitsOf(chart).enthalpy;
  const double lowest =
      DisplayedEnthalpy(units, model, chart.TempMin, 0.0, static_cast<double>(chart.TempMin));
  const double first =
      spacing.step * std::trunc((1.0 / spacing.step) * units.Shown(Quantity::Enthalpy, lowest));
  const double highest =
      ashrae::Enthalpy(chart.TempMax, static_cast<double>(chart.HumidityMax) / kGramsPerKilogram);
  const double end =
      std::trunc(units.Shown(Quantity::Enthalpy, DisplayedEnthalpy(units, model, chart.TempMax,
                                                                   chart.HumidityMax, highest)));
  for (int n = 0; n < kMaxFamilyLines && first + spacing.step * n < end; ++n) {
    const double h = first + spacing.step * n;
    const LineMarks marks = MarksOf(spacing, h);
    const bool numbered = marks.labelled;
    SetFamilyPen(chart, LineFamily::Enthalpy, marks.solid ? LineRank::Major : LineRank::Minor,
                 highlight);
    const std::optional<UpperEnd> upper = DrawPropertyLine(chart, ShownEnthalpyLine(chart, h));
    if (labels && numbered && upper) {
      DrawEnthalpyLabel(chart, *upper, h, h > end - spacing.labelStep);
    }
  }
}

void DrawAshraeVolumeLines(ChartSettings& chart, bool highlight) {
  const double pressure = chart.GetPressure();
  const QuantityText& units = chart.GetUnits();
  // A style's finer lines where it draws them, with its major and numbered lines.
  const std::optional<LineSpacing> finer = chart.Style().VolumeSpacing(units.System());
  const LineSpacing& spacing = finer ? *finer : GridUnitsOf(chart).volume;
  const double least =
      units.Shown(Quantity::SpecificVolume,
                  ashrae::Volume(chart.TempMin, chart.HumidityMin / kGramsPerKilogram, pressure));
  const double most =
      units.Shown(Quantity::SpecificVolume,
                  ashrae::Volume(chart.TempMax, chart.HumidityMax / kGramsPerKilogram, pressure));
  const double first = FirstLine(spacing, least);
  // Cubic metres per kilogram carry three decimals, cubic feet per pound one.
  const std::string_view format = spacing.step < 0.1 ? "%0.3lf" : "%0.1lf";
  for (int n = 0; n < kMaxFamilyLines && first + spacing.step * n <= most; ++n) {
    const double value = first + spacing.step * n;
    const double volume = units.FromShown(Quantity::SpecificVolume, value);
    const PropertyLine line = VolumeLine(volume, pressure);
    const bool major = finer && IsNearMultiple(value, spacing.solidStep);
    const bool numbered = !finer || IsNearMultiple(value, spacing.labelStep);
    SetFamilyPen(chart, LineFamily::Volume, major ? LineRank::Major : LineRank::Minor, highlight);
    if (DrawPropertyLine(chart, line) && !highlight && numbered) {
      OfferLabel(chart, {LineFamily::Volume, LowerEnd(chart, line), DrawingSurface::kAlignStart,
                         DrawingSurface::kAlignAbove, format, value});
    }
  }
}

}  // namespace hygrovia
