#ifndef HYGROVIA_APP_DIALOGS_EXPORT_DIALOG_H
#define HYGROVIA_APP_DIALOGS_EXPORT_DIALOG_H

#include <QDialog>
#include <QSize>
#include <QString>
#include <optional>

#include "app/commands/headless_options.h"

class QComboBox;
class QSpinBox;

namespace hygrovia {

// The file an export writes and its picture format.
struct ExportTarget {
  QString fileName;
  PictureFormat format = PictureFormat::Unknown;
};

// The target of a name chosen under the filter of a format: a name ending in ".png", ".svg"
// or ".pdf" (any letter case) keeps its format, any other gets the filter's extension added.
ExportTarget ExportTargetOf(const QString& name, PictureFormat filterFormat);

// The export's save dialog, starting in folder, with a filter for each of PNG, SVG and PDF;
// it asks before replacing a file. Nothing when cancelled.
std::optional<ExportTarget> ChooseExportFile(QWidget* parent, const QString& folder);

// The size of a PNG export: the chart area's size as in the window, 1600 × 1200,
// 3200 × 2400, or a size typed in pixels.
class TExportSizeForm : public QDialog {
  Q_OBJECT

 public:
  TExportSizeForm(QSize chartArea, QWidget* parent = nullptr);

  // The size of the chosen item, or the typed one.
  QSize ChosenSize() const;

 private:
  void SizeComboChange(int index);

  QComboBox* SizeCombo = nullptr;
  QSpinBox* WidthEdit = nullptr;
  QSpinBox* HeightEdit = nullptr;
};

// The size dialog shown modally; nothing when cancelled.
std::optional<QSize> ChoosePngSize(QWidget* parent, QSize chartArea);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_DIALOGS_EXPORT_DIALOG_H
