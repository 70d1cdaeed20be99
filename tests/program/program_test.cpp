// The built program, run from outside as a user's script runs it, against every way a file can
// fail: a full disk, targets that must not be replaced, files that would make a read wait,
// files that are no chart files, names that are not valid text, and the messages and exit
// statuses a script relies on.
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/scratch_folder.h"
#include "tests/program/run_program.h"

namespace hygrovia::program {
namespace {

namespace fs = std::filesystem;
using testing::FileBytes;
using testing::ScratchFolder;
using testing::Snapshot;
using testing::WriteBytes;
using namespace std::chrono_literals;

std::string Quoted(const fs::path& path) { return "\"" + path.string() + "\""; }

RunSetting InFolder(const fs::path& folder) {
  RunSetting setting;
  setting.configFolder = folder / "config";
  return setting;
}

// A PNG file's width and height from its header; zero when it is none.
std::pair<int, int> PngSize(const std::string& bytes) {
  const auto number = [&bytes](std::size_t at) {
    int value = 0;
    for (std::size_t i = 0; i < 4; ++i)
      value = value * 256 + static_cast<unsigned char>(bytes[at + i]);
    return value;
  };
  if (bytes.size() < 24 || !bytes.starts_with("\x89PNG")) return {0, 0};
  return {number(16), number(20)};
}

// A small file system of its own, mounted for the test and unmounted after; only the root user
// can mount one.
class SmallDisk {
 public:
  explicit SmallDisk(const fs::path& at) : at_(at) {
    fs::create_directory(at_);
    mounted_ = ::geteuid() == 0 && ::mount("tmpfs", at_.c_str(), "tmpfs", 0, "size=64k") == 0;
  }
  ~SmallDisk() {
    if (mounted_) ::umount2(at_.c_str(), MNT_DETACH);
  }
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  bool Mounted() const { return mounted_; }

  // Fills the disk but for free bytes, with the file filler.
  void FillLeaving(std::size_t free) const {
    const fs::path filler = at_ / "filler";
    {
      std::ofstream out(filler, std::ios::binary);
      const std::string block(4096, 'f');
      while (out.write(block.data(), static_cast<std::streamsize>(block.size()))) {
      }
    }
    std::error_code ignored;
    const std::uintmax_t size = fs::file_size(filler, ignored);
    fs::resize_file(filler, size > free ? size - free : 0, ignored);
  }

