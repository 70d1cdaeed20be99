#include "process/process_table.h"

#include <cstddef>
#include <string_view>
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
            FlowReference reference, ProcessTable& table)
      : air_(air), units_(units), flow_(flow), reference_(reference), rows_(table.Rows) {}

  // Appends the point; a step from the previous point first when joined. A point not joined
  // starts a stream, whose mass flow its own volume may give; joinedFlow (kg/s), when
  // positive, is the stream's from this point on.
  void Point(ProcessPointKind kind, std::int32_t node, std::string name, std::string_view state,
             ChartPoint at, bool joined, double joinedFlow = 0.0) {
    air_.SetFromHumidity(at.X, at.Y);
    const AirProperties properties = AirProperties::Of(air_);
    if (!joined) massFlow_ = ChainMassFlow(flow_, reference_, properties.Volume);
    if (joined) {
      ProcessRow& step = Next();
      step.IsStep = true;
      step.Kind = previousKind_;
      step.Node = previousNode_;
      step.Name = previousName_ + " to " + name;
      if (!previousState_.empty() && !state.empty()) {
        step.StateName = previousState_ + " to " + std::string(state);
      }
      step.Loads = ComputeStepLoads(air_, previous_, properties, massFlow_);
    }
    if (joinedFlow > 0.0) massFlow_ = joinedFlow;
    ProcessRow& row = Next();
    row.IsStep = false;
    row.Kind = kind;
    row.Node = node;
    row.Name = name;
    row.StateName = state;
    row.Air = properties;
    // The row shows the enthalpy the units reckon; the loads keep the model's own.
    row.Air.Enthalpy = DisplayedEnthalpy(units_, air_);
    previous_ = properties;
    previousKind_ = kind;
    previousNode_ = node;
    previousName_ = std::move(name);
    previousState_ = state;
  }

  void Finish() { rows_.resize(used_); }

 private:
  ProcessRow& Next() {
    if (used_ == rows_.size()) rows_.emplace_back();
    ProcessRow& row = rows_[used_++];
    row.Air = {};
    row.Loads = {};
    row.StateName.clear();
    return row;
  }

  AirState air_;
  const QuantityText& units_;
  const Airflow& flow_;
  FlowReference reference_;
  double massFlow_ = 0.0;
  std::vector<ProcessRow>& rows_;
  std::size_t used_ = 0;
  AirProperties previous_;
  ProcessPointKind previousKind_ = ProcessPointKind::Node;
  std::int32_t previousNode_ = -1;
  std::string previousName_;
  std::string previousState_;
};

}  // namespace

void BuildProcessTable(const ChartSettings& chart, const Airflow& flow, FlowReference reference,
                       ProcessTable& table) {
  table.Reference = ReferenceOf(flow, reference);
  // A copy of the chart's state carries its pressure and its property model.
  RowWriter writer(chart.CursorState(), chart.GetUnits(), flow, reference, table);
  const NodeList& nodes = chart.Nodes;
  for (std::int32_t i = 0; nodes.IsValidIndex(i); ++i) {
    writer.Point(ProcessPointKind::Node, i, fmt::format("{}", i + 1), nodes.Name(i),
                 nodes.GetNode(i), i > 0, nodes.Tags[static_cast<std::size_t>(i)].JoinedFlow);
  }
  writer.Point(ProcessPointKind::Cursor, -1, kCursorName, {}, chart.Cursor, false);
  if (chart.IsRelativeCursor()) {
    writer.Point(ProcessPointKind::Arrow, -1, kArrowName, {}, chart.Arrow, true);
  }
  writer.Finish();
}

void BuildProcessTable(const ChartSettings& chart, const Airflow& flow, ProcessTable& table) {
  BuildProcessTable(chart, flow, FlowReference::FirstPoint, table);
}

}  // namespace hygrovia
