#include "climate/hours_summary.h"

#include <fmt/format.h>

#include "climate/comfort_zone.h"
#include "base/number_text.h"

namespace hygrovia {
namespace {

std::string CountLine(std::string_view what, int count, int total) {
  const double share = total > 0 ? 100.0 * count / total : 0.0;
  return fmt::format("{:<34} {:6} {:6.1f} %", std::string(what), count, share);
}

}  // namespace

HoursSummary SummariseHours(std::span<const ChartPoint> hours, std::span<const ComfortZone> zones) {
  HoursSummary summary;
  summary.hours = static_cast<int>(hours.size());
  for (const ComfortZone& zone : zones) summary.zones.push_back({zone.clothing, 0});
  if (zones.empty()) return summary;
  for (const ChartPoint p : hours) {
    for (std::size_t i = 0; i < zones.size(); ++i) {
      if (zones[i].Contains(p)) ++summary.zones[i].hours;
    }
    switch (RelationTo(zones, p)) {
      case ZoneRelation::Inside:
        ++summary.comfortable;
        break;
      case ZoneRelation::Heating:
        ++summary.heating;
        break;
      case ZoneRelation::Cooling:
        ++summary.cooling;
        break;
      case ZoneRelation::Humidification:
        ++summary.humidification;
        break;
      case ZoneRelation::Dehumidification:
        ++summary.dehumidification;
        break;
    }
  }
  return summary;
}

std::vector<std::string> SummaryLines(const HoursSummary& s) {
  const int total = s.hours;
  std::vector<std::string> lines{CountLine("Hours in the filter", total, total)};
  if (s.zones.empty()) return lines;
  for (const HoursSummary::ZoneCount& zone : s.zones) {
    lines.push_back(
        CountLine(fmt::format("Comfortable at {:.1f} clo", zone.clothing), zone.hours, total));
  }
  if (s.zones.size() > 1)
    lines.push_back(CountLine("Comfortable in any zone", s.comfortable, total));
  lines.push_back(CountLine("Heating (left of the zone)", s.heating, total));
  lines.push_back(CountLine("Cooling (right of the zone)", s.cooling, total));
  lines.push_back(CountLine("Humidification (below the zone)", s.humidification, total));
  lines.push_back(CountLine("Dehumidification (above the zone)", s.dehumidification, total));
  return lines;
}

}  // namespace hygrovia
