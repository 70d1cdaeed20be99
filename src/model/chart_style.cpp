#include "model/chart_style.h"

#include <algorithm>
#include <array>


namespace hygrovia {
namespace {

constexpr std::array<std::string_view, 2> kNames = {"Classic", "Clear"};

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameWordIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

}  // namespace

std::string_view ChartStyleText(ChartStyleName name) {
  return name == ChartStyleName::Clear ? kNames[1] : kNames[0];
}

std::optional<ChartStyleName> ChartStyleFromText(std::string_view text) {
  for (const ChartStyleName name : {ChartStyleName::Classic, ChartStyleName::Clear}) {
    if (SameWordIgnoringCase(text, ChartStyleText(name))) return name;
  }
  return std::nullopt;
}

}  // namespace hygrovia
