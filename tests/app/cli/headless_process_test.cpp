#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/cli/headless.h"
#include "app/cli/headless_options.h"

namespace hygrovia {
namespace {

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

Outcome RunWords(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  Outcome run;
  run.status = RunHeadlessCommand(arguments, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

std::vector<std::string> CsvLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) {
    lines.push_back(text.substr(at, end - at));
  }
  return lines;
}

// The cooling coil of the process table's hand calculation, at twice the airflow: 2 m³/s
// from 30 °C, 50 % to 14 °C, 90 % takes -63.12 kW, of it -37.61 kW sensible.
TEST(HeadlessProcessTest, ProcessTableGoesToStandardOutputOrAFile) {
  const std::vector<std::string> words = {"-bar",  "101.325", "-cursor",      "30",
                                          "50",    "-arrow",  "14",           "90",
                                          "-FLOW", "2",       "--process-csv"};
  std::vector<std::string> toOut = words;
  toOut.push_back("-");
  const Outcome run = RunWords(toOut);
  EXPECT_EQ(run.status, kExitDone);
  EXPECT_EQ(run.err, "");
  const std::vector<std::string> lines = CsvLines(run.out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_TRUE(
      lines[0].starts_with("Point,Dry bulb (\xC2\xB0"
                           "C),"));
  EXPECT_TRUE(lines[1].starts_with("Cursor,30.00,50.00,13.59,"));
  EXPECT_EQ(lines[2],
            "Cursor to Arrow,-16.00,,-4.63,,,-27.69,,,2.279,-37.61,-25.51,-63.12,-37.99,0.60");
  EXPECT_TRUE(lines[3].starts_with("Arrow,14.00,90.00,8.96,"));

  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  std::vector<std::string> toFile = words;
  toFile.push_back(folder.filePath("process.csv").toStdString());
  EXPECT_EQ(RunWords(toFile).status, kExitDone);
  QFile file(folder.filePath("process.csv"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), run.out);

  const std::string missing = folder.filePath("no/such/process.csv").toStdString();
  const Outcome failed = RunWords({"--process-csv", missing});
  EXPECT_EQ(failed.status, kExitFailure);
  EXPECT_TRUE(failed.err.starts_with("hygrovia: ")) << failed.err;
}

TEST(HeadlessProcessTest, AirflowsThatCannotRun) {
  struct Case {
    std::vector<std::string> arguments;
    std::string message;
  };
  const std::string advice = ": give m\xC2\xB3/s from 0 to 1000000";
  const Case cases[] = {
      {{"--process-csv", "-", "-flow"}, "-flow needs an airflow in m\xC2\xB3/s"},
      {{"--process-csv", "-", "-flow", "abc"}, "bad airflow \"abc\"" + advice},
      {{"--process-csv", "-", "-flow", "-1"}, "bad airflow \"-1\"" + advice},
      {{"--process-csv", "-", "-flow", "2x"}, "bad airflow \"2x\"" + advice},
      {{"--process-csv", "-", "-flow", "nan"}, "bad airflow \"nan\"" + advice},
      {{"--process-csv", "-", "-flow", "1e7"}, "bad airflow \"1e7\"" + advice},
      {{"--process-csv"}, "--process-csv needs a file name, or - for standard output"},
      {{"-flow", "2"}, "nothing to do: give --table, --export FILE or --process-csv FILE"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.arguments));
    const Outcome run = RunWords(c.arguments);
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "hygrovia: " + c.message + "\n");
  }
}

}  // namespace
}  // namespace hygrovia

namespace hygrovia {
namespace {

std::vector<double> Fields(const std::string& line) {
  std::vector<double> fields;
  std::istringstream in(line);
  std::string field;
  std::getline(in, field, ',');  // the row's name
  while (std::getline(in, field, ',')) fields.push_back(field.empty() ? 0.0 : std::stod(field));
  return fields;
}

TEST(HeadlessProcessTest, InchPoundTableIsTheSameProcessInItsUnits) {
  // 2 m³/s is 4237.7600 cfm; 30 °C, 50 % is 86 °F, 50 % and 14 °C, 90 % is 57.2 °F, 90 %.
  const Outcome si = RunWords({"-bar", "101.325", "-cursor", "30", "50", "-arrow", "14", "90",
                               "-flow", "2", "--process-csv", "-"});
  const Outcome ip = RunWords({"-units", "ip", "-bar", "14.6959488", "-cursor", "86", "50",
                               "-arrow", "57.2", "90", "-flow", "4237.7600", "--process-csv", "-"});
  ASSERT_EQ(ip.status, kExitDone) << ip.err;
  const std::vector<std::string> lines = CsvLines(ip.out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_TRUE(
      lines[0].starts_with("Point,Dry bulb (\xC2\xB0"
                           "F),Relative humidity (%),"
                           "Moisture content (gr/lb),Vapour pressure (inHg),"));
  EXPECT_NE(lines[0].find("Sensible (Btu/h),Latent (Btu/h),Total (Btu/h),Moisture rate (lb/h)"),
            std::string::npos);
  // The step's differences and loads, column by column: inch-pound = SI × factor, within the
  // rounding of both tables.
  const std::vector<double> siStep = Fields(CsvLines(si.out)[2]);
  const std::vector<double> ipStep = Fields(lines[2]);
  constexpr double kBtuPerHourPerKilowatt = 3600.0 / (2.326 * 0.45359237);
  const double factors[] = {1.8,
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
