#ifndef HYGROVIA_MODEL_NODE_EDITS_H
#define HYGROVIA_MODEL_NODE_EDITS_H

#include <cstdint>

#include "base/chart_point.h"

namespace hygrovia {

class NodeList;

// Changes of the node list by index, for the process table. The selection stays with the node
// it was on; nothing is drawn. Each returns false and changes nothing when an index is not a
// valid node or the list has no room.

// Moves node from to position to, shifting the nodes between.
bool MoveNode(NodeList& nodes, std::int32_t from, std::int32_t to);
// Removes node index; a selection on it passes to the node that follows, as DeleteSelected.
bool DeleteNode(NodeList& nodes, std::int32_t index);
// Inserts point after node index and selects it.
bool InsertNodeAfter(NodeList& nodes, std::int32_t index, ChartPoint point);

}  // namespace hygrovia

#endif  // HYGROVIA_MODEL_NODE_EDITS_H
