#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/cli/headless_run.h"
#include "chart/number_text.h"

namespace hygrovia {
namespace {

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
       "chicago-ohare-tmy3.epw, Jun-Aug 8:00-18:00: 920 of 8760 hours\n"},
      {{"-hours", "22-6", "-months", "12-2"},
       90 * 8,
       "chicago-ohare-tmy3.epw, Dec-Feb 22:00-6:00: 720 of 8760 hours\n"},
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
  // Chicago's summer days are mostly warm, its winter nights all cold.
  const Outcome winter =
      RunCommand({"--weather", kChicago, "-months", "12-2", "-hours", "22-6", "--table"});
  EXPECT_EQ(CountOf(winter.out, "Heating (left of the zone)"), 720);
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

}  // namespace
}  // namespace hygrovia
