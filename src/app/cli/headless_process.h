#ifndef HYGROVIA_APP_CLI_HEADLESS_PROCESS_H
#define HYGROVIA_APP_CLI_HEADLESS_PROCESS_H

#include <ostream>
#include <string>

namespace hygrovia {

class ChartSettings;

// Writes the chart's process table for a volume flow of flow m³/s as CSV: to out when target
// is "-", otherwise to the file target, replaced only once everything was written. The reason
// when it could not be written, empty when done.
std::string WriteProcessCsv(const ChartSettings& chart, double flow, const std::string& target,
                            std::ostream& out);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_CLI_HEADLESS_PROCESS_H
