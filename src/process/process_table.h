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
  AirProperties Air;  // point rows
  StepLoads Loads;    // step rows
};

// Every data point in list order with a step between each two, then the cursor and, in
// relative-cursor mode, the step to the arrow and the arrow.
struct ProcessTable {
  std::vector<ProcessRow> Rows;
};

// Rebuilds table for the chart's points at the chart's pressure, with the properties of the
// chart's air state (the enthalpy as the chart's units reckon it, chart/displayed_enthalpy.h),
// and the loads of every step for flow. The rows' storage is reused.
void BuildProcessTable(const ChartSettings& chart, const Airflow& flow, ProcessTable& table);

}  // namespace hygrovia

#endif  // HYGROVIA_PROCESS_PROCESS_TABLE_H
