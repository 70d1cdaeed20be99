#ifndef HYGROVIA_APP_OUTPUT_HEADLESS_PNG_H
#define HYGROVIA_APP_OUTPUT_HEADLESS_PNG_H

#include <QByteArray>

class QImage;

namespace hygrovia {

// The image as a PNG file: 8-bit RGB without alpha, rows unfiltered and deflated at the
// fastest level as runs of repeated bytes, in a few bands of rows side by side. A chart is
// mostly flat runs of a few grey shades, which this packs nearly as small as the toolkit's
// writer does, in a fraction of the time: that writer tries all five row filters on every
// row. Empty for a null image or when memory runs out.
QByteArray EncodePng(const QImage& image);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_OUTPUT_HEADLESS_PNG_H
