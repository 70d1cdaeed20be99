#include "model/chart_settings.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "psychro/air_state.h"
#include "surface/drawing_surface.h"
#include "units/chart_grid_units.h"

namespace hygrovia {
namespace {

constexpr float kGridStep = 5.0f;  // world units on both axes

// value held within ±limit, or previous when value is not a number.
float Bounded(float value, float limit, float previous) {
  if (std::isnan(value)) return previous;
  return std::clamp(value, -limit, limit);
}

// value, or previous when value is not finite.
float FiniteOr(float value, float previous) { return std::isfinite(value) ? value : previous; }

// A double narrowed to float without overflowing to an infinity.
float NarrowSaturated(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  return static_cast<float>(std::clamp(value, -kMax, kMax));
}

}  // namespace

float StoredCoordinate(float value, float previous) {
  return Bounded(value, kCoordinateLimit, previous);
}

ChartSettings::ChartSettings(DrawingSurface& surface, AirState& cursorState, AirState& arrowState,
                             StyleLookup styles)
    : surface_(surface), cursorState_(cursorState), arrowState_(arrowState), styles_(styles) {
  cursorState_.ResetState();
  arrowState_.ResetState();
}

void ChartSettings::GetRanges(float& tMin, float& hMin, float& tMax, float& hMax) const {
  tMin = TempMin;
  hMin = HumidityMin;
  tMax = TempMax;
  hMax = HumidityMax;
}

void ChartSettings::SetRanges(float tMin, float hMin, float tMax, float hMax) {
  if (tMax > kHighestTemperature) tMax = kHighestTemperature;
  if (hMin < 0.0f) hMin = 0.0f;
  TempMin = FiniteOr(tMin, TempMin);
  TempMax = FiniteOr(tMax, TempMax);
  HumidityMin = FiniteOr(hMin, HumidityMin);
  HumidityMax = FiniteOr(hMax, HumidityMax);
  ApplyToSurface();
}

double ChartSettings::GetPressure() const { return cursorState_.Pressure; }

bool ChartSettings::SetPressure(float p) {
  if (std::isnan(p)) return false;
  bool ok = true;
  if (p < kLowPressureThreshold) {
    p = kLowestPressure;
    ok = false;
  }
  if (p > kHighPressureThreshold) {
    p = kHighestPressure;
    ok = false;
  }
  cursorState_.Pressure = p;
  arrowState_.Pressure = p;
  return ok;
}

PropertyModel ChartSettings::GetPropertyModel() const { return cursorState_.Model; }

void ChartSettings::SetPropertyModel(PropertyModel model) {
  cursorState_.Model = model;
  arrowState_.Model = model;
}

void ChartSettings::SetChartStyle(ChartStyleName style) {
  style_ = style;
  ApplyToSurface();
}

void ChartSettings::SetUnitSystem(UnitSystem system) {
  units_ = QuantityText::Of(system);
  const ChartGridUnits& grid = GridUnitsOf(system);
  // Kept in double precision: 2 °F is no float number of °C.
  Climate.SetCellSize(units_.FromShown(Quantity::TemperatureDifference, grid.hoursCellWidth),
                      units_.FromShown(Quantity::MoistureDifference, grid.hoursCellHeight));
}

void ChartSettings::ApplyToSurface() {
  surface_.Smooth = Style().Smooth();
  surface_.SetTextScale(Style().TextScale(surface_.DeviceWidth, surface_.DeviceHeight));
  surface_.SetGridStep(kGridStep, kGridStep);
  surface_.SetSnap(TempSnap, HumiditySnap);
  surface_.SetXRange(TempMin, TempMax);
  surface_.SetYRange(HumidityMin, HumidityMax);
  const FrameMargins margins = Style().Margins();
  surface_.SetMargins(margins.left, margins.right, margins.top, margins.bottom);
  surface_.Fit(surface_.FitFraction, surface_.DeviceWidth, surface_.DeviceHeight);
}

void ChartSettings::SetHighlight(std::int32_t mode) {
  RequestedHighlight = mode;
  bool changed = Highlight > HighlightMode::kLastLineFamily;
  if (mode == HighlightMode::WetBulb && ShowEnthalpyLines == 1) {
    ShowEnthalpyLines = 0;
    changed = true;
  } else if (mode == HighlightMode::AbsoluteHumidity && ShowVapourPressureScale == 1) {
    ShowVapourPressureScale = 0;
    changed = true;
  } else if (mode == HighlightMode::VapourPressure && ShowVapourPressureScale == 0) {
    ShowVapourPressureScale = 1;
    changed = true;
  } else if (mode == HighlightMode::Enthalpy && ShowEnthalpyLines == 0) {
    ShowEnthalpyLines = 1;
    changed = true;
  }
  if (mode == Highlight) {
    RequestedHighlight = HighlightMode::None;
    changed = true;
  }
  if (!changed) return;
  Highlight = RequestedHighlight;
  surface_.Redraw();
}

std::int32_t ChartSettings::GetHighlight() const { return Highlight; }

bool ChartSettings::IsRelativeCursor() const { return RelativeCursor != 0; }

void ChartSettings::SetRelativeCursor(bool on) { RelativeCursor = on ? 1 : 0; }

std::int32_t ChartSettings::GetVerticalAxisUnits() const { return VerticalAxisUnits; }

void ChartSettings::SetVerticalAxisUnits(std::int32_t units) { VerticalAxisUnits = units; }

ChartPoint ChartSettings::PointInUnits(std::int32_t which) const {
  const ChartPoint p = which != 0 ? Arrow : Cursor;
  const AirState& state = which != 0 ? arrowState_ : cursorState_;
  switch (VerticalAxisUnits) {
    case VerticalAxisUnits::AbsoluteHumidity:
      return p;
    case VerticalAxisUnits::VapourPressure:
      return {p.X, NarrowSaturated(state.VapourPressureFromHumidity(p.Y))};
    default:
      return {p.X, NarrowSaturated(state.RelHumidityFromHumidity(p.X, p.Y))};
  }
}

void ChartSettings::SetPointFromUnits(float x, float v, std::int32_t which) {
  ChartPoint& target = which != 0 ? Arrow : Cursor;
  const AirState& state = which != 0 ? arrowState_ : cursorState_;
  target.X = StoredCoordinate(x, target.X);
  if (std::isnan(v)) return;
  double y = v;
  switch (VerticalAxisUnits) {
    case VerticalAxisUnits::AbsoluteHumidity:
      break;
    case VerticalAxisUnits::VapourPressure:
      y = state.HumidityFromVapourPressure(v);
      break;
    default:
      y = state.HumidityFromRelHumidity(target.X, v);
      break;
  }
  target.Y = StoredCoordinate(NarrowSaturated(y), target.Y);
}

void ChartSettings::ConstrainPoint(ChartPoint& point, std::int32_t units) const {
  AirState work;
  work.ResetState();
  work.Pressure = cursorState_.Pressure;
  work.Model = cursorState_.Model;
  // The maximum first, so an inverted range gives TempMin; not a number reads as TempMin.
  const float x = std::isnan(point.X) ? TempMin : std::max(std::min(point.X, TempMax), TempMin);
  double y = std::isnan(point.Y) ? 0.0 : point.Y;
  if (units == VerticalAxisUnits::RelativeHumidity) {
    y = work.HumidityFromRelHumidity(x, y);
  } else if (units == VerticalAxisUnits::VapourPressure) {
    y = work.HumidityFromVapourPressure(y);
  }
  y = std::min(y, static_cast<double>(HumidityMax));
  work.SetFromHumidity(x, y);
  point.X = NarrowSaturated(work.DryBulb);
  point.Y = NarrowSaturated(work.AbsHumidity);
}

void ChartSettings::ClearTable() {
  for (std::string& line : TableLines) line.clear();
  TableLineCount = 0;
}

bool ChartSettings::AddTableLine(std::string_view line) {
  if (TableLineCount < 0 || TableLineCount >= kTableLineCapacity) return false;
  TableLines[static_cast<std::size_t>(TableLineCount)] = RowText(line);
  ++TableLineCount;
  return true;
}

}  // namespace hygrovia