 private:
  fs::path at_;
  bool mounted_ = false;
};

// Regression: on a nearly full disk an export exited with 0 and left a truncated file in place
// of the earlier good one. Now the earlier file stays whole and the disk's reason is told.
TEST(ProgramFullDiskTest, ExportsOnAFullDiskKeepTheEarlierFile) {
  ScratchFolder scratch;
  SmallDisk disk(scratch.path() / "small");
  if (!disk.Mounted()) GTEST_SKIP() << "a small disk can be mounted only by the root user";
  struct Case {
    std::string name;
    std::string earlierSize;
    std::string newSize;
  };
  const Case cases[] = {
      {"chart.pdf", "200x150", "640x480"},
      {"chart.png", "200x150", "400x300"},
      {"chart.svg", "200x150", "640x480"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path file = scratch.path() / "small" / c.name;
    ASSERT_EQ(
        RunProgram({"--export", file, "--size", c.earlierSize}, InFolder(scratch.path())).status,
        0);
    const std::string earlier = FileBytes(file);
    disk.FillLeaving(2048);
    const ProgramRun run =
        RunProgram({"--export", file, "--size", c.newSize}, InFolder(scratch.path()));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.Messages(), std::vector<std::string>{
                                  "hygrovia: cannot write " + Quoted(file) +
                                  ": No space left on device. The earlier file is unchanged."});
    EXPECT_EQ(FileBytes(file), earlier);
    const fs::path fresh = scratch.path() / "small" / ("new-" + c.name);
    const ProgramRun made = RunProgram({"--export", fresh}, InFolder(scratch.path()));
    EXPECT_EQ(made.status, 1);
    EXPECT_EQ(made.Messages(),
              std::vector<std::string>{"hygrovia: cannot write " + Quoted(fresh) +
                                       ": No space left on device. No file was made."});
    fs::remove(scratch.path() / "small" / "filler");
    fs::remove(file);
    EXPECT_TRUE(fs::is_empty(scratch.path() / "small")) << "no half-written file is left";
  }
}

// Regression: export and save replaced pipes, devices and links to them with regular files,
// and the chart save replaced write-protected files. Every kind of target is the chart file
// tests' (the writer is one); here the export's way to it, and its message and status.
TEST(ProgramTargetTest, TargetsThatMustNotBeReplacedAreLeftAsTheyAre) {
  struct Case {
    std::string name;
    std::function<void(const fs::path&)> prepare;
    std::string why;
  };
  const std::string notRegular =
      "it is not a regular file but a device, pipe or socket, which is left as it is.";
  const Case cases[] = {
      {"protected.png",
       [](const fs::path& at) {
         WriteBytes(at / "protected.png", "earlier");
         fs::permissions(at / "protected.png", fs::perms::owner_read | fs::perms::group_read);
       },
       "the file is write-protected; it is unchanged."},
      {"pipe-link.png",
       [](const fs::path& at) {
         ::mkfifo((at / "pipe").c_str(), 0644);
         fs::create_symlink("pipe", at / "pipe-link.png");
       },
       notRegular},
      {"dangling.png",
       [](const fs::path& at) { fs::create_symlink("gone.png", at / "dangling.png"); },
       "it is a symbolic link to a file that does not exist."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder scratch;
    const fs::path at = scratch.path() / "files";
    fs::create_directory(at);
    c.prepare(at);
    const std::string before = Snapshot(at);
    const ProgramRun run = RunProgram({"--export", at / c.name}, InFolder(scratch.path()));
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.Messages(), std::vector<std::string>{"hygrovia: cannot write " +
                                                       Quoted(at / c.name) + ": " + c.why});
    EXPECT_EQ(Snapshot(at), before);
  }
  // A link to a regular file is followed: the file gets the picture, the link stays a link.
  ScratchFolder scratch;
  WriteBytes(scratch.path() / "real.png", "earlier");
  fs::create_symlink("real.png", scratch.path() / "link.png");
  EXPECT_EQ(RunProgram({"--export", scratch.path() / "link.png", "--size", "64x48"},
                       InFolder(scratch.path()))
                .status,
            0);
  EXPECT_TRUE(fs::is_symlink(scratch.path() / "link.png"));
  EXPECT_EQ(PngSize(FileBytes(scratch.path() / "real.png")), std::make_pair(64, 48));
}

// A file whose folder refuses new files is replaced only through a complete new file beside
// it; that is told, and the file keeps its content.
TEST(ProgramTargetTest, FolderWithoutWriteRightIsTold) {
  constexpr uid_t kNobody = 65534;
  ScratchFolder scratch;
  const fs::path folder = scratch.path() / "closed";
  fs::create_directory(folder);
  const fs::path file = folder / "chart.png";
  WriteBytes(file, "earlier");
  RunSetting setting = InFolder(scratch.path());
  if (::geteuid() == 0) {
    // The root user may write any folder: the program runs as nobody, who owns the file.
    ASSERT_EQ(::chown(folder.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);
    setting.prefix = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"};
  }
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec);
  const ProgramRun run = RunProgram({"--export", file}, setting);
  fs::permissions(folder, fs::perms::owner_all);
  if (run.status == 127) GTEST_SKIP() << "the program cannot be run as another user here";
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.Messages(),
            std::vector<std::string>{
                "hygrovia: cannot write " + Quoted(file) +
                ": its folder does not allow new files (Permission denied), and the file is "
                "replaced only through a complete new file beside it. The file is unchanged."});
  EXPECT_EQ(FileBytes(file), "earlier");
}

// Regression: a pipe named as a chart file blocked for ever, headless and at window start (no
// window appeared), and a settings file that was a pipe, or of 100 MB, hung or slowed the start.
TEST(ProgramReadingTest, NothingMakesAStartWait) {
  ScratchFolder scratch;
  const fs::path pipe = scratch.path() / "pipe.hgv";
  ::mkfifo(pipe.c_str(), 0644);
  const std::string pipeMessage = "hygrovia: Could not open " + Quoted(pipe) +
                                  ": it is a device, pipe or socket, not a chart data file.";
  // Other files that cannot be read are the headless tests'; a pipe could hang them.
  RunSetting headless = InFolder(scratch.path());
  headless.timeout = 20s;
  const ProgramRun run = RunProgram({pipe, "--table"}, headless);
  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.Messages(), std::vector<std::string>{pipeMessage});

