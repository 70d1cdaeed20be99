#include "data/chart_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#if defined(__unix__)
#include <sys/resource.h>
#include <csignal>
#endif

#include "base/number_text.h"
#include "model/chart_settings.h"
#include "support/comma_locale.h"
#include "support/scratch_folder.h"
#include "support/test_chart.h"
#include "units/quantity_text.h"

namespace hygrovia {
namespace {

namespace fs = std::filesystem;
using testing::FileBytes;
using testing::ScratchFolder;
using testing::Snapshot;
using testing::TestChart;
using testing::WriteBytes;

// A chart that differs from the defaults everywhere the file reaches.
void Prepare(ChartSettings& chart) {
  chart.SetRanges(-10.0f, 2.0f, 40.0f, 30.0f);
  chart.SetPressure(90.0f);
  chart.TempSnap = 0.5f;
  chart.HumiditySnap = 0.25f;
  chart.Cursor = {30.0f, 12.0f};
  chart.Arrow = {15.0f, 5.0f};
  chart.Nodes.AppendPoint(1.0f, 1.0f);
  chart.Nodes.AppendPoint(2.0f, 2.0f);
}

// What the file reaches, in one line, to three decimals.
std::string Describe(const ChartSettings& chart) {
  std::string text =
      FormatText("C %0.3f %0.3f A %0.3f %0.3f P %0.3f T %0.3f %0.3f H %0.3f %0.3f S %0.3f %0.3f N",
                 chart.Cursor.X, chart.Cursor.Y, chart.Arrow.X, chart.Arrow.Y, chart.GetPressure(),
                 chart.TempMin, chart.TempMax, chart.HumidityMin, chart.HumidityMax, chart.TempSnap,
                 chart.HumiditySnap);
  for (std::int32_t i = 0; chart.Nodes.IsValidIndex(i); ++i) {
    text += FormatText(" %0.3f %0.3f", chart.Nodes.GetNode(i).X, chart.Nodes.GetNode(i).Y);
  }
  return text;
}

Result<> LoadText(const std::string& text, ChartSettings& chart) {
  std::istringstream in(text);
  return LoadChartFile(in, chart);
}

constexpr char kHeader[] =
    "#\r\n"
    "# Psychrometric Chart Data\r\n"
    "# Written by Hygrovia, the psychrometric chart of moist air\r\n"
    "#\r\n"
    "\r\n";

TEST(ChartFileTest, WritesTheExactLayout) {
  TestChart empty;
  const std::string noNodes = std::string(kHeader) +
                              "Cursor: 25.000  10.031\r\n"
                              "CursorArrow: 20.000  7.340\r\n"
                              "BarometricPressure: 101.365\r\n"
                              "TemperatureRange: 0.000  50.000\r\n"
                              "HumidityRange: 0.000  35.000\r\n"
                              "Snap: 0.100  0.100\r\n"
                              "\r\n"
                              "\r\n";
  EXPECT_EQ(ChartFileText(empty.settings), noNodes);

  TestChart two;
  two.settings.Cursor = {-3.25f, 0.5f};
  two.settings.Nodes.AppendPoint(12.5f, 8.0f);
  two.settings.Nodes.AppendPoint(-0.0004f, 1234.5678f);
  const std::string twoNodes = std::string(kHeader) +
                               "Cursor: -3.250  0.500\r\n"
                               "CursorArrow: 20.000  7.340\r\n"
                               "BarometricPressure: 101.365\r\n"
                               "TemperatureRange: 0.000  50.000\r\n"
                               "HumidityRange: 0.000  35.000\r\n"
                               "Snap: 0.100  0.100\r\n"
                               "\r\n"
                               "DataPnt: 12.500  8.000\r\n"
                               "DataPnt: -0.000  1234.568\r\n"
                               "\r\n";
  EXPECT_EQ(ChartFileText(two.settings), twoNodes);
}

// Names run to the end of their line: a name that looks like keys moves nothing, a name or a
// mixed flow for no node is dropped, and what was read saves again byte for byte.
TEST(ChartFileTest, NamedNodesTravelInLinesOfTheirOwn) {
  const std::string text = std::string(kHeader) +
                           "Cursor: 25.000  10.031\r\n"
                           "CursorArrow: 20.000  7.340\r\n"
                           "BarometricPressure: 101.365\r\n"
                           "TemperatureRange: 0.000  50.000\r\n"
                           "HumidityRange: 0.000  35.000\r\n"
                           "Snap: 0.100  0.100\r\n"
                           "\r\n"
                           "DataPnt: 35.000  18.000\r\n"
                           "DataPnt: 12.000  8.300\r\n"
                           "DataPnt: 18.000  8.300\r\n"
                           "DataName: 1 OA\r\n"
                           "DataName: 3 Cursor: 40 20 DataPnt: 1 1\r\n"
                           "DataFlow: 2 4.53612\r\n"
                           "\r\n";
  TestChart loaded;
  ASSERT_TRUE(LoadText(text + "DataName: 9 nobody\r\nDataFlow: 9 1\r\n", loaded.settings).Ok());
  const NodeList& nodes = loaded.settings.Nodes;
  ASSERT_EQ(nodes.Count, 3);
  EXPECT_EQ(nodes.Name(0), "OA");
  EXPECT_EQ(nodes.Name(1), "");
  EXPECT_EQ(nodes.Name(2), "Cursor: 40 20 DataPnt: 1 1");
  // The flow leaving a mixed point, which the process loads after it use.
  EXPECT_NEAR(nodes.Tags[1].JoinedFlow, 4.53612, 1e-6);
  EXPECT_EQ(nodes.Tags[0].JoinedFlow, 0.0);
  EXPECT_EQ(loaded.settings.Cursor.X, 25.0f);
  EXPECT_EQ(ChartFileText(loaded.settings), text);
  TestChart again;
  ASSERT_TRUE(LoadText(ChartFileText(loaded.settings), again.settings).Ok());
  EXPECT_EQ(ChartFileText(again.settings), text);
}

TEST(ChartFileTest, PropertyModelTravelsInItsOwnLine) {
  TestChart ashrae;
  ashrae.settings.SetPropertyModel(PropertyModel::Ashrae2017);
  ashrae.settings.SetPressure(84.556f);
  const std::string text = ChartFileText(ashrae.settings);
  EXPECT_NE(text.find("BarometricPressure: 84.556\r\nProperties: ASHRAE2017\r\nTemperatureRange:"),
            std::string::npos);
  // A file says which model it holds: with the line the ASHRAE model, without it the chart's
  // own formulas, whatever was in force before. (Words it does not know are refused.)
  struct Case {
    std::string text;
    PropertyModel expected;
  };
  const Case cases[] = {
      {text, PropertyModel::Ashrae2017},
      {"P 90 Properties: ASHRAE2017 C 30 12", PropertyModel::Ashrae2017},
      {"BarometricPressure: 90", PropertyModel::ChartFormulas},
  };
  for (const Case& c : cases) {
    TestChart loaded;
    loaded.settings.SetPropertyModel(PropertyModel::Ashrae2017);
    ASSERT_TRUE(LoadText(c.text, loaded.settings).Ok()) << c.text;
    EXPECT_EQ(loaded.settings.GetPropertyModel(), c.expected) << c.text;
    EXPECT_EQ(loaded.cursor.Model, c.expected) << c.text;
    EXPECT_EQ(loaded.arrow.Model, c.expected) << c.text;
  }
  TestChart reloaded;
  ASSERT_TRUE(LoadText(text, reloaded.settings).Ok());
  EXPECT_EQ(ChartFileText(reloaded.settings), text);
}

TEST(ChartFileTest, SavedChartLoadsBackToThreeDecimals) {
  testing::CommaLocale comma;
  ASSERT_TRUE(comma.active()) << "the set-up script generates de_DE.UTF-8";
  TestChart saved;
  Prepare(saved.settings);
  saved.settings.Cursor = {25.0004f, -1.5f};
  saved.settings.Arrow = {-7.125f, 33.3333f};
  saved.settings.SetPressure(65.4321f);
  for (int i = 0; i < NodeList::kCapacity; ++i) {
    saved.settings.Nodes.AppendPoint(static_cast<float>(i) * -1.75f, static_cast<float>(i) / 3.0f);
  }
  const std::string text = ChartFileText(saved.settings);
  EXPECT_NE(text.find("Cursor: 25.000  -1.500\r\n"), std::string::npos);

  TestChart loaded;
  ASSERT_TRUE(LoadText(text, loaded.settings).Ok());
  EXPECT_EQ(Describe(loaded.settings), Describe(saved.settings));
  EXPECT_EQ(ChartFileText(loaded.settings), text);
  EXPECT_EQ(loaded.settings.Nodes.Selected, NodeList::kCapacity - 1);
  EXPECT_EQ(loaded.redraws, 1);
  EXPECT_EQ(loaded.surface.SnapX, 0.5f) << "the settings reach the surface";
}

TEST(ChartFileTest, ChartSavedInInchPoundUnitsIsTheSameFileInSi) {
  TestChart ip;
  ChartSettings& saved = ip.settings;
  saved.SetUnitSystem(UnitSystem::Ip);
  const QuantityText& units = saved.GetUnits();
  const auto si = [&units](Quantity quantity, double shown) {
    return static_cast<float>(units.FromShown(quantity, shown));
  };
  // Values as a user types them in inch-pound units.
  saved.SetRanges(si(Quantity::Temperature, 40.0), si(Quantity::Moisture, 10.0),
                  si(Quantity::Temperature, 105.0), si(Quantity::Moisture, 180.0));
  saved.SetPressure(si(Quantity::Pressure, 12.5));
  saved.TempSnap = si(Quantity::TemperatureDifference, 0.5);
  saved.HumiditySnap = si(Quantity::MoistureDifference, 2.0);
  saved.Cursor = {si(Quantity::Temperature, 77.0), si(Quantity::Moisture, 69.17)};
  saved.Nodes.AppendPoint(si(Quantity::Temperature, 95.0), si(Quantity::Moisture, 100.0));
  const std::string text = ChartFileText(saved);
  // The file does not say which units wrote it: the same chart in SI writes the same bytes.
  saved.SetUnitSystem(UnitSystem::Si);
  EXPECT_EQ(ChartFileText(saved), text);

  TestChart loaded;
  ASSERT_TRUE(LoadText(text, loaded.settings).Ok());
  EXPECT_EQ(Describe(loaded.settings), Describe(saved));
  EXPECT_EQ(Describe(loaded.settings).substr(0, 20), "C 25.000 9.881 A 20.");
}

TEST(ChartFileTest, ReadsEntriesAsTheyCome) {
  const std::string kept =
      "A 15.000 5.000 P 90.000 T -10.000 40.000 H 2.000 30.000 S 0.500 0.250 N";
  const std::string unchanged = "C 30.000 12.000 " + kept;
  const std::string longWord(300, 'x');
  struct Case {
    std::string text;
    std::string expected;
  };
  const Case cases[] = {
      {"Cursor: 10 5", "C 10.000 5.000 " + kept},
      {"Cursor:\r\n10\r\n5\r\n", "C 10.000 5.000 " + kept},
      {"Cursor:\t10\r5\f", "C 10.000 5.000 " + kept},
      {"Cursor: 1 2 Snap: 3 4 Cursor: 10 5",
       "C 10.000 5.000 A 15.000 5.000 P 90.000 T -10.000 40.000 H 2.000 30.000 S 3.000 4.000 N"},
      {"Cursor: 10 abc 5", "C 10.000 12.000 " + kept},
      {"Cursor: abc 5 7", unchanged},
      {"Cursor: 10 5Snap: 1 2",
       "C 10.000 5.000 A 15.000 5.000 P 90.000 T -10.000 40.000 H "
       "2.000 30.000 S 1.000 2.000 N"},
      {"Cursor: 1.5-2", "C 1.500 -2.000 " + kept},
      {"Cursor: +7 .5e1", "C 7.000 5.000 " + kept},
      // A key with no value ends the entry and is read as the key it is.
      {"TemperatureRange: Cursor: 10 5", "C 10.000 5.000 " + kept},
      {"CursorArrow: -3 4.5",
       "C 30.000 12.000 A -3.000 4.500 P 90.000 T -10.000 40.000 H "
       "2.000 30.000 S 0.500 0.250 N"},
      {"BarometricPressure: 200",
       "C 30.000 12.000 A 15.000 5.000 P 131.365 T -10.000 40.000 H "
       "2.000 30.000 S 0.500 0.250 N"},
      {"BarometricPressure: 40",
       "C 30.000 12.000 A 15.000 5.000 P 51.365 T -10.000 40.000 H "
       "2.000 30.000 S 0.500 0.250 N"},
      {"BarometricPressure: abc", unchanged},
      {"TemperatureRange: 0 150",
       "C 30.000 12.000 A 15.000 5.000 P 90.000 T 0.000 100.000 H "
       "2.000 30.000 S 0.500 0.250 N"},
      {"HumidityRange: -5 30",
       "C 30.000 12.000 A 15.000 5.000 P 90.000 T -10.000 40.000 H "
       "0.000 30.000 S 0.500 0.250 N"},
      {"TemperatureRange: 5 x HumidityRange: y 20",
       "C 30.000 12.000 A 15.000 5.000 P 90.000 T 5.000 40.000 H 2.000 30.000 S 0.500 0.250 N"},
      {"HumidityRange: 1 2 HumidityRange: 3 4",
       "C 30.000 12.000 A 15.000 5.000 P 90.000 T "
       "-10.000 40.000 H 3.000 4.000 S 0.500 0.250 N"},
      {"Snap: -1 0",
       "C 30.000 12.000 A 15.000 5.000 P 90.000 T -10.000 40.000 H 2.000 "
       "30.000 S -1.000 0.000 N"},
      {"DataPnt: x DataPnt: 1 2 DataPnt: 3 y DataPnt: z", unchanged + " 0.000 0.000 1.000 2.000 "
                                                                      "3.000 2.000 3.000 2.000"},
      {"Cursor: 1000001 -2e6", "C 1000000.000 -1000000.000 " + kept},
      {longWord + " Cursor: 10 5", "C 10.000 5.000 " + kept},
      {"Cursor: " + std::string(300, '0') + "1 5", unchanged},
      {std::string(255, 'x') + " DataPnt: 8 9", unchanged + " 8.000 9.000"},
      {std::string(4093, ' ') + "Cursor: 10 5", "C 10.000 5.000 " + kept},
  };
  for (const Case& c : cases) {
    TestChart chart;
    Prepare(chart.settings);
    const Result<> result = LoadText(c.text, chart.settings);
    EXPECT_TRUE(result.Ok()) << c.text;
    EXPECT_EQ(result.Message(), "") << c.text;
    EXPECT_EQ(Describe(chart.settings), c.expected) << c.text;
    EXPECT_EQ(chart.redraws, 1) << c.text;
  }
}

TEST(ChartFileTest, LoadsAtMostTwentyFourNodesAndSelectsTheLast) {
  std::string text;
  for (int i = 1; i <= 30; ++i) text += FormatText("DataPnt: %d  %d\r\n", i, -i);
  TestChart chart;
  std::istringstream in(text);
  ChartFileLoad load;
  ASSERT_TRUE(LoadChartFile(in, chart.settings, &load).Ok());
  EXPECT_EQ(load.pointsInFile, 30) << "the caller can tell that points were left out";
  EXPECT_EQ(chart.settings.Nodes.Count, NodeList::kCapacity);
  EXPECT_EQ(chart.settings.Nodes.Selected, NodeList::kCapacity - 1);
  EXPECT_EQ(chart.settings.Nodes.GetNode(23).X, 24.0f);
  EXPECT_EQ(chart.settings.Nodes.GetNode(23).Y, -24.0f);
}

// Regression: reversed or equal ranges, numbers beyond a float and states colder than absolute
// zero loaded in silence and drew a broken chart; a "Properties:" without its word swallowed
// the next key, and one with a word it did not know was dropped at the next save.
TEST(ChartFileTest, LinesThatCannotBeUsedRefuseTheFileAndNameTheLine) {
  const std::string notAChart =
      "It is not a chart data file: none of its keys was found; the chart is unchanged.";
  const std::string deg =
      "\xC2\xB0"
      "C";
  struct Case {
    std::string text;
    std::string message;
  };
  const Case cases[] = {
      {"Cursor: 1 2\r\nTemperatureRange: 50 0\r\n",
       "Line 2: the temperature range runs from 50 to 0; its lower end must be below its upper "
       "end"},
      {"TemperatureRange: 20 20",
       "Line 1: the temperature range runs from 20 to 20; its lower "
       "end must be below its upper end"},
      {"TemperatureRange: 120 150",
       "Line 1: the temperature range runs from 120 to 100; its "
       "lower end must be below its upper end"},
      {"\n\nHumidityRange:\n5 -1",
       "Line 3: the moisture content range runs from 5 to -1; its "
       "lower end must be below its upper end"},
      {"DataPnt: 1e400 5", "Line 1: \"1e400\" is not a finite number"},
      {"Cursor: 10 inf", "Line 1: \"inf\" is not a finite number"},
      {"Cursor: nan 5", "Line 1: \"nan\" is not a finite number"},
      {"Cursor: 1e300 5", "Line 1: \"1e300\" is not a finite number"},
      {"BarometricPressure: -1e999", "Line 1: \"-1e999\" is not a finite number"},
      {"DataPnt: -300 5", "Line 1: -300 " + deg + " is at or below absolute zero"},
      {"CursorArrow: -273.15 1", "Line 1: -273.15 " + deg + " is at or below absolute zero"},
      {"TemperatureRange: -280 0", "Line 1: -280 " + deg + " is at or below absolute zero"},
      {"Cursor: 1 2\nProperties: Garbage",
       "Line 2: the property model \"Garbage\" is unknown; the one known is ASHRAE2017"},
      {"Properties: ashrae2017 Cursor: 1 2",
       "Line 1: the property model \"ashrae2017\" is unknown; the one known is ASHRAE2017"},
      {"Properties:\r\nDataPnt: 1 2\r\nDataPnt: 3 4\r\nDataPnt: 5 6\r\n",
       "Line 1: \"Properties:\" names no property model"},
      {"DataPnt: 1 2\nDataFlow: 1 -3",
       "Line 2: \"DataFlow:\" needs a point's number and a mass flow above 0 kg/s"},
      {"DataPnt: 1 2\nDataFlow: 1\nDataPnt: 3 4",
       "Line 2: \"DataFlow:\" needs a point's number and a mass flow above 0 kg/s"},
      {"DataFlow: 1 inf", "Line 1: \"inf\" is not a finite number"},
  };
  for (const Case& c : cases) {
    TestChart chart;
    Prepare(chart.settings);
    const std::string before = Describe(chart.settings);
    const Result<> result = LoadText(c.text, chart.settings);
    EXPECT_EQ(result.Message(), c.message + "; the chart is unchanged.") << c.text;
    EXPECT_EQ(Describe(chart.settings), before) << c.text;
    EXPECT_EQ(chart.redraws, 0) << c.text;
  }
  // A file whose only key is a "Properties:" it cannot use is no chart file.
  for (const char* text : {"Properties: xyz", "Properties:", "Properties: Properties: Chart"}) {
    TestChart chart;
    EXPECT_EQ(LoadText(text, chart.settings).Message(), notAChart) << text;
  }
}

TEST(ChartFileTest, DamagedFilesLoadWithoutHarm) {
  TestChart source;
  Prepare(source.settings);
  const std::string text = ChartFileText(source.settings);
  for (std::size_t length = 0; length <= text.size(); ++length) {
    TestChart chart;
    // Cut before its first key, the file is no chart file at all.
    const bool hasKey = text.substr(0, length).find("Cursor:") != std::string::npos;
    EXPECT_EQ(LoadText(text.substr(0, length), chart.settings).Ok(), hasKey) << length;
    EXPECT_LE(chart.settings.Nodes.Count, 2) << length;
    if (length == text.size()) {
      EXPECT_EQ(Describe(chart.settings), Describe(source.settings));
    }
  }
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>((i * 7919) % 256));
  binary += "\nCursor: 3 4\n";
  TestChart chart;
  EXPECT_TRUE(LoadText(binary, chart.settings).Ok());
  EXPECT_EQ(chart.settings.Cursor.X, 3.0f);
  EXPECT_EQ(chart.settings.Cursor.Y, 4.0f);
}

// Regression: an empty, binary or unrelated file emptied the node list and applied whatever
// its words happened to give, without a message.
TEST(ChartFileTest, FilesWithoutAnyKeyAreRefused) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>((i * 7919) % 256));
  const std::string texts[] = {
      "",
      "\r\n\r\n",
      binary,
      "#\r\n# Psychrometric Chart Data\r\n#\r\n1 2 3 4 5 6",
      "cursor: 10 5 Cursor 10 5 CURSOR: 10 5",
      std::string(300, 'x') + "Cursor: 10 5",
      "\x89PNG\r\n\x1a\n IHDR 100 -5 TemperatureRange 0 9",
  };
  const std::string message =
      "It is not a chart data file: none of its keys was found; the chart is unchanged.";
  for (const std::string& text : texts) {
    TestChart chart;
    Prepare(chart.settings);
    const std::string before = Describe(chart.settings);
    const Result<> result = LoadText(text, chart.settings);
    EXPECT_FALSE(result.Ok()) << text;
    EXPECT_EQ(result.Message(), message) << text;
    EXPECT_EQ(Describe(chart.settings), before) << text;
    EXPECT_EQ(chart.redraws, 0) << text;
  }
  ScratchFolder folder;
  const fs::path empty = folder.path() / "empty.hgv";
  WriteBytes(empty, "");
  TestChart chart;
  EXPECT_EQ(LoadChartFile(empty, chart.settings).Message(),
            "Could not read \"" + empty.string() + "\". " + message);
}

