#include "surface/area_fill.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "surface/drawing_surface.h"
#include "surface/pixel.h"

namespace hygrovia {

void FillWorldRect(DrawingSurface& surface, float x1, float y1, float x2, float y2) {
  if (surface.Canvas == nullptr) return;
  const PointF a = surface.WorldToDevice(x1, y1);
  const PointF b = surface.WorldToDevice(x2, y2);
  const int left = TruncToPixel(std::min(a.x, b.x));
  const int right = TruncToPixel(std::max(a.x, b.x));
  const int top = TruncToPixel(std::min(a.y, b.y));
  const int bottom = TruncToPixel(std::max(a.y, b.y));
  if (right > left && bottom > top) surface.Canvas->FillRect(left, top, right, bottom);
}

void FillWorldPolygon(DrawingSurface& surface, std::span<const PointF> polygon) {
  if (surface.Canvas == nullptr || polygon.size() < 3) return;
  std::vector<PointF> device;
  device.reserve(polygon.size());
  float top = INFINITY;
  float bottom = -INFINITY;
  for (const PointF p : polygon) {
    const PointF d = surface.WorldToDevice(p.x, p.y);
    if (!std::isfinite(d.x) || !std::isfinite(d.y)) return;
    device.push_back(d);
    top = std::min(top, d.y);
    bottom = std::max(bottom, d.y);
  }
  const int height = surface.DeviceHeight;
  const int firstRow = std::max(TruncToPixel(std::floor(top)), -height);
  const int lastRow = std::min(TruncToPixel(std::ceil(bottom)), 2 * height);
  std::vector<float> crossings;
  for (int row = firstRow; row <= lastRow; ++row) {
    // Each row is cut through its middle.
    const float y = static_cast<float>(row) + 0.5f;
    crossings.clear();
    for (std::size_t i = 0; i < device.size(); ++i) {
      const PointF a = device[i];
      const PointF b = device[(i + 1) % device.size()];
      if ((a.y <= y) != (b.y <= y))
        crossings.push_back(a.x + (y - a.y) / (b.y - a.y) * (b.x - a.x));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      const int left = TruncToPixel(std::round(crossings[i]));
      const int right = TruncToPixel(std::round(crossings[i + 1]));
      if (right > left) surface.Canvas->FillRect(left, row, right, row + 1);
    }
  }
}

}  // namespace hygrovia
