#ifndef HYGROVIA_MODEL_CHART_SNAPSHOT_H
#define HYGROVIA_MODEL_CHART_SNAPSHOT_H

#include <array>
#include <cstdint>
#include <string>

#include "base/chart_point.h"
#include "model/chart_style.h"
#include "model/node_list.h"
#include "psychro/property_model.h"
#include "units/quantity_text.h"

namespace hygrovia {

class ChartSettings;

// What the user changes on a chart and may want back: the points, the cursor and the arrow,
// and everything the settings dialog sets. The view, the highlight and the relative-cursor
// mode are not part of it.
struct ChartSnapshot {
  std::int32_t count = 0;
  std::array<ChartPoint, NodeList::kCapacity> points{};
  std::array<std::string, NodeList::kCapacity> names{};
  std::int32_t selected = -1;
  ChartPoint cursor;
  ChartPoint arrow;
  float pressure = 0.0f;
  float tempMin = 0.0f;
  float tempMax = 0.0f;
  float humidityMin = 0.0f;
  float humidityMax = 0.0f;
  float tempSnap = 0.0f;
  float humiditySnap = 0.0f;
  PropertyModel model = PropertyModel::ChartFormulas;
  ChartStyleName style = ChartStyleName::Classic;
  UnitSystem units = UnitSystem::Si;
  std::int32_t verticalAxisUnits = 0;
};

ChartSnapshot TakeSnapshot(const ChartSettings& chart);

// True when the two hold the same chart; the selection is no part of it.
bool SameChart(const ChartSnapshot& a, const ChartSnapshot& b);
// True when only the points differ, so the view can stay as it is.
bool SamePointsAside(const ChartSnapshot& a, const ChartSnapshot& b);

// Puts the snapshot back into the chart; the ranges, style and so on only when they differ
// (which fits the view again). Nothing is redrawn.
void RestoreSnapshot(ChartSettings& chart, const ChartSnapshot& snapshot);

// What the step from before to after did, as an undo command names it: "Add Point",
// "Delete Point", "Clear Points", "Move Point 3", "Change Points", "Move Cursor",
// "Move Arrow" or "Chart Settings".
std::string ChangeName(const ChartSnapshot& before, const ChartSnapshot& after);

}  // namespace hygrovia

#endif  // HYGROVIA_MODEL_CHART_SNAPSHOT_H
