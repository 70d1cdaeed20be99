#ifndef HYGROVIA_APP_MAIN_WEATHER_DIALOGS_H
#define HYGROVIA_APP_MAIN_WEATHER_DIALOGS_H

#include <QString>

class QWidget;

namespace hygrovia {

// The open dialog for weather files (.epw), starting at lastName; empty when cancelled.
QString ChooseWeatherFile(QWidget* parent, const QString& lastName);

// The open dialog for a logger's measurements (.csv), starting at lastName; empty when
// cancelled.
QString ChooseMeasuredFile(QWidget* parent, const QString& lastName);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_MAIN_WEATHER_DIALOGS_H
