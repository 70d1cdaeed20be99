#include "app/cli/headless.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QRectF>
#include <QStringList>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/commands/headless_options.h"
#include "app/output/headless_png.h"
#include "base/number_text.h"
#include "data/epw_reader.h"
#include "psychro/air_state.h"
#include "psychro/ashrae_model.h"
#include "psychro/pmv.h"

namespace hygrovia {
namespace {

using Arguments = std::vector<std::string>;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

Outcome RunCommand(const Arguments& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  Outcome run;
  run.status = RunHeadlessCommand(arguments, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The air model written out from its published formulas (Antoine saturation in mmHg, linear
// enthalpy, volume and vapour pressure, wet bulb by a 5 °C table scan), for expected values.
struct Air {
  double t = 0;    // °C
  double w = 0;    // g/kg
  double rh = 0;   // %
  double h = 0;    // kJ/kg
  double v = 0;    // m³/kg
  double pv = 0;   // kPa
  double dew = 0;  // °C
  double wet = 0;  // °C
};

struct Model {
  double p;  // kPa

  double SaturationPressure(double t) const {
    return std::pow(10.0, 8.10765 - 1750.286 / (t + 235.0));
  }
  double SaturationHumidity(double t) const {
    return 622.0 * SaturationPressure(t) / (7.5 * p - SaturationPressure(t));
  }
  // Moisture at t and rh, as the chart stores a point: a float.
  float HumidityAt(double t, double rh) const {
    return static_cast<float>(0.01 * rh * SaturationHumidity(t));
  }
  double DewPoint(double w) const {
    const double a = w / 622.0;
    const double pv = a * 7.5 * p / (a + 1.0);
    return 1750.286 / (8.10765 - (pv > 0 ? std::log10(pv) : 0.0)) - 235.0;
  }
  double WetBulb(double t, double w) const {
    const double target = t + 2.4528 * w;
    double before = 2.4528 * SaturationHumidity(0.0);
    for (int i = 1; i < 30; ++i) {
      const double ti = 5.0 * i;
      const double fi = ti + 2.4528 * SaturationHumidity(ti);
      if (fi > target) {
        const auto f = [](double x) { return static_cast<double>(static_cast<float>(x)); };
        return f(ti - 5.0) + (f(target) - f(before)) / (f(fi) - f(before)) * 5.0;
      }
      before = fi;
    }
    return 0.0;
  }
  Air At(double t, double w) const {
    Air a;
    a.t = t;
    a.w = w;
    a.rh = w / SaturationHumidity(t) * 100.0;
    a.h = t + 2.525252525 * w;
    a.v = (t + 0.4854368 * w + 270.5) / 350.0;
    a.pv = 0.16 * w;
    a.dew = DewPoint(w);
    a.wet = WetBulb(t, w);
    return a;
  }
};

constexpr double kStandardPressure = 101.365;

std::vector<std::string> PointRows(const Air& a) {
  return {
      FormatText(" Dry Bulb: %0.2f°C    ", a.t),
      FormatText(" Rel.Humidity: %0.2f%%    ", a.rh),
      FormatText(" Abs.Humidity: %0.2fg/kg    ", a.w),
      FormatText(" Vap.Pressure: %0.2fkPa    ", a.pv),
      FormatText(" Volume: %0.4fm3/kg    ", a.v),
      FormatText(" Enthalpy: %0.2fkJ/kg    ", a.h),
      FormatText(" Dew Point: %0.2f°C    ", a.dew),
      FormatText(" Wet Bulb: %0.2f°C    ", a.wet),
  };
}

std::vector<std::string> RelativeRows(const Air& c, const Air& a) {
  return {
      FormatText(" FM: %0.2f°C - %0.2f%%RH    ", c.t, c.rh),
      FormatText(" TO: %0.2f°C - %0.2f%%RH    ", a.t, a.rh),
      " ",
      FormatText(" [Dry Bulb]: %0.2f°C    ", a.t - c.t),
      FormatText(" [Rel.Humidity]: %0.2f%%    ", a.rh - c.rh),
      FormatText(" [Abs.Humidity]: %0.2fg/kg    ", a.w - c.w),
      FormatText(" [Vap.Pressure]: %0.2fkPa    ", a.pv - c.pv),
      FormatText(" [Volume]: %0.4fm3/kg    ", a.v - c.v),
      FormatText(" [Enthalpy]: %0.2fkJ/kg     ", a.h - c.h),
      FormatText(" [Temp]: %0.2f°C    ", a.t - c.t),
  };
}

std::string NodeRow(int number, const Air& a) {
  return FormatText(" %2d: %5.1f°C %6.2f%% %5.1f°C %7.3fkJ/kg    ", number, a.t, a.rh, a.wet, a.h);
}

TEST(HeadlessTest, TableOfTheCursorAfterTheCommandLine) {
  const Model standard{kStandardPressure};
  const Model low{90.0};
  const Model high{131.365};
  struct Case {
    Arguments arguments;
    std::vector<std::string> rows;
    std::string err;
  };
  const Case cases[] = {
      {{"--table"}, PointRows(standard.At(25.0, 10.031f)), ""},
      {{"-bar", "90", "-cursor", "30", "50", "--table"},
       PointRows(low.At(30.0, low.HumidityAt(30, 50))),
       ""},
      // The cursor is found at the pressure in force when it is set.
      {{"-cursor", "30", "50", "-bar", "90", "--table"},
       PointRows(low.At(30.0, standard.HumidityAt(30, 50))),
       ""},
      {{"--table", "-BAR", "200", "-cursor", "12.5", "80"},
       PointRows(high.At(12.5, high.HumidityAt(12.5, 80))),
       // A pressure held to the band is said; the run still uses the band's end.
       "hygrovia: 200.000 kPa is outside 51.365-131.365 kPa; the chart uses 131.365 kPa\n"},
      // Beyond the ranges the cursor comes back to 50 °C and 35 g/kg.
      {{"-cursor", "70", "50", "--table"}, PointRows(standard.At(50.0, 35.0)), ""},
      // Taken into the range first, then put on saturation.
      {{"-graph", "10", "30", "0", "20", "-cursor", "5", "100", "--table"},
       PointRows(standard.At(10.0, standard.HumidityAt(10, 100))),
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.arguments));
    const Outcome run = RunCommand(c.arguments);
    EXPECT_EQ(run.status, kExitDone);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(Lines(run.out), c.rows);
  }
}

// Regression: a saturated cursor's dew point read a hundredth below its dry bulb, and ranges
// were held within ±100 °C and ±1000 g/kg, which moved saturated cursors off saturation.
TEST(HeadlessTest, SaturatedCursorsKeepTheirPlaceAndReadTheirDryBulbAsDewPoint) {
  struct Case {
    Arguments arguments;
    std::vector<std::string> firstRows;  // dry bulb, relative and absolute humidity
  };
  const Case cases[] = {
      {{"-cursor", "21.875", "100", "--table"},
       {" Dry Bulb: 21.88°C    ", " Rel.Humidity: 100.00%    ", " Abs.Humidity: 16.52g/kg    "}},
      {{"-graph", "0", "100", "0", "2000", "-bar", "131.365", "-cursor", "99", "100", "--table"},
       {" Dry Bulb: 99.00°C    ", " Rel.Humidity: 100.00%    ", " Abs.Humidity: 1843.39g/kg    "}},
      {{"-graph", "-150", "50", "0", "35", "-cursor", "-120", "100", "--table"},
       {" Dry Bulb: -120.00°C    ", " Rel.Humidity: 100.00%    ", " Abs.Humidity: 0.00g/kg    "}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.arguments));
    const Outcome run = RunCommand(c.arguments);
    EXPECT_EQ(run.status, kExitDone);
    const std::vector<std::string> rows = Lines(run.out);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(std::vector<std::string>(rows.begin(), rows.begin() + 3), c.firstRows);
    EXPECT_EQ(rows[6].substr(std::string(" Dew Point: ").size()),
              rows[0].substr(std::string(" Dry Bulb: ").size()));
  }
}

TEST(HeadlessTest, TableNamesThePropertyModelOnlyWhenChosen) {
  // Without the new words, or choosing the chart formulas, the table is today's, exactly.
  const Model standard{kStandardPressure};
  const Outcome plain = RunCommand({"-cursor", "30", "50", "--table"});
  EXPECT_EQ(Lines(plain.out), PointRows(standard.At(30.0, standard.HumidityAt(30, 50))));
  EXPECT_EQ(RunCommand({"-props", "chart", "-cursor", "30", "50", "--table"}).out, plain.out);

  // In the ASHRAE model at 1,500 m: the air state's values, then a line naming the model.
  AirState air;
  air.Model = PropertyModel::Ashrae2017;
  air.Pressure = static_cast<float>(ashrae::PressureAtAltitude(1500.0));
  air.SetFromHumidity(30.0, static_cast<float>(air.HumidityFromRelHumidity(30.0, 50.0)));
  std::vector<std::string> rows =
      PointRows({air.DryBulb, air.AbsHumidity, air.RelHumidity, air.Enthalpy, air.Volume,
                 air.VapPressure, air.DewPoint, air.WetBulb});
  rows.push_back(" ASHRAE 2017, 84.556 kPa");
  const Outcome ashrae =
      RunCommand({"-PROPS", "Ashrae", "-alt", "1500", "-cursor", "30", "50", "--table"});
  EXPECT_EQ(ashrae.status, kExitDone);
  EXPECT_EQ(Lines(ashrae.out), rows);

  const Outcome unknown = RunCommand({"-props", "ashrea", "--table"});
  EXPECT_EQ(unknown.status, kExitUsage);
  EXPECT_EQ(unknown.out, "");
  EXPECT_EQ(unknown.err, "hygrovia: unknown property model \"ashrea\": give ashrae or chart\n");
}

TEST(HeadlessTest, TableOfCursorAndArrowInRelativeMode) {
  const Model standard{kStandardPressure};
  const Model low{90.0};
  const Air cursor = standard.At(30.0, standard.HumidityAt(30, 50));
  const Air arrow = standard.At(20.0, standard.HumidityAt(20, 40));
  const Outcome run = RunCommand({"-cursor", "30", "50", "-arrow", "20", "40", "--table"});
  EXPECT_EQ(run.status, kExitDone);
  EXPECT_EQ(Lines(run.out), RelativeRows(cursor, arrow));

  // The second "-arrow" turns relative-cursor mode off again.
  const Outcome twice = RunCommand({"-arrow", "20", "40", "-arrow", "22", "40", "--table"});
  EXPECT_EQ(Lines(twice.out), PointRows(standard.At(25.0, 10.031f)));

  const Outcome lowPressure = RunCommand({"-bar", "90", "-arrow", "15", "90", "--table"});
  EXPECT_EQ(Lines(lowPressure.out),
            RelativeRows(low.At(25.0, 10.031f), low.At(15.0, low.HumidityAt(15, 90))));
}

TEST(HeadlessTest, TableOfTheNodesOfADataFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("two nodes.hgv"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("BarometricPressure: 95.000\r\nDataPnt: 20.000  8.000\r\nDataPnt: 32.500  12.250\r\n");
  file.close();
  const std::string name = path.toStdString();
  const Model model{95.0};
  const std::vector<std::string> nodeRows = {" DATA: DBT  RH  WBT  ENTHALPY",
                                             NodeRow(1, model.At(20.0, 8.0)),
                                             NodeRow(2, model.At(32.5, 12.25))};
  for (const Arguments& arguments :
       {Arguments{name, "--table"}, Arguments{"-arrow", "20", "40", name, "--table"}}) {
    SCOPED_TRACE(testing::PrintToString(arguments));
    const Outcome run = RunCommand(arguments);
    EXPECT_EQ(run.status, kExitDone);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Lines(run.out), nodeRows);
  }
}

TEST(HeadlessTest, ADataFileThatCannotBeReadIsReportedAndSkipped) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString large = dir.filePath(QStringLiteral("large.hgv"));
  QFile file(large);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray(1 << 20, ' ') + "Cursor: 10 5\n");
  file.close();
  const QString empty = dir.filePath(QStringLiteral("empty.hgv"));
  QFile(empty).open(QIODevice::WriteOnly);
  const Model low{90.0};
  struct Case {
    std::string file;
    std::string message;
  };
  // Regression: a device that never ends, such as /dev/zero, kept the run reading forever.
  const Case cases[] = {
      {"/nonexistent/chart.hgv",
       "Could not open \"/nonexistent/chart.hgv\": the file does not exist."},
      {large.toStdString(), "Could not read \"" + large.toStdString() +
                                "\". It is larger than a chart data file can be; the chart is "
                                "unchanged."},
      {"/dev/zero",
       "Could not open \"/dev/zero\": it is a device, pipe or socket, not a chart data file."},
      {empty.toStdString(), "Could not read \"" + empty.toStdString() +
                                "\". It is not a chart data file: none of its keys was found; "
                                "the chart is unchanged."},
  };
  // Regression: the run went on to exit with 0, so a script could not tell.
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const Outcome run = RunCommand({"-bar", "90", c.file, "--table"});
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_EQ(Lines(run.out), PointRows(low.At(25.0, 10.031f)));
    EXPECT_EQ(run.err, "hygrovia: " + c.message + "\n");
  }
}

