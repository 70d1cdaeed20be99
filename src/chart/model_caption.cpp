#include "chart/model_caption.h"

#include "chart/chart_settings.h"
#include "chart/number_text.h"
#include "surface/drawing_surface.h"

namespace hygrovia {

std::string ModelCaption(const ChartSettings& chart) {
  const PropertyModel model = chart.GetPropertyModel();
  if (model == PropertyModel::ChartFormulas) return {};
  return FormatText("%s, %0.3f kPa", PropertyModelName(model), chart.GetPressure());
}

void DrawModelCaption(ChartSettings& chart) {
  const std::string caption = chart.Style().Caption(chart);
  if (caption.empty()) return;
  DrawingSurface& surface = chart.Surface();
  surface.DrawText(surface.MaxX, surface.MaxY, caption, DrawingSurface::kAlignEnd,
                   DrawingSurface::kAlignBelow);
}

}  // namespace hygrovia
