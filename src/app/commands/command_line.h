#ifndef HYGROVIA_APP_COMMANDS_COMMAND_LINE_H
#define HYGROVIA_APP_COMMANDS_COMMAND_LINE_H

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "units/quantity_text.h"

namespace hygrovia {

class ChartSettings;

// What the program is asked to do before any window is made.
enum class StartupRequest { Run, Usage, Version };

// "--help" anywhere asks for the usage text, otherwise "--version" for the version.
StartupRequest ReadStartupRequest(const std::vector<std::string>& arguments);

// The short usage text printed for "--help".
std::string UsageText();

// Takes every "-style clear" and "-style classic" (words in any letter case) out of the
// arguments as main receives them (argv[0] the program), where the toolkit would read the
// chart's style as a widget style; argc and argv keep the rest in order. Returns the words
// taken, in order. "-style" with any other name stays for the toolkit.
std::vector<std::string> TakeChartStyleWords(int& argc, char* argv[]);

// What the command line does beyond changing the chart settings.
struct CommandLineActions {
  // Loads a chart data file as the Open button does; reports failures itself.
  std::function<void(const std::string& fileName)> loadFile;
  // Toggles relative-cursor mode as the "&Relative Cursor" menu item does.
  std::function<void()> toggleRelativeCursor;
  // Told of a word the command line cannot use (an unknown property model or style); may be
  // empty.
  std::function<void(const std::string& message)> reportError = nullptr;
  // The weather station's elevation (m), which "-alt station" takes; none without weather,
  // when "-alt station" is reported.
  std::optional<double> stationElevation = std::nullopt;
  // Told of a value the chart holds to its limits (a pressure outside the band); may be empty.
  std::function<void(const std::string& message)> reportNote = nullptr;
};

// Why the command line (the arguments without the program name) cannot run, for a chart in
// the given units: an option missing a value (the line ends, or an option word stands where
// the value should), a number that does not read completely ("9O", "1.2.3", "", "nan"), a
// temperature at or below absolute zero, or "-graph" ranges whose lower end is not below the
// upper one once the highest temperature is held to 100 °C and the lowest moisture content to
// 0. The message names the option and the word. A command line of two characters or fewer is
// never refused: it does nothing.
Result<> CheckCommandLine(const std::vector<std::string>& arguments, UnitSystem units);

// The words ProcessCommandLine loads as chart data files, in order.
std::vector<std::string> ChartFileWords(const std::vector<std::string>& arguments);

// Applies the command line (the arguments without the program name) in order: "-graph tMin
// tMax hMin hMax", "-bar p", "-cursor t rh", "-arrow t rh", "-alt metres" (the pressure of
// that altitude; "-alt station" that of the weather station's elevation), "-props ashrae" or "-props chart" (the property model) and "-style clear" or
// "-style classic" (the chart's look); option words and names in any letter case, numbers
// whole (signs and exponents allowed); any other argument names a chart data file. "-units si"
// or "-units ip", wherever it stands, is applied first: every number is then read in those
// units (°F, gr/lb, psia, ft for inch-pound), and a chart that changes units starts on that
// system's default ranges. A command line CheckCommandLine refuses changes nothing and its
// reason goes to reportError; "-props", "-style" and "-units" with a name they do not know are
// reported and skipped, and a pressure held to the band is told to reportNote. A command line
// of two characters or fewer does nothing.
void ProcessCommandLine(const std::vector<std::string>& arguments, ChartSettings& settings,
                        const CommandLineActions& actions);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_COMMANDS_COMMAND_LINE_H
