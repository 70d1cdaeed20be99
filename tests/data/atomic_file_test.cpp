#include "data/atomic_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "support/scratch_folder.h"

namespace hygrovia {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// What a folder holds, kind and bytes of every entry, links not followed.
std::string Snapshot(const fs::path& folder) {
  std::string text;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const fs::file_status status = fs::symlink_status(entry.path());
    text += entry.path().filename().string() + ":" +
            std::to_string(static_cast<int>(status.type())) + ":" +
            std::to_string(static_cast<int>(status.permissions())) + ":";
    if (fs::is_symlink(status)) {
      text += fs::read_symlink(entry.path()).string();
    } else if (fs::is_regular_file(status)) {
      text += FileBytes(entry.path());
    }
    text += "\n";
  }
  return text;
}

// Regression: saving replaced a write-protected file, and saving or exporting replaced pipes,
// devices and links to them with regular files (a link to /dev/null would have replaced
// /dev/null for the root user).
TEST(AtomicFileTest, TargetsThatMustNotBeReplacedAreLeftAsTheyAre) {
  struct Case {
    std::string name;
    std::function<void(const fs::path& folder)> prepare;
    std::string why;
  };
  const std::string special =
      "it is not a regular file but a device, pipe or socket, which is left as it is.";
  const Case cases[] = {
      {"protected.hgv",
       [](const fs::path& folder) {
         WriteBytes(folder / "protected.hgv", "old");
         fs::permissions(folder / "protected.hgv",
                         fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
       },
       "the file is write-protected; it is unchanged."},
      {"pipe.png", [](const fs::path& folder) { ::mkfifo((folder / "pipe.png").c_str(), 0644); },
       special},
      {"link.png",
       [](const fs::path& folder) {
         ::mkfifo((folder / "pipe").c_str(), 0644);
         fs::create_symlink("pipe", folder / "link.png");
       },
       special},
      {"dangling.hgv",
       [](const fs::path& folder) { fs::create_symlink("nothing.hgv", folder / "dangling.hgv"); },
       "it is a symbolic link to a file that does not exist."},
      {"loop.hgv",
       [](const fs::path& folder) {
         fs::create_symlink("loop2.hgv", folder / "loop.hgv");
         fs::create_symlink("loop.hgv", folder / "loop2.hgv");
       },
       "it is one of a loop of symbolic links."},
      {"folder.hgv", [](const fs::path& folder) { fs::create_directory(folder / "folder.hgv"); },
       "a folder of that name is in the way."},
      {std::string(252, 'n') + ".png", [](const fs::path&) {}, "File name too long."},
      {"missing/chart.hgv", [](const fs::path&) {}, "its folder does not exist."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name.substr(0, 40));
    ScratchFolder folder;
    c.prepare(folder.path());
    const std::string before = Snapshot(folder.path());
    EXPECT_EQ(ReplaceFileContents(folder.path() / c.name, "new"), c.why);
    EXPECT_EQ(Snapshot(folder.path()), before);
  }
  EXPECT_EQ(ReplaceFileContents("", "new"), "the file name is empty.");
}

TEST(AtomicFileTest, NamesAreTheBytesGivenAndLinksStayLinks) {
  ScratchFolder folder;
  const fs::path& at = folder.path();
  struct Case {
    std::string name;     // the name written to
    std::string written;  // the regular file that must hold the bytes
  };
  WriteBytes(at / "real.hgv", "old");
  fs::create_symlink("real.hgv", at / "link.hgv");
  fs::create_symlink(at / "link.hgv", at / "link-to-link.hgv");
  const Case cases[] = {
      // Not valid UTF-8: a text conversion turned both into the same replacement name.
      {"caf\xe9.png", "caf\xe9.png"},
      {"caf\xe8.png", "caf\xe8.png"},
      // Regression: the new file's name was the target's with more added, too long here.
      {std::string(251, 'n') + ".png", std::string(251, 'n') + ".png"},
      {"link-to-link.hgv", "real.hgv"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name.substr(0, 40));
    const std::string bytes = "bytes of " + c.name;
    EXPECT_EQ(ReplaceFileContents(at / c.name, bytes), "");
    EXPECT_EQ(FileBytes(at / c.written), bytes);
  }
  EXPECT_TRUE(fs::is_symlink(at / "link.hgv"));
  EXPECT_TRUE(fs::is_symlink(at / "link-to-link.hgv"));
  EXPECT_EQ(folder.EntryCount(), 6) << "no new file is left behind";
}

// Tries to replace the file, as a user who may write it but not its folder; exits with 0 when
// that was refused with the reason.
void ReplaceInFolderWithoutWriteRight(const fs::path& file, uid_t user) {
  if (::geteuid() == 0 && (::setgid(user) != 0 || ::setuid(user) != 0)) std::_Exit(2);
  const std::string why = ReplaceFileContents(file, "new");
  const bool told = why.starts_with("its folder does not allow new files (Permission denied)") &&
                    why.ends_with("The file is unchanged.");
  std::_Exit(told ? 0 : 1);
}

// The file is replaced only through a complete new file beside it; a folder that allows no
// new file is told, and the file keeps its content.
TEST(AtomicFileDeathTest, FolderWithoutWriteRightIsToldAndKeepsTheFile) {
  constexpr uid_t kNobody = 65534;
  ScratchFolder scratch;
  const fs::path folder = scratch.path() / "closed";
  fs::create_directory(folder);
  const fs::path file = folder / "chart.hgv";
  WriteBytes(file, "old");
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(folder.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);
  }
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec);
  EXPECT_EXIT(ReplaceInFolderWithoutWriteRight(file, kNobody), ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(FileBytes(file), "old");
  fs::permissions(folder, fs::perms::owner_all);
}

}  // namespace
}  // namespace hygrovia
