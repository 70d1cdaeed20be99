#include "data/chart_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>

#include <fmt/format.h>
#include <optional>
#include <sstream>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "base/absolute_zero.h"
#include "base/chart_limits.h"
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
  // "DataFlow: N kg/s": the dry-air mass flow leaving node N, where two streams were mixed.
  std::vector<std::pair<std::int32_t, double>> Flows;
  int PointsInFile = 0;  // every "DataPnt:", also those beyond the node list's capacity
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

// The next value, when a number starts the next word; a number that is not finite as a float
// (nan, inf, 1e400) is refused rather than read as no value.
Result<std::optional<float>> ReadValue(WordReader& reader) {
  if (reader.NextIsUnfitNumber()) {
    return Failed("\"" + reader.PeekWord().value_or("") + "\" is not a finite number");
  }
  return reader.NextFloat();
}

// Reads up to two values; the first that cannot be read ends the entry.
Result<> ReadPair(WordReader& reader, FloatPair& pair) {
  for (float* value : {&pair.First, &pair.Second}) {
    const Result<std::optional<float>> read = ReadValue(reader);
    if (!read) return Failed(read.Message());
    if (!*read) break;
    *value = **read;
  }
  return Done();
}

std::string Number(float value) { return fmt::format("{:g}", static_cast<double>(value)); }

// A dry bulb (°C) at or below absolute zero is no air state.
Result<> CheckTemperature(float value) {
  if (IsAboveAbsoluteZero(AsSavedInFile(value))) return Done();
  return Failed(Number(value) +
                " \xC2\xB0"
                "C is at or below absolute zero");
}

// A range must run upwards as the chart stores it: the upper temperature held to
// kHighestTemperature, the lower moisture content raised to 0.
Result<> CheckRange(std::string_view name, float low, float high) {
  if (AsSavedInFile(low) < AsSavedInFile(high)) return Done();
  return Failed(std::string("the ") + std::string(name) + " range runs from " + Number(low) +
                " to " + Number(high) + "; its lower end must be below its upper end");
}

