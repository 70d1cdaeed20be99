#ifndef HYGROVIA_APP_OUTPUT_HEADLESS_PNG_H
#define HYGROVIA_APP_OUTPUT_HEADLESS_PNG_H

#include <QByteArray>

class QImage;

namespace hygrovia {

// The image as a PNG file: 8-bit RGB without alpha, its rows deflated by copying the pixels
// that repeat their left or upper neighbour. A chart's file is about a third larger than the
// toolkit's writer makes, in a small fraction of the time: that writer tries all five row
// filters on every row and searches every repeat. Empty for a null image or when memory runs
// out.
QByteArray EncodePng(const QImage& image);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_OUTPUT_HEADLESS_PNG_H
