#include "process/process_table.h"

#include <utility>
#include <fmt/format.h>

#include "model/chart_settings.h"
#include "units/displayed_enthalpy.h"
#include "base/number_text.h"
#include "psychro/air_state.h"

namespace hygrovia {
namespace {

constexpr const char* kCursorName = "Cursor";
constexpr const char* kArrowName = "Arrow";

// Builds the rows one after the other, each point joined to the one before it by a step.
class RowWriter {
 public:
  RowWriter(const AirState& air, const QuantityText& units, const Airflow& flow,
            ProcessTable& table)
      : air_(air), units_(units), flow_(flow), rows_(table.Rows) {}

  // Appends the point; a step from the previous point first when joined.
  void Point(ProcessPointKind kind, std::int32_t node, std::string name, ChartPoint at,
             bool joined) {
    air_.SetFromHumidity(at.X, at.Y);
    const AirProperties properties = AirProperties::Of(air_);
    if (joined) {
      ProcessRow& step = Next();
      step.IsStep = true;
      step.Kind = previousKind_;
      step.Node = previousNode_;
      step.Name = previousName_ + " to " + name;
      step.Loads = ComputeStepLoads(previous_, properties, flow_);
    }
    ProcessRow& row = Next();
    row.IsStep = false;
    row.Kind = kind;
    row.Node = node;
    row.Name = name;
    row.Air = properties;
    // The row shows the enthalpy the units reckon; the loads keep the model's own.
    row.Air.Enthalpy = DisplayedEnthalpy(units_, air_);
    previous_ = properties;
    previousKind_ = kind;
    previousNode_ = node;
    previousName_ = std::move(name);
  }

  void Finish() { rows_.resize(used_); }

 private:
  ProcessRow& Next() {
    if (used_ == rows_.size()) rows_.emplace_back();
    ProcessRow& row = rows_[used_++];
    row.Air = {};
    row.Loads = {};
    return row;
  }

  AirState air_;
  const QuantityText& units_;
  const Airflow& flow_;
  std::vector<ProcessRow>& rows_;
  std::size_t used_ = 0;
  AirProperties previous_;
  ProcessPointKind previousKind_ = ProcessPointKind::Node;
  std::int32_t previousNode_ = -1;
  std::string previousName_;
};

}  // namespace

void BuildProcessTable(const ChartSettings& chart, const Airflow& flow, ProcessTable& table) {
  // A copy of the chart's state carries its pressure and its property model.
  RowWriter writer(chart.CursorState(), chart.GetUnits(), flow, table);
  const NodeList& nodes = chart.Nodes;
  for (std::int32_t i = 0; nodes.IsValidIndex(i); ++i) {
    writer.Point(ProcessPointKind::Node, i, fmt::format("{}", i + 1), nodes.GetNode(i), i > 0);
  }
  writer.Point(ProcessPointKind::Cursor, -1, kCursorName, chart.Cursor, false);
  if (chart.IsRelativeCursor()) {
    writer.Point(ProcessPointKind::Arrow, -1, kArrowName, chart.Arrow, true);
  }
  writer.Finish();
}

}  // namespace hygrovia
