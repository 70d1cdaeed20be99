#include "app/widgets/centre_over.h"

#include <QRect>
#include <QSize>
#include <QWidget>

namespace hygrovia {
namespace {

// The dialog's outer size. Before its first showing the window system has not framed it yet;
// its frame is then taken to be the owner's, as both are framed alike.
QSize OuterSize(const QWidget& owner, const QWidget& dialog) {
  const QSize frame = dialog.frameGeometry().size();
  if (dialog.testAttribute(Qt::WA_WState_Created) && frame != dialog.size()) return frame;
  return dialog.size() + (owner.frameGeometry().size() - owner.size());
}

}  // namespace

void CentreOver(const QWidget& owner, QWidget& dialog) {
  const QRect outer = owner.frameGeometry();
  const QSize inner = OuterSize(owner, dialog);
  // Integer division truncates toward zero, as the halving of the difference should.
  dialog.move(outer.left() + (outer.width() - inner.width()) / 2,
              outer.top() + (outer.height() - inner.height()) / 2);
}

}  // namespace hygrovia
