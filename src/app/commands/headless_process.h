#ifndef HYGROVIA_APP_COMMANDS_HEADLESS_PROCESS_H
#define HYGROVIA_APP_COMMANDS_HEADLESS_PROCESS_H

#include <ostream>
#include <string>

#include "base/result.h"
#include "process/airflow.h"

namespace hygrovia {

class ChartSettings;

// Writes the chart's process table for a volume flow of flow as CSV, in the chart's units: to
// out when target is "-", otherwise to the file target, replaced only once everything was
// written. flow is in m³/s, or in cfm when the chart is in inch-pound units and given says it
// was typed; an airflow not given is 1 m³/s in either. With the mass flow as reference it is
// kg/s of dry air, or lb/h.
Result<> WriteProcessCsv(const ChartSettings& chart, double flow, bool given,
                         const std::string& target, std::ostream& out,
                         FlowReference reference = FlowReference::FirstPoint);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_COMMANDS_HEADLESS_PROCESS_H
