#ifndef HYGROVIA_PROCESS_PROCESS_TABLE_H
#define HYGROVIA_PROCESS_PROCESS_TABLE_H

#include <cstdint>
#include <string>
#include <vector>

#include "process/airflow.h"
#include "process/process_loads.h"

namespace hygrovia {

class ChartSettings;

// Where a point of the process table stands on the chart.
enum class ProcessPointKind { Node, Cursor, Arrow };

// One row of the process table: a point with its properties, or the step from the point above
// it to the point below it with its differences and loads.
struct ProcessRow {
  bool IsStep = false;
  // The point's kind, or that of the step's first point.
  ProcessPointKind Kind = ProcessPointKind::Node;
  // The node index of the point, or of the step's first point; -1 for the cursor and arrow.
  std::int32_t Node = -1;
  // "1", "Cursor", "1 to 2", "Cursor to Arrow".
  std::string Name;
  // The node's own name for its state ("OA", "Off coil"); for a step, "OA to Off coil" when
  // both its points have one. Empty otherwise.
  std::string StateName;
  AirProperties Air;  // point rows
  StepLoads Loads;    // step rows
};

// Every data point in list order with a step between each two, then the cursor and, in
// relative-cursor mode, the step to the arrow and the arrow.
struct ProcessTable {
  std::vector<ProcessRow> Rows;
  // Where the dry-air mass flow came from.
  FlowReference Reference = FlowReference::FirstPoint;
};

// Rebuilds table for the chart's points at the chart's pressure, with the properties of the
// chart's air state (the enthalpy as the chart's units reckon it, units/displayed_enthalpy.h),
// and the loads of every step. The nodes are one stream of air and the cursor with the arrow
// another: each carries one dry-air mass flow, flow taken with reference at its first point
// (ChainMassFlow), until a node made by mixing, from which on the stream carries the two mixed
// streams' sum. The rows' storage is reused.
void BuildProcessTable(const ChartSettings& chart, const Airflow& flow, FlowReference reference,
                       ProcessTable& table);
// The same with the volume at the first point as the reference.
void BuildProcessTable(const ChartSettings& chart, const Airflow& flow, ProcessTable& table);

}  // namespace hygrovia

#endif  // HYGROVIA_PROCESS_PROCESS_TABLE_H
