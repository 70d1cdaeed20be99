#ifndef HYGROVIA_SURFACE_PIXEL_LINES_H
#define HYGROVIA_SURFACE_PIXEL_LINES_H

#include <cstdint>

#include "surface/pixel_rows.h"

namespace hygrovia {

// Lays a line one pixel wide and antialiased over the pixels, from (x1, y1) to (x2, y2) in
// pixel units (pixel edges at whole numbers, centres at halves), by Wu's algorithm: each
// column (or row, for steep lines) shares the line between the two pixels whose centres
// straddle it, in proportion to their nearness, and the end pixels in proportion to how much
// of them the line covers. A pixel of coverage c times strength becomes that share of the
// opaque colour rgb (0xRRGGBB) over what it was. Strength (0 to 1) fades a line thinner than
// a pixel. Pixels outside the rows are left alone; the work is bounded by the rows' size.
void BlendSmoothLine(const PixelRows& rows, double x1, double y1, double x2, double y2,
                     std::uint32_t rgb, double strength);

}  // namespace hygrovia

#endif  // HYGROVIA_SURFACE_PIXEL_LINES_H
