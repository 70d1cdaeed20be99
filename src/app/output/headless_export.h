#ifndef HYGROVIA_APP_OUTPUT_HEADLESS_EXPORT_H
#define HYGROVIA_APP_OUTPUT_HEADLESS_EXPORT_H

#include <string>

#include "app/cli/headless_options.h"

namespace hygrovia {

class HeadlessChart;

// Draws the whole chart as the screen shows it after start-up (highlight, overlays, marks and
// nodes included) into the file: a PNG image of the chart area's size, or an SVG or PDF vector
// picture drawn as the clipboard copy draws, laid out for the chart area and widened where
// labels reach beyond it. The file is replaced only when the picture was written completely.
// Returns an empty text when done, else why not.
std::string ExportChart(HeadlessChart& chart, const std::string& fileName, PictureFormat format);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_OUTPUT_HEADLESS_EXPORT_H
