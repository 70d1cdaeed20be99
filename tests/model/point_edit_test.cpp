#include "model/point_edit.h"

#include <limits>

#include <gtest/gtest.h>

#include "psychro/air_state.h"

namespace hygrovia {
namespace {

TEST(PointEditTest, TypedValuesMoveThePointAndStayOnTheChartsAir) {
  AirState air;
  air.ResetState();
  const float ws20 = static_cast<float>(air.SaturationHumidity(20.0));
  const float ws30 = static_cast<float>(air.SaturationHumidity(30.0));
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* name;
    ChartPoint from;
    PointField field;
    double value;
    ChartPoint to;
  };
  const Case cases[] = {
      {"dry bulb keeps the moisture", {25.0f, 10.0f}, PointField::DryBulb, 30.0, {30.0f, 10.0f}},
      {"dry bulb below the dew point", {25.0f, 18.0f}, PointField::DryBulb, 20.0, {20.0f, ws20}},
      {"dry bulb beyond the chart", {25.0f, 10.0f}, PointField::DryBulb, 500.0, {100.0f, 10.0f}},
      {"relative humidity", {30.0f, 10.0f}, PointField::RelHumidity, 50.0, {30.0f, 0.5f * ws30}},
      {"relative humidity above 100",
       {30.0f, 10.0f},
       PointField::RelHumidity,
       150.0,
       {30.0f, ws30}},
      {"negative relative humidity", {30.0f, 10.0f}, PointField::RelHumidity, -5.0, {30.0f, 0.0f}},
      {"moisture", {30.0f, 10.0f}, PointField::Moisture, 12.5, {30.0f, 12.5f}},
      {"moisture above saturation", {30.0f, 10.0f}, PointField::Moisture, 99.0, {30.0f, ws30}},
      {"not a number", {30.0f, 10.0f}, PointField::DryBulb, kNaN, {30.0f, 10.0f}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ChartPoint p = EditedPoint(air, c.from, c.field, c.value);
    EXPECT_FLOAT_EQ(p.X, c.to.X);
    EXPECT_NEAR(p.Y, c.to.Y, 1e-5f);
  }
}

}  // namespace
}  // namespace hygrovia