// Regression: a file of 30 points printed 24 with exit status 0, and a pressure held to the
// band was used without a word.
TEST(HeadlessTest, WhatTheChartCannotHoldIsSaid) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("thirty.hgv"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  for (int i = 1; i <= 30; ++i) file.write(FormatText("DataPnt: %d 5\r\n", i).c_str());
  file.close();
  const std::string name = path.toStdString();
  const Outcome points = RunCommand({name, "--table"});
  EXPECT_EQ(points.status, kExitFailure);
  EXPECT_EQ(points.err,
            "hygrovia: \"" + name + "\" holds 30 data points; only the first 24 are kept\n");
  EXPECT_EQ(Lines(points.out).size(), 25u) << "the run goes on with the first 24";
  const Outcome held = RunCommand({"-alt", "8000", "--table"});
  EXPECT_EQ(held.status, kExitDone);
  EXPECT_EQ(held.err,
            "hygrovia: 35.600 kPa is outside 51.365-131.365 kPa; the chart uses 51.365 kPa\n");
}

// Weather alone opens the window with it; any other word of a run without a window runs one.
TEST(HeadlessTest, WeatherAloneIsAWindowStart) {
  struct Case {
    Arguments arguments;
    bool headless;
    std::string file;
    int firstMonth;
    std::string refusal;
  };
  const Case cases[] = {
      {{"--weather", "x.epw"}, false, "x.epw", 1, ""},
      {{"-bar", "90", "--weather", "x.epw", "-months", "6-8"}, false, "x.epw", 6, ""},
      {{"--weather", "x.epw", "--table"}, true, "x.epw", 1, ""},
      {{"-months", "6-8"}, false, "", 1, "-months and -hours choose hours of --weather FILE"},
      {{"--weather"}, false, "", 1, "--weather needs a weather file (.epw)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.front());
    EXPECT_EQ(AsksForHeadlessRun(c.arguments), c.headless);
    const Result<WeatherRequest> request = ReadWeatherRequest(c.arguments);
    EXPECT_EQ(request.Message(), c.refusal);
    if (!request) continue;
    EXPECT_EQ(request->file, c.file);
    EXPECT_EQ(request->filter.firstMonth, c.firstMonth);
  }
}

TEST(HeadlessTest, CommandLinesThatCannotRun) {
  struct Case {
    Arguments arguments;
    std::string message;
  };
  const Case cases[] = {
      {{"--table", "--tabel"}, "unknown option \"--tabel\""},
      {{"--", "--table"}, "unknown option \"--\""},
      {{"--TABLE"}, "unknown option \"--TABLE\""},
      {{"-bar", "90"},
       "nothing to do: give --table, --export FILE, --page FILE or --process-csv FILE"},
      {{"--size", "800x600"},
       "nothing to do: give --table, --export FILE, --page FILE or --process-csv FILE"},
      {{"--highlight", "4"},
       "nothing to do: give --table, --export FILE, --page FILE or --process-csv FILE"},
      {{"--table", "--highlight"}, "--highlight needs a mode from 0 to 11"},
      {{"--highlight", "12", "--table"}, "bad highlight mode \"12\": give a number from 0 to 11"},
      {{"--highlight", "-1", "--table"}, "bad highlight mode \"-1\": give a number from 0 to 11"},
      {{"--highlight", "nan", "--table"}, "bad highlight mode \"nan\": give a number from 0 to 11"},
      {{"--table", "--export"}, "--export needs a file name"},
      {{"--export", ""}, "the file name after --export is empty"},
      {{"--export", "chart.png", "--size"}, "--size needs WIDTHxHEIGHT"},
      {{"--export", "chart.jpg"},
       "cannot tell the picture format of \"chart.jpg\": the name must end in .png, .svg or .pdf"},
      {{"--export", "png"},
       "cannot tell the picture format of \"png\": the name must end in .png, .svg or .pdf"},
      {{"--process-csv"}, "--process-csv needs a file name, or - for standard output"},
      {{"--process-csv", "-", "-flow"}, "-flow needs an airflow in m\xC2\xB3/s"},
      {{"--export", "--table"}, "--export needs a file name"},
      // Regression: the chart's options without their values, or with numbers that do not
      // read, ran with exit status 0.
      {{"-units", "--table"}, "-units needs si or ip"},
      {{"-cursor", "25", "--table"}, "-cursor needs t rh"},
      {{"-graph", "1", "2", "3", "--table"}, "-graph needs tMin tMax hMin hMax"},
      {{"--table", "-bar", "9O"}, "bad number \"9O\" after -bar"},
      {{"-graph", "-300", "-280", "0", "1", "--table"},
       "-graph: -300 \xC2\xB0"
       "C is at or below absolute zero, -273.15 \xC2\xB0"
       "C"},
      {{"--page", "chart.png"}, "the page of --page is a PDF file: its name must end in .pdf"},
  };
  const std::string sizeAdvice = ": give WIDTHxHEIGHT, each from 1 to 8192 pixels";
  for (const char* size : {"800", "0x600", "800x0", "8193x600", "800x600x2", "-800x600", " 800x600",
                           "8e2x600", "infxinf", "x", "99999999999x1"}) {
    SCOPED_TRACE(size);
    const Outcome run = RunCommand({"--export", "chart.png", "--size", size});
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_EQ(run.err, "hygrovia: bad size \"" + std::string(size) + "\"" + sizeAdvice + "\n");
  }
  for (const char* flow : {"abc", "-1", "2x", "nan", "1e7"}) {
    SCOPED_TRACE(flow);
    const Outcome run = RunCommand({"--process-csv", "-", "-flow", flow});
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "hygrovia: bad airflow \"" + std::string(flow) +
                           "\": give m\xC2\xB3/s from 0 to 1000000\n");
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.arguments));
    const Outcome run = RunCommand(c.arguments);
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "hygrovia: " + c.message + "\n");
  }
}

