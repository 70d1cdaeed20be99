#ifndef HYGROVIA_TESTS_SUPPORT_TEST_CHART_H
#define HYGROVIA_TESTS_SUPPORT_TEST_CHART_H

#include "session/chart_session.h"
#include "support/recording_canvas.h"
#include "support/recording_control.h"

namespace hygrovia::testing {

// A fresh default chart session (0 to 50 °C, 0 to 35 g/kg, 101.365 kPa) as main builds it: the surface
// attached to a recording canvas and a control of the given size, the chart fitted to the
// control, a status line, and a count of the full redraws the surface asks for.
struct TestChart {
  static constexpr int kWidth = 800;
  static constexpr int kHeight = 600;

  explicit TestChart(int width = kWidth, int height = kHeight);
  TestChart(const TestChart&) = delete;
  TestChart& operator=(const TestChart&) = delete;

  // Replaces the fit by a plain view: pixelsPerUnit on both axes from the bottom-left pixel
  // corner, so world (x, y) lands on device pixel (pixelsPerUnit * x, height - pixelsPerUnit * y).
  void UseScale(float pixelsPerUnit);

  RecordingCanvas canvas;
  RecordingControl control;
  ChartSession session;
  DrawingSurface& surface = session.Surface();
  AirState& cursor = session.CursorState();
  AirState& arrow = session.ArrowState();
  ChartSettings& settings = session.Settings();
  StatusLine& status = session.Status();
  int redraws = 0;
};

}  // namespace hygrovia::testing

#endif  // HYGROVIA_TESTS_SUPPORT_TEST_CHART_H
