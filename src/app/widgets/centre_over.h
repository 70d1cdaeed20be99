#ifndef HYGROVIA_APP_WIDGETS_CENTRE_OVER_H
#define HYGROVIA_APP_WIDGETS_CENTRE_OVER_H

class QWidget;

namespace hygrovia {

// Moves dialog so that its frame is centred over owner's frame; called before every modal
// dialog with the main window as owner.
void CentreOver(const QWidget& owner, QWidget& dialog);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_WIDGETS_CENTRE_OVER_H
