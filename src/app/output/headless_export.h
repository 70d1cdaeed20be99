#ifndef HYGROVIA_APP_OUTPUT_HEADLESS_EXPORT_H
#define HYGROVIA_APP_OUTPUT_HEADLESS_EXPORT_H

#include <QSize>
#include <string>

#include "app/commands/headless_options.h"
#include "app/output/chart_page_printer.h"
#include "base/result.h"

namespace hygrovia {

class ChartSession;

// What a picture of the chart is drawn for: the chart area's size in pixels, and the paper
// and title block of a chart page.
struct ChartOutput {
  QSize size;
  ChartPageSetup page;
};

// Draws the session's whole chart (highlight, overlays, weather, marks and nodes included),
// fitted to the output's size whatever the screen's zoom and pan, into the file: a PNG image
// of that size, an SVG or PDF vector picture drawn as the clipboard copy draws, laid out for
// that size and widened where labels reach beyond it, or the chart page of the output's page
// setup. The picture is made in memory and written as WriteFileAtomically writes (the file
// name's bytes taken as they are): the file is replaced only when the whole picture was
// written and flushed, and a target that is not a regular file or is write-protected is
// refused. Why not names the file. The session's surface is given back as it was.
Result<> ExportChart(ChartSession& session, const ChartOutput& output, const std::string& fileName,
                     PictureFormat format);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_OUTPUT_HEADLESS_EXPORT_H
