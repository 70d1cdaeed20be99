#include "app/commands/command_line.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/chart_style.h"
#include "psychro/air_state.h"
#include "support/test_chart.h"

namespace hygrovia {
namespace {

using Arguments = std::vector<std::string>;

// A fresh chart with recorders for the files the command line loads and the toggles of
// relative-cursor mode it asks for.
struct CommandLineRun : testing::TestChart {
  std::vector<std::string> loaded;
  int toggles = 0;

  explicit CommandLineRun(const Arguments& arguments) {
    const CommandLineActions actions{
        [this](const std::string& name) { loaded.push_back(name); },
        [this] { ++toggles; },
    };
    ProcessCommandLine(arguments, settings, actions);
  }
};

// Moisture content (g/kg) of relative humidity rh (%) at t (°C) and pressure p (kPa).
double HumidityAt(double t, double rh, double p) {
  AirState state;
  state.ResetState();
  state.Pressure = p;
  return state.HumidityFromRelHumidity(t, rh);
}

struct RangeCase {
  Arguments arguments;
  float tMin, tMax, hMin, hMax;
  double pressure;
};

TEST(CommandLineTest, RangesAndPressureFollowTheOptions) {
  const RangeCase cases[] = {
      {{}, 0, 50, 0, 35, 101.365},
      {{"ab"}, 0, 50, 0, 35, 101.365},
      {{"-graph", "10", "30", "0", "20"}, 10, 30, 0, 20, 101.365},
      {{"-GRAPH", "10", "30", "0", "20"}, 10, 30, 0, 20, 101.365},
      {{"-Graph", "0", "150", "-5", "40"}, 0, 100, 0, 40, 101.365},
      {{"-bar", "200"}, 0, 50, 0, 35, 131.365},
      // A word that is no whole number, or too few numbers, refuse the whole line.
      {{"-bar", "x"}, 0, 50, 0, 35, 101.365},
      {{"-bar", " 90.5kPa"}, 0, 50, 0, 35, 101.365},
      {{"-bar", "1e999"}, 0, 50, 0, 35, 101.365},
      {{"-graph", "10", "30", "0"}, 0, 50, 0, 35, 101.365},
      {{"-bar", "90", "-graph", "10"}, 0, 50, 0, 35, 101.365},
      {{"-bar"}, 0, 50, 0, 35, 101.365},
  };
  for (const RangeCase& c : cases) {
    const CommandLineRun run(c.arguments);
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    EXPECT_FLOAT_EQ(run.settings.TempMin, c.tMin);
    EXPECT_FLOAT_EQ(run.settings.TempMax, c.tMax);
    EXPECT_FLOAT_EQ(run.settings.HumidityMin, c.hMin);
    EXPECT_FLOAT_EQ(run.settings.HumidityMax, c.hMax);
    EXPECT_NEAR(run.settings.GetPressure(), c.pressure, 1e-4);
    EXPECT_TRUE(run.loaded.empty());
  }
}

struct FileCase {
  Arguments arguments;
  std::vector<std::string> loaded;
  int toggles;
};

TEST(CommandLineTest, OtherWordsAreLoadedInOrder) {
  const FileCase cases[] = {
      {{"a.hgv", "b.hgv"}, {"a.hgv", "b.hgv"}, 0},
      {{"my chart.hgv"}, {"my chart.hgv"}, 0},
      {{"a.hgv", "", "b.hgv"}, {"a.hgv", "b.hgv"}, 0},
      {{"-grpah", "10"}, {"-grpah", "10"}, 0},
      {{"a.hgv", "-bar", "90", "b.hgv"}, {"a.hgv", "b.hgv"}, 0},
      {{"-arrow", "20", "40"}, {}, 1},
      {{"-arrow", "20", "40", "-arrow", "22", "40"}, {}, 2},
      {{"-arrow", "20"}, {}, 0},
      {{"-graph", "10", "30", "0", "x.hgv"}, {}, 0},
      // Regression: the filters and airflow of runs without a window were loaded as files.
      {{"-flow", "2", "-Months", "6-8", "a.hgv", "-hours", "8-18"}, {"a.hgv"}, 0},
  };
  for (const FileCase& c : cases) {
    const CommandLineRun run(c.arguments);
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    EXPECT_EQ(run.loaded, c.loaded);
    EXPECT_EQ(run.toggles, c.toggles);
  }
}

TEST(CommandLineTest, CursorAndArrowAreRelativeHumiditiesPulledOntoTheChart) {
  const CommandLineRun cursor({"-cursor", "30", "50"});
  EXPECT_FLOAT_EQ(cursor.settings.Cursor.X, 30.0f);
  EXPECT_NEAR(cursor.settings.Cursor.Y, HumidityAt(30, 50, 101.365), 1e-4);

  const CommandLineRun beyond({"-cursor", "70", "50"});
  EXPECT_FLOAT_EQ(beyond.settings.Cursor.X, 50.0f);
  EXPECT_FLOAT_EQ(beyond.settings.Cursor.Y, 35.0f);

  const CommandLineRun arrows({"-arrow", "20", "40", "-arrow", "22", "40"});
  EXPECT_FLOAT_EQ(arrows.settings.Arrow.X, 22.0f);
  EXPECT_NEAR(arrows.settings.Arrow.Y, HumidityAt(22, 40, 101.365), 1e-4);
}

TEST(CommandLineTest, OptionsActOnTheStateLeftByTheOnesBefore) {
  const CommandLineRun barFirst({"-bar", "90", "-cursor", "25", "50"});
  EXPECT_NEAR(barFirst.settings.Cursor.Y, HumidityAt(25, 50, 90.0), 1e-4);
  const CommandLineRun cursorFirst({"-cursor", "25", "50", "-bar", "90"});
  EXPECT_NEAR(cursorFirst.settings.Cursor.Y, HumidityAt(25, 50, 101.365), 1e-4);
  EXPECT_GT(barFirst.settings.Cursor.Y, cursorFirst.settings.Cursor.Y);
}

TEST(CommandLineTest, PropertyModelAndAltitude) {
  struct Case {
    Arguments arguments;
    PropertyModel model;
    double pressure;
    int errors;
  };
  const std::vector<Case> cases = {
      {{"-props", "ashrae"}, PropertyModel::Ashrae2017, 101.365, 0},
      {{"-PROPS", "Ashrae", "-props", "CHART"}, PropertyModel::ChartFormulas, 101.365, 0},
      {{"-alt", "1500"}, PropertyModel::ChartFormulas, 84.556, 0},
      {{"-props", "ashrae", "-Alt", "5000"}, PropertyModel::Ashrae2017, 54.020, 0},
      // Beyond the pressure band the altitude gives its nearest end.
      {{"-alt", "-1e38"}, PropertyModel::ChartFormulas, 131.365, 0},
      {{"-alt", "99999"}, PropertyModel::ChartFormulas, 51.365, 0},
      {{"-alt", "1500", "-bar", "90"}, PropertyModel::ChartFormulas, 90.0, 0},
      // A name it does not know is reported and changes nothing; nothing after "-props"
      // refuses the line.
      {{"-props", "psychrolib", "-bar", "90"}, PropertyModel::ChartFormulas, 90.0, 1},
      {{"-bar", "90", "-props"}, PropertyModel::ChartFormulas, 101.365, 1},
  };
  for (const Case& c : cases) {
    testing::TestChart chart;
    int errors = 0;
    CommandLineActions actions;
    actions.reportError = [&errors](const std::string&) { ++errors; };
    ProcessCommandLine(c.arguments, chart.settings, actions);
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    EXPECT_EQ(chart.settings.GetPropertyModel(), c.model);
    EXPECT_NEAR(chart.settings.GetPressure(), c.pressure, 5e-4);
    EXPECT_EQ(errors, c.errors);
  }
  EXPECT_NE(UsageText().find("-props ashrae|chart"), std::string::npos);
  EXPECT_NE(UsageText().find("-alt metres"), std::string::npos);
}

// Regression: "-bar 9O" drew at 51.365 kPa, "-cursor 2O 50" at 2 °C, "-cursor 25 -bar 90" read
// "-bar" as 0 % and opened "90" as a file, and "-graph -300 -280 0 1" printed states colder
// than absolute zero, all without a word.
TEST(CommandLineTest, WordsThatCannotBeReadRefuseTheLine) {
  struct Case {
    Arguments arguments;
    std::string message;  // empty: the line runs
  };
  const Case cases[] = {
      {{"-bar", "9O"}, "bad number \"9O\" after -bar"},
      {{"-ALT", "15OO"}, "bad number \"15OO\" after -ALT"},
      {{"-cursor", "2O", "50"}, "bad number \"2O\" after -cursor"},
      {{"-graph", "0", "5O", "0", "30"}, "bad number \"5O\" after -graph"},
      {{"-bar", "9.0.1"}, "bad number \"9.0.1\" after -bar"},
      {{"-bar", ""}, "bad number \"\" after -bar"},
      {{"-bar", "nan"}, "bad number \"nan\" after -bar"},
      {{"-units"}, "-units needs si or ip"},
      {{"-props", "--table"}, "-props needs ashrae or chart"},
      {{"-cursor", "25"}, "-cursor needs t rh"},
      {{"-graph", "1", "2", "3"}, "-graph needs tMin tMax hMin hMax"},
      {{"-cursor", "25", "-bar", "90"}, "-cursor needs t rh"},
      {{"-graph", "50", "0", "0", "30"},
       "-graph: the lowest temperature, 50, is not below the highest, 0"},
      {{"-graph", "20", "20", "0", "30"},
       "-graph: the lowest temperature, 20, is not below the highest, 20"},
      // Ends that a chart file would keep as one number.
      {{"-graph", "20", "20.0004", "0", "30"},
       "-graph: the lowest temperature, 20, is not below the highest, 20.0004"},
      {{"-graph", "0", "50", "5", "5.0001"},
       "-graph: the lowest moisture content, 5, is not below the highest, 5.0001"},
      {{"-graph", "0", "50", "-5", "-1"},
       "-graph: the lowest moisture content, 0.00 g/kg (the chart's limit), is not below the "
       "highest, -1"},
      {{"-graph", "-300", "-280", "0", "1"},
       "-graph: -300 \xC2\xB0"
       "C is at or below absolute zero, -273.15 \xC2\xB0"
       "C"},
      {{"-cursor", "-273.15", "50"},
       "-cursor: -273.15 \xC2\xB0"
       "C is at or below absolute zero, -273.15 \xC2\xB0"
       "C"},
      {{"-units", "ip", "-arrow", "-459.67", "50"},
       "-arrow: -459.67 \xC2\xB0"
       "F is at or below absolute zero, -459.67 \xC2\xB0"
       "F"},
      // Signs, exponents and charts far below freezing still run; so does a line too short.
      {{"-bar", "+9e1", "-cursor", "-5.5", "5E1"}, ""},
      {{"-graph", "-150", "-100", "0", "1"}, ""},
      {{"-graph", "0", "150", "-5", "40"}, ""},
      {{"-units", "ip", "-cursor", "-400", "50"}, ""},
      {{"-grpah", "10"}, ""},
      {{"ab"}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    const Result<> checked = CheckCommandLine(c.arguments, UnitSystem::Si);
    EXPECT_EQ(checked.Ok() ? "" : checked.Message(), c.message);
    // A refused line changes nothing, not even the files before the bad word.
    Arguments withFile{"a.hgv"};
    withFile.insert(withFile.end(), c.arguments.begin(), c.arguments.end());
    std::vector<std::string> errors;
    testing::TestChart chart;
    CommandLineActions actions;
    actions.loadFile = [&errors](const std::string& name) { errors.push_back("load " + name); };
    actions.reportError = [&errors](const std::string& message) { errors.push_back(message); };
    ProcessCommandLine(withFile, chart.settings, actions);
    EXPECT_EQ(errors.front(), c.message.empty() ? "load a.hgv" : c.message);
  }
}

// Regression: "-alt 8000" and "-bar 10" were held to 51.365 kPa without a word.
TEST(CommandLineTest, PressuresHeldToTheBandAreTold) {
  struct Case {
    Arguments arguments;
    std::vector<std::string> notes;
  };
  const Case cases[] = {
      {{"-alt", "8000"}, {"35.600 kPa is outside 51.365-131.365 kPa; the chart uses 51.365 kPa"}},
      {{"-bar", "200"}, {"200.000 kPa is outside 51.365-131.365 kPa; the chart uses 131.365 kPa"}},
      {{"-bar", "90", "-alt", "0"}, {}},
  };
  for (const Case& c : cases) {
    testing::TestChart chart;
    CommandLineActions actions;
    std::vector<std::string> notes;
    actions.reportNote = [&notes](const std::string& note) { notes.push_back(note); };
    ProcessCommandLine(c.arguments, chart.settings, actions);
    EXPECT_EQ(notes, c.notes) << ::testing::PrintToString(c.arguments);
  }
}

TEST(CommandLineTest, ChartStyleInAnyLetterCase) {
  struct Case {
    Arguments arguments;
    ChartStyleName style;
    int errors;
    std::vector<std::string> loaded;
  };
  const std::vector<Case> cases = {
      {{"-style", "clear"}, ChartStyleName::Clear, 0, {}},
      {{"-STYLE", "Clear", "-style", "CLASSIC"}, ChartStyleName::Classic, 0, {}},
      {{"-Style", "cLeAr", "a.hgv"}, ChartStyleName::Clear, 0, {"a.hgv"}},
      // An unknown name is reported and takes no file with it; a bare "-style" refuses the line.
      {{"-style", "fusion", "b.hgv"}, ChartStyleName::Classic, 1, {"b.hgv"}},
      {{"-bar", "90", "-style"}, ChartStyleName::Classic, 1, {}},
  };
  for (const Case& c : cases) {
    testing::TestChart chart;
    int errors = 0;
    std::vector<std::string> loaded;
    CommandLineActions actions;
    actions.loadFile = [&loaded](const std::string& name) { loaded.push_back(name); };
    actions.reportError = [&errors](const std::string&) { ++errors; };
    ProcessCommandLine(c.arguments, chart.settings, actions);
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    EXPECT_EQ(chart.settings.GetChartStyle(), c.style);
    EXPECT_EQ(chart.surface.Smooth, c.style == ChartStyleName::Clear);
    EXPECT_EQ(errors, c.errors);
    EXPECT_EQ(loaded, c.loaded);
  }
  EXPECT_NE(UsageText().find("-style clear|classic"), std::string::npos);
}

// The toolkit reads "-style NAME" as its widget style; the chart's own style names are taken
// out of its way before it sees them, anything else is left to it.
TEST(CommandLineTest, ChartStyleWordsAreKeptFromTheToolkit) {
  struct Case {
    Arguments argv;
    Arguments taken;
    Arguments left;
  };
  const std::vector<Case> cases = {
      {{"hygrovia", "-style", "clear", "a.hgv"}, {"-style", "clear"}, {"hygrovia", "a.hgv"}},
      {{"hygrovia", "-STYLE", "Classic", "-style", "fusion"},
       {"-STYLE", "Classic"},
       {"hygrovia", "-style", "fusion"}},
      {{"hygrovia", "-bar", "90", "-style"}, {}, {"hygrovia", "-bar", "90", "-style"}},
      {{"hygrovia", "-style", "-style", "clear"}, {"-style", "clear"}, {"hygrovia", "-style"}},
      {{"hygrovia"}, {}, {"hygrovia"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> storage = c.argv;
    std::vector<char*> argv;
    for (std::string& word : storage) argv.push_back(word.data());
    argv.push_back(nullptr);
    int argc = static_cast<int>(c.argv.size());
    SCOPED_TRACE(::testing::PrintToString(c.argv));
    EXPECT_EQ(TakeChartStyleWords(argc, argv.data()), c.taken);
    Arguments left;
    for (int i = 0; i < argc; ++i) left.emplace_back(argv[static_cast<std::size_t>(i)]);
    EXPECT_EQ(left, c.left);
    EXPECT_EQ(argv[static_cast<std::size_t>(argc)], nullptr);
  }
}

TEST(CommandLineTest, InchPoundUnitsReadEveryNumberWhereverTheyStand) {
  struct Case {
    Arguments arguments;
    UnitSystem units;
    float tMin, tMax, hMin, hMax;  // °C, g/kg
    float cursorX;                 // °C
    double pressure;               // kPa
    int errors;
  };
  const std::vector<Case> cases = {
      // A chart changing units starts on their ranges, 30 to 120 °F and 0 to 200 gr/lb.
      {{"-units", "ip"},
       UnitSystem::Ip,
       -10.0f / 9.0f,
       440.0f / 9.0f,
       0,
       200.0f / 7.0f,
       25,
       101.365,
       0},
      {{"-cursor", "77", "50", "-UNITS", "IP"},
       UnitSystem::Ip,
       -10.0f / 9.0f,
       440.0f / 9.0f,
       0,
       200.0f / 7.0f,
       25,
       101.365,
       0},
      {{"-graph", "50", "86", "35", "140", "-units", "Ip", "-bar", "14.696"},
       UnitSystem::Ip,
       10,
       30,
       5,
       20,
       25,
       101.325,
       0},
      {{"-units", "ip", "-alt", "5000"},
       UnitSystem::Ip,
       -10.0f / 9.0f,
       440.0f / 9.0f,
       0,
       200.0f / 7.0f,
       25,
       84.307,
       0},
      {{"-units", "si", "-cursor", "20", "50"}, UnitSystem::Si, 0, 50, 0, 35, 20, 101.365, 0},
      // Units it does not know are reported, and the numbers are read in SI.
      {{"-units", "imperial", "-cursor", "20", "50"}, UnitSystem::Si, 0, 50, 0, 35, 20, 101.365, 1},
  };
  for (const Case& c : cases) {
    testing::TestChart chart;
    int errors = 0;
    CommandLineActions actions;
    actions.reportError = [&errors](const std::string&) { ++errors; };
    ProcessCommandLine(c.arguments, chart.settings, actions);
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    const ChartSettings& s = chart.settings;
    EXPECT_EQ(s.GetUnits().System(), c.units);
    EXPECT_NEAR(s.TempMin, c.tMin, 1e-5);
    EXPECT_NEAR(s.TempMax, c.tMax, 1e-5);
    EXPECT_NEAR(s.HumidityMin, c.hMin, 1e-5);
    EXPECT_NEAR(s.HumidityMax, c.hMax, 1e-5);
    EXPECT_NEAR(s.Cursor.X, c.cursorX, 1e-5);
    EXPECT_NEAR(s.GetPressure(), c.pressure, 5e-4);
    EXPECT_EQ(errors, c.errors);
  }
  EXPECT_NE(UsageText().find("-units si|ip"), std::string::npos);
}

// Each reading sets the cursor to the state whose table shows it; a pair no air has, a kind
// it does not know or a value that is no number is reported, naming the option, and moves
// nothing.
TEST(CommandLineTest, StateFromWhatWasMeasured) {
  struct Case {
    Arguments arguments;
    double AirState::*field;
    double expected;
    double tolerance;
  };
  const Case cases[] = {
      {{"-state", "30", "rh", "40"}, &AirState::RelHumidity, 40.0, 1e-3},
      {{"-state", "30", "WB", "20"}, &AirState::WetBulb, 20.0, 0.02},
      {{"-state", "30", "dp", "15"}, &AirState::DewPoint, 15.0, 0.01},
      {{"-state", "30", "w", "12"}, &AirState::AbsHumidity, 12.0, 1e-5},
      {{"-state", "30", "h", "60"}, &AirState::Enthalpy, 60.0, 0.01},
      {{"-props", "ashrae", "-state", "30", "wb", "20"}, &AirState::WetBulb, 20.0, 0.02},
      {{"-units", "ip", "-state", "86", "dp", "59"}, &AirState::DewPoint, 15.0, 0.01},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments[c.arguments.size() - 2]);
    CommandLineRun run(c.arguments);
    AirState air = run.settings.CursorState();
    air.SetFromHumidity(run.settings.Cursor.X, run.settings.Cursor.Y);
    EXPECT_NEAR(air.DryBulb, 30.0, 1e-4);
    EXPECT_NEAR(air.*(c.field), c.expected, c.tolerance);
  }
  const Arguments refused[] = {
      {"-state", "30", "wb", "31"},  {"-state", "30", "dp", "30.5"}, {"-state", "30", "w", "40"},
      {"-state", "30", "rh", "101"}, {"-state", "30", "xx", "5"},    {"-state", "30", "rh", "4o"},
      {"-state", "30", "rh"},
  };
  for (const Arguments& arguments : refused) {
    testing::TestChart t;
    const ChartPoint before = t.settings.Cursor;
    std::string reported;
    CommandLineActions actions;
    actions.reportError = [&reported](const std::string& m) { reported += m; };
    ProcessCommandLine(arguments, t.settings, actions);
    EXPECT_NE(reported.find("-state"), std::string::npos) << arguments.back();
    EXPECT_EQ(t.settings.Cursor.X, before.X);
    EXPECT_EQ(t.settings.Cursor.Y, before.Y);
  }
}

TEST(CommandLineTest, HelpAndVersionAreAskedForBeforeAnyWindow) {
  EXPECT_EQ(ReadStartupRequest({}), StartupRequest::Run);
  EXPECT_EQ(ReadStartupRequest({"-bar", "90", "a.hgv"}), StartupRequest::Run);
  EXPECT_EQ(ReadStartupRequest({"a.hgv", "--help"}), StartupRequest::Usage);
  EXPECT_EQ(ReadStartupRequest({"--version", "--help"}), StartupRequest::Usage);
  EXPECT_EQ(ReadStartupRequest({"--version"}), StartupRequest::Version);
  EXPECT_NE(UsageText().find("-graph tMin tMax hMin hMax"), std::string::npos);
}

}  // namespace
}  // namespace hygrovia
