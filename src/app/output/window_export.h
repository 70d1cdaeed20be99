#ifndef HYGROVIA_APP_OUTPUT_WINDOW_EXPORT_H
#define HYGROVIA_APP_OUTPUT_WINDOW_EXPORT_H

#include <QSize>
#include <filesystem>
#include <string>

#include "app/commands/headless_options.h"
#include "app/output/chart_page_printer.h"

#include "base/result.h"

namespace hygrovia {

class ChartSession;

// What the window's export writes: the file (its name as the file system's bytes), its
// format, the size of a PNG image or of the chart area an SVG picture is laid out for, and
// the page of a PDF file.
struct WindowExportRequest {
  std::string fileName;
  PictureFormat format = PictureFormat::Unknown;
  QSize size;
  ChartPageSetup page;
};

// The window's chart session written as the command line's "--export" writes it, through the
// same code and with the same care (the file is replaced only when the picture was written
// completely): the same chart in every respect the screen shows, fitted whole whatever the
// window's zoom and pan; a PDF file is the chart page, as Print chart prints it. The window's
// view is given back as it was. A file name that is readFile, a file the window reads (its
// weather), through a link or another name, is refused and that file left as it is.
Result<> ExportWindowChart(ChartSession& session, const WindowExportRequest& request,
                           const std::filesystem::path& readFile = {});

}  // namespace hygrovia

#endif  // HYGROVIA_APP_OUTPUT_WINDOW_EXPORT_H
