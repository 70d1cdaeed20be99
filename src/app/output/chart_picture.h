#ifndef HYGROVIA_APP_OUTPUT_CHART_PICTURE_H
#define HYGROVIA_APP_OUTPUT_CHART_PICTURE_H

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <optional>

class QPicture;

namespace hygrovia {

class ChartSettings;
class QtCanvas;
class StatusLine;

// Records the whole chart into `picture` through `canvas`, the way a picture for other
// programs shows it: no background, labels without their shadow, marks as plain strokes and
// the selected square filled, at the screen's geometry, zoom and pan, with nothing cut off
// at the edges of the chart area. The picture is drawn in the font of the screen's canvas.
//
// The chart's surface draws on the picture only during the call; afterwards it is attached
// again to the canvas and control it had, and the screen's picture is not touched. Returns
// the frame of what was drawn in the screen's device pixels (it may reach beyond the chart
// area), or nothing, with the surface never switched, when the canvas cannot paint on the
// picture.
std::optional<QRect> RecordChartPicture(ChartSettings& chart, StatusLine& status, QtCanvas& canvas,
                                        QPicture& picture);

// A recorded picture as an SVG document whose view box is the frame, one user unit per
// device pixel of the recording.
QByteArray PictureToSvg(const QPicture& picture, const QRect& frame);

// A recorded picture on a transparent raster image of the frame's size; a frame of more than
// kMaxImagePixels, or longer than kMaxImageSide either way, is shrunk to fit. A null image
// when no memory can be had for it.
inline constexpr long long kMaxImagePixels = 4096LL * 4096LL;
inline constexpr int kMaxImageSide = 16384;
QImage PictureToImage(const QPicture& picture, const QRect& frame);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_OUTPUT_CHART_PICTURE_H
