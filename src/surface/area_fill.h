#ifndef HYGROVIA_SURFACE_AREA_FILL_H
#define HYGROVIA_SURFACE_AREA_FILL_H

#include <span>

#include "psychro/geometry.h"

namespace hygrovia {

class DrawingSurface;

// Areas filled with the canvas's current brush, in world coordinates through the surface's
// view transform. Nothing is drawn without a canvas.

// The rectangle between the corners (x1, y1) and (x2, y2), in either order.
void FillWorldRect(DrawingSurface& surface, float x1, float y1, float x2, float y2);

// The inside of the closed polygon (even-odd rule), one span per pixel row. Only rows within
// a device height above and below the device are filled, so any zoom finishes at once.
void FillWorldPolygon(DrawingSurface& surface, std::span<const PointF> polygon);

}  // namespace hygrovia

#endif  // HYGROVIA_SURFACE_AREA_FILL_H
