#ifndef HYGROVIA_APP_OUTPUT_TABLE_CLIPBOARD_H
#define HYGROVIA_APP_OUTPUT_TABLE_CLIPBOARD_H

#include "base/text_cells.h"

namespace hygrovia {

// Puts the table on the clipboard twice over: as tab-separated text, which spreadsheets paste
// into columns, and as an HTML table for word processors.
void CopyTableToClipboard(const TextCells& cells);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_OUTPUT_TABLE_CLIPBOARD_H
