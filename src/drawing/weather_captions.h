#ifndef HYGROVIA_DRAWING_WEATHER_CAPTIONS_H
#define HYGROVIA_DRAWING_WEATHER_CAPTIONS_H

#include <string>

namespace hygrovia {

class ChartSettings;

// The weather's hours (those in the filter) that lie outside the chart's ranges, counted by
// the first edge each lies beyond: left, right, top, bottom.
struct HoursOutside {
  int belowTemp = 0;
  int aboveTemp = 0;
  int aboveMoisture = 0;
  int belowMoisture = 0;
  int total = 0;  // every hour in the filter, outside or not
  // The smallest ranges that hold every hour, °C and g/kg.
  float tMin = 0.0f;
  float tMax = 0.0f;
  float hMin = 0.0f;
  float hMax = 0.0f;

  int Count() const { return belowTemp + aboveTemp + aboveMoisture + belowMoisture; }
};

HoursOutside CountHoursOutside(const ChartSettings& chart);

// "1,788 hours below 0 °C are not shown", naming each edge some hours lie beyond, in the
// chart's units; empty when every hour is shown.
std::string HoursOutsideCaption(const ChartSettings& chart);

// True when more than a tenth of the hours lie outside the ranges: worth offering to widen.
bool WorthWidening(const HoursOutside& outside);

// The chart's ranges widened to hold every hour, their ends moved out to whole multiples of 5
// (°C, g/kg), the right end kept within the chart's highest temperature.
void WidenRanges(ChartSettings& chart, const HoursOutside& outside);

// The comfort settings in force as the chart's pages say them:
// "Comfort: 1.1 met, air 0.10 m/s, no humidity limit".
std::string ComfortSettingsCaption(const ChartSettings& chart);

}  // namespace hygrovia

#endif  // HYGROVIA_DRAWING_WEATHER_CAPTIONS_H
