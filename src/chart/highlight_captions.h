#ifndef HYGROVIA_CHART_HIGHLIGHT_CAPTIONS_H
#define HYGROVIA_CHART_HIGHLIGHT_CAPTIONS_H

#include <string_view>

namespace hygrovia {

// The status line caption of highlight mode 1 to 11 while it is in force; empty for 0 and for
// any value that is no mode.
std::string_view HighlightCaption(int mode);

}  // namespace hygrovia

#endif  // HYGROVIA_CHART_HIGHLIGHT_CAPTIONS_H
