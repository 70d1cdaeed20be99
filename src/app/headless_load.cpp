#include "app/headless_load.h"

#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

#include "data/chart_file.h"

namespace hygrovia {
namespace {

FileResult CannotRead(const std::filesystem::path& path, const std::string& reason) {
  return FileResult::Failed("Could not read \"" + PathText(path) + "\": " + reason);
}

}  // namespace

FileResult LoadBoundedChartFile(const std::filesystem::path& path, ChartSettings& chart) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  // The loader itself tells why a missing file or a folder is no chart, without reading.
  if (status.type() == std::filesystem::file_type::not_found ||
      std::filesystem::is_directory(status)) {
    return LoadChartFile(path, chart);
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return LoadChartFile(path, chart);
  std::string text(kLargestChartFile + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) return CannotRead(path, "reading failed; the chart is unchanged.");
  text.resize(static_cast<std::size_t>(in.gcount()));
  if (text.size() > kLargestChartFile) {
    return CannotRead(path, "it is larger than a chart data file can be; the chart is unchanged.");
  }
  std::istringstream content(text);
  return LoadChartFile(content, chart);
}

}  // namespace hygrovia
