#ifndef HYGROVIA_APP_COMMANDS_HEADLESS_OPTIONS_H
#define HYGROVIA_APP_COMMANDS_HEADLESS_OPTIONS_H

#include <string>
#include <string_view>
#include <vector>

#include "climate/weather_hours.h"

#include "base/result.h"

namespace hygrovia {

// Exit statuses of a run without a window.
inline constexpr int kExitDone = 0;
// A chart data file could not be read, or the table or the picture could not be written.
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;  // the command line asks for something impossible

// Largest picture side of "--size", pixels; keeps a picture's memory within 256 MiB.
inline constexpr int kLargestPictureSide = 8192;
inline constexpr int kDefaultPictureWidth = 1600;
inline constexpr int kDefaultPictureHeight = 1200;

// The kinds of picture "--export" writes, told by the file name's extension, and the chart
// page (PdfPage) that the window's export writes as its PDF; no file name asks for that one.
enum class PictureFormat { Unknown, Png, Svg, Pdf, PdfPage };

// ".png", ".svg" or ".pdf" in any letter case at the end of the name; Unknown otherwise.
PictureFormat FormatOfFileName(std::string_view fileName);

// Airflow of the process table when "-flow" does not give one, m³/s.
inline constexpr double kDefaultProcessFlow = 1.0;

// A run without a window: the chart words of the normal start, the highlight modes chosen
// in order, and what to write.
struct HeadlessOptions {
  std::vector<std::string> chartWords;  // "-graph", "-bar", "-cursor", "-arrow" and files
  std::vector<int> highlights;          // modes 0 to 11, chosen as from the menu
  bool table = false;                   // "--table": print the data table
  std::string exportFile;               // "--export FILE": empty when not asked for
  std::string pageFile;                 // "--page FILE.pdf": empty when not asked for
  PictureFormat format = PictureFormat::Unknown;
  std::string weatherFile;  // "--weather FILE.epw": empty when not asked for
  HourFilter filter;        // "-months A-B" and "-hours A-B"
  // "--process-csv FILE": the process table as CSV, "-" for standard output; empty when not
  // asked for.
  std::string processCsvFile;
  // "-flow VALUE": through every process step, m³/s, or cfm with "-units ip".
  double flow = kDefaultProcessFlow;
  bool flowGiven = false;
  int width = kDefaultPictureWidth;  // "--size WIDTHxHEIGHT"
  int height = kDefaultPictureHeight;
};

// The lines of the usage text that describe the run without a window.
std::string HeadlessUsageText();

// True when an argument is a word of a run without a window: any word that starts with "--",
// except "--help" and "--version", which the normal start answers, and "--weather" with its
// file, which a window start shows.
bool AsksForHeadlessRun(const std::vector<std::string>& arguments);

// Splits the arguments (without the program name) into the chart words, kept in their order,
// and the words "--highlight N", "--size WIDTHxHEIGHT", "--table", "--export FILE",
// "--weather FILE", "-months A-B", "-hours A-B", "--process-csv FILE" and "-flow VALUE",
// which may stand anywhere; a later "--size", "--export", "--weather", "-months", "-hours",
// "--process-csv" or "-flow" replaces an earlier one. Any other word starting with "--", a
// missing or bad value, a file name of no known picture format, a filter without weather, or
// none of "--table", "--export" and "--process-csv" is refused with a one-line message.
Result<HeadlessOptions> ReadHeadlessOptions(const std::vector<std::string>& arguments);

// The weather a window start asks for: "--weather FILE.epw" with its "-months" and "-hours".
struct WeatherRequest {
  std::string file;  // empty when no weather was asked for
  HourFilter filter;
};

// The weather words of a window start, read as a run without a window reads them; a missing
// or bad value, or a filter without weather, is refused with a one-line message.
Result<WeatherRequest> ReadWeatherRequest(const std::vector<std::string>& arguments);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_COMMANDS_HEADLESS_OPTIONS_H
