#ifndef HYGROVIA_MODEL_NODE_LIST_H
#define HYGROVIA_MODEL_NODE_LIST_H

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/chart_point.h"

namespace hygrovia {

class ChartSettings;
class DrawingSurface;

// The user's data points (nodes) on the chart, in world coordinates (°C, g/kg): at most
// kCapacity of them, kept in order, numbered from 1 on the chart and joined by lines in list
// order. One of them may be selected.
//
// Selected is not kept in range by every operation (deleting the last node or clearing the
// list may leave it beyond Count); every user of the selection checks it with IsValidIndex.
// Marks are drawn in XOR mix mode with a cyan pen, so drawing them again erases them.
//
// Count is public and written by the data file reader; a Count outside 0 .. kCapacity is read
// as the nearest end, so no operation ever reaches past the points.
class NodeList {
 public:
  static constexpr std::int32_t kCapacity = 24;
  // Pixels within which a press takes hold of a node or of a line between nodes.
  static constexpr float kHitTolerance = 10.0f;
  // Half size of a node's square, pixels.
  static constexpr int kSquareHalf = 3;

  // Longest name of a node, bytes of UTF-8.
  static constexpr std::size_t kLongestName = 32;

  // What a node carries beside its place: the user's short name for the state ("OA",
  // "Off coil"), and for a point made by mixing two streams the dry-air mass flow (kg/s) that
  // leaves it, the sum of the two (0 for any other point). Tags move with their points.
  struct Tag {
    std::string Name;
    double JoinedFlow = 0.0;
  };

  std::int32_t Count = 0;
  std::array<ChartPoint, kCapacity> Points{};
  std::array<Tag, kCapacity> Tags{};
  std::int32_t Selected = -1;

  // Empty, nothing selected, every point (0, 0).
  void Reset();
  // Empties the list and keeps everything else ("Clear Nodes", loading a file).
  void Clear();

  bool IsValidIndex(std::int32_t i) const;
  // The node at i, or (0, 0) when i is not valid.
  ChartPoint GetNode(std::int32_t i) const;
  // Moves node i when i is valid; nothing is constrained or drawn. A non-finite coordinate
  // keeps the node's previous one.
  void SetNode(std::int32_t i, float x, float y);

  // Node i's name, empty when it has none or i is not valid.
  std::string_view Name(std::int32_t i) const;
  // Names node i with text kept to one line: control characters become spaces, the ends are
  // trimmed and the rest cut to kLongestName bytes on a character's boundary.
  void SetName(std::int32_t i, std::string_view text);
  // True when some node has a name.
  bool AnyNamed() const;

  // Appends the cursor point, with no tag, and selects it; false when the list is full.
  bool AddAtCursor(ChartPoint cursor);
  // Appends (x, y) and selects it; a full list drops the point silently. Always true.
  bool AppendPoint(float x, float y);
  // Duplicates the selected node; the selection moves to the later copy, which has no tag. False
  // when the list is empty or full or nothing is selected.
  bool InsertCopy();
  // Removes the selected node; the following node becomes selected. The only node is removed
  // whatever the selection. False when nothing is selected.
  bool DeleteSelected();

  // Numbers, connecting lines and squares of every node; a second call erases the lines and
  // squares and draws the numbers again. False and nothing drawn when the list is empty.
  bool DrawNodes(DrawingSurface& surface) const;
  // Moves the inverted inside from the selected node's square to node i's and selects i,
  // also when i is not valid. Always true.
  bool SelectNode(std::int32_t i, DrawingSurface& surface);
  // The node within kHitTolerance of pixel (x, y), nearest first and the later one on a tie,
  // which becomes selected; else, on a line between nodes, the current selection unchanged
  // (possibly not a valid index); else -1.
  std::int32_t HitTest(int x, int y, DrawingSurface& surface);
  // The node whose mark lies within kHitTolerance of pixel (x, y), chosen as HitTest chooses
  // it, without selecting anything; -1 when none.
  std::int32_t NodeAt(int x, int y, const DrawingSurface& surface) const;
  // Moves the selected node to (x, y) held by the chart's ConstrainPoint, redrawing its square
  // and its lines by XOR. False when nothing is selected.
  bool MoveSelectedTo(float x, float y, const ChartSettings& settings, DrawingSurface& surface);
  // MoveSelectedTo the snapped world point under pixel (x, y).
  void DragSelectedTo(int x, int y, const ChartSettings& settings, DrawingSurface& surface);

 private:
  // Count held to 0 .. kCapacity.
  std::int32_t UsedCount() const;
  void DrawSelectedLinks(DrawingSurface& surface) const;
};

}  // namespace hygrovia

#endif  // HYGROVIA_MODEL_NODE_LIST_H
