#include "support/test_chart.h"

namespace hygrovia::testing {

TestChart::TestChart(int width, int height) : control(width, height) {
  surface.Attach(&canvas, &control);
  surface.SetRedrawHandler([this] { ++redraws; });
  settings.ApplyToSurface();
}

void TestChart::UseScale(float pixelsPerUnit) {
  surface.MinX = 0.0f;
  surface.MinY = 0.0f;
  surface.ScaleX = pixelsPerUnit;
  surface.ScaleY = pixelsPerUnit;
  surface.OffsetX = 0.0f;
  surface.OffsetY = 0.0f;
}

}  // namespace hygrovia::testing
