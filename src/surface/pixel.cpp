#include "surface/pixel.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace hygrovia {

int TruncToPixel(double value) {
  constexpr double kLowest = static_cast<double>(std::numeric_limits<int>::min());
  constexpr double kHighest = static_cast<double>(std::numeric_limits<int>::max());
  if (std::isnan(value)) {
    return 0;
  }
  if (value <= kLowest) {
    return std::numeric_limits<int>::min();
  }
  if (value >= kHighest) {
    return std::numeric_limits<int>::max();
  }
  return static_cast<int>(value);
}

int TruncToPixel(float value) { return TruncToPixel(static_cast<double>(value)); }

int OffsetPixel(int pixel, std::int64_t offset) {
  // Beyond 2^32 either way the sum saturates anyway; holding the offset there first keeps the
  // 64-bit sum itself from overflowing.
  constexpr std::int64_t kReach = std::int64_t{1} << 32;
  const std::int64_t held = offset < -kReach ? -kReach : (offset > kReach ? kReach : offset);
  const std::int64_t sum = static_cast<std::int64_t>(pixel) + held;
  if (sum < std::numeric_limits<int>::min()) {
    return std::numeric_limits<int>::min();
  }
  if (sum > std::numeric_limits<int>::max()) {
    return std::numeric_limits<int>::max();
  }
  return static_cast<int>(sum);
}

}  // namespace hygrovia
