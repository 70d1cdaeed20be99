#ifndef HYGROVIA_BENCH_PROCESS_CHART_H
#define HYGROVIA_BENCH_PROCESS_CHART_H

#include "session/chart_session.h"
#include "model/chart_settings.h"
#include "model/node_list.h"
#include "psychro/air_state.h"
#include "surface/drawing_surface.h"

namespace hygrovia {

// The default chart holding as many points as it can, in relative-cursor mode: the largest
// process table, with every point's step and the cursor's step to the arrow.
struct FullProcessChart {
  ChartSession session;
  DrawingSurface& surface = session.Surface();
  AirState& cursor = session.CursorState();
  AirState& arrow = session.ArrowState();
  ChartSettings& chart = session.Settings();

  FullProcessChart() {
    for (int i = 0; i < NodeList::kCapacity; ++i) {
      const float t = 5.0f + 1.5f * static_cast<float>(i);
      chart.Nodes.AppendPoint(t, 0.4f * t);
    }
    chart.SetRelativeCursor(true);
  }
};

}  // namespace hygrovia

#endif  // HYGROVIA_BENCH_PROCESS_CHART_H
