#ifndef HYGROVIA_APP_HEADLESS_LOAD_H
#define HYGROVIA_APP_HEADLESS_LOAD_H

#include <cstddef>
#include <filesystem>

#include "data/file_result.h"

namespace hygrovia {

class ChartSettings;

// A chart data file is a few hundred bytes; a file beyond this size is no chart, and a device
// such as /dev/zero never ends.
inline constexpr std::size_t kLargestChartFile = std::size_t{1} << 20;

// LoadChartFile for a file named on the command line, which may be any file, a pipe or a
// device: at most kLargestChartFile bytes are read, and a longer file is refused with nothing
// changed.
FileResult LoadBoundedChartFile(const std::filesystem::path& path, ChartSettings& chart);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_HEADLESS_LOAD_H
