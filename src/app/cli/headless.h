#ifndef HYGROVIA_APP_CLI_HEADLESS_H
#define HYGROVIA_APP_CLI_HEADLESS_H

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace hygrovia {

// Scripting without a window: the words of the normal start ("-graph", "-bar", "-cursor",
// "-arrow" and data files, applied in order as at start-up) together with "--highlight N",
// "--size WIDTHxHEIGHT", "--table" (print the data table), "--export FILE" (write the
// chart as a PNG, SVG or PDF picture) and "--process-csv FILE" with "-flow VALUE" (write the
// process table as CSV). Such a run needs no display and neither reads nor writes the values
// kept between runs.

// Runs the command line (argv as main receives it) without a window when it asks for that,
// and returns the exit status: 0 done, 1 a chart data file could not be read (the rest still
// runs) or the table or the picture could not be written, 2 a command line that cannot run. Nothing
// when the normal start should run instead. Call it before any application object exists; for a
// picture it makes its own, on the offscreen platform.
std::optional<int> RunHeadless(int argc, char* argv[]);

// The run itself, on the application object that exists (a QGuiApplication when a picture
// is exported): the table goes to out, one-line messages to err.
int RunHeadlessCommand(const std::vector<std::string>& arguments, std::ostream& out,
                       std::ostream& err);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_CLI_HEADLESS_H
