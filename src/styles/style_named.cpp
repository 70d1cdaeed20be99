#include "styles/style_named.h"

#include "styles/classic_style.h"
#include "styles/clear_style.h"

namespace hygrovia {

const ChartStyle& StyleNamed(ChartStyleName name) {
  return name == ChartStyleName::Clear ? ClearStyle() : ClassicStyle();
}

}  // namespace hygrovia
