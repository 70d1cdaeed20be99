#include "data/table_text.h"

#include <string>

#include <gtest/gtest.h>

#include "process/process_cells.h"
#include "process/process_table.h"
#include "support/comma_locale.h"
#include "support/test_chart.h"
#include "units/quantity_text.h"

namespace hygrovia {
namespace {

TEST(TableTextTest, CellsThatNeedQuotingOrEscaping) {
  struct Case {
    const char* cell;
    const char* csv;
    const char* tab;
    const char* html;
  };
  const Case cases[] = {
      {"25.00", "25.00", "25.00", "25.00"},
      {"", "", "", ""},
      {"a,b", "\"a,b\"", "a,b", "a,b"},
      {"say \"hi\"", "\"say \"\"hi\"\"\"", "say \"hi\"", "say &quot;hi&quot;"},
      {"two\nlines", "\"two\nlines\"", "two lines", "two\nlines"},
      {"tab\there", "tab\there", "tab here", "tab\there"},
      {" padded", "\" padded\"", " padded", " padded"},
      {"<b>&", "<b>&", "<b>&", "&lt;b&gt;&amp;"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cell);
    const TextCells cells = {{"h"}, {c.cell}};
    EXPECT_EQ(CsvText(cells), std::string("h\r\n") + c.csv + "\r\n");
    EXPECT_EQ(TabText(cells), std::string("h\n") + c.tab + "\n");
    EXPECT_EQ(HtmlText(cells), std::string("<table>\n<tr><th>h</th></tr>\n<tr><td>") + c.html +
                                   "</td></tr>\n</table>\n");
  }
}

// The whole file for one cooling step at 101.365 kPa, with the cursor below it; numbers carry
// a full stop even in a locale with decimal commas. The step by hand: v1 = (25 + 0.4854368 ×
// 10 + 270.5) / 350 = 0.858153 m³/kg, m = 1.16529 kg/s, Δh = -10 - 2 × 2.525252525 =
// -15.0505 kJ/kg, total = -17.538 kW, sensible = 1.16529 × -10 = -11.653 kW (the chart's
// enthalpy rises 1 kJ/kg a kelvin), latent -5.885 kW, SHR 0.664, moisture 1.16529 × -2 × 3.6 =
// -8.390 kg/h; the line W = 8 + 0.2 (t - 15) meets the Antoine saturation curve at 7.84 °C
// (between 7 °C, 6.21 g/kg under the line's 6.40, and 8 °C, 6.67 over its 6.60), bypass
// factor (15 - 7.84) / (25 - 7.84) = 0.42.
TEST(TableTextTest, ProcessTableAsCsvExactly) {
  testing::CommaLocale comma;
  testing::TestChart t;
  t.settings.Nodes.AppendPoint(25.0f, 10.0f);
  t.settings.Nodes.AppendPoint(15.0f, 8.0f);
  t.settings.Cursor = {20.0f, 5.0f};
  ProcessTable table;
  BuildProcessTable(t.settings, {1.0, FlowUnit::CubicMetresPerSecond}, table);
  const std::string expected =
      "Point,Name,Dry bulb (\xC2\xB0"
      "C),Relative humidity (%),Moisture content (g/kg),Vapour pressure (kPa),"
      "Specific volume (m\xC2\xB3/kg),Enthalpy (kJ/kg),Dew point (\xC2\xB0"
      "C),Wet bulb (\xC2\xB0"
      "C),Dry air flow (kg/s),Sensible (kW),Latent (kW),Total (kW),Moisture rate (kg/h),SHR,"
      "ADP (\xC2\xB0"
      "C),Bypass factor,Contact factor\r\n"
      "1,,25.00,49.84,10.00,1.600,0.8582,50.25,14.07,17.83,,,,,,,,,\r\n"
      "1 to 2,,-10.00,,-2.00,,,-15.05,,,1.165,-11.65,-5.89,-17.54,-8.39,0.66,7.84,0.42,0.58\r\n"
      "2,,15.00,75.23,8.00,1.280,0.8268,35.20,10.72,12.40,,,,,,,,,\r\n"
      "Cursor,,20.00,34.06,5.00,0.800,0.8369,32.63,3.95,11.44,,,,,,,,,\r\n";
  EXPECT_EQ(CsvText(ProcessTableCells(table, QuantityText::Si())), expected);
}

}  // namespace
}  // namespace hygrovia