// Regression: "0000100x0100" was refused as out of range although it is 100 by 100.
TEST(HeadlessTest, SizesCountNoLeadingZeros) {
  struct Case {
    const char* size;
    int width;  // 0: refused
    int height;
  };
  const Case cases[] = {
      {"0000100x0100", 100, 100},
      {"08192X0000001", 8192, 1},
      {"0000000x5", 0, 0},
      {"00008193x1", 0, 0},
      {"0100x", 0, 0},
  };
  for (const Case& c : cases) {
    const Result<HeadlessOptions> options = ReadHeadlessOptions({"--table", "--size", c.size});
    EXPECT_EQ(options.Ok(), c.width != 0) << c.size;
    if (c.width == 0) continue;
    EXPECT_EQ(options->width, c.width) << c.size;
    EXPECT_EQ(options->height, c.height) << c.size;
  }
}

TEST(HeadlessTest, FailuresToWriteAreReportedWithStatusOne) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string missing =
      dir.filePath(QStringLiteral("no/such/folder/chart.png")).toStdString();
  const Outcome run = RunCommand({"--export", missing});
  EXPECT_EQ(run.status, kExitFailure);
  EXPECT_TRUE(run.err.starts_with("hygrovia: cannot write \"" + missing + "\": "));
  EXPECT_EQ(Lines(run.err).size(), 1u);

  // Regression: a table that could not be written was reported as done.
  std::ostringstream broken;
  broken.setstate(std::ios::badbit);
  std::ostringstream err;
  EXPECT_EQ(RunHeadlessCommand({"--table"}, broken, err), kExitFailure);
  EXPECT_EQ(err.str(), "hygrovia: cannot write the data table\n");

  // Usage errors are found before anything is written.
  const QString unwritten = dir.filePath(QStringLiteral("chart.svg"));
  EXPECT_EQ(RunCommand({"--export", unwritten.toStdString(), "--size", "0x0"}).status, kExitUsage);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

