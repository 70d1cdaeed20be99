#include "data/measured_reader.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "psychro/ashrae_model.h"

namespace hygrovia {
namespace {

TemperatureScale NoAnswer() { return TemperatureScale::Unknown; }

TEST(MeasuredReader, ReadsTheSampleOfficeLogger) {
  const Result<WeatherYear> read = ReadMeasuredFile(
      std::filesystem::path(HYGROVIA_TEST_DATA_DIR) / "measured-office.csv", NoAnswer);
  ASSERT_TRUE(read.Ok()) << read.Message();
  EXPECT_TRUE(read->measured);
  EXPECT_EQ(read->rows, 72);
  EXPECT_EQ(read->skipped, 1);  // 13:00 on the first day lost its temperature
  ASSERT_EQ(read->missing.size(), 1u);
  EXPECT_EQ(read->missing[0].hour, 13);
  ASSERT_EQ(read->hours.size(), 71u);
  const WeatherHour& noon = read->hours[18];  // 2024-07-15 12:30, 26.0 °C, 45 %
  EXPECT_EQ(noon.month, 7);
  EXPECT_EQ(noon.day, 15);
  EXPECT_EQ(noon.hour, 12);
  EXPECT_FLOAT_EQ(noon.dryBulb, 26.0f);
  EXPECT_NEAR(ashrae::SaturationPressure(noon.dewPoint) / ashrae::SaturationPressure(26.0), 0.45,
              1e-4);
}

// The same state written with each kind of humidity column and scale.
TEST(MeasuredReader, ReadsEachKindOfColumn) {
  // 30 °C (86 °F) with a dew point of 20 °C (68 °F).
  const double w = ashrae::HumidityRatio(ashrae::SaturationPressure(20.0), 101.325);
  const std::string grams = std::to_string(1000.0 * w);
  const std::string grains = std::to_string(7000.0 * w);
  const std::string rh =
      std::to_string(100.0 * ashrae::SaturationPressure(20.0) / ashrae::SaturationPressure(30.0));
  const std::string texts[] = {
      "Date Time,Temp (\xC2\xB0"
      "C),Dew point (\xC2\xB0"
      "C)\n2024-01-02 03:04,30,20\n",
      "time;x,\"Air temp, degF\",Dew Point\r\n2024/01/02T03:04:05,86,68\r\n",
      "DATE,Dry bulb,Humidity ratio (g/kg)\n2024-01-02 03:04:05.25Z,30," + grams + "\n",
      "date,temperature,moisture gr/lb\n2024-01-02 03:59,86," + grains + "\n",
      "Timestamp,\"RH, %\",Temperature\n2024-01-02 03:30," + rh + ",30\n",
  };
  const TemperatureScale asked[] = {TemperatureScale::Unknown, TemperatureScale::Unknown,
                                    TemperatureScale::Celsius, TemperatureScale::Fahrenheit,
                                    TemperatureScale::Celsius};
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    const Result<WeatherYear> read = ReadMeasuredText(texts[i], [&] { return asked[i]; });
    ASSERT_TRUE(read.Ok()) << texts[i] << read.Message();
    ASSERT_EQ(read->hours.size(), 1u) << texts[i];
    const WeatherHour& h = read->hours[0];
    EXPECT_EQ(h.month * 10000 + h.day * 100 + h.hour, 10203) << texts[i];
    EXPECT_NEAR(h.dryBulb, 30.0f, 1e-4) << texts[i];
    EXPECT_NEAR(h.dewPoint, 20.0f, 1e-3) << texts[i];
  }
}

// A logger's moisture content is the air's at the chart's pressure: read for a chart at 84 kPa,
// the hour lies at the logged 10 g/kg on that chart, and keeps that pressure.
TEST(MeasuredReader, TakesMoistureAtTheChartsPressure) {
  for (const double pressure : {101.325, 84.0}) {
    const Result<WeatherYear> read =
        ReadMeasuredText("time,temp (C),g/kg\n2024-07-15 08:00,25,10\n", NoAnswer, pressure);
    ASSERT_TRUE(read.Ok()) << read.Message();
    const WeatherHour& h = read->hours.at(0);
    EXPECT_NEAR(1000.0 * ashrae::HumidityRatio(ashrae::SaturationPressure(h.dewPoint), pressure),
                10.0, 1e-3)
        << pressure;
    EXPECT_FLOAT_EQ(h.pressure, static_cast<float>(pressure * 1000.0));
  }
}

TEST(MeasuredReader, RefusesDamagedFilesNamingTheLine) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"",
       "Line 1: the header names no column of the time, of the dry bulb temperature, or of "
       "the relative humidity, dew point or moisture content."},
      {"time,temp,rh\n2024-01-01 00:00,20,50\n",
       "Line 1: the header does not say whether the temperatures are in \xC2\xB0"
       "C or "
       "\xC2\xB0"
       "F (such as \"Temperature (\xC2\xB0"
       "C)\")."},
      {"time,temp (C),rh\n", "Line 2: the file holds no rows of measurements."},
      {"time,temp [C],rh\n2024-01-01 00:00,20,50\n\n2024-02-30 00:00,20,50\n",
       "Line 4: the time \"2024-02-30 00:00\" is not a date and time such as 2024-07-15 08:30."},
      {"time,temp [C],rh\n2024-01-01 00:00,warm,50\n",
       "Line 2: the dry bulb temperature \"warm\" is not a temperature from -70 to 70 \xC2\xB0"
       "C."},
      {"time,temp (F),rh\n2024-01-01 00:00,212,50\n",
       "Line 2: the dry bulb temperature \"212\" is not a temperature from -70 to 70 \xC2\xB0"
       "C."},
      {"time,temp (C),rh\n2024-01-01 00:00,20,150\n",
       "Line 2: the relative humidity \"150\" is not a percentage from 0 to 110."},
      {"time,temp (C),g/kg\n2024-01-01 00:00,20,nan\n",
       "Line 2: the moisture content \"nan\" is not from 0 to 200 g/kg."},
  };
  for (const Case& c : cases) {
    const Result<WeatherYear> read = ReadMeasuredText(c.text, NoAnswer);
    EXPECT_EQ(read.Message(), c.message) << c.text;
  }
}

}  // namespace
}  // namespace hygrovia
