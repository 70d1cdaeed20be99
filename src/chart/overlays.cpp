#include "chart/overlays.h"

#include "chart/chart_settings.h"

namespace hygrovia {

void DrawHeatingCoolingOverlay(ChartSettings& /*chart*/) {}

void DrawCondensationOverlay(ChartSettings& /*chart*/) {}

void DrawAdiabaticOverlay(ChartSettings& /*chart*/) {}

void DrawMixingOverlay(ChartSettings& /*chart*/) {}

}  // namespace hygrovia
