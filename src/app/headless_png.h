#ifndef HYGROVIA_APP_HEADLESS_PNG_H
#define HYGROVIA_APP_HEADLESS_PNG_H

#include <QByteArray>

class QImage;

namespace hygrovia {

// The image as a PNG file: 8-bit RGB without alpha, each row filtered by its left neighbour
// ("Sub") and deflated at the fastest level. A chart is mostly flat runs of a few colours,
// which this packs about as small as the toolkit's writer does, in half the time: that writer
// tries all five row filters on every row. Empty for a null image or when memory runs out.
QByteArray EncodePng(const QImage& image);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_HEADLESS_PNG_H
