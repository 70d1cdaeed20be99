#ifndef HYGROVIA_STYLES_LABEL_PLACER_H
#define HYGROVIA_STYLES_LABEL_PLACER_H

#include <initializer_list>
#include <string_view>

#include "drawing/data_table.h"
#include "model/chart_settings.h"
#include "styles/label_board.h"
#include "surface/drawing_surface.h"

namespace hygrovia {

// A way to set a text at a point: its alignment codes and a shift in pixels.
struct Placement {
  int hAlign;
  int vAlign;
  float dx;
  float dy;
};

inline TextBox Shifted(TextBox box, float dx, float dy) {
  return {box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
}

// Sets the texts of a drawing where they fit on a board of the device, the data table taken
// before any of them.
class Placer {
 public:
  explicit Placer(ChartSettings& chart)
      : surface_(chart.Surface()),
        board_({0.0f, 0.0f, static_cast<float>(surface_.DeviceWidth),
                static_cast<float>(surface_.DeviceHeight)}) {
    const TextBox table = TableBox(chart);
    if (table.left <= table.right) board_.Take(table);
  }

  // Draws the text at the first placement about the device point that fits; false when none.
  bool Place(PointF device, std::string_view text, Colour colour,
             std::initializer_list<Placement> tries) {
    for (const Placement& p : tries) {
      const TextBox box =
          Shifted(surface_.PlaceDeviceText(device, text, p.hAlign, p.vAlign), p.dx, p.dy);
      if (board_.TryTake(box)) {
        surface_.SetTextColor(colour);
        surface_.DrawTextInBox(box, text);
        return true;
      }
    }
    return false;
  }

  bool PlaceAtWorld(PointF at, std::string_view text, Colour colour,
                    std::initializer_list<Placement> tries) {
    return Place(surface_.WorldToDevice(at.x, at.y), text, colour, tries);
  }

 private:
  DrawingSurface& surface_;
  LabelBoard board_;
};

}  // namespace hygrovia

#endif  // HYGROVIA_STYLES_LABEL_PLACER_H
