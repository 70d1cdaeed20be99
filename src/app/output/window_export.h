#ifndef HYGROVIA_APP_OUTPUT_WINDOW_EXPORT_H
#define HYGROVIA_APP_OUTPUT_WINDOW_EXPORT_H

#include <QSize>
#include <string>

#include "app/commands/headless_options.h"
#include "app/output/chart_page_printer.h"

#include "base/result.h"

namespace hygrovia {

class ChartSettings;

// What the window's export writes: the file (its name as the file system's bytes), its
// format, the size of a PNG image or of the chart area an SVG picture is laid out for, and
// the page of a PDF file.
struct WindowExportRequest {
  std::string fileName;
  PictureFormat format = PictureFormat::Unknown;
  QSize size;
  ChartPageSetup page;
};

// The window's chart written as the command line's "--export" writes it, through the same
// code and with the same care (the file is replaced only when the picture was written
// completely), from a copy of the chart's state: ranges, pressure, modes, highlight, cursor,
// arrow and nodes. The picture shows the whole chart fitted, whatever the window's zoom and
// pan; a PDF file is the chart page, as Print chart prints it. The window's chart is not
// touched.
Result<> ExportWindowChart(const ChartSettings& chart, const WindowExportRequest& request);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_OUTPUT_WINDOW_EXPORT_H
