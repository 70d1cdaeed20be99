#include "surface/pixel_lines.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace hygrovia {
namespace {

constexpr int kFullShare = 256;
constexpr std::uint32_t kOpaque = 0xFF000000u;
constexpr std::uint32_t kEvenBytes = 0x00FF00FFu;
constexpr std::uint32_t kHalves = 0x00800080u;  // rounds each lane to the nearest
constexpr double kMargin = 2.0;                 // pixels beyond the rows to which a line is cut
// Added before truncating a position that lies at most kMargin + 1 left of or above the
// rows, so that truncation rounds down.
constexpr double kShift = 8.0;

// The pixel moved share / 256 of the way to the opaque colour, all four channels at once in
// two pairs, rounded; no lane can overflow, as 255 × 256 + 128 fits in its 16 bits.
void Blend(std::uint32_t& pixel, std::uint32_t colour, int share) {
  const auto keep = static_cast<std::uint32_t>(kFullShare - share);
  const auto take = static_cast<std::uint32_t>(share);
  const std::uint32_t redBlue =
      (((pixel & kEvenBytes) * keep + (colour & kEvenBytes) * take + kHalves) >> 8) & kEvenBytes;
  const std::uint32_t alphaGreen =
      ((((pixel >> 8) & kEvenBytes) * keep + ((colour >> 8) & kEvenBytes) * take + kHalves) >> 8) &
      kEvenBytes;
  pixel = redBlue | (alphaGreen << 8);
}

// The segment cut to the rectangle from (-kMargin, -kMargin) to (xHi, yHi) (Liang and
// Barsky); false when none of it lies inside.
bool CutTo(double& x1, double& y1, double& x2, double& y2, double xHi, double yHi) {
  double enter = 0.0;
  double leave = 1.0;
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double steps[4][2] = {
      {-dx, x1 + kMargin}, {dx, xHi - x1}, {-dy, y1 + kMargin}, {dy, yHi - y1}};
  for (const auto& [p, q] : steps) {
    if (p == 0.0) {
      if (q < 0.0) return false;
      continue;
    }
    const double t = q / p;
    if (p < 0.0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
  }
  if (enter > leave) return false;
  const double ox = x1;
  const double oy = y1;
  x1 = ox + enter * dx;
  y1 = oy + enter * dy;
  x2 = ox + leave * dx;
  y2 = oy + leave * dy;
  return true;
}

// Plots along the major axis (x for a flat line, y for a steep one).
class Plotter {
 public:
  Plotter(const PixelRows& rows, bool steep, std::uint32_t rgb, double strength)
      : rows_(rows), steep_(steep), colour_(kOpaque | rgb), strength_(strength) {}

  void Plot(long long major, long long minor, double coverage) const {
    const long long x = steep_ ? minor : major;
    const long long y = steep_ ? major : minor;
    if (x < 0 || y < 0 || x >= rows_.width || y >= rows_.height) return;
    const int share = static_cast<int>(coverage * strength_ * kFullShare + 0.5);
    if (share <= 0) return;
    Blend(rows_.pixels[y * rows_.stride + x], colour_, std::min(share, kFullShare));
  }

  // The two pixels across the line at a major position, the line's centre at minor.
  void PlotPair(long long major, double minor, double weight) const {
    const long long below = static_cast<long long>(minor + kShift) - static_cast<long long>(kShift);
    const double share = minor - static_cast<double>(below);
    Plot(major, below, (1.0 - share) * weight);
    Plot(major, below + 1, share * weight);
  }

 private:
  const PixelRows& rows_;
  bool steep_;
  std::uint32_t colour_;
  double strength_;
};

}  // namespace

void BlendSmoothLine(const PixelRows& rows, double x1, double y1, double x2, double y2,
                     std::uint32_t rgb, double strength) {
  if (rows.pixels == nullptr || rows.width <= 0 || rows.height <= 0) return;
  if (!(std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2))) {
    return;
  }
  if (!CutTo(x1, y1, x2, y2, rows.width + kMargin, rows.height + kMargin)) return;
  const bool steep = std::fabs(y2 - y1) > std::fabs(x2 - x1);
  if (steep) {
    std::swap(x1, y1);
    std::swap(x2, y2);
  }
  if (x1 > x2) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  // Pixel centres at whole numbers from here on.
  x1 -= 0.5;
  y1 -= 0.5;
  x2 -= 0.5;
  y2 -= 0.5;
  const double gradient = x2 > x1 ? (y2 - y1) / (x2 - x1) : 0.0;
  const Plotter plotter(rows, steep, rgb & 0x00FFFFFFu, std::clamp(strength, 0.0, 1.0));
  // The ends: the pixel nearest each end takes the part of the line that covers it.
  const double first = std::round(x1);
  const double last = std::round(x2);
  plotter.PlotPair(static_cast<long long>(first), y1 + gradient * (first - x1),
                   first == last ? x2 - x1 : first + 0.5 - x1);
  if (first == last) return;
  plotter.PlotPair(static_cast<long long>(last), y2 + gradient * (last - x2), x2 + 0.5 - last);
  for (double x = first + 1.0; x < last; x += 1.0) {
    plotter.PlotPair(static_cast<long long>(x), y1 + gradient * (x - x1), 1.0);
  }
}

}  // namespace hygrovia
