#ifndef HYGROVIA_STYLES_CLEAR_MARKS_H
#define HYGROVIA_STYLES_CLEAR_MARKS_H

#include "surface/drawing_surface.h"

namespace hygrovia {

class ChartSettings;

// The cursor, the arrow and the nodes as solid marks in one colour that no family uses, over a
// light halo, for styles that never XOR: the cursor's cross and square (heavier while it is
// held), in relative-cursor mode the arrow from the cursor, and each node's square (heavier
// when selected), number and link to the node before.
void DrawSolidMarks(ChartSettings& chart);

// The device box that holds every solid mark with its halo; empty (left above right) when there
// is nothing on the device to hold.
TextBox SolidMarksBox(const ChartSettings& chart);

}  // namespace hygrovia

#endif  // HYGROVIA_STYLES_CLEAR_MARKS_H
