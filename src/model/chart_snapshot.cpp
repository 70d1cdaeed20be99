#include "model/chart_snapshot.h"

#include <algorithm>
#include <cstddef>

#include "model/chart_settings.h"

namespace hygrovia {
namespace {

bool SamePoint(ChartPoint a, ChartPoint b) { return a.X == b.X && a.Y == b.Y; }

// The same points in the same places, whatever their names.
bool SamePlaces(const ChartSnapshot& a, const ChartSnapshot& b) {
  if (a.count != b.count) return false;
  const auto count = static_cast<std::size_t>(std::clamp(a.count, 0, NodeList::kCapacity));
  return std::equal(a.points.begin(), a.points.begin() + count, b.points.begin(), SamePoint);
}

bool SamePoints(const ChartSnapshot& a, const ChartSnapshot& b) {
  const auto count = static_cast<std::size_t>(std::clamp(a.count, 0, NodeList::kCapacity));
  return SamePlaces(a, b) && std::equal(a.names.begin(), a.names.begin() + count, b.names.begin());
}

// The first point that differs between two lists of one length; -1 when more than one does.
int OnlyMovedPoint(const ChartSnapshot& a, const ChartSnapshot& b) {
  int moved = -1;
  for (int i = 0; i < std::clamp(a.count, 0, NodeList::kCapacity); ++i) {
    const auto at = static_cast<std::size_t>(i);
    if (SamePoint(a.points[at], b.points[at])) continue;
    if (moved >= 0) return -1;
    moved = i;
  }
  return moved;
}

}  // namespace

ChartSnapshot TakeSnapshot(const ChartSettings& chart) {
  ChartSnapshot s;
  s.count = chart.Nodes.Count;
  s.points = chart.Nodes.Points;
  for (std::int32_t i = 0; chart.Nodes.IsValidIndex(i); ++i) {
    s.names[static_cast<std::size_t>(i)] = std::string(chart.Nodes.Name(i));
  }
  s.selected = chart.Nodes.Selected;
  s.cursor = chart.Cursor;
  s.arrow = chart.Arrow;
  s.pressure = static_cast<float>(chart.GetPressure());
  chart.GetRanges(s.tempMin, s.humidityMin, s.tempMax, s.humidityMax);
  s.tempSnap = chart.TempSnap;
  s.humiditySnap = chart.HumiditySnap;
  s.model = chart.GetPropertyModel();
  s.style = chart.GetChartStyle();
  s.units = chart.GetUnits().System();
  s.verticalAxisUnits = chart.GetVerticalAxisUnits();
  return s;
}

bool SamePointsAside(const ChartSnapshot& a, const ChartSnapshot& b) {
  return a.pressure == b.pressure && a.tempMin == b.tempMin && a.tempMax == b.tempMax &&
         a.humidityMin == b.humidityMin && a.humidityMax == b.humidityMax &&
         a.tempSnap == b.tempSnap && a.humiditySnap == b.humiditySnap && a.model == b.model &&
         a.style == b.style && a.units == b.units && a.verticalAxisUnits == b.verticalAxisUnits;
}

bool SameChart(const ChartSnapshot& a, const ChartSnapshot& b) {
  return SamePoints(a, b) && SamePoint(a.cursor, b.cursor) && SamePoint(a.arrow, b.arrow) &&
         SamePointsAside(a, b);
}

void RestoreSnapshot(ChartSettings& chart, const ChartSnapshot& snapshot) {
  const ChartSnapshot now = TakeSnapshot(chart);
  chart.Nodes.Count = snapshot.count;
  chart.Nodes.Points = snapshot.points;
  for (std::int32_t i = 0; chart.Nodes.IsValidIndex(i); ++i) {
    chart.Nodes.SetName(i, snapshot.names[static_cast<std::size_t>(i)]);
  }
  chart.Nodes.Selected = snapshot.selected;
  chart.Cursor = snapshot.cursor;
  chart.Arrow = snapshot.arrow;
  if (SamePointsAside(now, snapshot)) return;
  chart.SetPressure(snapshot.pressure);
  chart.TempSnap = snapshot.tempSnap;
  chart.HumiditySnap = snapshot.humiditySnap;
  chart.SetPropertyModel(snapshot.model);
  chart.SetUnitSystem(snapshot.units);
  chart.SetVerticalAxisUnits(snapshot.verticalAxisUnits);
  chart.SetChartStyle(snapshot.style);
  chart.SetRanges(snapshot.tempMin, snapshot.humidityMin, snapshot.tempMax, snapshot.humidityMax);
}

std::string ChangeName(const ChartSnapshot& before, const ChartSnapshot& after) {
  if (!SamePointsAside(before, after)) return "Chart Settings";
  if (after.count == before.count + 1) return "Add Point";
  if (after.count == 0 && before.count > 1) return "Clear Points";
  if (after.count == before.count - 1) return "Delete Point";
  if (after.count != before.count) return "Change Points";
  if (!SamePoints(before, after)) {
    const int moved = OnlyMovedPoint(before, after);
    if (SamePlaces(before, after)) return "Name Point";
    return moved < 0 ? "Change Points" : "Move Point " + std::to_string(moved + 1);
  }
  if (!SamePoint(before.cursor, after.cursor)) return "Move Cursor";
  return "Move Arrow";
}

}  // namespace hygrovia
