#include "app/widgets/settings_store.h"

#include <functional>
#include <string>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "data/persisted_values.h"
#include "support/private_settings_folder.h"

namespace hygrovia {
namespace {

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SettingsStoreTest, ReadsWhatWasWrittenOrTheDefault) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString path = folder.filePath("store.ini");
  {
    QSettings store(path, QSettings::IniFormat);
    const SettingText first = ReadSetting(store, kSizeValueName, kDefaultSizeText);
    EXPECT_FALSE(first.Read);
    EXPECT_EQ(first.Text, kDefaultSizeText);
    EXPECT_EQ(WindowSizeFromText(first.Text).Width, 456);

    EXPECT_TRUE(WriteSetting(store, kSizeValueName, "600 500"));
    EXPECT_TRUE(WriteSetting(store, kSetupValueName, "21.46 8.13 12.00 4.50"));
  }
  EXPECT_TRUE(FileBytes(path).contains("Hygrovia_Size=600 500"));

  QSettings reopened(path, QSettings::IniFormat);
  struct Case {
    std::string_view name;
    std::string text;
    bool read;
  };
  const Case cases[] = {
      {kSizeValueName, "600 500", true},
      {kSetupValueName, "21.46 8.13 12.00 4.50", true},
      {"Hygrovia_Missing", "fallback", false},
  };
  for (const Case& c : cases) {
    const SettingText got = ReadSetting(reopened, c.name, "fallback");
    EXPECT_EQ(got.Text, c.text) << c.name;
    EXPECT_EQ(got.Read, c.read) << c.name;
  }
}

TEST(SettingsStoreTest, TreatsOverlongAndOddValuesAsMissing) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QSettings store(folder.filePath("store.ini"), QSettings::IniFormat);
  const std::string longest(static_cast<std::size_t>(kLongestSettingText), '7');
  ASSERT_TRUE(WriteSetting(store, "Longest", longest));
  ASSERT_TRUE(WriteSetting(store, "TooLong", longest + "7"));
  store.setValue("Number", 600);
  store.setValue("List", QStringList{"600", "500"});
  struct Case {
    const char* name;
    std::string text;
    bool read;
  };
  const Case cases[] = {
      {"Longest", longest, true},
      {"TooLong", "456 456", false},
      {"Number", "600", true},
  };
  for (const Case& c : cases) {
    const SettingText got = ReadSetting(store, c.name, "456 456");
    EXPECT_EQ(got.Text, c.text) << c.name;
    EXPECT_EQ(got.Read, c.read) << c.name;
  }
  EXPECT_EQ(WindowSizeFromText(ReadSetting(store, "List", "456 456").Text).Width, 456)
      << "a list is no size";
}

TEST(SettingsStoreTest, ReportsAStoreThatCannotBeWritten) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QFile blocker(folder.filePath("plain-file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  // A file cannot hold a folder, which stops even the root user.
  QSettings store(folder.filePath("plain-file/store.ini"), QSettings::IniFormat);
  EXPECT_FALSE(WriteSetting(store, kSizeValueName, "600 500"));
}

TEST(SettingsStoreTest, ProgramStoreIsTarnwickOrvane) {
#if defined(Q_OS_WIN)
  GTEST_SKIP() << "the program's store is the user's registry";
#else
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const PrivateSettingsFolder privateStore(folder.path());
  EXPECT_FALSE(ReadSetting(kSizeValueName, kDefaultSizeText).Read);
  ASSERT_TRUE(WriteSetting(kSizeValueName, "600 500"));
  const SettingText got = ReadSetting(kSizeValueName, kDefaultSizeText);
  EXPECT_TRUE(got.Read);
  EXPECT_EQ(got.Text, "600 500");
  EXPECT_TRUE(FileBytes(folder.filePath("Tarnwick/Orvane.conf")).contains("Hygrovia_Size=600 500"));
#endif
}

// Regression: a settings file that was a pipe made the start wait for ever, and one of 100 MB
// took seconds and most of a gigabyte to read and to write again. Such a file is not read; the
// values fall back to their defaults. A pipe or a loop of links is not written either; an
// oversized regular file (also through a link) is replaced whole, so that the values are kept
// again from then on.
TEST(SettingsStoreTest, ASettingsFileThatIsNoneIsLeftAlone) {
#if defined(Q_OS_WIN)
  GTEST_SKIP() << "the program's store is the user's registry";
#else
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const PrivateSettingsFolder privateStore(folder.path());
  ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("Tarnwick")));
  const QString path = folder.filePath("Tarnwick/Orvane.conf");
  const QByteArray name = QFile::encodeName(path);
  const QString real = folder.filePath("Tarnwick/real.conf");
  const auto oversized = [](const QString& at) {
    QFile file(at);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[General]\nHygrovia_Size=600 500\n");
    file.resize(kLargestSettingsFile + 1);
  };
  struct Case {
    std::function<void()> make;
    bool written;
  };
  const Case cases[] = {
      {[&] { ::mkfifo(name.constData(), 0600); }, false},
      {[&] { ::symlink("Orvane.conf", name.constData()); }, false},
      {[&] { oversized(path); }, true},
      {[&] {
         oversized(real);
         ::symlink("real.conf", name.constData());
       },
       true},
  };
  for (const Case& c : cases) {
    QFile::remove(path);
    QFile::remove(real);
    c.make();
    const QFileInfo before(path);
    EXPECT_FALSE(ReadSetting(kSizeValueName, kDefaultSizeText).Read);
    EXPECT_EQ(WriteSetting(kSizeValueName, "700 600"), c.written);
    const QFileInfo after(path);
    EXPECT_EQ(after.isSymLink(), before.isSymLink());
    EXPECT_EQ(after.isFile(), before.isFile());
    if (!c.written) {
      EXPECT_EQ(after.size(), before.size());
      continue;
    }
    EXPECT_LT(after.size(), 100);
    EXPECT_EQ(ReadSetting(kSizeValueName, kDefaultSizeText).Text, "700 600");
  }
#endif
}

}  // namespace
}  // namespace hygrovia
