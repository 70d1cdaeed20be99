#include "data/epw_reader.h"

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/number_text.h"

namespace hygrovia {
namespace {

constexpr const char* kLocation =
    "LOCATION,Testville,TS,Nowhere,TMY3,123456,41.98,-87.92,-6.0,201.0";
constexpr const char* kHeader[] = {"DESIGN CONDITIONS,0",
                                   "TYPICAL/EXTREME PERIODS,0",
                                   "GROUND TEMPERATURES,0",
                                   "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0",
                                   "COMMENTS 1,made by hand",
                                   "COMMENTS 2,",
                                   "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31"};

// A year of weather as lines: the header, then a row for each hour of each day, the hour
// running from `firstHour`. Every row's dry bulb is month + hour / 100 °C, so the reader's
// order and numbering can be checked; the dew point is 5 °C below the dry bulb.
std::vector<std::string> YearLines(bool leap, int firstHour = 1) {
  const int days[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::vector<std::string> lines{kLocation};
  lines.insert(lines.end(), std::begin(kHeader), std::end(kHeader));
  for (int m = 1; m <= 12; ++m) {
    for (int d = 1; d <= days[m - 1]; ++d) {
      for (int h = firstHour; h < firstHour + 24; ++h) {
        const double t = m + h / 100.0;
        lines.push_back(
            FormatText("1999,%d,%d,%d,60,A7A7,%0.2f,%0.2f,50,99500,0,0", m, d, h, t, t - 5.0));
      }
    }
  }
  return lines;
}

std::string Joined(const std::vector<std::string>& lines, const std::string& end, bool last) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    text += lines[i];
    if (last || i + 1 < lines.size()) text += end;
  }
  return text;
}

// Line n (from 1) of the lines.
std::string& Line(std::vector<std::string>& lines, int n) {
  return lines[static_cast<std::size_t>(n - 1)];
}

TEST(EpwReader, ToleratesWhatRealFilesHold) {
  struct Case {
    const char* what;
    std::function<std::string()> text;
    int hours;
    int skipped;
  };
  const Case cases[] = {
      {"LF", [] { return Joined(YearLines(false), "\n", true); }, 8760, 0},
      {"CR LF, no end on the last line", [] { return Joined(YearLines(false), "\r\n", false); },
       8760, 0},
      {"byte order mark and blank lines at the end",
       [] { return "\xEF\xBB\xBF" + Joined(YearLines(false), "\n", true) + "\n \r\n"; }, 8760, 0},
      {"leap year", [] { return Joined(YearLines(true), "\n", true); }, 8784, 0},
      {"hours from 0", [] { return Joined(YearLines(false, 0), "\n", true); }, 8760, 0},
      {"dates written differently",
       [] {
         auto lines = YearLines(false);
         Line(lines, 9) = ",01,01.0, 1 ,0,?,1.01,-3.99,50,99500";
         return Joined(lines, "\n", true);
       },
       8760, 0},
      // Regression: a missing or unreadable humidity or pressure, neither of which is drawn,
      // left the hour out or refused the year.
      {"missing values",
       [] {
         auto lines = YearLines(false);
         Line(lines, 10) = "1999,1,1,2,60,A7,99.9,-4,50,99500";
         Line(lines, 11) = "1999,1,1,3,60,A7,1.03,99.9,50,99500";
         Line(lines, 12) = "1999,1,1,4,60,A7,1.04,-4,999,99500";
         Line(lines, 13) = "1999,1,1,5,60,A7,1.05,-4,50,999999";
         Line(lines, 14) = "1999,1,1,6,60,A7,1.06,-4,wet,1000";
         return Joined(lines, "\n", true);
       },
       8758, 2},
      // Regression: a quoted comma split the name and the numbers after it were misread.
      {"quoted fields",
       [] {
         auto lines = YearLines(false);
         Line(lines, 1) = "LOCATION,\"Testville, TS\",\"Nowhere\" ,\"\",TMY3,123456,41.98,-87.92,-6.0,201.0";
         Line(lines, 9) = "1999,1,1,1,60,\"A7,A7\",1.01,-3.99,50,99500";
         return Joined(lines, "\n", true);
       },
       8760, 0},
  };
  for (const Case& c : cases) {
    const Result<WeatherYear> result = ReadWeatherText(c.text());
    ASSERT_TRUE(result.Ok()) << c.what << ": " << result.Message();
    const WeatherYear& year = *result;
    EXPECT_EQ(static_cast<int>(year.hours.size()), c.hours) << c.what;
    EXPECT_EQ(year.skipped, c.skipped) << c.what;
    EXPECT_EQ(year.rows, c.hours + c.skipped) << c.what;
    EXPECT_EQ(year.location.name, "Testville, TS, Nowhere") << c.what;
    for (const WeatherHour& h : year.hours) {
      ASSERT_TRUE(h.relHumidity > 0.0f && h.relHumidity <= 100.0f) << c.what;
      ASSERT_TRUE(h.pressure > 90000.0f && h.pressure < 110000.0f) << c.what;
    }
    EXPECT_DOUBLE_EQ(year.location.elevation, 201.0) << c.what;
    // The first hour of the day is hour 0 in every way of writing it.
    EXPECT_EQ(year.hours.front().hour, 0) << c.what;
    EXPECT_EQ(year.hours.back().hour, 23) << c.what;
    EXPECT_EQ(year.hours.back().month, 12) << c.what;
    EXPECT_EQ(year.hours.back().day, 31) << c.what;
    EXPECT_NEAR(year.hours.front().dewPoint, year.hours.front().dryBulb - 5.0f, 1e-4) << c.what;
  }
}

TEST(EpwReader, RefusesAnythingElseNamingTheLine) {
  struct Case {
    std::function<void(std::vector<std::string>&)> change;
    const char* message;
    bool leap = false;
  };
  const Case cases[] = {
      {[](auto& l) { Line(l, 1) = "Testville,1,2,3,4,5,6,7,8,9"; },
       "Line 1: the file does not start with the LOCATION line of a weather file."},
      {[](auto& l) { Line(l, 1) = "LOCATION,Testville,TS,Nowhere,TMY3,1,91,0,0,0"; },
       "Line 1: the latitude \"91\" is not a number from -90 to 90."},
      {[](auto& l) { l.resize(5); }, "Line 6: the file ends within the eight lines of its header."},
      {[](auto& l) { Line(l, 8) = "COMMENTS 3"; },
       "Line 8: the DATA PERIODS line that ends the header is missing."},
      {[](auto& l) { Line(l, 9) = "1999,1,1,1,60,A7,1.01,-4,50"; },
       "Line 9: a row of hourly weather needs at least 10 values separated by commas."},
      {[](auto& l) { Line(l, 9) = "1999,13,1,1,60,A7,1.01,-4,50,99500"; },
       "Line 9: the month \"13\" is not a whole number from 1 to 12."},
      {[](auto& l) { Line(l, 2200) = "1999,4,31,1,60,A7,1,-4,50,99500"; },
       "Line 2200: the day \"31\" is not a day of the month."},
      {[](auto& l) { Line(l, 9) = "1999,1,1,1.5,60,A7,1.01,-4,50,99500"; },
       "Line 9: the hour \"1.5\" is not a whole number from 0 to 24."},
      {[](auto& l) { Line(l, 20) = "1999,1,1,12,60,A7,warm,-4,50,99500"; },
       "Line 20: the dry bulb temperature \"warm\" is not a number."},
      {[](auto& l) { Line(l, 20) = "1999,1,1,12,60,A7,75,-4,50,99500"; },
       "Line 20: the dry bulb temperature \"75\" is out of range."},
      {[](auto& l) { Line(l, 20) = "1999,1,1,12,60,A7,20,inf,50,99500"; },
       "Line 20: the dew point \"inf\" is not a number."},
      // Regression: repeated hours and a February 29 in a year of 8760 passed as a year.
      {[](auto& l) { Line(l, 20) = Line(l, 11); },
       "Line 20: month 1, day 1, hour 3 was given before, on line 11."},
      {[](auto& l) { Line(l, 1426) = "1999,2,29,24,60,A7,2,-3,50,99500"; },
       "Line 1426: February 29 in a year of 8760 hours, which has no such day."},
      {[](auto& l) { Line(l, 9) = "1999,1,1,0,60,A7,1,-4,50,99500"; },
       "Line 32: the hours run from 0 to 23 in one place and from 1 to 24 in another."},
      {[](auto& l) { Line(l, 100) = ""; }, "Line 100: a blank line stands between the rows."},
      {[](auto& l) { l.pop_back(); },
       "Line 8768: the file ends after 8759 hours; a year has 8760, or 8784 in a leap year."},
      {[](auto& l) { l.insert(l.end(), 1, l.back()); },
       "Line 8793: more rows than the 8784 hours of a leap year.", true},
  };
  for (const Case& c : cases) {
    auto lines = YearLines(c.leap);
    c.change(lines);
    const Result<WeatherYear> result = ReadWeatherText(Joined(lines, "\r\n", true));
    EXPECT_FALSE(result.Ok()) << c.message;
    EXPECT_EQ(result.Message(), c.message);
  }
}

TEST(EpwReader, ReadsTheChicagoYear) {
  const Result<WeatherYear> result =
      ReadWeatherFile(std::filesystem::path(HYGROVIA_TEST_DATA_DIR) / "chicago-ohare-tmy3.epw");
  ASSERT_TRUE(result.Ok()) << result.Message();
  const WeatherYear& year = *result;
  EXPECT_EQ(year.rows, 8760);
  EXPECT_EQ(year.skipped, 0);
  ASSERT_EQ(year.hours.size(), 8760u);
  EXPECT_EQ(year.location.name, "Chicago Ohare Intl Ap, IL, USA");
  EXPECT_DOUBLE_EQ(year.location.latitude, 41.98);
  EXPECT_DOUBLE_EQ(year.location.longitude, -87.92);
  EXPECT_DOUBLE_EQ(year.location.timeZone, -6.0);
  EXPECT_DOUBLE_EQ(year.location.elevation, 201.0);
  struct Known {
    std::size_t index;
    int month, day, hour;
    float dryBulb, dewPoint, relHumidity, pressure;
  };
  const Known known[] = {{0, 1, 1, 0, -12.2f, -16.1f, 73.0f, 99500.0f},
                         {1, 1, 1, 1, -11.7f, -15.6f, 73.0f, 99600.0f},
                         {4694, 7, 15, 14, 31.7f, 23.3f, 61.0f, 99200.0f},
                         {8759, 12, 31, 23, -6.1f, -8.9f, 81.0f, 98300.0f}};
  for (const Known& k : known) {
    const WeatherHour& h = year.hours[k.index];
    EXPECT_EQ(h.month, k.month);
    EXPECT_EQ(h.day, k.day);
    EXPECT_EQ(h.hour, k.hour);
    EXPECT_FLOAT_EQ(h.dryBulb, k.dryBulb);
    EXPECT_FLOAT_EQ(h.dewPoint, k.dewPoint);
    EXPECT_FLOAT_EQ(h.relHumidity, k.relHumidity);
    EXPECT_FLOAT_EQ(h.pressure, k.pressure);
  }
}

TEST(EpwReader, FileErrorsNameTheFile) {
  const Result<WeatherYear> missing = ReadWeatherFile("/nonexistent/weather.epw");
  EXPECT_EQ(missing.Message(),
            "Could not read \"/nonexistent/weather.epw\". The file does not exist.");
  const Result<WeatherYear> folder = ReadWeatherFile(HYGROVIA_TEST_DATA_DIR);
  EXPECT_FALSE(folder.Ok());
}

}  // namespace
}  // namespace hygrovia
