#ifndef HYGROVIA_APP_OUTPUT_PICTURE_DAMAGE_H
#define HYGROVIA_APP_OUTPUT_PICTURE_DAMAGE_H

#include <QRect>
#include <QRegion>
#include <vector>

namespace hygrovia {

// The parts of a picture drawn on since they were last taken, as a few rectangles: what the
// screen must copy again. A mouse move of a drag draws a few small marks and the table rows
// far apart, so each keeps a rectangle of its own; once too many gather they become their
// common bounds, and everything drawn inside a rectangle already held costs nothing, so a
// full drawing (which starts by filling the whole picture) is one rectangle.
class PictureDamage {
 public:
  // Nothing outside `bounds` is ever held (the picture's own rectangle).
  void SetBounds(const QRect& bounds) { bounds_ = bounds; }
  void Add(const QRect& rect);
  // A line drawn as runs of pixels along its main axis: the runs go in pieces of at most
  // kPiece pixels either way, so a long slanting line stays a thin chain of small squares.
  void AddRuns(const std::vector<QRect>& runs);
  QRegion Take();
  bool Empty() const { return rects_.empty(); }

  static constexpr int kPiece = 24;
  static constexpr std::size_t kMostRects = 128;

 private:
  QRect bounds_;
  QRect united_;
  std::vector<QRect> rects_;
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_OUTPUT_PICTURE_DAMAGE_H
