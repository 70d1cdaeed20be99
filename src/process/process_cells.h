#ifndef HYGROVIA_PROCESS_PROCESS_CELLS_H
#define HYGROVIA_PROCESS_PROCESS_CELLS_H

#include <span>
#include <string>
#include <vector>

#include "base/text_cells.h"
#include "process/airflow.h"

namespace hygrovia {

class QuantityText;
struct ProcessRow;
struct ProcessTable;

// The columns of the process table. A step shows its differences in the dry-bulb, moisture
// and enthalpy columns and fills the load columns; a point fills the property columns.
enum class ProcessColumn {
  Name,
  StateName,
  DryBulb,
  RelHumidity,
  Moisture,
  VapPressure,
  Volume,
  Enthalpy,
  DewPoint,
  WetBulb,
  MassFlow,
  Sensible,
  Latent,
  Total,
  Tons,
  MoistureRate,
  SensibleHeatRatio,
  ApparatusDewPoint,
  BypassFactor,
  ContactFactor,
};
inline constexpr int kProcessColumnCount = static_cast<int>(ProcessColumn::ContactFactor) + 1;

// The columns shown in the units' system, in order: every column but the tons, which only
// inch-pound units show (12,000 Btu/h a ton) beside the total in Btu/h.
std::span<const ProcessColumn> ProcessColumns(const QuantityText& text);

// The titles of the columns shown, with their units ("Dry bulb (°C)"); the dry air flow's
// says which reference gave it.
std::vector<std::string> ProcessTitles(const QuantityText& text,
                                       FlowReference reference = FlowReference::FirstPoint);
// The cells of one row, one for each column shown; a column that does not apply is empty.
void ProcessRowCells(const ProcessRow& row, const QuantityText& text,
                     std::vector<std::string>& cells);
// The titles followed by every row.
TextCells ProcessTableCells(const ProcessTable& table, const QuantityText& text);

}  // namespace hygrovia

#endif  // HYGROVIA_PROCESS_PROCESS_CELLS_H
