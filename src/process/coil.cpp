#include "process/coil.h"

#include <algorithm>
#include <cmath>

#include "base/chart_limits.h"
#include "psychro/air_state.h"

namespace hygrovia {
namespace {

constexpr int kMostHalvings = 60;
constexpr double kSearchWidth = 1.0e-9;

// How far past the second state the line is followed, in steps of the step's own length.
constexpr int kMostStretches = 400;

// Positive while the point s along the line (0 the first state, 1 the second) lies below
// saturation.
double Headroom(const AirState& air, double t1, double w1, double dt, double dw, double s) {
  const double t = t1 + s * dt;
  return air.SaturationHumidity(t) - (w1 + s * dw);
}

}  // namespace

std::optional<CoilFigures> CoilOf(const AirState& air, double t1, double w1, double t2, double w2) {
  const double dt = t2 - t1;
  const double dw = w2 - w1;
  if (!(dt < 0.0) || !(dw < 0.0)) return std::nullopt;
  // Steps of a fraction of the step's length past the second state find a point at or above
  // saturation; the crossing is then halved down. The search stops where the line leaves the
  // chart's temperatures or runs out of moisture.
  const double stretch = std::min(1.0, 1.0 / std::abs(dt));
  double below = 1.0;
  if (Headroom(air, t1, w1, dt, dw, below) < 0.0) return std::nullopt;
  double above = below;
  for (int i = 0;; ++i) {
    if (i == kMostStretches) return std::nullopt;
    above = below + stretch;
    if (t1 + above * dt < -double{kHighestTemperature} || w1 + above * dw < 0.0) {
      return std::nullopt;
    }
    if (Headroom(air, t1, w1, dt, dw, above) <= 0.0) break;
    below = above;
  }
  for (int i = 0; i < kMostHalvings && above - below > kSearchWidth; ++i) {
    const double mid = 0.5 * (below + above);
    (Headroom(air, t1, w1, dt, dw, mid) > 0.0 ? below : above) = mid;
  }
  const double adp = t1 + 0.5 * (below + above) * dt;
  if (!(t1 - adp > 0.0)) return std::nullopt;
  CoilFigures coil;
  coil.ApparatusDewPoint = adp;
  coil.BypassFactor = (t2 - adp) / (t1 - adp);
  coil.ContactFactor = 1.0 - coil.BypassFactor;
  return coil;
}

}  // namespace hygrovia