// A stream that breaks down after its first few bytes, like a failing disk.
class BrokenBuffer : public std::streambuf {
 public:
  explicit BrokenBuffer(std::string start) : start_(std::move(start)) {
    setg(start_.data(), start_.data(), start_.data() + start_.size());
  }

 protected:
  int_type underflow() override { throw std::runtime_error("read error"); }

 private:
  std::string start_;
};

TEST(ChartFileTest, ReadErrorChangesNothing) {
  TestChart chart;
  Prepare(chart.settings);
  const std::string before = Describe(chart.settings);
  BrokenBuffer buffer("Cursor: 1 2\r\nDataPnt: 3 4\r\nTemperatureRange: 0 9");
  std::istream in(&buffer);
  const Result<> result = LoadChartFile(in, chart.settings);
  EXPECT_FALSE(result.Ok());
  EXPECT_EQ(result.Message(), "Reading failed before the end of the file; the chart is unchanged.");
  EXPECT_EQ(Describe(chart.settings), before);
  EXPECT_EQ(chart.redraws, 0);
}

TEST(ChartFileTest, FilesThatCannotBeOpenedChangeNothing) {
  ScratchFolder folder;
  const fs::path missing = folder.path() / "missing.hgv";
  struct Case {
    fs::path path;
    std::string message;
  };
  std::vector<Case> cases = {
      {missing, "Could not open \"" + missing.string() + "\": the file does not exist."},
      {folder.path(),
       "Could not open \"" + folder.path().string() + "\": it is a folder, not a chart data file."},
  };
#ifndef _WIN32
  // Windows has no pipes or devices among its file names, and making symbolic links there takes
  // rights an ordinary user seldom has.
  const fs::path pipe = folder.path() / "pipe.hgv";
  ::mkfifo(pipe.c_str(), 0600);
  const fs::path loop = folder.path() / "loop.hgv";
  fs::create_symlink(loop, loop);
  const std::string kNotRegular = "it is a device, pipe or socket, not a chart data file.";
  cases.insert(
      cases.end(),
      {
          // Regression: a pipe without a writer made the read wait for ever, and a device that
          // never ends (/dev/zero) was read up to the size limit.
          {pipe, "Could not open \"" + pipe.string() + "\": " + kNotRegular},
          {"/dev/zero", "Could not open \"/dev/zero\": " + kNotRegular},
          {loop, "Could not open \"" + loop.string() + "\": Too many levels of symbolic links."},
      });
#endif
  for (const Case& c : cases) {
    if (!fs::exists(fs::symlink_status(c.path))) continue;
    TestChart chart;
    Prepare(chart.settings);
    const std::string before = Describe(chart.settings);
    const Result<> result = LoadChartFile(c.path, chart.settings);
    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(result.Message(), c.message);
    EXPECT_EQ(Describe(chart.settings), before);
    EXPECT_EQ(chart.redraws, 0);
  }
}

