#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "support/recording_canvas.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

using testing::RecordingCanvas;

// The surface as the chart sets it up: 0..50 °C, 0..35 g/kg, letter margins, fitted.
DrawingSurface ChartSurface(RecordingCanvas& canvas, int width, int height) {
  DrawingSurface surface;
  surface.Attach(&canvas, nullptr);
  surface.SetXRange(0.0f, 50.0f);
  surface.SetYRange(0.0f, 35.0f);
  surface.SetMargins(0.5f, 1.1f, 0.5f, 1.1f);
  surface.SetGridStep(5.0f, 5.0f);
  surface.Fit(0.95f, width, height);
  return surface;
}

TEST(DrawingSurfaceTransform, MapsWorldToDeviceWithTheYAxisFlipped) {
  DrawingSurface surface;
  surface.DeviceHeight = 100;
  surface.MinX = -10.0f;
  surface.MinY = 5.0f;
  surface.ScaleX = 2.0f;
  surface.ScaleY = 4.0f;
  surface.OffsetX = 7.0f;
  surface.OffsetY = 3.0f;
  surface.SetSnap(0.0f, 0.0f);
  struct Case {
    float x, y, px, py;
  };
  const Case cases[] = {
      {-10.0f, 5.0f, 7.0f, 97.0f},
      {0.0f, 10.0f, 27.0f, 77.0f},
      {2.5f, 7.25f, 32.0f, 88.0f},
      {-20.0f, 30.0f, -13.0f, -3.0f},  // outside the world rectangle: no clipping
  };
  for (const Case& c : cases) {
    const PointF p = surface.WorldToDevice(c.x, c.y);
    EXPECT_FLOAT_EQ(p.x, c.px) << c.x;
    EXPECT_FLOAT_EQ(p.y, c.py) << c.y;
    const PointF back = surface.DeviceToWorld(static_cast<int>(c.px), static_cast<int>(c.py));
    EXPECT_FLOAT_EQ(back.x, c.x);
    EXPECT_FLOAT_EQ(back.y, c.y);
  }
}

TEST(DrawingSurfaceTransform, DeviceToWorldRoundTripsEveryPixelOfAFittedChart) {
  RecordingCanvas canvas;
  DrawingSurface surface = ChartSurface(canvas, 640, 480);
  surface.SetSnap(0.0f, 0.0f);
  for (int px = 0; px < 640; px += 7) {
    for (int py = 0; py < 480; py += 5) {
      const PointF w = surface.DeviceToWorld(px, py);
      const PointF d = surface.WorldToDevice(w.x, w.y);
      ASSERT_NEAR(d.x, static_cast<float>(px), 1e-3f) << px << "," << py;
      ASSERT_NEAR(d.y, static_cast<float>(py), 1e-3f) << px << "," << py;
    }
  }
}

TEST(DrawingSurfaceTransform, DeviceToWorldSnapsToTheSnapSteps) {
  DrawingSurface surface;
  surface.DeviceHeight = 100;
  surface.ScaleX = 10.0f;
  surface.ScaleY = 10.0f;
  surface.SetSnap(0.5f, 2.0f);
  // Pixel (13, 61) is world (1.3, 3.9): x snaps to 1.5, y to 4.
  const PointF w = surface.DeviceToWorld(13, 61);
  EXPECT_FLOAT_EQ(w.x, 1.5f);
  EXPECT_FLOAT_EQ(w.y, 4.0f);
}

TEST(DrawingSurfaceTransform, SnapRoundsHalvesAwayFromZeroAndSmallStepsSwitchItOff) {
  struct Case {
    float step, value, snapped;
  };
  const Case cases[] = {
      {1.0f, 2.5f, 3.0f},   {1.0f, -2.5f, -3.0f}, {1.0f, -2.4f, -2.0f}, {1.0f, 2.49f, 2.0f},
      {1.0f, 0.0f, 0.0f},   {0.5f, 1.3f, 1.5f},   {0.5f, -1.2f, -1.0f}, {5.0f, 12.5f, 15.0f},
      {0.0f, 2.5f, 2.5f},   {-1.0f, 2.5f, 2.5f},  {1e-6f, 2.5f, 2.5f},  {2e-6f, 1e-6f, 2e-6f},
      {1.0f, 1e20f, 1e20f},  // far beyond the int range: no conversion to int involved
  };
  DrawingSurface surface;
  for (const Case& c : cases) {
    surface.SetSnap(c.step, c.step);
    const PointF p = surface.SnapPoint({c.value, -c.value});
    EXPECT_FLOAT_EQ(p.x, c.snapped) << "step " << c.step << " value " << c.value;
    EXPECT_FLOAT_EQ(p.y, -c.snapped) << "step " << c.step << " value " << -c.value;
  }
  surface.SetSnap(1.0f, 1.0f);
  EXPECT_TRUE(std::isnan(surface.SnapPoint({std::nanf(""), 0.0f}).x));
}

TEST(DrawingSurfaceTransform, RangesAreOrderedAndEmptyRangesIgnored) {
  struct Case {
    float a, b, min, max;
  };
  // Each case starts from the range left by the previous one.
  const Case cases[] = {
      {30.0f, 10.0f, 10.0f, 30.0f},
      {10.0f, 10.0f, 10.0f, 30.0f},
      {-5.0f, 45.0f, -5.0f, 45.0f},
      {std::nanf(""), 3.0f, -5.0f, 45.0f},
  };
  DrawingSurface surface;
  for (const Case& c : cases) {
    surface.SetXRange(c.a, c.b);
    surface.SetYRange(c.a, c.b);
    EXPECT_EQ(surface.MinX, c.min) << c.a << ".." << c.b;
    EXPECT_EQ(surface.MaxX, c.max) << c.a << ".." << c.b;
    EXPECT_EQ(surface.MinY, c.min) << c.a << ".." << c.b;
    EXPECT_EQ(surface.MaxY, c.max) << c.a << ".." << c.b;
  }
}

