#ifndef HYGROVIA_DRAWING_DATA_TABLE_H
#define HYGROVIA_DRAWING_DATA_TABLE_H

#include <string_view>

#include "surface/drawing_surface.h"

namespace hygrovia {

class ChartSettings;

// The data table in the chart's top-left corner: the air at the cursor, or the cursor, the
// arrow and their differences, or one row per node while there are nodes. Building it first
// pulls the cursor (and the arrow) into the ranges and onto or below saturation.

// Cursor properties, or the node rows.
void BuildPointTable(ChartSettings& chart);
// Cursor as "from", arrow as "to" and the differences, or the node rows.
void BuildRelativeTable(ChartSettings& chart);
// Draws the table's rows down from the top-left corner of the frame.
void DrawTable(ChartSettings& chart);
// The device box the table's rows take, shadows included; empty (left above right) when the
// table has no rows.
TextBox TableBox(const ChartSettings& chart);
// Draws value formatted with the printf-style format (a format without a conversion is drawn
// as it stands), cut to a table row's length, at chart point (x, y) with the surface's
// alignment codes.
void DrawValueLabel(ChartSettings& chart, float x, float y, int hAlign, int vAlign,
                    std::string_view format, double value);

}  // namespace hygrovia

#endif  // HYGROVIA_DRAWING_DATA_TABLE_H
