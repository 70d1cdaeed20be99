#ifndef HYGROVIA_STYLES_LABEL_BOARD_H
#define HYGROVIA_STYLES_LABEL_BOARD_H

#include <vector>

#include "surface/drawing_surface.h"

namespace hygrovia {

// Where the texts of a drawing stand on the device, so that each new one goes only where it
// keeps a gap to all of them and lies wholly within the bounds. Boxes are device pixels.
class LabelBoard {
 public:
  // Texts keep this many pixels apart.
  static constexpr float kGap = 2.0f;

  explicit LabelBoard(TextBox bounds) : bounds_(bounds) {}

  // True when the box lies within the bounds and keeps the gap to every box taken.
  bool Fits(const TextBox& box) const;
  // Takes the box whatever it overlaps: for what stands there already (the data table).
  void Take(const TextBox& box) { taken_.push_back(box); }
  // Takes the box when it fits; false, taking nothing, otherwise.
  bool TryTake(const TextBox& box);

  const std::vector<TextBox>& Taken() const { return taken_; }

 private:
  TextBox bounds_;
  std::vector<TextBox> taken_;
};

}  // namespace hygrovia

#endif  // HYGROVIA_STYLES_LABEL_BOARD_H