  const fs::path settingsFile = scratch.path() / "config" / "Tarnwick" / "Orvane.conf";
  fs::create_directories(settingsFile.parent_path());
  const std::function<void()> settingsFiles[] = {
      [&] { ::mkfifo(settingsFile.c_str(), 0644); },
      [&] {
        WriteBytes(settingsFile, "[General]\nHygrovia_Size=600 500\n");
        fs::resize_file(settingsFile, std::uintmax_t{100} << 20);
      },
  };
  const auto kindAndSize = [&settingsFile] {
    return std::to_string(static_cast<int>(fs::status(settingsFile).type())) + " " +
           std::to_string(fs::is_regular_file(settingsFile) ? fs::file_size(settingsFile) : 0);
  };
  for (const auto& makeSettingsFile : settingsFiles) {
    fs::remove(settingsFile);
    makeSettingsFile();
    const std::string before = kindAndSize();
    WindowRun window({pipe.string()}, InFolder(scratch.path()));
    EXPECT_TRUE(window.ReachesEventLoop(5s)) << before;
    EXPECT_NE(window.Stop().find(pipeMessage), std::string::npos) << before;
    EXPECT_EQ(kindAndSize(), before) << "the settings file is left as it is";
  }
}

// Regression: names that are not valid UTF-8 were written under another name (two of them
// under the same one), and the window start ignored such a chart file.
TEST(ProgramFileNameTest, NamesReachTheFileSystemByteForByte) {
  ScratchFolder scratch;
  const fs::path& at = scratch.path();
  for (const char* name : {"caf\xe9.png", "caf\xe8.png"}) {
    EXPECT_EQ(RunProgram({"--export", at / name, "--size", "32x32"}, InFolder(at)).status, 0);
  }
  EXPECT_EQ(PngSize(FileBytes(at / "caf\xe9.png")), std::make_pair(32, 32));
  EXPECT_EQ(PngSize(FileBytes(at / "caf\xe8.png")), std::make_pair(32, 32));

  const fs::path chart = at / "m\xfcnchen.hgv";
  WriteBytes(chart, "Cursor: 10 5\r\n");
  const ProgramRun table = RunProgram({chart, "--table"}, InFolder(at));
  EXPECT_EQ(table.status, 0);
  EXPECT_TRUE(
      table.out.starts_with(" Dry Bulb: 10.00\xC2\xB0"
                            "C"))
      << table.out;

  WindowRun loads({chart}, InFolder(at));
  EXPECT_TRUE(loads.ReachesEventLoop(5s));
  EXPECT_EQ(loads.Stop().find("hygrovia"), std::string::npos) << "the window loads it silently";
  const fs::path missing = at / "gone\xff.hgv";
  WindowRun tells({missing}, InFolder(at));
  EXPECT_TRUE(tells.ReachesEventLoop(5s));
  EXPECT_NE(tells.Stop().find("Could not open " + Quoted(missing) + ": the file does not exist."),
            std::string::npos);

  // 255 bytes is the longest name most file systems hold; the new file beside it must fit too.
  const std::string longest = std::string(251, 'n') + ".png";
  EXPECT_EQ(RunProgram({"--export", at / longest, "--size", "32x32"}, InFolder(at)).status, 0);
  EXPECT_TRUE(fs::is_regular_file(at / longest));
  const fs::path tooLong = at / ("n" + longest);
  const ProgramRun refused = RunProgram({"--export", tooLong}, InFolder(at));
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.Messages(),
            std::vector<std::string>{"hygrovia: cannot write " + Quoted(tooLong) +
                                     ": File name too long."});
}

