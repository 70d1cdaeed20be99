#include "app/widgets/virtual_key_map.h"

#include "app/commands/chart_keys.h"
#include "surface/virtual_keys.h"

namespace hygrovia {

int VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers) {
  const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
  switch (qtKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return kKeyTab;
    case Qt::Key_PageUp:
      return kKeyPageUp;
    case Qt::Key_PageDown:
      return kKeyPageDown;
    case Qt::Key_Home:
      return kKeyHome;
    case Qt::Key_Left:
      return kKeyLeft;
    case Qt::Key_Up:
      return kKeyUp;
    case Qt::Key_Right:
      return kKeyRight;
    case Qt::Key_Down:
      return kKeyDown;
    case Qt::Key_Insert:
      return kKeyInsert;
    case Qt::Key_Delete:
      return kKeyDelete;
    case Qt::Key_Plus:
      return keypad ? kKeyPadPlus : kKeyPlusEquals;
    case Qt::Key_Equal:
      return kKeyPlusEquals;
    case Qt::Key_Minus:
      return keypad ? kKeyPadMinus : kKeyMinus;
    case Qt::Key_Underscore:
      return kKeyMinus;
    default:
      return kNoVirtualKey;
  }
}

}  // namespace hygrovia
