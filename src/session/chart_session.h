#ifndef HYGROVIA_SESSION_CHART_SESSION_H
#define HYGROVIA_SESSION_CHART_SESSION_H

#include <functional>
#include <utility>
#include <vector>

#include "model/chart_settings.h"
#include "model/status_line.h"
#include "psychro/air_state.h"
#include "surface/drawing_surface.h"

namespace hygrovia {

// What a chart is, built once and handed to every window and output by reference: the drawing
// surface, the air states at cursor and arrow (which hold the pressure and the property model),
// the settings (ranges, style, units, points, weather layer and comfort settings) and the
// status line. Screen, clipboard, printer, picture files and runs without a window all draw
// this one session; whoever changes it calls Changed, and its observers follow.
class ChartSession {
 public:
  using Observer = std::function<void()>;
  // Tells an observer apart, to stop observing.
  using ObserverId = int;

  ChartSession();
  ChartSession(const ChartSession&) = delete;
  ChartSession& operator=(const ChartSession&) = delete;

  DrawingSurface& Surface() { return surface_; }
  AirState& CursorState() { return cursorState_; }
  AirState& ArrowState() { return arrowState_; }
  ChartSettings& Settings() { return settings_; }
  const ChartSettings& Settings() const { return settings_; }
  StatusLine& Status() { return status_; }

  // observer is called after each change, in the order observers were added.
  ObserverId Observe(Observer observer);
  void Forget(ObserverId id);
  // The chart changed (a point, a setting, a redraw): tells every observer.
  void Changed() const;

 private:
  DrawingSurface surface_;
  AirState cursorState_;
  AirState arrowState_;
  ChartSettings settings_;
  StatusLine status_;
  std::vector<std::pair<ObserverId, Observer>> observers_;
  ObserverId nextId_ = 0;
};

}  // namespace hygrovia

#endif  // HYGROVIA_SESSION_CHART_SESSION_H