Result<> CheckEntry(std::string_view key, const FileContent& content) {
  if (key == "Cursor:") return CheckTemperature(content.Cursor.First);
  if (key == "CursorArrow:") return CheckTemperature(content.Arrow.First);
  if (key == "TemperatureRange:") {
    const FloatPair& t = content.TempRange;
    if (Result<> cold = CheckTemperature(t.First); !cold) return cold;
    return CheckRange("temperature", t.First, std::min(t.Second, kHighestTemperature));
  }
  if (key == "HumidityRange:") {
    const FloatPair& h = content.HumidityRange;
    return CheckRange("moisture content", std::max(h.First, 0.0f), h.Second);
  }
  return Done();
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

constexpr std::string_view kOtherKeys[] = {
    "BarometricPressure:", "Properties:", "DataPnt:", "DataName:", "DataFlow:"};

bool IsKey(std::string_view word) {
  return std::any_of(std::begin(kPairKeys), std::end(kPairKeys),
                     [word](const PairKey& key) { return key.Key == word; }) ||
         std::find(std::begin(kOtherKeys), std::end(kOtherKeys), word) != std::end(kOtherKeys);
}

Result<> ReadNode(WordReader& reader, FileContent& content) {
  if (Result<> read = ReadPair(reader, content.NodePoint); !read) return read;
  ++content.PointsInFile;
  if (Result<> cold = CheckTemperature(content.NodePoint.First); !cold) return cold;
  if (content.Nodes.size() < static_cast<std::size_t>(NodeList::kCapacity)) {
    content.Nodes.push_back({content.NodePoint.First, content.NodePoint.Second});
  }
  return Done();
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

// "DataFlow: N kg/s": a flow for no node is dropped, as a name is; a flow that is not a
// positive finite number refuses the file.
Result<> ReadFlow(WordReader& reader, FileContent& content) {
  const std::optional<float> number = reader.NextFloat();
  const Result<std::optional<float>> flow = ReadValue(reader);
  if (!flow) return Failed(flow.Message());
  if (!*flow || !(**flow > 0.0f)) {
    return Failed("\"DataFlow:\" needs a point's number and a mass flow above 0 kg/s");
  }
  if (number && *number >= 1.0f && *number <= float{NodeList::kCapacity} &&
      *number == std::floor(*number)) {
    content.Flows.emplace_back(static_cast<std::int32_t>(*number) - 1, **flow);
  }
  return Done();
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

// The "DataFlow:" lines of the points where two streams were mixed.
std::string FlowLines(const NodeList& nodes) {
  std::string lines;
  for (std::int32_t i = 0; nodes.IsValidIndex(i); ++i) {
    const double flow = nodes.Tags[static_cast<std::size_t>(i)].JoinedFlow;
    if (flow > 0.0) lines += fmt::format("DataFlow: {} {:.6g}\r\n", i + 1, flow);
  }
  return lines;
}

// The word after "Properties:", which must name a model this program knows; a key standing
// there is left for its own entry.
Result<> ReadModel(WordReader& reader, FileContent& content) {
  const std::optional<std::string> model = reader.PeekWord();
  if (!model || IsKey(*model)) return Failed("\"Properties:\" names no property model");
  reader.NextWord();
  if (*model != kAshraeModelWord) {
    return Failed("the property model \"" + *model + "\" is unknown; the one known is " +
                  std::string(kAshraeModelWord));
  }
  content.Model = PropertyModel::Ashrae2017;
  return Done();
}

Result<> ReadKnownEntry(std::string_view word, WordReader& reader, FileContent& content) {
  for (const PairKey& key : kPairKeys) {
    if (word != key.Key) continue;
    if (Result<> read = ReadPair(reader, content.*key.Pair); !read) return read;
    return CheckEntry(word, content);
  }
  if (word == "BarometricPressure:") {
    const Result<std::optional<float>> pressure = ReadValue(reader);
    if (!pressure) return Failed(pressure.Message());
    if (*pressure) content.Pressure = *pressure;
    return Done();
  }
  if (word == "Properties:") return ReadModel(reader, content);
  if (word == "DataName:") {
    ReadName(reader, content);
    return Done();
  }
  if (word == "DataFlow:") return ReadFlow(reader, content);
  return ReadNode(reader, content);
}

// What the words of a file gave: whether any key was used, and the first line that cannot be.
struct ScanResult {
  bool KeyFound = false;
  std::optional<std::string> Fault;
};

// Takes the values of the entry that word opens; any other word is skipped. A fault is kept
// (the first one) and the scan goes on, so that a file whose only key cannot be used is told
// apart from a chart file with a bad line.
void ReadEntry(std::string_view word, WordReader& reader, FileContent& content, ScanResult& scan) {
  if (!IsKey(word)) return;
  const std::size_t line = reader.Line();
  const Result<> read = ReadKnownEntry(word, reader, content);
  // A "Properties:" line that cannot be used is no sign of a chart file; any other key is.
  if (read || word != "Properties:") scan.KeyFound = true;
  if (!read && !scan.Fault) scan.Fault = fmt::format("Line {}: ", line) + read.Message();
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
  for (const auto& [node, flow] : content.Flows) {
    if (chart.Nodes.IsValidIndex(node)) {
      chart.Nodes.Tags[static_cast<std::size_t>(node)].JoinedFlow = flow;
    }
  }
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
  text += FlowLines(chart.Nodes);
  text += "\r\n";
  return text;
}

Result<> SaveChartFile(const fs::path& path, const ChartSettings& chart) {
  return WriteFileAtomically(path, ChartFileText(chart));
}

Result<> LoadChartFile(std::istream& in, ChartSettings& chart, ChartFileLoad* load) {
  FileContent content = CurrentContent(chart);
  WordReader reader(in);
  ScanResult scan;
  while (const std::optional<std::string> word = reader.NextWord()) {
    ReadEntry(*word, reader, content, scan);
  }
  if (load != nullptr) load->pointsInFile = content.PointsInFile;
  if (reader.ReadFailed()) {
    return Failed("Reading failed before the end of the file; the chart is unchanged.");
  }
  // An empty, binary or unrelated file would otherwise empty the node list and leave the rest.
  if (!scan.KeyFound) {
    return Failed(
        "It is not a chart data file: none of its keys was found; the chart is unchanged.");
  }
  if (scan.Fault) return Failed(*scan.Fault + "; the chart is unchanged.");
  ApplyContent(content, chart);
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
