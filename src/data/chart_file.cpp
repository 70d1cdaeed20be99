#include "data/chart_file.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>
#include <fmt/format.h>

#include "base/chart_point.h"
#include "base/number_text.h"
#include "data/atomic_file.h"
#include "data/file_descriptor.h"
#include "data/path_text.h"
#include "data/regular_file.h"
#include "data/word_reader.h"
#include "model/chart_settings.h"
#include "model/node_list.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

namespace fs = std::filesystem;

// Credit line of the header; the reader never looks at it.
constexpr std::string_view kHeader =
    "#\r\n"
    "# Psychrometric Chart Data\r\n"
    "# Written by Hygrovia, the psychrometric chart of moist air\r\n"
    "#\r\n"
    "\r\n";

std::string PairLine(std::string_view key, float first, float second) {
  return fmt::format("{} {:.3f}  {:.3f}\r\n", key, static_cast<double>(first),
                    static_cast<double>(second));
}

struct FloatPair {
  float First = 0.0f;
  float Second = 0.0f;
};

// Everything a file says, gathered before the chart is touched so that a file that fails
// half-way changes nothing. Fields start at the chart's own values: what the file does not
// set stays as it was.
struct FileContent {
  FloatPair Cursor;
  FloatPair Arrow;
  FloatPair TempRange;
  FloatPair HumidityRange;
  FloatPair Snap;
  std::optional<float> Pressure;
  PropertyModel Model = PropertyModel::ChartFormulas;
  // Each "DataPnt:" starts from the previous one's values, so an unreadable value repeats it.
  FloatPair NodePoint;
  std::vector<ChartPoint> Nodes;
  // "DataName: N text": node N's name, applied once the nodes are in.
  std::vector<std::pair<std::int32_t, std::string>> Names;
};

FileContent CurrentContent(const ChartSettings& chart) {
  FileContent content;
  content.Cursor = {chart.Cursor.X, chart.Cursor.Y};
  content.Arrow = {chart.Arrow.X, chart.Arrow.Y};
  chart.GetRanges(content.TempRange.First, content.HumidityRange.First, content.TempRange.Second,
                  content.HumidityRange.Second);
  content.Snap = {chart.TempSnap, chart.HumiditySnap};
  return content;
}

// Reads up to two values; the first that cannot be read ends the entry.
void ReadPair(WordReader& reader, FloatPair& pair) {
  const std::optional<float> first = reader.NextFloat();
  if (!first) return;
  pair.First = *first;
  if (const std::optional<float> second = reader.NextFloat()) pair.Second = *second;
}

struct PairKey {
  std::string_view Key;
  FloatPair FileContent::*Pair;
};

constexpr PairKey kPairKeys[] = {
    {"Cursor:", &FileContent::Cursor},
    {"CursorArrow:", &FileContent::Arrow},
    {"TemperatureRange:", &FileContent::TempRange},
    {"HumidityRange:", &FileContent::HumidityRange},
    {"Snap:", &FileContent::Snap},
};

void ReadNode(WordReader& reader, FileContent& content) {
  ReadPair(reader, content.NodePoint);
  if (content.Nodes.size() < static_cast<std::size_t>(NodeList::kCapacity)) {
    content.Nodes.push_back({content.NodePoint.First, content.NodePoint.Second});
  }
}

// "DataName: N text": the name runs to the end of its line and is never read for keys, so a
// point may be called "Cursor:" without moving the cursor.
void ReadName(WordReader& reader, FileContent& content) {
  const std::optional<float> number = reader.NextFloat();
  std::string name = reader.RestOfLine();
  if (!number || *number < 1.0f || *number > float{NodeList::kCapacity} ||
      *number != std::floor(*number)) {
    return;
  }
  content.Names.emplace_back(static_cast<std::int32_t>(*number) - 1, std::move(name));
}

// The "DataName:" lines of the named nodes, none for a chart without names.
std::string NameLines(const NodeList& nodes) {
  std::string lines;
  for (std::int32_t i = 0; nodes.IsValidIndex(i); ++i) {
    const std::string_view name = nodes.Name(i);
    if (!name.empty()) lines += fmt::format("DataName: {} {}\r\n", i + 1, name);
  }
  return lines;
}

// Takes the values of the entry that word opens; any other word is skipped. True when the
// word was a key.
bool ReadEntry(std::string_view word, WordReader& reader, FileContent& content) {
  for (const PairKey& key : kPairKeys) {
    if (word == key.Key) {
      ReadPair(reader, content.*key.Pair);
      return true;
    }
  }
  if (word == "BarometricPressure:") {
    if (const std::optional<float> pressure = reader.NextFloat()) content.Pressure = pressure;
    return true;
  }
  if (word == "Properties:") {
    const std::optional<std::string> model = reader.NextWord();
    if (model == kAshraeModelWord) content.Model = PropertyModel::Ashrae2017;
    return true;
  }
  if (word == "DataPnt:") {
    ReadNode(reader, content);
    return true;
  }
  if (word == "DataName:") {
    ReadName(reader, content);
    return true;
  }
  return false;
}

