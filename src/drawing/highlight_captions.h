#ifndef HYGROVIA_DRAWING_HIGHLIGHT_CAPTIONS_H
#define HYGROVIA_DRAWING_HIGHLIGHT_CAPTIONS_H

#include <string>
#include <string_view>

namespace hygrovia {

class QuantityText;

// The status line caption of highlight mode 1 to 11 while it is in force; empty for 0 and for
// any value that is no mode. The families' captions name the unit of their lines: SI units
// here, the units given in the second form.
std::string_view HighlightCaption(int mode);
std::string HighlightCaption(int mode, const QuantityText& units);

}  // namespace hygrovia

#endif  // HYGROVIA_DRAWING_HIGHLIGHT_CAPTIONS_H
