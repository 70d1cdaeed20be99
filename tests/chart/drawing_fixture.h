#ifndef HYGROVIA_TESTS_CHART_DRAWING_FIXTURE_H
#define HYGROVIA_TESTS_CHART_DRAWING_FIXTURE_H

#include <string>
#include <vector>

#include "chart/chart_settings.h"
#include "chart/status_line.h"
#include "psychro/air_state.h"
#include "support/recording_canvas.h"
#include "support/recording_control.h"
#include "surface/drawing_surface.h"

namespace hygrovia::testing {

// A fresh default chart (0 to 50 °C, 0 to 35 g/kg, 101.365 kPa) fitted to an 800 by 600
// window on a recording canvas, as main builds it.
struct DrawingChart {
  RecordingCanvas canvas;
  RecordingControl control{800, 600};
  DrawingSurface surface;
  AirState cursor;
  AirState arrow;
  ChartSettings settings{surface, cursor, arrow};
  StatusLine status;

  DrawingChart() {
    surface.Attach(&canvas, &control);
    settings.ApplyToSurface();
  }

  // The lines drawn since the last ClearRecord.
  std::vector<RecordedPrimitive> Lines() const { return canvas.Lines(); }
  std::vector<std::string> Texts() const { return canvas.TextStrings(); }
};

}  // namespace hygrovia::testing

#endif  // HYGROVIA_TESTS_CHART_DRAWING_FIXTURE_H