void ApplyContent(const FileContent& content, ChartSettings& chart) {
  chart.Nodes.Clear();
  chart.SetPropertyModel(content.Model);
  chart.Cursor = {StoredCoordinate(content.Cursor.First, chart.Cursor.X),
                  StoredCoordinate(content.Cursor.Second, chart.Cursor.Y)};
  chart.Arrow = {StoredCoordinate(content.Arrow.First, chart.Arrow.X),
                 StoredCoordinate(content.Arrow.Second, chart.Arrow.Y)};
  chart.TempSnap = content.Snap.First;
  chart.HumiditySnap = content.Snap.Second;
  if (content.Pressure) chart.SetPressure(*content.Pressure);
  for (const ChartPoint& node : content.Nodes) chart.Nodes.AppendPoint(node.X, node.Y);
  for (const auto& [node, name] : content.Names) chart.Nodes.SetName(node, name);
  chart.SetRanges(content.TempRange.First, content.HumidityRange.First, content.TempRange.Second,
                  content.HumidityRange.Second);
  chart.ApplyToSurface();
  chart.Surface().Redraw();
}

Result<> OpenFailed(const fs::path& path, std::string_view reason) {
  return Failed("Could not open \"" + PathText(path) + "\": " + std::string(reason));
}

Result<> ReadFailed(const fs::path& path, const std::string& reason) {
  return Failed("Could not read \"" + PathText(path) + "\". " + reason);
}

}  // namespace

std::string ChartFileText(const ChartSettings& chart) {
  std::string text(kHeader);
  text += PairLine("Cursor:", chart.Cursor.X, chart.Cursor.Y);
  text += PairLine("CursorArrow:", chart.Arrow.X, chart.Arrow.Y);
  text += fmt::format("BarometricPressure: {:.3f}\r\n", chart.GetPressure());
  if (chart.GetPropertyModel() == PropertyModel::Ashrae2017) {
    text += fmt::format("Properties: {}\r\n", kAshraeModelWord);
  }
  text += PairLine("TemperatureRange:", chart.TempMin, chart.TempMax);
  text += PairLine("HumidityRange:", chart.HumidityMin, chart.HumidityMax);
  text += PairLine("Snap:", chart.TempSnap, chart.HumiditySnap);
  text += "\r\n";
  for (std::int32_t i = 0; chart.Nodes.IsValidIndex(i); ++i) {
    const ChartPoint node = chart.Nodes.GetNode(i);
    text += PairLine("DataPnt:", node.X, node.Y);
  }
  text += NameLines(chart.Nodes);
  text += "\r\n";
  return text;
}

Result<> SaveChartFile(const fs::path& path, const ChartSettings& chart) {
  return WriteFileAtomically(path, ChartFileText(chart));
}

Result<> LoadChartFile(std::istream& in, ChartSettings& chart, ChartFileLoad* load) {
  FileContent content = CurrentContent(chart);
  WordReader reader(in);
  bool keyFound = false;
  int points = 0;
  while (const std::optional<std::string> word = reader.NextWord()) {
    if (*word == "DataPnt:") ++points;
    keyFound = ReadEntry(*word, reader, content) || keyFound;
  }
  if (reader.ReadFailed()) {
    return Failed("Reading failed before the end of the file; the chart is unchanged.");
  }
  // An empty, binary or unrelated file would otherwise empty the node list and leave the rest.
  if (!keyFound) {
    return Failed(
        "It is not a chart data file: none of its keys was found; the chart is unchanged.");
  }
  ApplyContent(content, chart);
  if (load != nullptr) load->pointsInFile = points;
  return Done();
}

Result<> LoadChartFile(const fs::path& path, ChartSettings& chart, ChartFileLoad* load) {
  using Outcome = RegularFileRead::Outcome;
  const RegularFileRead read = ReadRegularFile(path, kLargestChartFile);
  switch (read.Result) {
    case Outcome::Read:
      break;
    case Outcome::Missing:
      return OpenFailed(path, "the file does not exist.");
    case Outcome::Folder:
      return OpenFailed(path, "it is a folder, not a chart data file.");
    case Outcome::NotRegular:
      return OpenFailed(path, "it is a device, pipe or socket, not a chart data file.");
    case Outcome::TooLarge:
      return ReadFailed(path,
                        "It is larger than a chart data file can be; the chart is unchanged.");
    case Outcome::Failed:
      return OpenFailed(path, SystemReason(read.Error) + ".");
  }
  std::istringstream content(read.Bytes);
  Result<> result = LoadChartFile(content, chart, load);
  if (!result.Ok()) return ReadFailed(path, result.Message());
  return result;
}

}  // namespace hygrovia
