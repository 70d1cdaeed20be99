#ifndef HYGROVIA_SURFACE_PIXEL_ROWS_H
#define HYGROVIA_SURFACE_PIXEL_ROWS_H

#include <cstddef>
#include <cstdint>

namespace hygrovia {

// Rows of 32-bit pixels 0xAARRGGBB, such as an image's, `stride` pixels from one row to the
// next. Pixel is std::uint32_t for rows to draw on, const std::uint32_t for rows to read.
template <typename Pixel>
struct BasicPixelRows {
  Pixel* pixels = nullptr;
  std::ptrdiff_t stride = 0;
  int width = 0;
  int height = 0;

  Pixel* Row(int y) const { return pixels + stride * y; }
};

using PixelRows = BasicPixelRows<std::uint32_t>;
using ConstPixelRows = BasicPixelRows<const std::uint32_t>;

}  // namespace hygrovia

#endif  // HYGROVIA_SURFACE_PIXEL_ROWS_H
