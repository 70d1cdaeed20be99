#include "app/commands/command_line.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <span>

#include "base/absolute_zero.h"
#include "base/chart_limits.h"
#include "base/chart_point.h"
#include "base/number_text.h"
#include "model/chart_grid.h"
#include "model/chart_settings.h"
#include "model/measured_state.h"
#include "psychro/ashrae_model.h"
#include "units/quantity_text.h"

namespace hygrovia {
namespace {

enum class Option {
  Graph,
  Bar,
  Cursor,
  Arrow,
  Altitude,
  Properties,
  Style,
  Units,
  State,
  NoWindowOnly
};

constexpr std::size_t kMostNumbers = 4;

// An option word, how many values follow it, what each number is, typed in the units
// chosen, and the values as the usage text names them.
struct OptionWord {
  std::string_view word;
  Option option;
  std::size_t numbers;
  std::array<Quantity, kMostNumbers> quantities;
  std::string_view values;
};

constexpr Quantity kT = Quantity::Temperature;
constexpr Quantity kW = Quantity::Moisture;
constexpr Quantity kRh = Quantity::RelativeHumidity;

// "-props", "-style" and "-units" take a name rather than a number. The filters and airflow
// of runs without a window, and the weather file the window shows on its own, are passed over
// here with their values, so that a window start does not take them for chart files.
constexpr std::array<OptionWord, 18> kOptions{{
    {"-graph", Option::Graph, 4, {kT, kT, kW, kW}, "tMin tMax hMin hMax"},
    {"-bar", Option::Bar, 1, {Quantity::Pressure}, "a pressure"},
    {"-cursor", Option::Cursor, 2, {kT, kRh}, "t rh"},
    {"-arrow", Option::Arrow, 2, {kT, kRh}, "t rh"},
    {"-alt", Option::Altitude, 1, {Quantity::Altitude}, "an altitude"},
    {"-props", Option::Properties, 1, {}, "ashrae or chart"},
    {"-style", Option::Style, 1, {}, "clear or classic"},
    {"-units", Option::Units, 1, {}, "si or ip"},
    {"-months", Option::NoWindowOnly, 1, {}, "A-B"},
    {"-hours", Option::NoWindowOnly, 1, {}, "A-B"},
    {"-flow", Option::NoWindowOnly, 1, {}, "an airflow"},
    {"-flow-ref", Option::NoWindowOnly, 1, {}, "first, standard or mass"},
    {"-state", Option::State, 3, {}, "T KIND VALUE: a dry bulb, rh, wb, dp, w or h, a value"},
    {"--weather", Option::NoWindowOnly, 1, {}, "a weather file (.epw)"},
    {"-comfort", Option::NoWindowOnly, 4, {}, "MET CLO_SUMMER CLO_WINTER SPEED"},
    {"-humidity-limit", Option::NoWindowOnly, 1, {}, "a moisture content or off"},
    {"-design-marks", Option::NoWindowOnly, 1, {}, "on or off"},
    {"-adaptive", Option::NoWindowOnly, 1, {}, "a month or off"},
}};

// The original Windows program saw the command line as one string and ignored it when it
// held two characters or fewer.
constexpr std::size_t kShortestCommandLine = 3;

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameWordIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

const OptionWord* FindOption(std::string_view word) {
  for (const auto& option : kOptions) {
    if (SameWordIgnoringCase(word, option.word)) return &option;
  }
  return nullptr;
}

// A word that stands where a value should and is none: an option of the chart or of a run
// without a window.
bool IsOptionWord(std::string_view word) {
  return FindOption(word) != nullptr || word.starts_with("--");
}

// The number a whole word writes (a sign, digits, a full stop, an exponent), when it is finite.
std::optional<double> WholeNumber(std::string_view text) {
  const std::optional<ParsedNumber> parsed = ParseNumber(text);
  if (!parsed || parsed->length != text.size() || !std::isfinite(parsed->value)) {
    return std::nullopt;
  }
  return parsed->value;
}

// A number of the command line, typed in the chart's units, in SI as the chart's float; values
// beyond the float range become the largest float of their sign rather than an undefined
// conversion. Only words CheckCommandLine let pass come here.
float NumberArgument(const std::string& text, Quantity quantity, const QuantityText& units) {
  constexpr double kLargest = std::numeric_limits<float>::max();
  const double value = units.FromShown(quantity, WholeNumber(text).value_or(0.0));
  return static_cast<float>(std::clamp(value, -kLargest, kLargest));
}

std::size_t CommandLineLength(const std::vector<std::string>& arguments) {
  std::size_t length = 0;
  for (const auto& argument : arguments) length += argument.size() + 1;
  return length == 0 ? 0 : length - 1;
}

void SetConstrainedPoint(ChartSettings& settings, ChartPoint& point, float t, float rh) {
  point = ChartPoint{t, rh};
  settings.ConstrainPoint(point, VerticalAxisUnits::RelativeHumidity);
}

// The barometric pressure (kPa) at an altitude (m), as the chart's float.
float PressureAtAltitude(float altitude) {
  constexpr double kLargest = std::numeric_limits<float>::max();
  return static_cast<float>(std::min(ashrae::PressureAtAltitude(altitude), kLargest));
}

// "-props ashrae" or "-props chart".
void ApplyProperties(const std::string& name, ChartSettings& settings,
                     const CommandLineActions& actions) {
  if (SameWordIgnoringCase(name, "ashrae")) {
    settings.SetPropertyModel(PropertyModel::Ashrae2017);
  } else if (SameWordIgnoringCase(name, "chart")) {
    settings.SetPropertyModel(PropertyModel::ChartFormulas);
  } else if (actions.reportError) {
    actions.reportError("unknown property model \"" + name + "\": give ashrae or chart");
  }
}

// "-style clear" or "-style classic".
void ApplyStyle(const std::string& name, ChartSettings& settings,
                const CommandLineActions& actions) {
  if (const std::optional<ChartStyleName> style = ChartStyleFromText(name)) {
    settings.SetChartStyle(*style);
  } else if (actions.reportError) {
    actions.reportError("unknown chart style \"" + name + "\": give clear or classic");
  }
}

// "-units si" or "-units ip": a chart in other units than it had starts on their ranges.
void ApplyUnits(const std::string& name, ChartSettings& settings,
                const CommandLineActions& actions) {
  UnitSystem system = UnitSystem::Si;
  if (SameWordIgnoringCase(name, "ip")) {
    system = UnitSystem::Ip;
  } else if (!SameWordIgnoringCase(name, "si")) {
    if (actions.reportError) actions.reportError("unknown units \"" + name + "\": give si or ip");
    return;
  }
  if (settings.GetUnits().System() == system) return;
  settings.SetUnitSystem(system);
  UseDefaultRanges(settings);
}

// "-alt station": the pressure of the weather station's elevation.
void ApplyStationAltitude(ChartSettings& settings, const CommandLineActions& actions) {
  if (actions.stationElevation) {
    settings.SetPressure(PressureAtAltitude(static_cast<float>(*actions.stationElevation)));
  } else if (actions.reportError) {
    actions.reportError("-alt station needs a weather file: give --weather FILE.epw");
  }
}

// The quantity a "-state" reading of kind is typed as.
Quantity QuantityOf(MeasuredKind kind) {
  switch (kind) {
    case MeasuredKind::RelHumidity:
      return Quantity::RelativeHumidity;
    case MeasuredKind::Moisture:
      return Quantity::Moisture;
    case MeasuredKind::Enthalpy:
      return Quantity::Enthalpy;
    case MeasuredKind::WetBulb:
    case MeasuredKind::DewPoint:
      break;
  }
  return Quantity::Temperature;
}

// "-state T KIND VALUE": the cursor at dry bulb T with the reading VALUE of KIND, both in the
// units chosen; a word it cannot use or a pair no air has is reported and changes nothing.
void ApplyState(const std::string* values, ChartSettings& settings,
                const CommandLineActions& actions) {
  const auto refuse = [&actions](const std::string& why) {
    if (actions.reportError) actions.reportError("-state: " + why);
  };
  const std::optional<MeasuredKind> kind = MeasuredKindFromWord(values[1]);
  if (!kind) {
    refuse("unknown reading \"" + values[1] + "\": give rh, wb, dp, w or h");
    return;
  }
  const std::optional<double> t = WholeNumber(values[0]);
  const std::optional<double> value = WholeNumber(values[2]);
  if (!t || !value) {
    refuse("\"" + (t ? values[2] : values[0]) + "\" is not a number");
    return;
  }
  const QuantityText& units = settings.GetUnits();
  const Result<ChartPoint> state =
      MeasuredState(settings.CursorState(), units, units.FromShown(Quantity::Temperature, *t),
                    *kind, units.FromShown(QuantityOf(*kind), *value));
  if (!state) {
    refuse(values[0] + " " + values[1] + " " + values[2] + ": " + state.Message());
    return;
  }
  settings.Cursor = *state;
  settings.ConstrainPoint(settings.Cursor, VerticalAxisUnits::AbsoluteHumidity);
}

// Calls apply with every option word the command line holds and the index of its first value,
// and load with every other word; stops at an option without all its values (which
// CheckCommandLine refuses before).
template <typename Apply, typename Load>
void ForEachWord(const std::vector<std::string>& arguments, Apply apply, Load load) {
  std::size_t i = 0;
  while (i < arguments.size()) {
    const std::string& word = arguments[i++];
    if (word.empty()) continue;
    const OptionWord* option = FindOption(word);
    if (option == nullptr) {
      load(word);
      continue;
    }
    if (arguments.size() - i < option->numbers) return;
    apply(*option, i);
    i += option->numbers;
  }
}

// Sets the pressure; one held to the band is told, so that a script knows its pressure was not
// the one used.
void SetPressureTelling(ChartSettings& settings, float p, const CommandLineActions& actions) {
  if (settings.SetPressure(p) || !actions.reportNote) return;
  const QuantityText& units = settings.GetUnits();
  const std::string unit(units.Unit(Quantity::Pressure));
  const auto shown = [&units, &unit](double value) {
    return units.Number(Quantity::Pressure, value, 3) + " " + unit;
  };
  actions.reportNote(shown(p) + " is outside " +
                     units.Number(Quantity::Pressure, kLowestPressure, 3) + "-" +
                     shown(kHighestPressure) + "; the chart uses " + shown(settings.GetPressure()));
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

bool TakesNumbers(Option option) {
  return option == Option::Graph || option == Option::Bar || option == Option::Cursor ||
         option == Option::Arrow || option == Option::Altitude;
}

// An option of the command line and where its values start.
struct OptionAt {
  const OptionWord* option;
  std::size_t at;
};

// Every option with the index of its first value; refused when a value is missing.
Result<std::vector<OptionAt>> OptionsOf(const std::vector<std::string>& arguments) {
  std::vector<OptionAt> found;
  std::size_t i = 0;
  while (i < arguments.size()) {
    const std::string& word = arguments[i++];
    const OptionWord* option = word.empty() ? nullptr : FindOption(word);
    if (option == nullptr) continue;
    for (std::size_t k = 0; k < option->numbers; ++k) {
      if (i + k >= arguments.size() || IsOptionWord(arguments[i + k])) {
        return Failed(word + " needs " + std::string(option->values));
      }
    }
    found.push_back({option, i});
    i += option->numbers;
  }
  return found;
}

// The units every number is read in: the last "-units" with a name it knows, else the chart's.
UnitSystem ChosenUnits(const std::vector<std::string>& arguments,
                       const std::vector<OptionAt>& options, UnitSystem units) {
  for (const OptionAt& o : options) {
    if (o.option->option != Option::Units) continue;
    if (SameWordIgnoringCase(arguments[o.at], "ip")) units = UnitSystem::Ip;
    if (SameWordIgnoringCase(arguments[o.at], "si")) units = UnitSystem::Si;
  }
  return units;
}

// "-graph": each range must run upwards as the chart stores it (the highest temperature held
// to kHighestTemperature, the lowest moisture content to 0) and as its file keeps it.
Result<> CheckRanges(const std::string& option, std::span<const std::string> words,
                     std::span<const double> n, const QuantityText& units) {
  const auto capped = [&units](Quantity quantity, double value) {
    return units.Number(quantity, value) + " " + std::string(units.Unit(quantity)) +
           " (the chart's limit)";
  };
  const double tMax = std::min(n[1], static_cast<double>(kHighestTemperature));
  if (!(AsSavedInFile(static_cast<float>(n[0])) < AsSavedInFile(static_cast<float>(tMax)))) {
    const std::string high = n[1] > tMax ? capped(kT, tMax) : words[1];
    return Failed(option + ": the lowest temperature, " + words[0] +
                  ", is not below the highest, " + high);
  }
  const double hMin = std::max(n[2], 0.0);
  if (!(AsSavedInFile(static_cast<float>(hMin)) < AsSavedInFile(static_cast<float>(n[3])))) {
    const std::string low = n[2] < hMin ? capped(kW, hMin) : words[2];
    return Failed(option + ": the lowest moisture content, " + low +
                  ", is not below the highest, " + words[3]);
  }
  return Done();
}

// The numbers of one option: whole, and temperatures above absolute zero.
Result<> CheckNumbers(const std::vector<std::string>& arguments, const OptionAt& o,
                      const QuantityText& units) {
  const std::string& word = arguments[o.at - 1];
  std::array<double, kMostNumbers> values{};
  for (std::size_t k = 0; k < o.option->numbers; ++k) {
    const std::string& text = arguments[o.at + k];
    const std::optional<double> number = WholeNumber(text);
    if (!number) return Failed("bad number " + Quoted(text) + " after " + word);
    const Quantity quantity = o.option->quantities[k];
    values[k] = units.FromShown(quantity, *number);
    if (quantity == kT && !IsAboveAbsoluteZero(values[k])) {
      const std::string unit(units.Unit(kT));
      return Failed(word + ": " + text + " " + unit + " is at or below absolute zero, " +
                    units.Number(kT, kAbsoluteZero, 2) + " " + unit);
    }
  }
  if (o.option->option != Option::Graph) return Done();
  return CheckRanges(word, std::span<const std::string>(arguments).subspan(o.at, 4),
                     std::span<const double>(values.data(), 4), units);
}

void ApplyOption(Option option, std::span<const float> n, ChartSettings& settings,
                 const CommandLineActions& actions) {
  switch (option) {
    case Option::Graph:
      settings.SetRanges(n[0], n[2], n[1], n[3]);
      break;
    case Option::Bar:
      SetPressureTelling(settings, n[0], actions);
      break;
    case Option::Cursor:
      SetConstrainedPoint(settings, settings.Cursor, n[0], n[1]);
      break;
    case Option::Arrow:
      SetConstrainedPoint(settings, settings.Arrow, n[0], n[1]);
      if (actions.toggleRelativeCursor) actions.toggleRelativeCursor();
      break;
    case Option::Altitude:
      SetPressureTelling(settings, PressureAtAltitude(n[0]), actions);
      break;
    case Option::Properties:  // take a name, applied before numbers are read
    case Option::Style:
    case Option::Units:  // applied before any other option
    case Option::State:  // takes a word among its numbers
    case Option::NoWindowOnly:
      break;
  }
}

}  // namespace

StartupRequest ReadStartupRequest(const std::vector<std::string>& arguments) {
  const auto asked = [&arguments](std::string_view word) {
    return std::find(arguments.begin(), arguments.end(), word) != arguments.end();
  };
  if (asked("--help")) return StartupRequest::Usage;
  if (asked("--version")) return StartupRequest::Version;
  return StartupRequest::Run;
}

std::string UsageText() {
  return "Usage: hygrovia [option numbers...] [file.hgv...]\n"
         "Shows the psychrometric chart of moist air.\n"
         "\n"
         "  -graph tMin tMax hMin hMax  temperature range (°C) and moisture range (g/kg)\n"
         "  -bar p                      barometric pressure (kPa)\n"
         "  -cursor t rh                cursor at dry bulb t (°C) and relative humidity rh (%)\n"
         "  -arrow t rh                 arrow at t (°C) and rh (%), relative cursor toggled\n"
         "  -alt metres                 barometric pressure at that altitude (m)\n"
         "  -props ashrae|chart         properties after ASHRAE 2017 or the chart's formulas\n"
         "  -style clear|classic        the labelled chart on white, or the chart's own look\n"
         "  -units si|ip                SI units, or inch-pound units in which every number of\n"
         "                              the other options is read (°F, gr/lb, psia, ft)\n"
         "  -state t rh|wb|dp|w|h value cursor at dry bulb t with a relative humidity, wet bulb,\n"
         "                              dew point, moisture content or enthalpy as measured\n"
         "  file.hgv                    loads a chart data file\n"
         "  --help                      shows this text\n"
         "  --version                   shows the program's version\n"
         "\n"
         "Options act from left to right on the chart as it stands. Numbers are read whole\n"
         "(signs and exponents allowed); a word that is no number, an option without its\n"
         "values, a temperature at or below absolute zero or a range that does not run\n"
         "upwards stops the start with exit status 2.\n";
}

std::vector<std::string> TakeChartStyleWords(int& argc, char* argv[]) {
  std::vector<std::string> taken;
  int kept = argc > 0 ? 1 : 0;
  for (int i = kept; i < argc; ++i) {
    const bool styleWord = i + 1 < argc && SameWordIgnoringCase(argv[i], "-style") &&
                           ChartStyleFromText(argv[i + 1]).has_value();
    if (styleWord) {
      taken.emplace_back(argv[i]);
      taken.emplace_back(argv[i + 1]);
      ++i;
      continue;
    }
    argv[kept++] = argv[i];
  }
  if (kept < argc) argv[kept] = nullptr;
  argc = kept;
  return taken;
}

Result<> CheckCommandLine(const std::vector<std::string>& arguments, UnitSystem units) {
  if (CommandLineLength(arguments) < kShortestCommandLine) return Done();
  const Result<std::vector<OptionAt>> options = OptionsOf(arguments);
  if (!options) return Failed(options.Message());
  const QuantityText shown = QuantityText::Of(ChosenUnits(arguments, *options, units));
  for (const OptionAt& o : *options) {
    if (!TakesNumbers(o.option->option)) continue;
    // "-alt station" names the weather station's elevation rather than a number.
    if (o.option->option == Option::Altitude && SameWordIgnoringCase(arguments[o.at], "station")) {
      continue;
    }
    if (Result<> checked = CheckNumbers(arguments, o, shown); !checked) return checked;
  }
  return Done();
}

std::vector<std::string> ChartFileWords(const std::vector<std::string>& arguments) {
  std::vector<std::string> files;
  if (CommandLineLength(arguments) < kShortestCommandLine) return files;
  ForEachWord(
      arguments, [](const OptionWord&, std::size_t) {},
      [&files](const std::string& word) { files.push_back(word); });
  return files;
}

void ProcessCommandLine(const std::vector<std::string>& arguments, ChartSettings& settings,
                        const CommandLineActions& actions) {
  if (CommandLineLength(arguments) < kShortestCommandLine) return;
  if (const Result<> usable = CheckCommandLine(arguments, settings.GetUnits().System()); !usable) {
    if (actions.reportError) actions.reportError(usable.Message());
    return;
  }
  // The units first, wherever they stand, so that every number is read in them.
  ForEachWord(
      arguments,
      [&](const OptionWord& option, std::size_t at) {
        if (option.option == Option::Units) ApplyUnits(arguments[at], settings, actions);
      },
      [](const std::string&) {});
  ForEachWord(
      arguments,
      [&](const OptionWord& option, std::size_t at) {
        if (option.option == Option::Units || option.option == Option::NoWindowOnly) return;
        if (option.option == Option::Properties) {
          ApplyProperties(arguments[at], settings, actions);
          return;
        }
        if (option.option == Option::Style) {
          ApplyStyle(arguments[at], settings, actions);
          return;
        }
        if (option.option == Option::Altitude && SameWordIgnoringCase(arguments[at], "station")) {
          ApplyStationAltitude(settings, actions);
          return;
        }
        if (option.option == Option::State) {
          ApplyState(&arguments[at], settings, actions);
          return;
        }
        std::array<float, kMostNumbers> numbers{};
        for (std::size_t k = 0; k < option.numbers; ++k) {
          numbers[k] = NumberArgument(arguments[at + k], option.quantities[k], settings.GetUnits());
        }
        ApplyOption(option.option, std::span<const float>(numbers.data(), option.numbers), settings,
                    actions);
      },
      [&](const std::string& fileName) {
        if (actions.loadFile) actions.loadFile(fileName);
      });
}

}  // namespace hygrovia
