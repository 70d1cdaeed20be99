// Files that are not regular files, or that cannot be opened, named to every reader of a
// user's files: each refuses at once (nothing waits on a pipe or reads a device) with the
// system's reason where the system gave one.
#include <functional>
#include <string>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "data/chart_file.h"
#include "data/epw_reader.h"
#include "data/measured_reader.h"
#include "support/scratch_folder.h"
#include "support/test_chart.h"

namespace hygrovia {
namespace {

namespace fs = std::filesystem;

// Pipes, devices and link loops are made with POSIX calls; Windows has none of them.
#ifndef _WIN32
TEST(SpecialFiles, EveryReaderRefusesThemWithTheReason) {
  testing::ScratchFolder scratch;
  const fs::path at = scratch.path();
  struct Input {
    const char* what;
    std::function<fs::path()> make;
    const char* reason;
  };
  // Regression: a pipe made the weather reader wait for ever and /dev/zero was read for 65 MiB;
  // the unreadable file and the link loop were refused without the system's reason.
  const Input inputs[] = {
      {"pipe",
       [&] {
         ::mkfifo((at / "pipe").c_str(), 0600);
         return at / "pipe";
       },
       "device, pipe or socket"},
      {"device", [] { return fs::path("/dev/zero"); }, "device, pipe or socket"},
      {"folder", [&] { return at; }, "folder"},
      {"link loop",
       [&] {
         fs::create_symlink("loop", at / "loop");
         return at / "loop";
       },
       "Too many levels of symbolic links"},
      {"unreadable",
       [&] {
         std::ofstream(at / "secret") << "text";
         fs::permissions(at / "secret", fs::perms::none);
         return at / "secret";
       },
       "Permission denied"},
  };
  const std::function<std::string(const fs::path&)> readers[] = {
      [](const fs::path& p) { return ReadWeatherFile(p).Message(); },
      [](const fs::path& p) { return ReadMeasuredFile(p, nullptr).Message(); },
      [](const fs::path& p) {
        testing::TestChart chart;
        return LoadChartFile(p, chart.settings).Message();
      },
  };
  for (const Input& input : inputs) {
    // Whoever may read anything reads a mode-000 file.
    if (std::string(input.what) == "unreadable" && ::geteuid() == 0) continue;
    const fs::path path = input.make();
    for (const auto& read : readers) {
      const std::string message = read(path);
      EXPECT_NE(message.find(input.reason), std::string::npos) << input.what << ": " << message;
    }
  }
}

#endif

}  // namespace
}  // namespace hygrovia
