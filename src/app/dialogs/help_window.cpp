#include "app/dialogs/help_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <utility>

// The compiled-in help lives in the Qt library; its resources must be pulled in by name, from
// outside any namespace.
static void InitHelpResources() { Q_INIT_RESOURCE(help); }

// Where an installed program finds its data folder, relative to its own folder; the build
// says where the help is installed.
#ifndef HYGROVIA_HELP_DIR_FROM_BIN
#define HYGROVIA_HELP_DIR_FROM_BIN "../share/hygrovia"
#endif

namespace hygrovia {

namespace {

const char* const kResourceFile = ":/help/Hygrovia.html";

QUrl UrlOf(const QString& file) {
  return file.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + file)
                                           : QUrl::fromLocalFile(file);
}

QString MissingText() {
  return QStringLiteral(
             "<h1>Hygrovia Help</h1><p>The help file \"%1\" could not be found. It belongs "
             "beside the program.</p>")
      .arg(QString::fromLatin1(THelpWindow::kHelpFileName));
}

}  // namespace

QStringList THelpWindow::DefaultLocations() {
  InitHelpResources();
  const QDir program(QCoreApplication::applicationDirPath());
  const QString name = QString::fromLatin1(kHelpFileName);
  return {program.filePath(name),
          QDir::cleanPath(program.filePath(QStringLiteral(HYGROVIA_HELP_DIR_FROM_BIN)) +
                          QLatin1Char('/') + name),
          QString::fromLatin1(kResourceFile)};
}

QString THelpWindow::FindHelpFile(const QStringList& locations) {
  for (const QString& location : locations) {
    if (QFileInfo(location).isFile()) return location;
  }
  return {};
}

THelpWindow::THelpWindow(QWidget* parent) : THelpWindow(DefaultLocations(), parent) {}

THelpWindow::THelpWindow(QStringList locations, QWidget* parent)
    : QWidget(parent, Qt::Window), locations_(std::move(locations)) {
  setWindowTitle(QStringLiteral("Hygrovia Help"));
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(640, 600);
}

void THelpWindow::ShowContents() {
  const QString file = FindHelpFile(locations_);
  if (file.isEmpty()) {
    browser_->setHtml(MissingText());
  } else {
    QUrl url = UrlOf(file);
    url.setFragment(QString::fromLatin1(kContentsTopic));
    browser_->setSource(url);
  }
  show();
  raise();
  activateWindow();
}

}  // namespace hygrovia
