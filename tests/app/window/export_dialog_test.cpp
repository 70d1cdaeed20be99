#include "app/window/export_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QMetaObject>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

namespace hygrovia {
namespace {

// Runs show until it returns, handing the modal window it opens to act, which closes it.
void WithModal(const std::function<void()>& show, const std::function<void(QWidget&)>& act) {
  QTimer timer;
  timer.setInterval(10);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) act(*modal);
  });
  timer.start();
  show();
}

TEST(ExportDialogTest, SizeFormOffersTheChartAreaFixedSizesAndATypedOne) {
  struct Case {
    int item;
    QSize typed;  // entered into the fields
    QSize chosen;
    bool fieldsEnabled;
  };
  const QSize area(448, 342);
  const std::vector<Case> cases = {
      {0, {999, 999}, area, false},         {1, {999, 999}, {1600, 1200}, false},
      {2, {999, 999}, {3200, 2400}, false}, {3, {1024, 768}, {1024, 768}, true},
      {3, {0, 99999}, {1, 8192}, true},  // held to what the command line's --size takes
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    TExportSizeForm form(area);
    auto* combo = form.findChild<QComboBox*>(QStringLiteral("SizeCombo"));
    auto* width = form.findChild<QSpinBox*>(QStringLiteral("WidthEdit"));
    auto* height = form.findChild<QSpinBox*>(QStringLiteral("HeightEdit"));
    ASSERT_EQ(combo->count(), 4);
    EXPECT_EQ(combo->itemText(0), QString::fromUtf8("As in the window (448 \u00D7 342)"));
    EXPECT_EQ(combo->itemText(1), QString::fromUtf8("1600 \u00D7 1200"));
    combo->setCurrentIndex(c.item);
    EXPECT_EQ(width->isEnabled(), c.fieldsEnabled);
    if (c.fieldsEnabled) {
      width->setValue(c.typed.width());
      height->setValue(c.typed.height());
    }
    EXPECT_EQ(form.ChosenSize(), c.chosen);
  }
}

TEST(ExportDialogTest, FileDialogOffersTheThreeFormatsAndAddsTheChosenExtension) {
  QTemporaryDir dir;
  QString title;
  QStringList filters;
  QString folder;
  const std::optional<ExportTarget> target = [&] {
    std::optional<ExportTarget> chosen;
    WithModal([&] { chosen = ChooseExportFile(nullptr, dir.path()); },
              [&](QWidget& modal) {
                auto* dialog = qobject_cast<QFileDialog*>(&modal);
                if (dialog == nullptr) return;
                title = dialog->windowTitle();
                filters = dialog->nameFilters();
                folder = dialog->directory().absolutePath();
                // Chosen as the user does, in the dialog's list of file types.
                auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
                ASSERT_NE(types, nullptr);
                types->setCurrentIndex(1);
                emit types->activated(1);
                emit types->textActivated(types->itemText(1));
                dialog->selectFile(dir.filePath(QStringLiteral("chart")));
                QMetaObject::invokeMethod(dialog, "accept");
              });
    return chosen;
  }();
  EXPECT_EQ(title, QStringLiteral("Export Picture..."));
  EXPECT_EQ(filters.size(), 3);
  EXPECT_EQ(folder, QDir(dir.path()).absolutePath());
  ASSERT_TRUE(target.has_value());
  EXPECT_EQ(target->format, PictureFormat::Svg);
  EXPECT_EQ(target->fileName, dir.filePath(QStringLiteral("chart.svg")));
}

}  // namespace
}  // namespace hygrovia
