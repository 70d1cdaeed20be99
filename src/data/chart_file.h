#ifndef HYGROVIA_DATA_CHART_FILE_H
#define HYGROVIA_DATA_CHART_FILE_H

#include <cstddef>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>

#include "base/result.h"

namespace hygrovia {

class ChartSettings;

// The chart data file (".hgv"): cursor, arrow, barometric pressure, ranges, snap and nodes as
// short lines of keys and numbers. Lines end in CR LF and numbers carry a full stop in every
// locale, so files travel between this program and the Windows one. A chart in the ASHRAE
// model adds the line "Properties: ASHRAE2017", which readers of the older format skip; a
// file without it is a chart in the chart's own formulas. A named node adds the line
// "DataName: N name" after the nodes; a chart without names has none.

// The word after "Properties:" that names the ASHRAE 2017 model.
inline constexpr std::string_view kAshraeModelWord = "ASHRAE2017";

// What a load found beyond what the chart keeps: the "DataPnt:" entries in the file, also
// those past the node list's capacity.
struct ChartFileLoad {
  int pointsInFile = 0;
};

// The exact text SaveChartFile writes for the chart.
std::string ChartFileText(const ChartSettings& chart);

// Writes the chart to the file, replacing an earlier one only when everything was written and
// flushed to the disk (WriteFileAtomically).
Result<> SaveChartFile(const std::filesystem::path& path, const ChartSettings& chart);

// Reads a chart from the stream: every whitespace-separated word that is one of the seven keys
// ("Cursor:", "CursorArrow:", "BarometricPressure:", "TemperatureRange:", "HumidityRange:",
// "Snap:", "DataPnt:") takes the numbers after it, wherever they stand, "Properties:" the
// word after it, and "DataName:" a node's number and the rest of its line as the node's name;
// all other words are skipped. The property model is the file's. The node list is
// emptied and refilled (at most NodeList::kCapacity nodes; load, when given, learns how many
// the file holds), the ranges are applied at the end, then the surface is fitted again and the
// chart redrawn.
//
// A value that cannot be read (not a number, or a key) ends its entry and leaves its field as
// it was; a missing range end or pressure keeps the chart's current one. A key is never taken
// as a value. Nothing is changed, and the message names the line, when a number is not finite
// as a float (nan, an infinity, 1e400), when a dry bulb (cursor, arrow, point, lower
// temperature) is at or below absolute zero, when a range's lower end is not below its upper
// end as the chart would store them, or when "Properties:" names no model or one this program
// does not know. Nothing is changed either when the stream fails while reading, or when no key
// but an unusable "Properties:" is found in it (an empty, binary or unrelated file).
Result<> LoadChartFile(std::istream& in, ChartSettings& chart, ChartFileLoad* load = nullptr);

// A chart data file is a few hundred bytes; a longer file is no chart.
inline constexpr std::size_t kLargestChartFile = std::size_t{1} << 20;

// LoadChartFile from the file at path; nothing is changed when it cannot be opened or read,
// when it is not a regular file (a pipe or a device, which is never waited on), or when it is
// longer than kLargestChartFile.
Result<> LoadChartFile(const std::filesystem::path& path, ChartSettings& chart,
                       ChartFileLoad* load = nullptr);

}  // namespace hygrovia

#endif  // HYGROVIA_DATA_CHART_FILE_H
