#include "app/output/picture_damage.h"

namespace hygrovia {

namespace {

// Two rectangles side by side or overlapping are held as one when that one is hardly larger.
bool WorthJoining(const QRect& a, const QRect& b) {
  const QRect both = a.united(b);
  const long long joined = static_cast<long long>(both.width()) * both.height();
  const long long apart = static_cast<long long>(a.width()) * a.height() +
                          static_cast<long long>(b.width()) * b.height();
  return joined <= apart + PictureDamage::kPiece;
}

}  // namespace

void PictureDamage::Add(const QRect& rect) {
  const QRect kept = bounds_.isValid() ? rect.intersected(bounds_) : rect;
  if (kept.isEmpty()) return;
  united_ = united_.united(kept);
  if (!rects_.empty()) {
    QRect& last = rects_.back();
    if (last.contains(kept)) return;
    if (WorthJoining(last, kept)) {
      last = last.united(kept);
      return;
    }
  }
  if (rects_.size() >= kMostRects) {
    rects_.assign(1, united_);
    return;
  }
  rects_.push_back(kept);
}

void PictureDamage::AddRuns(const std::vector<QRect>& runs) {
  QRect piece;
  for (const QRect& run : runs) {
    const QRect grown = piece.united(run);
    if (!piece.isNull() && (grown.width() > kPiece || grown.height() > kPiece)) {
      Add(piece);
      piece = run;
    } else {
      piece = grown;
    }
  }
  if (!piece.isNull()) Add(piece);
}

QRegion PictureDamage::Take() {
  QRegion region;
  for (const QRect& rect : rects_) region += rect;
  rects_.clear();
  united_ = QRect();
  return region;
}

}  // namespace hygrovia
