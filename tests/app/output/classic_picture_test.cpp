// The Classic style draws exactly as the program always has: its exported pictures are
// compared with pictures written before any other style existed (tests/data/classic-*).
#include <QFile>
#include <QImage>
#include <QString>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/cli/headless.h"
#include "support/scratch_folder.h"

namespace hygrovia {
namespace {

QString DataFile(const char* name) {
  return QStringLiteral(HYGROVIA_TEST_DATA_DIR "/") + QString::fromLatin1(name);
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file that a headless run with these words writes.
QString Export(const testing::ScratchFolder& folder, std::vector<std::string> words,
               const char* name) {
  const std::string path = (folder.path() / name).string();
  words.push_back("--export");
  words.push_back(path);
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunHeadlessCommand(words, out, err), 0) << err.str();
  return QString::fromStdString(path);
}

// Pixels that differ between two images of the same size; -1 when the sizes differ.
int DifferentPixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return -1;
  const QImage x = a.convertToFormat(QImage::Format_RGB32);
  const QImage y = b.convertToFormat(QImage::Format_RGB32);
  int count = 0;
  for (int row = 0; row < x.height(); ++row) {
    for (int col = 0; col < x.width(); ++col) count += x.pixel(col, row) != y.pixel(col, row);
  }
  return count;
}

TEST(ClassicPicture, PngExportsMatchThePicturesOfBefore) {
  struct Case {
    std::vector<std::string> words;
    const char* reference;
  };
  const std::vector<Case> cases = {
      {{}, "classic-default.png"},
      {{"-style", "CLASSIC"}, "classic-default.png"},
      {{"-graph", "-10", "40", "0", "25", "-arrow", "30", "40", "--size", "640x480"},
       "classic-relative.png"},
  };
  const testing::ScratchFolder folder;
  for (const Case& c : cases) {
    const QImage drawn(Export(folder, c.words, "chart.png"));
    const QImage reference(DataFile(c.reference));
    ASSERT_FALSE(reference.isNull()) << c.reference;
    EXPECT_EQ(DifferentPixels(drawn, reference), 0) << c.reference;
  }
}

TEST(ClassicPicture, SvgExportIsTheDocumentOfBefore) {
  const testing::ScratchFolder folder;
  const QByteArray drawn = ReadAll(Export(folder, {}, "chart.svg"));
  EXPECT_EQ(drawn, ReadAll(DataFile("classic-default.svg")));
}

}  // namespace
}  // namespace hygrovia
