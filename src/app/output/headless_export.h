#ifndef HYGROVIA_APP_OUTPUT_HEADLESS_EXPORT_H
#define HYGROVIA_APP_OUTPUT_HEADLESS_EXPORT_H

#include <string>

#include "app/commands/headless_options.h"

#include "base/result.h"

namespace hygrovia {

class HeadlessChart;

// Draws the whole chart as the screen shows it after start-up (highlight, overlays, marks and
// nodes included) into the file: a PNG image of the chart area's size, or an SVG or PDF vector
// picture drawn as the clipboard copy draws, laid out for the chart area and widened where
// labels reach beyond it. The picture is made in memory and written as WriteFileAtomically
// writes (the file name's bytes taken as they are): the file is replaced only when the whole
// picture was written and flushed, and a target that is not a regular file or is
// write-protected is refused. Why not names the file.
Result<> ExportChart(HeadlessChart& chart, const std::string& fileName, PictureFormat format);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_OUTPUT_HEADLESS_EXPORT_H
