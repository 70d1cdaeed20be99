#ifndef HYGROVIA_PROCESS_PROCESS_CELLS_H
#define HYGROVIA_PROCESS_PROCESS_CELLS_H

#include <string>
#include <vector>

#include "base/text_cells.h"

namespace hygrovia {

class QuantityText;
struct ProcessRow;
struct ProcessTable;

// The columns of the process table. A step shows its differences in the dry-bulb, moisture
// and enthalpy columns and fills the load columns; a point fills the property columns.
enum class ProcessColumn {
  Name,
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
  MoistureRate,
  SensibleHeatRatio,
};
inline constexpr int kProcessColumnCount = 15;

// The column titles with their units ("Dry bulb (°C)").
std::vector<std::string> ProcessTitles(const QuantityText& text);
// The cells of one row, kProcessColumnCount of them; a column that does not apply is empty.
void ProcessRowCells(const ProcessRow& row, const QuantityText& text,
                     std::vector<std::string>& cells);
// The titles followed by every row.
TextCells ProcessTableCells(const ProcessTable& table, const QuantityText& text);

}  // namespace hygrovia

#endif  // HYGROVIA_PROCESS_PROCESS_CELLS_H