int CountPixels(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFFu) == (colour & 0xFFFFFFu)) ++count;
    }
  }
  return count;
}

TEST(HeadlessTest, PngOfTheChartAsTheScreenShowsIt) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString plain = dir.filePath(QStringLiteral("chart.png"));
  const Outcome run = RunCommand({"--export", plain.toStdString()});
  EXPECT_EQ(run.status, kExitDone);
  EXPECT_EQ(run.out + run.err, "");
  const QImage image(plain);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(1600, 1200));
  // Every family is blue, a few thousand pixels of lines; nothing yellow without a highlight.
  EXPECT_GT(CountPixels(image, qRgb(0, 0, 255)), 5000);
  EXPECT_EQ(CountPixels(image, qRgb(255, 255, 0)), 0);
  // The corners lie outside the chart's frame, in the background colour.
  EXPECT_EQ(image.pixel(0, 0), image.pixel(1599, 1199));

  const QString highlighted = dir.filePath(QStringLiteral("Highlighted.PNG"));
  const Outcome yellow =
      RunCommand({"--highlight", "4", "--size", "640x480", "--export", highlighted.toStdString()});
  EXPECT_EQ(yellow.status, kExitDone);
  const QImage small(highlighted);
  EXPECT_EQ(small.size(), QSize(640, 480));
  EXPECT_GT(CountPixels(small, qRgb(255, 255, 0)), 500);

  // Choosing the same mode twice turns it off, as from the menu.
  const Outcome off = RunCommand({"--highlight", "4", "--highlight", "4", "--size", "640x480",
                                  "--export", highlighted.toStdString()});
  EXPECT_EQ(off.status, kExitDone);
  EXPECT_EQ(CountPixels(QImage(highlighted), qRgb(255, 255, 0)), 0);
}

