#include "psychro/standard_atmosphere.h"

#include <algorithm>
#include <cmath>

namespace hygrovia {

double PressureAtAltitude(double altitude) {
  const double base = std::max(0.0, 1.0 - 2.25577e-5 * altitude);
  return 101.325 * std::pow(base, 5.2559);
}

}  // namespace hygrovia
