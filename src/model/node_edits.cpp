#include "model/node_edits.h"

#include <algorithm>
#include <cstddef>

#include "model/node_list.h"

namespace hygrovia {

bool MoveNode(NodeList& nodes, std::int32_t from, std::int32_t to) {
  if (!nodes.IsValidIndex(from) || !nodes.IsValidIndex(to)) return false;
  const auto rotate = [from, to](auto begin) {
    if (from < to) {
      std::rotate(begin + from, begin + from + 1, begin + to + 1);
    } else {
      std::rotate(begin + to, begin + from, begin + from + 1);
    }
  };
  rotate(nodes.Points.begin());
  rotate(nodes.Tags.begin());
  std::int32_t& selected = nodes.Selected;
  if (selected == from) {
    selected = to;
  } else if (from < selected && selected <= to) {
    --selected;
  } else if (to <= selected && selected < from) {
    ++selected;
  }
  return true;
}

bool DeleteNode(NodeList& nodes, std::int32_t index) {
  if (!nodes.IsValidIndex(index)) return false;
  const std::int32_t selected = nodes.Selected;
  nodes.Selected = index;
  nodes.DeleteSelected();
  nodes.Selected = selected > index ? selected - 1 : selected;
  return true;
}

bool InsertNodeAfter(NodeList& nodes, std::int32_t index, ChartPoint point) {
  if (!nodes.IsValidIndex(index) || nodes.Count >= NodeList::kCapacity) return false;
  nodes.Selected = index;
  nodes.InsertCopy();
  nodes.SetNode(nodes.Selected, point.X, point.Y);
  return true;
}

}  // namespace hygrovia
