#include "chart/chart_cursor.h"

#include "chart/chart_settings.h"
#include "chart/status_line.h"
#include "psychro/air_state.h"

namespace hygrovia {

void DrawCursorMarks(ChartSettings& /*chart*/, int /*selected*/) {}

bool GrabAt(ChartSettings& /*chart*/, int /*X*/, int /*Y*/, bool /*leftButton*/) { return false; }

void DragTo(ChartSettings& /*chart*/, int /*X*/, int /*Y*/) {}

void MoveGrabbedTo(ChartSettings& /*chart*/, float /*x*/, float /*y*/) {}

void TrackMouse(ChartSettings& /*chart*/, StatusLine& /*status*/, int /*X*/, int /*Y*/) {}

void ShowStateAt(ChartSettings& /*chart*/, StatusLine& /*status*/, int /*X*/, int /*Y*/) {}

void EndDrag(ChartSettings& /*chart*/, StatusLine& /*status*/) {}

std::string CursorStatusText(const AirState& /*state*/) { return {}; }

std::string ArrowStatusText(const AirState& /*state*/) { return {}; }

std::string OutsideStatusText() { return {}; }

}  // namespace hygrovia
