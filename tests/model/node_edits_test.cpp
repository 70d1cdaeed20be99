#include "model/node_edits.h"

#include <vector>

#include <gtest/gtest.h>

#include "model/node_list.h"

namespace hygrovia {
namespace {

// A list of count nodes whose dry bulbs are 1, 2, 3 ... so the order can be read back.
NodeList Numbered(int count, std::int32_t selected) {
  NodeList nodes;
  for (int i = 0; i < count; ++i) nodes.AppendPoint(static_cast<float>(i + 1), 5.0f);
  nodes.Selected = selected;
  return nodes;
}

std::vector<int> Order(const NodeList& nodes) {
  std::vector<int> order;
  for (std::int32_t i = 0; nodes.IsValidIndex(i); ++i) {
    order.push_back(static_cast<int>(nodes.GetNode(i).X));
  }
  return order;
}

TEST(NodeEditsTest, MoveKeepsTheSelectionOnItsNode) {
  struct Case {
    std::int32_t selected, from, to;
    bool done;
    std::vector<int> order;
    std::int32_t selectedAfter;
  };
  const Case cases[] = {
      {1, 1, 2, true, {1, 3, 2, 4}, 2},    // the selected node moves down
      {2, 1, 2, true, {1, 3, 2, 4}, 1},    // its neighbour moves past it
      {0, 3, 0, true, {4, 1, 2, 3}, 1},    // the last to the top
      {3, 0, 3, true, {2, 3, 4, 1}, 2},    // the first to the bottom
      {-1, 2, 1, true, {1, 3, 2, 4}, -1},  // no selection stays none
      {1, 0, 4, false, {1, 2, 3, 4}, 1},   // beyond the list
      {1, -1, 2, false, {1, 2, 3, 4}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to);
    NodeList nodes = Numbered(4, c.selected);
    EXPECT_EQ(MoveNode(nodes, c.from, c.to), c.done);
    EXPECT_EQ(Order(nodes), c.order);
    EXPECT_EQ(nodes.Selected, c.selectedAfter);
  }
}

TEST(NodeEditsTest, DeleteAndInsertByIndex) {
  struct Case {
    int count;
    std::int32_t selected;
    bool insert;
    std::int32_t index;
    bool done;
    std::vector<int> order;
    std::int32_t selectedAfter;
  };
  const Case cases[] = {
      {4, 3, false, 1, true, {1, 3, 4}, 2},  // a later selection keeps its node
      {4, 0, false, 1, true, {1, 3, 4}, 0},
      {4, 1, false, 1, true, {1, 3, 4}, 1},  // the following node takes the selection
      {1, 0, false, 0, true, {}, 0},
      {3, 0, false, 3, false, {1, 2, 3}, 0},
      {3, 0, true, 1, true, {1, 2, 9, 3}, 2},  // inserted after node 2 and selected
      {3, 0, true, 2, true, {1, 2, 3, 9}, 3},
      {3, 0, true, 3, false, {1, 2, 3}, 0},
      {NodeList::kCapacity, 0, true, 0, false, {}, 0},  // no room
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.insert ? "insert after " : "delete ") << c.index);
    NodeList nodes = Numbered(c.count, c.selected);
    const bool done =
        c.insert ? InsertNodeAfter(nodes, c.index, {9.0f, 5.0f}) : DeleteNode(nodes, c.index);
    EXPECT_EQ(done, c.done);
    if (c.count < NodeList::kCapacity) {
      EXPECT_EQ(Order(nodes), c.order);
    }
    EXPECT_EQ(nodes.Count, c.count + (done ? (c.insert ? 1 : -1) : 0));
    EXPECT_EQ(nodes.Selected, c.selectedAfter);
  }
}

}  // namespace
}  // namespace hygrovia
