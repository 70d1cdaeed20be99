#include "app/dialogs/help_window.h"

#include <QFile>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>
#include <QWidget>
#include <vector>

#include <gtest/gtest.h>

namespace hygrovia {
namespace {

struct Anchors {
  QSet<QString> names;
  QSet<QString> links;
};

// The anchors a document defines and the topics its links within the document point to.
Anchors AnchorsOf(const QTextDocument& document) {
  Anchors anchors;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      for (const QString& name : format.anchorNames()) anchors.names.insert(name);
      const QString href = format.anchorHref();
      if (href.startsWith(QLatin1Char('#'))) anchors.links.insert(href.mid(1));
    }
  }
  return anchors;
}

bool WriteFile(const QString& fileName, const QByteArray& text) {
  QFile file(fileName);
  return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

TEST(HelpWindowTest, OpensBesideTheMainWindowAtTheContents) {
  QWidget mainWindow;
  THelpWindow help(THelpWindow::DefaultLocations(), &mainWindow);

  help.ShowContents();

  EXPECT_TRUE(help.isVisible());
  EXPECT_TRUE(help.isWindow());
  EXPECT_EQ(help.windowModality(), Qt::NonModal);
  EXPECT_EQ(help.Browser().source().fragment(), QStringLiteral("contents"));
  EXPECT_EQ(help.Browser().source().fileName(), QStringLiteral("Hygrovia.html"));
  const QString text = help.Browser().document()->toPlainText();
  EXPECT_TRUE(text.startsWith(QStringLiteral("Hygrovia Help")));
  EXPECT_TRUE(text.contains(QStringLiteral("Contents")));
}

TEST(HelpWindowTest, HelpHasEveryTopicAndNoBrokenLinks) {
  THelpWindow help(THelpWindow::DefaultLocations(), nullptr);
  help.ShowContents();
  const Anchors anchors = AnchorsOf(*help.Browser().document());

  const QStringList topics = {
      QStringLiteral("contents"),    QStringLiteral("chart"),    QStringLiteral("reading"),
      QStringLiteral("cursor"),      QStringLiteral("relative"), QStringLiteral("highlights"),
      QStringLiteral("overlays"),    QStringLiteral("nodes"),    QStringLiteral("settings"),
      QStringLiteral("expressions"), QStringLiteral("units"),    QStringLiteral("nodeeditor"),
      QStringLiteral("view"),        QStringLiteral("files"),    QStringLiteral("clipboard"),
      QStringLiteral("printing"),    QStringLiteral("keys"),     QStringLiteral("mouse"),
      QStringLiteral("commandline"), QStringLiteral("process")};
  for (const QString& topic : topics) {
    EXPECT_TRUE(anchors.names.contains(topic)) << topic.toStdString();
  }
  EXPECT_GE(anchors.links.size(), topics.size());
  for (const QString& link : anchors.links) {
    EXPECT_TRUE(anchors.names.contains(link)) << "broken link #" << link.toStdString();
  }
}

TEST(HelpWindowTest, FindsTheFirstHelpFileThatExists) {
  QTemporaryDir dir;
  const QString beside = dir.filePath(QStringLiteral("bin/Hygrovia.html"));
  const QString installed = dir.filePath(QStringLiteral("Hygrovia.html"));
  const QString missing = dir.filePath(QStringLiteral("nowhere/Hygrovia.html"));
  const QString compiledIn = QStringLiteral(":/help/Hygrovia.html");
  ASSERT_TRUE(WriteFile(installed, "<h1><a name=\"contents\"></a>Installed help</h1>"));
  THelpWindow::DefaultLocations();  // makes sure the compiled-in copy is there

  struct Case {
    QStringList locations;
    QString found;
  };
  const std::vector<Case> cases = {
      {{beside, installed, compiledIn}, installed},
      {{missing, compiledIn}, compiledIn},
      {{dir.path(), compiledIn}, compiledIn},  // a folder is not the file
      {{missing}, QString()},
      {{}, QString()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.locations.join(QLatin1Char(' ')).toStdString());
    EXPECT_EQ(THelpWindow::FindHelpFile(c.locations), c.found);
  }

  THelpWindow help({missing, installed}, nullptr);
  help.ShowContents();
  EXPECT_EQ(help.Browser().document()->toPlainText(), QStringLiteral("Installed help"));
}

TEST(HelpWindowTest, MissingHelpIsReportedInTheWindow) {
  QTemporaryDir dir;
  THelpWindow help({dir.filePath(QStringLiteral("Hygrovia.html"))}, nullptr);

  help.ShowContents();
  help.ShowContents();

  EXPECT_TRUE(help.isVisible());
  const QString text = help.Browser().document()->toPlainText();
  EXPECT_TRUE(text.contains(QStringLiteral("\"Hygrovia.html\" could not be found")))
      << text.toStdString();
}

}  // namespace
}  // namespace hygrovia
