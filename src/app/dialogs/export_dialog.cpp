#include "app/dialogs/export_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QSpinBox>
#include <QStringList>
#include <QVBoxLayout>
#include <array>
#include <fmt/format.h>

#include "base/number_text.h"

namespace hygrovia {
namespace {

struct FormatFilter {
  PictureFormat format;
  const char* filter;
  const char* extension;
};

// Both spellings of each extension are listed because the file dialogs of Linux desktops
// match patterns case-sensitively. The dialog shows the filters without that list.
constexpr std::array<FormatFilter, 3> kFilters = {{
    {PictureFormat::Png, "PNG image (*.png *.PNG)", "png"},
    {PictureFormat::Svg, "SVG picture (*.svg *.SVG)", "svg"},
    {PictureFormat::Pdf, "PDF document (*.pdf *.PDF)", "pdf"},
}};

const FormatFilter& FilterOf(PictureFormat format) {
  for (const FormatFilter& f : kFilters) {
    if (f.format == format) return f;
  }
  return kFilters[0];
}

// The filter the dialog names, with its pattern list or, as a dialog hiding the lists
// names it, without.
const FormatFilter& FilterNamed(const QString& filter) {
  for (const FormatFilter& f : kFilters) {
    const QString full = QString::fromLatin1(f.filter);
    if (filter == full || filter == full.section(QStringLiteral(" ("), 0, 0)) return f;
  }
  return kFilters[0];
}

QString SizeText(QSize size) {
  return QString::fromStdString(fmt::format("{} \xC3\x97 {}", size.width(), size.height()));
}

// The sizes offered besides the chart area's and a typed one.
constexpr std::array<QSize, 2> kFixedSizes = {QSize(1600, 1200), QSize(3200, 2400)};

}  // namespace

ExportTarget ExportTargetOf(const QString& name, PictureFormat filterFormat) {
  const PictureFormat format = FormatOfFileName(QFile::encodeName(name).toStdString());
  if (format != PictureFormat::Unknown) return {name, format};
  const FormatFilter& filter = FilterOf(filterFormat);
  const QString dot = name.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".");
  return {name + dot + QString::fromLatin1(filter.extension), filter.format};
}

std::optional<ExportTarget> ChooseExportFile(QWidget* parent, const QString& folder) {
  QStringList filters;
  for (const FormatFilter& f : kFilters) filters << QString::fromLatin1(f.filter);
  QFileDialog dialog(parent, QStringLiteral("Export Picture..."), folder);
  dialog.setNameFilters(filters);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QString::fromLatin1(kFilters[0].extension));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
    dialog.setDefaultSuffix(QString::fromLatin1(FilterNamed(f).extension));
  });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ExportTargetOf(dialog.selectedFiles().constFirst(),
                        FilterNamed(dialog.selectedNameFilter()).format);
}

TExportSizeForm::TExportSizeForm(QSize chartArea, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Picture Size"));
  SizeCombo = new QComboBox(this);
  SizeCombo->setObjectName(QStringLiteral("SizeCombo"));
  SizeCombo->addItem(QStringLiteral("As in the window (%1)").arg(SizeText(chartArea)), chartArea);
  for (const QSize size : kFixedSizes) SizeCombo->addItem(SizeText(size), size);
  SizeCombo->addItem(QStringLiteral("Other size"), QSize());
  WidthEdit = new QSpinBox(this);
  WidthEdit->setObjectName(QStringLiteral("WidthEdit"));
  HeightEdit = new QSpinBox(this);
  HeightEdit->setObjectName(QStringLiteral("HeightEdit"));
  for (QSpinBox* edit : {WidthEdit, HeightEdit}) {
    edit->setRange(1, kLargestPictureSide);
    edit->setSuffix(QStringLiteral(" px"));
  }
  WidthEdit->setValue(chartArea.width());
  HeightEdit->setValue(chartArea.height());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Size:"), SizeCombo);
  form->addRow(QStringLiteral("&Width:"), WidthEdit);
  form->addRow(QStringLiteral("&Height:"), HeightEdit);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  connect(SizeCombo, &QComboBox::currentIndexChanged, this, &TExportSizeForm::SizeComboChange);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  SizeComboChange(SizeCombo->currentIndex());
}

void TExportSizeForm::SizeComboChange(int index) {
  const QSize size = SizeCombo->itemData(index).toSize();
  const bool typed = !size.isValid();
  WidthEdit->setEnabled(typed);
  HeightEdit->setEnabled(typed);
  if (typed) return;
  WidthEdit->setValue(size.width());
  HeightEdit->setValue(size.height());
}

QSize TExportSizeForm::ChosenSize() const { return {WidthEdit->value(), HeightEdit->value()}; }

std::optional<QSize> ChoosePngSize(QWidget* parent, QSize chartArea) {
  TExportSizeForm form(chartArea, parent);
  if (form.exec() != QDialog::Accepted) return std::nullopt;
  return form.ChosenSize();
}

}  // namespace hygrovia
