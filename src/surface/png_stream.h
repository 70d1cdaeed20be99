#ifndef HYGROVIA_SURFACE_PNG_STREAM_H
#define HYGROVIA_SURFACE_PNG_STREAM_H

#include <string>

#include "surface/pixel_rows.h"

namespace hygrovia {

// The image data of an 8-bit RGB PNG file of the pixels, as the zlib stream (RFC 1950) its
// IDAT chunks carry: each row its filter byte "none" and the red, green and blue of each
// pixel, alpha left out. Where pixels repeat the one to their left or the one above, the
// stream copies them; a chart, mostly flat areas crossed by thin lines, packs to about a
// fiftieth of its bytes. Tall images are cut into bands of rows (up to sixteen) that two
// threads deflate side by side, joined into one stream; the bands follow the image's height
// alone, so the same pixels always give the same bytes.
// The rows must hold at least one pixel; throws std::bad_alloc when memory runs out.
std::string PngImageStream(const ConstPixelRows& rows);

}  // namespace hygrovia

#endif  // HYGROVIA_SURFACE_PNG_STREAM_H