// Regression: a file name on the command line may be a device that never ends (/dev/zero);
// loading it read forever.
TEST(ChartFileTest, FilesLongerThanAChartAreRefusedUnread) {
  ScratchFolder folder;
  const fs::path big = folder.path() / "big.hgv";
  {
    std::ofstream out(big, std::ios::binary);
    out << "Cursor: 1 2\r\n" << std::string(kLargestChartFile, ' ');
  }
  for (const fs::path& path : {big}) {
    TestChart chart;
    Prepare(chart.settings);
    const std::string before = Describe(chart.settings);
    const Result<> result = LoadChartFile(path, chart.settings);
    EXPECT_FALSE(result.Ok()) << path;
    EXPECT_EQ(result.Message(), "Could not read \"" + path.string() +
                                    "\". It is larger than a chart data file can be; the chart is "
                                    "unchanged.");
    EXPECT_EQ(Describe(chart.settings), before);
  }
}

TEST(ChartFileTest, SaveReplacesTheFileWhole) {
  ScratchFolder folder;
  const fs::path target = folder.path() / "chart.hgv";
  WriteBytes(target, std::string(5000, '#'));
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
  // Windows keeps only a read-only flag, so the file's permissions are read back.
  const fs::perms permissions = fs::status(target).permissions();
  TestChart chart;
  Prepare(chart.settings);
  const Result<> result = SaveChartFile(target, chart.settings);
  ASSERT_TRUE(result.Ok()) << result.Message();
  EXPECT_EQ(FileBytes(target), ChartFileText(chart.settings));
  EXPECT_EQ(fs::status(target).permissions(), permissions);
  EXPECT_EQ(folder.EntryCount(), 1) << "no temporary file is left behind";

  TestChart loaded;
  ASSERT_TRUE(LoadChartFile(target, loaded.settings).Ok());
  EXPECT_EQ(Describe(loaded.settings), Describe(chart.settings));
}

