#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/cli/headless_run.h"

namespace hygrovia {
namespace {

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
  const Outcome run = RunCommand(toOut);
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
  EXPECT_EQ(RunCommand(toFile).status, kExitDone);
  QFile file(folder.filePath("process.csv"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), run.out);

  const std::string missing = folder.filePath("no/such/process.csv").toStdString();
  const Outcome failed = RunCommand({"--process-csv", missing});
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
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.arguments));
    const Outcome run = RunCommand(c.arguments);
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "hygrovia: " + c.message + "\n");
  }
}

}  // namespace
}  // namespace hygrovia
