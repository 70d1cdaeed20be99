#ifndef HYGROVIA_APP_COMMANDS_CHART_KEYS_H
#define HYGROVIA_APP_COMMANDS_CHART_KEYS_H

namespace hygrovia {

class ChartSettings;
class StatusLine;

// Virtual key codes of the chart keys beside the view keys of surface/virtual_keys.h.
enum ChartKeyCode : int {
  kKeyTab = 0x09,
  kKeyPageUp = 0x21,
  kKeyPageDown = 0x22,
  kKeyInsert = 0x2D,
  kKeyDelete = 0x2E,
};

// A key pressed over the chart. With ctrl it is a view key of the drawing surface; without,
// the arrows move the selected node (or, without nodes, the cursor or in relative-cursor mode
// the arrow), Tab, Page Up and Page Down select nodes, Insert and Delete add and remove them,
// and Home, plus and minus are view keys all the same. Shift makes every step a tenth.
void ChartKeyDown(ChartSettings& chart, StatusLine& status, int virtualKey, bool ctrl, bool shift);

// The key was released: while there are nodes the chart is redrawn, so their numbers follow.
void ChartKeyUp(ChartSettings& chart);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_COMMANDS_CHART_KEYS_H