TEST(DrawingSurfaceTransform, FitFillsTheAreaInsideTheMargins) {
  RecordingCanvas canvas;
  // "W" is 6 x 13 pixels: the free area of 800 x 600 is 790 x 579 pixels.
  const DrawingSurface surface = ChartSurface(canvas, 800, 600);
  EXPECT_EQ(surface.DeviceWidth, 800);
  EXPECT_EQ(surface.DeviceHeight, 600);
  EXPECT_FLOAT_EQ(surface.ScaleX, 790.0f / 50.0f * 0.95f);
  EXPECT_FLOAT_EQ(surface.ScaleY, 579.0f / 35.0f * 0.95f);
  EXPECT_EQ(surface.OffsetX, 22.0f);
  EXPECT_EQ(surface.OffsetY, 28.0f);
  EXPECT_NEAR(surface.MarkerUnit, 0.005f * std::hypot(50.0f, 35.0f), 1e-6f);
  EXPECT_EQ(surface.FitFraction, 0.95f);
}

TEST(DrawingSurfaceTransform, FitCentresTheChartInEveryWindowShape) {
  const int sizes[][2] = {{800, 600}, {300, 700}, {1920, 200}, {101, 77}};
  RecordingCanvas canvas;
  for (const auto& size : sizes) {
    const DrawingSurface surface = ChartSurface(canvas, size[0], size[1]);
    const PointF low = surface.WorldToDevice(0.0f, 0.0f);
    const PointF high = surface.WorldToDevice(50.0f, 35.0f);
    const float left_gap = low.x - 0.5f * RecordingCanvas::kCharWidth;
    const float right_gap =
        static_cast<float>(size[0]) - 1.1f * RecordingCanvas::kCharWidth - high.x;
    const float top_gap = high.y - 0.5f * RecordingCanvas::kTextHeight;
    const float bottom_gap =
        static_cast<float>(size[1]) - 1.1f * RecordingCanvas::kTextHeight - low.y;
    EXPECT_NEAR(left_gap, right_gap, 2.0f) << size[0] << "x" << size[1];
    EXPECT_NEAR(top_gap, bottom_gap, 2.0f) << size[0] << "x" << size[1];
    EXPECT_GT(left_gap, 0.0f);
    EXPECT_GT(top_gap, 0.0f);
  }
}

TEST(DrawingSurfaceTransform, FitOfAnEmptyExtentKeepsAUnitScale) {
  RecordingCanvas canvas;
  DrawingSurface surface = ChartSurface(canvas, 800, 600);
  surface.MinY = 10.0f;
  surface.MaxY = 10.0f;
  surface.Fit(0.95f, 800, 600);
  EXPECT_EQ(surface.ScaleY, 1.0f);
  EXPECT_FLOAT_EQ(surface.ScaleX, 790.0f / 50.0f * 0.95f);
  EXPECT_EQ(surface.OffsetX, 22.0f);
  // An empty height is centred in the free height: 14.3 + 579 / 2.
  EXPECT_EQ(surface.OffsetY, 303.0f);

  surface.MinX = surface.MaxX = 3.0f;
  surface.Fit(0.95f, 800, 600);
  EXPECT_EQ(surface.ScaleX, 1.0f);
  EXPECT_EQ(surface.MarkerUnit, 0.0f);
}

TEST(DrawingSurfaceTransform, TextRowsCountDownFromTheTopEdge) {
  RecordingCanvas canvas;
  DrawingSurface surface = ChartSurface(canvas, 800, 600);
  const float row_height = 13.0f / surface.ScaleY;
  EXPECT_FLOAT_EQ(surface.TextHeightWorld("W"), row_height);
  EXPECT_FLOAT_EQ(surface.WorldWidth(), 50.0f);
  for (int row = 0; row < 4; ++row) {
    const PointF p = surface.TextRowPosition(0.25f, row);
    EXPECT_FLOAT_EQ(p.x, 12.5f);
    EXPECT_FLOAT_EQ(p.y, 35.0f - row_height * (static_cast<float>(row) + 0.5f));
  }
}

// Regression: a window no larger than its margins gave a zero scale, and reading the mouse
// position divided by it.
TEST(DrawingSurfaceTransform, DeviceToWorldStaysFiniteForZeroScalesAndExtremePixels) {
  DrawingSurface surface;
  surface.ScaleX = 0.0f;
  surface.ScaleY = 0.0f;
  surface.MinX = 4.0f;
  surface.MinY = 6.0f;
  const PointF w = surface.DeviceToWorld(100, 100);
  EXPECT_EQ(w.x, 4.0f);
  EXPECT_EQ(w.y, 6.0f);
  EXPECT_EQ(surface.TextHeightWorld("W"), 0.0f);
  surface.ScaleX = surface.ScaleY = 1.0f;
  const int extremes[] = {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
  for (const int x : extremes) {
    for (const int y : extremes) {
      const PointF p = surface.DeviceToWorld(x, y);
      EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace hygrovia
