#include "app/output/window_export.h"

#include <algorithm>

#include "app/output/headless_chart.h"
#include "app/output/headless_export.h"
#include "model/chart_settings.h"

namespace hygrovia {
namespace {

// Everything of the chart that a drawing shows, copied onto another chart; the ranges and
// the pressure go through their setters, which hold them as the chart always does.
void CopyChartState(const ChartSettings& from, ChartSettings& to) {
  to.SetPressure(static_cast<float>(from.GetPressure()));
  to.TempSnap = from.TempSnap;
  to.HumiditySnap = from.HumiditySnap;
  to.SetRanges(from.TempMin, from.HumidityMin, from.TempMax, from.HumidityMax);
  to.ShowVapourPressureScale = from.ShowVapourPressureScale;
  to.ShowEnthalpyLines = from.ShowEnthalpyLines;
  to.RelativeCursor = from.RelativeCursor;
  to.VerticalAxisUnits = from.VerticalAxisUnits;
  to.Highlight = from.Highlight;
  to.RequestedHighlight = from.RequestedHighlight;
  to.Nodes = from.Nodes;
  to.Cursor = from.Cursor;
  to.Arrow = from.Arrow;
}

// The picture's size held to what "--size" accepts.
QSize HeldSize(QSize size) {
  return {std::clamp(size.width(), 1, kLargestPictureSide),
          std::clamp(size.height(), 1, kLargestPictureSide)};
}

}  // namespace

Result<> ExportWindowChart(const ChartSettings& chart, const WindowExportRequest& request) {
  HeadlessChart copy(HeldSize(request.size));
  CopyChartState(chart, copy.settings);
  copy.page = request.page;
  copy.Redraw();
  const PictureFormat format =
      request.format == PictureFormat::Pdf ? PictureFormat::PdfPage : request.format;
  return ExportChart(copy, request.fileName, format);
}

}  // namespace hygrovia