// Flat runs and noise, in every image format the encoder meets, and tall enough that the
// rows are deflated in bands that must join into one stream.
TEST(HeadlessTest, PngEncoderKeepsEveryPixel) {
  QRandomGenerator random(20240611);
  const QImage::Format formats[] = {QImage::Format_RGB32, QImage::Format_ARGB32,
                                    QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB888};
  for (const QSize size :
       {QSize(1, 1), QSize(3, 2), QSize(257, 5), QSize(64, 300), QSize(5, 1031)}) {
    for (const QImage::Format format : formats) {
      SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height() << " " << format);
      QImage image(size, format);
      for (int y = 0; y < size.height(); ++y) {
        const bool flat = y % 7 < 4;
        for (int x = 0; x < size.width(); ++x) {
          image.setPixel(x, y, flat ? qRgb(239, 239, 239) : random.generate() | 0xFF000000u);
        }
      }
      const QByteArray png = EncodePng(image);
      EXPECT_EQ(EncodePng(image), png);
      const QImage back = QImage::fromData(png, "PNG");
      ASSERT_FALSE(back.isNull());
      EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32),
                image.convertToFormat(QImage::Format_RGB32));
    }
  }
  EXPECT_TRUE(EncodePng(QImage()).isEmpty());
}

// The view box and the texts of an SVG file, which must parse as XML.
struct SvgContent {
  QRectF viewBox;
  std::vector<QString> texts;
  QString error;
};

SvgContent ReadSvg(const QString& path) {
  SvgContent svg;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    svg.error = file.errorString();
    return svg;
  }
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("svg")) {
      const QStringList box =
          xml.attributes().value(QLatin1String("viewBox")).toString().split(' ');
      if (box.size() == 4) {
        svg.viewBox =
            QRectF(box[0].toDouble(), box[1].toDouble(), box[2].toDouble(), box[3].toDouble());
      }
    } else if (xml.name() == QLatin1String("text")) {
      svg.texts.push_back(xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed());
    }
  }
  if (xml.hasError()) svg.error = xml.errorString();
  return svg;
}

TEST(HeadlessTest, SvgAndPdfPicturesOfTheChart) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString svg = dir.filePath(QStringLiteral("chart.svg"));
  const Outcome run =
      RunCommand({"-bar", "90", "--export", svg.toStdString(), "--size", "800x600"});
  EXPECT_EQ(run.status, kExitDone);
  const SvgContent content = ReadSvg(svg);
  EXPECT_EQ(content.error, QString());
  // The picture covers the chart area, widened only where labels reach beyond it.
  EXPECT_TRUE(content.viewBox.contains(QRectF(0, 0, 800, 600)));
  EXPECT_LT(content.viewBox.width(), 840);
  const auto shows = [&content](const QString& text) {
    return std::find(content.texts.begin(), content.texts.end(), text) != content.texts.end();
  };
  for (const char* label : {"DBT(°C)", "AH", "5", "25", "50", "30", "Dry Bulb: 25.00°C"}) {
    EXPECT_TRUE(shows(QString::fromUtf8(label))) << label;
  }

  // A Clear picture lies on its white background; a Classic one lets the page show through,
  // here left of the saturation curve, where nothing is drawn.
  for (const auto& [style, alpha] : {std::pair{"clear", 255}, std::pair{"classic", 0}}) {
    const QString path = dir.filePath(QString::fromLatin1(style) + QStringLiteral(".svg"));
    ASSERT_EQ(RunCommand({"-style", style, "--export", path.toStdString()}).status, kExitDone);
    QSvgRenderer renderer(path);
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    EXPECT_EQ(qAlpha(image.pixel(image.width() / 5, image.height() * 3 / 5)), alpha) << style;
  }

  const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
  EXPECT_EQ(RunCommand({"--export", pdf.toStdString()}).status, kExitDone);
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF-"));
  EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
}

TEST(HeadlessTest, OnlyCommandLinesWithDoubleDashWordsRunWithoutAWindow) {
  const auto headless = [](Arguments arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    return RunHeadless(static_cast<int>(argv.size()), argv.data());
  };
  EXPECT_EQ(headless({"hygrovia"}), std::nullopt);
  EXPECT_EQ(headless({"hygrovia", "-bar", "90", "-table", "chart.hgv"}), std::nullopt);
  EXPECT_EQ(headless({"hygrovia", "--table", "--help"}), std::nullopt);
  EXPECT_EQ(headless({"hygrovia", "--version", "--export", "x.png"}), std::nullopt);
  EXPECT_TRUE(AsksForHeadlessRun({"-bar", "90", "--table"}));
  EXPECT_FALSE(AsksForHeadlessRun({"-bar", "90", "-table"}));
}

std::vector<std::string> CsvLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) {
    lines.push_back(text.substr(at, end - at));
  }
  return lines;
}

