#ifndef HYGROVIA_CLIMATE_HOUR_BINS_H
#define HYGROVIA_CLIMATE_HOUR_BINS_H

#include <span>
#include <vector>

#include "base/chart_point.h"

namespace hygrovia {

// Hours counted in the cells of a grid on the chart: cells cellWidth °C wide and cellHeight
// g/kg high, with a cell corner at (0, 0). A point's cell is found in double precision, so that
// a point on a cell's edge, such as 30 °C (86 °F) on 2 °F cells, lies in the cell it starts. Cells
// are at least kSmallestCell either way, and points beyond ±kReachAcross °C or ±kReachUp g/kg are
// not counted, so the grid stays within a few million cells whatever the points hold.
class HourBins {
 public:
  static constexpr float kSmallestCell = 0.5f;
  static constexpr float kReachAcross = 200.0f;
  static constexpr float kReachUp = 1000.0f;

  HourBins() = default;
  HourBins(std::span<const ChartPoint> points, double cellWidth, double cellHeight);

  // Hours in the cell that holds (x, y).
  int CountAt(float x, float y) const;
  int Largest() const { return largest_; }
  int Total() const { return total_; }
  float CellWidth() const { return static_cast<float>(cellWidth_); }
  float CellHeight() const { return static_cast<float>(cellHeight_); }

  // Calls visit(left, bottom, count) for every cell holding at least one hour, with the
  // cell's bottom-left corner in chart units.
  template <typename Visit>
  void ForEachCell(Visit visit) const {
    for (int row = 0; row < rows_; ++row) {
      for (int column = 0; column < columns_; ++column) {
        const int count = counts_[static_cast<std::size_t>(row * columns_ + column)];
        if (count > 0) {
          visit(static_cast<float>(firstColumn_ + column) * CellWidth(),
                static_cast<float>(firstRow_ + row) * CellHeight(), count);
        }
      }
    }
  }

 private:
  // Index of the cell holding (x, y) in counts_, or -1 outside the grid.
  int IndexOf(float x, float y) const;

  double cellWidth_ = 1.0;
  double cellHeight_ = 1.0;
  int firstColumn_ = 0;
  int firstRow_ = 0;
  int columns_ = 0;
  int rows_ = 0;
  int largest_ = 0;
  int total_ = 0;
  std::vector<int> counts_;
};

}  // namespace hygrovia

#endif  // HYGROVIA_CLIMATE_HOUR_BINS_H
