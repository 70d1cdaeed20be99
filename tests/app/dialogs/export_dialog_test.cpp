#include "app/dialogs/export_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QMetaObject>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <optional>

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