// The cooling coil of the process table's hand calculation, at twice the airflow: 2 m³/s
// from 30 °C, 50 % to 14 °C, 90 % takes -63.12 kW, of it -36.47 kW sensible (the chart
// formulas' enthalpy rises 1 kJ/kg a kelvin at one moisture); its line meets saturation at
// 10.78 °C, so the bypass factor is (14 - 10.78) / (30 - 10.78) = 0.17.
TEST(HeadlessTest, ProcessTableGoesToStandardOutputOrAFile) {
  const std::vector<std::string> words = {"-bar",  "101.325", "-cursor",      "30",
                                          "50",    "-arrow",  "14",           "90",
                                          "-FLOW", "2",       "--process-csv"};
  std::vector<std::string> toOut = words;
  toOut.push_back("-");
  const Outcome run = RunCommand(toOut);
  EXPECT_EQ(run.status, kExitDone);
  EXPECT_EQ(run.err, "");
  const std::vector<std::string> lines = CsvLines(run.out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_TRUE(
      lines[0].starts_with("Point,Name,Dry bulb (\xC2\xB0"
                           "C),"));
  EXPECT_TRUE(lines[1].starts_with("Cursor,,30.00,50.00,13.59,"));
  EXPECT_EQ(lines[2],
            "Cursor to Arrow,,-16.00,,-4.63,,,-27.69,,,2.279,-36.47,-26.65,-63.12,-37.99,0.58,"
            "10.78,0.17,0.83");
  EXPECT_TRUE(lines[3].starts_with("Arrow,,14.00,90.00,8.96,"));

  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  std::vector<std::string> toFile = words;
  toFile.push_back(folder.filePath("process.csv").toStdString());
  EXPECT_EQ(RunCommand(toFile).status, kExitDone);
  QFile file(folder.filePath("process.csv"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), run.out);

  const std::string missing = folder.filePath("no/such/process.csv").toStdString();
  const Outcome failed = RunCommand({"--process-csv", missing});
  EXPECT_EQ(failed.status, kExitFailure);
  EXPECT_TRUE(failed.err.starts_with("hygrovia: ")) << failed.err;
}

const std::string kChicago = std::string(HYGROVIA_TEST_DATA_DIR) + "/chicago-ohare-tmy3.epw";

// The count of the summary line that starts with label.
int CountOf(const std::string& out, const std::string& label) {
  const std::size_t at = out.find("\n" + label);
  if (at == std::string::npos) return -1;
  return static_cast<int>(DecimalValue(std::string_view(out).substr(at + 1 + label.size())));
}

TEST(HeadlessWeather, TablePrintsTheHoursInAndAroundTheZones) {
  struct Case {
    Arguments filter;
    int hours;
    const char* title;
  };
  const Case cases[] = {
      {{}, 8760, "chicago-ohare-tmy3.epw, 8760 of 8760 hours\n"},
      {{"-months", "6-8", "-hours", "8-18"},
       920,
       "chicago-ohare-tmy3.epw, Jun-Aug 8:00-18:00: 920 of 920 hours\n"},
      {{"-hours", "22-6", "-months", "12-2"},
       90 * 8,
       "chicago-ohare-tmy3.epw, Dec-Feb 22:00-6:00: 720 of 720 hours\n"},
  };
  for (const Case& c : cases) {
    Arguments arguments = {"--weather", kChicago, "--table"};
    arguments.insert(arguments.begin(), c.filter.begin(), c.filter.end());
    const Outcome run = RunCommand(arguments);
    SCOPED_TRACE(c.title);
    ASSERT_EQ(run.status, kExitDone) << run.err;
    EXPECT_NE(run.out.find(" Dry Bulb: 25.00"), std::string::npos);
    EXPECT_NE(
        run.out.find("\nWeather: Chicago Ohare Intl Ap, IL, USA, 41.98\xC2\xB0N 87.92\xC2\xB0W, "
                     "201 m\n" +
                     std::string(c.title)),
        std::string::npos);
    EXPECT_EQ(CountOf(run.out, "Hours in the filter"), c.hours);
    const int sum = CountOf(run.out, "Comfortable in any zone") +
                    CountOf(run.out, "Heating (left of the zone)") +
                    CountOf(run.out, "Cooling (right of the zone)") +
                    CountOf(run.out, "Humidification (below the zone)") +
                    CountOf(run.out, "Dehumidification (above the zone)");
    EXPECT_EQ(sum, c.hours);
    EXPECT_GE(CountOf(run.out, "Comfortable at 0.5 clo"), c.hours == 720 ? 0 : 1);
  }
  // In inch-pound units the station's elevation is in feet, as every other figure.
  const Outcome feet = RunCommand({"-units", "ip", "--weather", kChicago, "--table"});
  EXPECT_NE(feet.out.find("87.92\xC2\xB0W, 659 ft\n"), std::string::npos) << feet.out;
  // Chicago's summer days are mostly warm, its winter nights all cold.
  const Outcome winter =
      RunCommand({"--weather", kChicago, "-months", "12-2", "-hours", "22-6", "--table"});
  EXPECT_EQ(CountOf(winter.out, "Heating (left of the zone)"), 720);
}

TEST(HeadlessWeather, MeasuredDataAreCountedLikeHours) {
  const std::string office = std::string(HYGROVIA_TEST_DATA_DIR) + "/measured-office.csv";
  struct Case {
    Arguments filter;
    const char* title;
  };
  // The office's logger lost the reading of 13:00 on its first day.
  const Case cases[] = {
      {{}, "Measured: measured-office.csv, 71 of 72 rows (1 missing)\n"},
      {{"-hours", "12-14"},
       "Measured: measured-office.csv, 12:00-14:00: 7 of 8 rows (1 missing)\n"},
      {{"-hours", "0-7"}, "Measured: measured-office.csv, 0:00-7:00: 14 of 14 rows\n"},
  };
  for (const Case& c : cases) {
    Arguments arguments = {"--measured", office, "--table"};
    arguments.insert(arguments.end(), c.filter.begin(), c.filter.end());
    const Outcome run = RunCommand(arguments);
    ASSERT_EQ(run.status, kExitDone) << run.err;
    EXPECT_NE(run.out.find(c.title), std::string::npos) << run.out;
  }
}

// The comfortable hours and those above the humidity limit, worked out from the file's hours
// with the test's own moisture formula and the mean vote itself rather than the zones.
struct ComfortCount {
  int comfortable = 0;
  int dehumidification = 0;
};

ComfortCount CountComfort(const std::vector<WeatherHour>& hours, const HourFilter& filter,
                          double pressure, const std::array<double, 4>& comfort, double limit) {
  const Model model{pressure};
  ComfortCount count;
  for (const WeatherHour& h : hours) {
    if (!filter.Passes(h)) continue;
    const double w =
        std::min(model.SaturationHumidity(h.dewPoint), model.SaturationHumidity(h.dryBulb));
    if (w > limit) {
      ++count.dehumidification;
      continue;
    }
    for (const double clo : {comfort[1], comfort[2]}) {
      const ThermalConditions c{
          h.dryBulb,  h.dryBulb, comfort[3], 1000.0 * pressure * w / (622.0 + w),
          comfort[0], clo,       0.0};
      if (std::abs(PredictedMeanVote(c)) <= 0.5) {
        ++count.comfortable;
        break;
      }
    }
  }
  return count;
}

TEST(HeadlessWeather, SummaryWithTheHumidityLimitMatchesTheHoursThemselves) {
  const std::vector<WeatherHour> hours =
      ReadWeatherFile(std::filesystem::path(kChicago)).Value().hours;
  const double station = ashrae::PressureAtAltitude(201.0);
  struct Case {
    Arguments words;
    HourFilter filter;
    double pressure;
    std::array<double, 4> comfort;
    double limit;  // g/kg
    const char* settings;
  };
  const std::array<double, 4> standard = {1.1, 0.5, 1.0, 0.1};
  const Case cases[] = {
      {{},
       {},
       101.365,
       standard,
       12.0,
       "0.10 m/s, limit 12.0 g/kg\nMoisture at 101.365 kPa, the chart's pressure\n"
       "The station's pressure (201 m): 98.934 kPa\n"},
      {{"-months", "6-8"}, {6, 8, 0, 24}, 101.365, standard, 12.0, "limit 12.0 g/kg"},
      {{"-alt", "station", "-comfort", "1.3", "0.6", "0.9", "0.3", "-humidity-limit", "10"},
       {},
       station,
       {1.3, 0.6, 0.9, 0.3},
       10.0,
       "Comfort: 1.30 met, clo 0.60 summer 0.90 winter, 0.30 m/s, limit 10.0 g/kg\n"
       "Moisture at 98.934 kPa, the station's pressure (201 m)\n"},
      {{"-units", "ip", "-humidity-limit", "70"}, {}, 101.365, standard, 10.0, "limit 70.0 gr/lb"},
  };
  for (const Case& c : cases) {
    Arguments arguments = {"--weather", kChicago, "--table"};
    arguments.insert(arguments.end(), c.words.begin(), c.words.end());
    const Outcome run = RunCommand(arguments);
    SCOPED_TRACE(c.settings);
    ASSERT_EQ(run.status, kExitDone) << run.err;
    EXPECT_NE(run.out.find(c.settings), std::string::npos) << run.out;
    const ComfortCount expected = CountComfort(hours, c.filter, c.pressure, c.comfort, c.limit);
    const int hoursInFilter = CountOf(run.out, "Hours in the filter");
    // The zones' edges are drawn between rows 0.5 g/kg apart: a few hours on them may differ.
    EXPECT_NEAR(CountOf(run.out, "Comfortable in any zone"), expected.comfortable,
                0.002 * hoursInFilter);
    EXPECT_EQ(CountOf(run.out, "Dehumidification (above the zone)"), expected.dehumidification);
    EXPECT_GT(expected.dehumidification, 0);
  }
}

TEST(HeadlessWeather, RefusesBadAnalysisWordsNamingThem) {
  const struct {
    Arguments words;
    const char* option;
  } cases[] = {
      {{"-comfort", "1.1", "warm", "1", "0.1"}, "-comfort"},
      {{"-comfort", "9", "0.5", "1", "0.1"}, "-comfort"},
      {{"-comfort", "1.1", "0.5"}, "-comfort"},
      {{"-humidity-limit", "wet"}, "-humidity-limit"},
      {{"-humidity-limit", "45"}, "-humidity-limit"},
      {{"-design-marks", "yes"}, "-design-marks"},
      {{"-adaptive", "13"}, "-adaptive"},
  };
  for (const auto& c : cases) {
    Arguments arguments = {"--weather", kChicago, "--table"};
    arguments.insert(arguments.end(), c.words.begin(), c.words.end());
    const Outcome run = RunCommand(arguments);
    EXPECT_EQ(run.status, kExitUsage) << c.option;
    EXPECT_NE(run.err.find(c.option), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
  // Without weather they have nothing to act on.
  for (const Arguments& words :
       {Arguments{"-adaptive", "7", "--table"}, Arguments{"-alt", "station", "--table"}}) {
    const Outcome run = RunCommand(words);
    EXPECT_EQ(run.status, kExitUsage) << words[0];
    EXPECT_NE(run.err.find(words[0]), std::string::npos) << run.err;
  }
}

TEST(HeadlessWeather, RefusesWhatCannotRun) {
  struct Case {
    Arguments arguments;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {{"--weather"}, kExitUsage, "hygrovia: --weather needs a weather file (.epw)\n"},
      {{"--weather", kChicago, "-months", "0-5", "--table"},
       kExitUsage,
       "hygrovia: bad months \"0-5\": give FIRST-LAST, each from 1 to 12\n"},
      {{"--weather", kChicago, "-hours", "8-8", "--table"},
       kExitUsage,
       "hygrovia: bad hours \"8-8\": give FROM-TO, two different hours from 0 to 24\n"},
      {{"--weather", kChicago, "-hours", "8", "--table"},
       kExitUsage,
       "hygrovia: bad hours \"8\": give FROM-TO, two different hours from 0 to 24\n"},
      {{"-months", "6-8", "--table"},
       kExitUsage,
       "hygrovia: -months and -hours choose hours of --weather FILE\n"},
      {{"--measured", kChicago, "--weather", kChicago, "--table"},
       kExitUsage,
       "hygrovia: give --weather FILE or --measured FILE, not both\n"},
      {{"--weather", "/nonexistent.epw", "--table"},
       kExitFailure,
       "hygrovia: Could not read \"/nonexistent.epw\". The file does not exist.\n"},
  };
  for (const Case& c : cases) {
    const Outcome run = RunCommand(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.message;
    EXPECT_EQ(run.err, c.message);
    EXPECT_EQ(run.out, "");
  }
}

int CountShaded(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      // The density's browns: more red than green, more green than blue.
      if (qRed(p) > qGreen(p) + 10 && qGreen(p) > qBlue(p) + 10) ++count;
    }
  }
  return count;
}

TEST(HeadlessWeather, PicturesShowTheHours) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string plain = dir.filePath(QStringLiteral("plain.png")).toStdString();
  const std::string weather = dir.filePath(QStringLiteral("weather.png")).toStdString();
  const std::string summer = dir.filePath(QStringLiteral("summer.png")).toStdString();
  ASSERT_EQ(RunCommand({"--export", plain, "--size", "800x600"}).status, kExitDone);
  ASSERT_EQ(RunCommand({"--weather", kChicago, "--export", weather, "--size", "800x600"}).status,
            kExitDone);
  ASSERT_EQ(
      RunCommand({"--weather", kChicago, "-months", "6-8", "--export", summer, "--size", "800x600"})
          .status,
      kExitDone);
  EXPECT_EQ(CountShaded(QImage(QString::fromStdString(plain))), 0);
  const int year = CountShaded(QImage(QString::fromStdString(weather)));
  const int months = CountShaded(QImage(QString::fromStdString(summer)));
  EXPECT_GT(year, 5000);
  EXPECT_GT(months, 1000);
  EXPECT_LT(months, year);
}

std::vector<double> Fields(const std::string& line) {
  std::vector<double> fields;
  std::istringstream in(line);
  std::string field;
  std::getline(in, field, ',');  // the row's name
  while (std::getline(in, field, ',')) fields.push_back(field.empty() ? 0.0 : std::stod(field));
  return fields;
}

TEST(HeadlessTest, InchPoundProcessTableIsTheSameProcessInItsUnits) {
  // 2 m³/s is 4237.7600 cfm; 30 °C, 50 % is 86 °F, 50 % and 14 °C, 90 % is 57.2 °F, 90 %.
  const Outcome si = RunCommand({"-bar", "101.325", "-cursor", "30", "50", "-arrow", "14", "90",
                                 "-flow", "2", "--process-csv", "-"});
  const Outcome ip =
      RunCommand({"-units", "ip", "-bar", "14.6959488", "-cursor", "86", "50", "-arrow", "57.2",
                  "90", "-flow", "4237.7600", "--process-csv", "-"});
  ASSERT_EQ(ip.status, kExitDone) << ip.err;
  const std::vector<std::string> lines = CsvLines(ip.out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_TRUE(
      lines[0].starts_with("Point,Name,Dry bulb (\xC2\xB0"
                           "F),Relative humidity (%),"
                           "Moisture content (gr/lb),Vapour pressure (inHg),"));
  EXPECT_NE(lines[0].find("Sensible (Btu/h),Latent (Btu/h),Total (Btu/h),Total (tons),"
                          "Moisture rate (lb/h)"),
            std::string::npos);
  // The step's differences and loads, column by column: inch-pound = SI × factor, within the
  // rounding of both tables. The tons, which SI has not, are the total over 12,000 Btu/h.
  std::vector<double> siStep = Fields(CsvLines(si.out)[2]);
  std::vector<double> ipStep = Fields(lines[2]);
  constexpr std::size_t kTotal = 12;
  ASSERT_EQ(ipStep.size(), siStep.size() + 1);
  EXPECT_NEAR(ipStep[kTotal + 1], ipStep[kTotal] / 12000.0, 0.006);
  ipStep.erase(ipStep.begin() + kTotal + 1);
  // The apparatus dew point is a temperature, not a difference.
  constexpr std::size_t kApparatusDewPoint = 15;
  siStep[kApparatusDewPoint] = siStep[kApparatusDewPoint] * 1.8 + 32.0;
  constexpr double kBtuPerHourPerKilowatt = 3600.0 / (2.326 * 0.45359237);
  const double factors[] = {1.0,
                            1.8,
                            1.0,
                            7.0,
                            1.0,
                            1.0,
                            1.0 / 2.326,
                            1.0,
                            1.0,
                            3600.0 / 0.45359237,
                            kBtuPerHourPerKilowatt,
                            kBtuPerHourPerKilowatt,
                            kBtuPerHourPerKilowatt,
                            1.0 / 0.45359237,
                            1.0,
                            1.0,
                            1.0,
                            1.0};
  ASSERT_EQ(ipStep.size(), std::size(factors));
  for (std::size_t column = 0; column < ipStep.size(); ++column) {
    EXPECT_NEAR(ipStep[column], siStep[column] * factors[column],
                0.006 + 0.006 * factors[column] + 1e-4 * std::abs(ipStep[column]))
        << column;
  }
}

}  // namespace
}  // namespace hygrovia
