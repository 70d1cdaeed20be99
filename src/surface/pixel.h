#ifndef HYGROVIA_SURFACE_PIXEL_H
#define HYGROVIA_SURFACE_PIXEL_H

#include <cstdint>

namespace hygrovia {

// Device pixel coordinates are ints. Every conversion into them saturates so that any zoom,
// pan or input (NaN, infinities, values beyond the int range) gives a defined pixel.

// The value truncated toward zero; NaN gives 0, values beyond the int range the nearest end.
int TruncToPixel(float value);
int TruncToPixel(double value);

// pixel + offset, held to the int range.
int OffsetPixel(int pixel, std::int64_t offset);

}  // namespace hygrovia

#endif  // HYGROVIA_SURFACE_PIXEL_H
