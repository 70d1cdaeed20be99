#ifndef HYGROVIA_APP_MAIN_CHART_FILE_DIALOGS_H
#define HYGROVIA_APP_MAIN_CHART_FILE_DIALOGS_H

#include <QString>

class QWidget;

namespace hygrovia {

// The open dialog for chart data files, starting at lastName; empty when cancelled.
QString ChooseChartFileToOpen(QWidget* parent, const QString& lastName);
// The save dialog, which asks before replacing a file and adds ".hgv" to a name typed
// without an extension; empty when cancelled.
QString ChooseChartFileToSave(QWidget* parent, const QString& lastName);

// name with ".hgv" added when its file name has no extension.
QString WithChartExtension(const QString& name);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_MAIN_CHART_FILE_DIALOGS_H
