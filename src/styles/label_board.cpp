#include "styles/label_board.h"

#include <algorithm>
#include <cmath>

namespace hygrovia {
namespace {

TextBox Widened(const TextBox& box, float by) {
  return {box.left - by, box.top - by, box.right + by, box.bottom + by};
}

bool IsFinite(const TextBox& box) {
  return std::isfinite(box.left) && std::isfinite(box.top) && std::isfinite(box.right) &&
         std::isfinite(box.bottom);
}

}  // namespace

bool LabelBoard::Fits(const TextBox& box) const {
  if (!IsFinite(box) || box.left < bounds_.left || box.top < bounds_.top ||
      box.right > bounds_.right || box.bottom > bounds_.bottom) {
    return false;
  }
  const TextBox wide = Widened(box, kGap);
  return std::none_of(taken_.begin(), taken_.end(),
                      [&wide](const TextBox& other) { return Overlap(wide, other); });
}

bool LabelBoard::TryTake(const TextBox& box) {
  if (!Fits(box)) return false;
  Take(box);
  return true;
}

}  // namespace hygrovia
