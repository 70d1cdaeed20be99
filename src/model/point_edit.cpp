#include "model/point_edit.h"

#include <algorithm>
#include <cmath>

#include "model/chart_settings.h"
#include "psychro/air_state.h"

namespace hygrovia {
namespace {

constexpr double kMostRelHumidity = 100.0;

float Narrow(double value) { return static_cast<float>(value); }

}  // namespace

ChartPoint EditedPoint(const AirState& air, ChartPoint point, PointField field, double value) {
  if (!std::isfinite(value)) return point;
  switch (field) {
    case PointField::DryBulb: {
      const double x = std::clamp(value, -double{kHighestTemperature}, double{kHighestTemperature});
      point.X = Narrow(x);
      point.Y = Narrow(std::min(double{point.Y}, air.SaturationHumidity(point.X)));
      break;
    }
    case PointField::RelHumidity:
      point.Y =
          Narrow(air.HumidityFromRelHumidity(point.X, std::clamp(value, 0.0, kMostRelHumidity)));
      break;
    case PointField::Moisture:
      point.Y = Narrow(std::clamp(value, 0.0, air.SaturationHumidity(point.X)));
      break;
  }
  return point;
}

bool ApplyPointEdit(ChartSettings& chart, std::int32_t node, bool arrow, PointField field,
                    double value) {
  const AirState& air = chart.CursorState();
  if (node >= 0) {
    if (!chart.Nodes.IsValidIndex(node)) return false;
    const ChartPoint edited = EditedPoint(air, chart.Nodes.GetNode(node), field, value);
    chart.Nodes.SetNode(node, edited.X, edited.Y);
    return true;
  }
  ChartPoint& point = arrow ? chart.Arrow : chart.Cursor;
  point = EditedPoint(air, point, field, value);
  return true;
}

}  // namespace hygrovia
