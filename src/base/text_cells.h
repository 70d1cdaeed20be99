#ifndef HYGROVIA_BASE_TEXT_CELLS_H
#define HYGROVIA_BASE_TEXT_CELLS_H

#include <string>
#include <vector>

namespace hygrovia {

// A table as rows of UTF-8 text cells, the first row its column titles, numbers already
// written: what a window shows, the clipboard takes and a file keeps.
using TextCells = std::vector<std::vector<std::string>>;

}  // namespace hygrovia

#endif  // HYGROVIA_BASE_TEXT_CELLS_H
