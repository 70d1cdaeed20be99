#include "climate/hour_bins.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace hygrovia {
namespace {

bool WithinReach(ChartPoint p) {
  return std::abs(p.X) <= HourBins::kReachAcross && std::abs(p.Y) <= HourBins::kReachUp;
}

// The cell index of v; v / size is within ±2000 for points within reach. In single precision
// 30 / 1.1111112 (2 °F) is 26.99..., a cell too far left.
int CellOf(float v, double size) {
  return static_cast<int>(std::floor(static_cast<double>(v) / size));
}

}  // namespace

HourBins::HourBins(std::span<const ChartPoint> points, double cellWidth, double cellHeight)
    : cellWidth_(cellWidth >= kSmallestCell ? cellWidth : kSmallestCell),
      cellHeight_(cellHeight >= kSmallestCell ? cellHeight : kSmallestCell) {
  int lastColumn = std::numeric_limits<int>::min();
  int lastRow = std::numeric_limits<int>::min();
  firstColumn_ = std::numeric_limits<int>::max();
  firstRow_ = std::numeric_limits<int>::max();
  for (const ChartPoint p : points) {
    if (!WithinReach(p)) continue;
    const int column = CellOf(p.X, cellWidth_);
    const int row = CellOf(p.Y, cellHeight_);
    firstColumn_ = std::min(firstColumn_, column);
    lastColumn = std::max(lastColumn, column);
    firstRow_ = std::min(firstRow_, row);
    lastRow = std::max(lastRow, row);
  }
  if (lastColumn < firstColumn_) {
    firstColumn_ = firstRow_ = 0;
    return;
  }
  columns_ = lastColumn - firstColumn_ + 1;
  rows_ = lastRow - firstRow_ + 1;
  counts_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 0);
  for (const ChartPoint p : points) {
    const int index = IndexOf(p.X, p.Y);
    if (index < 0) continue;
    const int count = ++counts_[static_cast<std::size_t>(index)];
    largest_ = std::max(largest_, count);
    ++total_;
  }
}

int HourBins::IndexOf(float x, float y) const {
  if (!WithinReach({x, y})) return -1;
  const int column = CellOf(x, cellWidth_) - firstColumn_;
  const int row = CellOf(y, cellHeight_) - firstRow_;
  if (column < 0 || column >= columns_ || row < 0 || row >= rows_) return -1;
  return row * columns_ + column;
}

int HourBins::CountAt(float x, float y) const {
  const int index = IndexOf(x, y);
  return index < 0 ? 0 : counts_[static_cast<std::size_t>(index)];
}

}  // namespace hygrovia