TEST(ChartFileTest, SaveThroughALinkUpdatesTheLinkedFile) {
  ScratchFolder folder;
  const fs::path real = folder.path() / "real.hgv";
  const fs::path link = folder.path() / "link.hgv";
  WriteBytes(real, "old");
  std::error_code error;
  fs::create_symlink(real, link, error);
  if (error) GTEST_SKIP() << "this system makes no symbolic links: " << error.message();
  TestChart chart;
  ASSERT_TRUE(SaveChartFile(link, chart.settings).Ok());
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
  EXPECT_EQ(FileBytes(real), ChartFileText(chart.settings));
  EXPECT_EQ(folder.EntryCount(), 2);
}

TEST(ChartFileTest, FailedSaveLeavesEverythingAsItWas) {
  ScratchFolder folder;
  const fs::path inTheWay = folder.path() / "taken.hgv";
  fs::create_directory(inTheWay);
  WriteBytes(inTheWay / "inside", "kept");
  const fs::path noFolder = folder.path() / "nowhere" / "chart.hgv";
  struct Case {
    fs::path path;
    std::string message;
  };
  const Case cases[] = {
      {inTheWay,
       "Could not save \"" + inTheWay.string() + "\": a folder of that name is in the way."},
      {noFolder, "Could not save \"" + noFolder.string() + "\": its folder does not exist."},
  };
  TestChart chart;
  for (const Case& c : cases) {
    const Result<> result = SaveChartFile(c.path, chart.settings);
    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(result.Message(), c.message);
  }
  EXPECT_EQ(FileBytes(inTheWay / "inside"), "kept");
  EXPECT_FALSE(fs::exists(noFolder.parent_path()));
  EXPECT_EQ(folder.EntryCount(), 1);
}

