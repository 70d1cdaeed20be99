#ifndef HYGROVIA_APP_WIDGETS_VIRTUAL_KEY_MAP_H
#define HYGROVIA_APP_WIDGETS_VIRTUAL_KEY_MAP_H

#include <Qt>

namespace hygrovia {

// The virtual key code the chart's key handling knows for a Qt key, or kNoVirtualKey. The
// keypad's plus and minus keep codes of their own, told apart by Qt::KeypadModifier.
constexpr int kNoVirtualKey = 0;
int VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_WIDGETS_VIRTUAL_KEY_MAP_H
