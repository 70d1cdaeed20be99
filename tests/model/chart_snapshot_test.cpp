#include "model/chart_snapshot.h"

#include <gtest/gtest.h>

#include "support/test_chart.h"

namespace hygrovia {
namespace {

// Regression: a point's name was no part of a snapshot, so naming a point could not be undone.
TEST(ChartSnapshotTest, NamesArePartOfTheChartAndComeBack) {
  testing::TestChart chart;
  chart.settings.Nodes.AppendPoint(20.0f, 8.0f);
  chart.settings.Nodes.AppendPoint(30.0f, 12.0f);
  const ChartSnapshot unnamed = TakeSnapshot(chart.settings);
  chart.settings.Nodes.SetName(1, "Supply");
  const ChartSnapshot named = TakeSnapshot(chart.settings);
  EXPECT_FALSE(SameChart(unnamed, named));
  EXPECT_EQ(ChangeName(unnamed, named), "Name Point");
  RestoreSnapshot(chart.settings, unnamed);
  EXPECT_EQ(chart.settings.Nodes.Name(1), "");
  RestoreSnapshot(chart.settings, named);
  EXPECT_EQ(chart.settings.Nodes.Name(1), "Supply");
}

}  // namespace
}  // namespace hygrovia