// Regression: the save replaced a write-protected file, which the export refused, and both
// replaced pipes and links to them with regular files. The writer is the export's too.
TEST(ChartFileTest, SaveLeavesWhatIsNoWritableRegularFile) {
  const std::string notRegular =
      "it is not a regular file but a device, pipe or socket, which is left as it is.";
  struct Case {
    std::string name;
    std::function<void(const fs::path&)> prepare;
    std::string why;
  };
  std::vector<Case> cases = {
      {"protected.hgv",
       [](const fs::path& at) {
         WriteBytes(at / "protected.hgv", "old");
         fs::permissions(at / "protected.hgv", fs::perms::owner_read);
       },
       "the file is write-protected; it is unchanged."},
  };
#ifndef _WIN32
  // Windows has no pipes among its file names, making symbolic links there takes rights an
  // ordinary user seldom has, and its names are limited by the length of the whole path.
  cases.insert(
      cases.end(),
      {
          {"pipe.hgv", [](const fs::path& at) { ::mkfifo((at / "pipe.hgv").c_str(), 0600); },
           notRegular},
          {"link.hgv",
           [](const fs::path& at) {
             ::mkfifo((at / "pipe").c_str(), 0600);
             fs::create_symlink("pipe", at / "link.hgv");
           },
           notRegular},
          {"dangling.hgv",
           [](const fs::path& at) { fs::create_symlink("gone", at / "dangling.hgv"); },
           "it is a symbolic link to a file that does not exist."},
          {"loop.hgv", [](const fs::path& at) { fs::create_symlink("loop.hgv", at / "loop.hgv"); },
           "it is one of a loop of symbolic links."},
          {std::string(256, 'n'), [](const fs::path&) {}, "File name too long."},
      });
#endif
  TestChart chart;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name.substr(0, 20));
    ScratchFolder folder;
    c.prepare(folder.path());
    const std::string before = Snapshot(folder.path());
    const fs::path target = folder.path() / c.name;
    EXPECT_EQ(SaveChartFile(target, chart.settings).Message(),
              "Could not save \"" + target.string() + "\": " + c.why);
    EXPECT_EQ(Snapshot(folder.path()), before);
  }
}

#if defined(__unix__)
// Saves a default chart to target with files limited to a few bytes; exits with 0 when the
// save reported its failure.
void SaveWithTinyFileLimit(const fs::path& target) {
  std::signal(SIGXFSZ, SIG_IGN);
  const rlimit limit{40, 40};
  setrlimit(RLIMIT_FSIZE, &limit);
  TestChart chart;
  const Result<> result = SaveChartFile(target, chart.settings);
  const bool reported = !result.Ok() && result.Message().find("unchanged") != std::string::npos;
  std::_Exit(reported ? 0 : 1);
}

// Regression: saving truncated the old file first, so a write that failed half-way (a full
// disk) lost the chart that was there. A file size limit makes the write fail even for root.
TEST(ChartFileDeathTest, WriteFailingHalfWayKeepsTheOldFile) {
  ScratchFolder folder;
  const fs::path target = folder.path() / "chart.hgv";
  const std::string old = "Cursor: 1 2\r\n" + std::string(100, '#');
  WriteBytes(target, old);
  EXPECT_EXIT(SaveWithTinyFileLimit(target), ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(FileBytes(target), old);
  EXPECT_EQ(folder.EntryCount(), 1) << "the half-written file is removed";
}
#endif

}  // namespace
}  // namespace hygrovia
