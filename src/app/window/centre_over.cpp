#include "app/window/centre_over.h"

#include <QRect>
#include <QWidget>

namespace hygrovia {

void CentreOver(const QWidget& owner, QWidget& dialog) {
  const QRect outer = owner.frameGeometry();
  const QRect inner = dialog.frameGeometry();
  // Integer division truncates toward zero, as the halving of the difference should.
  dialog.move(outer.left() + (outer.width() - inner.width()) / 2,
              outer.top() + (outer.height() - inner.height()) / 2);
}

}  // namespace hygrovia