// Regression: "office.hgv --process-csv office.hgv" replaced the chart with CSV, a weather
// file named as the CSV lost its year, and so did a file reached through a link, with exit 0.
TEST(ProgramTargetTest, NoOutputReplacesAFileTheRunReads) {
  ScratchFolder scratch;
  const fs::path at = scratch.path() / "in";
  fs::create_directory(at);
  WriteBytes(at / "office.hgv", "Cursor: 20 8\r\n");
  WriteBytes(at / "chart.png", "Cursor: 20 8\r\n");
  WriteBytes(at / "chart.pdf", "Cursor: 20 8\r\n");
  WriteBytes(at / "wx.epw", "LOCATION,Somewhere\n");
  fs::create_symlink("office.hgv", at / "alias.csv");
  struct Case {
    std::vector<std::string> arguments;
    fs::path output;
    fs::path input;
  };
  const Case cases[] = {
      {{at / "office.hgv", "--process-csv", at / "office.hgv"},
       at / "office.hgv",
       at / "office.hgv"},
      {{at / "office.hgv", "--process-csv", at / "alias.csv"}, at / "alias.csv", at / "office.hgv"},
      {{"--weather", at / "wx.epw", "--process-csv", at / "wx.epw"}, at / "wx.epw", at / "wx.epw"},
      {{at / "chart.png", "--export", at / "chart.png"}, at / "chart.png", at / "chart.png"},
      {{at / "chart.pdf", "--page", at / "chart.pdf"}, at / "chart.pdf", at / "chart.pdf"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.output);
    const std::string before = Snapshot(at);
    const ProgramRun run = RunProgram(c.arguments, InFolder(scratch.path()));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.Messages(),
              std::vector<std::string>{"hygrovia: cannot write " + Quoted(c.output) +
                                       ": it is the same file as " + Quoted(c.input) +
                                       ", which is read here; that file is unchanged."});
    EXPECT_EQ(Snapshot(at), before);
  }
}

// What a script reads: one line on the error output and an exit status it can test.
TEST(ProgramMessageTest, ScriptsCanTellWhatHappened) {
  ScratchFolder scratch;
  const fs::path& at = scratch.path();
  const fs::path picture = at / "chart.png";
  const fs::path missing = at / "missing.hgv";
  struct Case {
    std::vector<std::string> arguments;
    int status;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {{"--export", ""}, 2, {"hygrovia: the file name after --export is empty"}},
      {{"--export", picture, "--size", "100x100"}, 0, {}},
      {{missing, "--table"},
       1,
       {"hygrovia: Could not open " + Quoted(missing) + ": the file does not exist."}},
      // A window start that cannot run ends before any window is shown.
      {{"-bar", "9O"}, 2, {"hygrovia: bad number \"9O\" after -bar"}},
      {{"-cursor", "25", "-bar", "90"}, 2, {"hygrovia: -cursor needs t rh"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.back());
    const ProgramRun run = RunProgram(c.arguments, InFolder(at));
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.Messages(), c.messages);
  }
  EXPECT_EQ(PngSize(FileBytes(picture)), std::make_pair(100, 100));
  EXPECT_NE(RunProgram({"--help"}, InFolder(at)).out.find("1 a chart data file could not be read"),
            std::string::npos);
}

}  // namespace
}  // namespace hygrovia::program
