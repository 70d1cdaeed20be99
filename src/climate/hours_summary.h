#ifndef HYGROVIA_CLIMATE_HOURS_SUMMARY_H
#define HYGROVIA_CLIMATE_HOURS_SUMMARY_H

#include <span>
#include <string>
#include <vector>

#include "base/chart_point.h"

namespace hygrovia {

struct ComfortZone;

// How the hours of a filter lie from the comfort zones.
struct HoursSummary {
  struct ZoneCount {
    double clothing = 0.0;  // clo
    int hours = 0;
  };
  int hours = 0;                 // in the filter
  std::vector<ZoneCount> zones;  // inside each zone
  int comfortable = 0;           // inside any zone
  int heating = 0;               // left of the zones
  int cooling = 0;               // right of them
  int humidification = 0;        // below them
  int dehumidification = 0;      // above them
};

// Counts the hours (chart points) inside each zone and, of the others, what each needs to
// reach the nearest zone. Without zones only the hours are counted.
HoursSummary SummariseHours(std::span<const ChartPoint> hours, std::span<const ComfortZone> zones);

// The summary as lines of text, each count with its share of the hours in the filter.
std::vector<std::string> SummaryLines(const HoursSummary& summary);

}  // namespace hygrovia

#endif  // HYGROVIA_CLIMATE_HOURS_SUMMARY_H
