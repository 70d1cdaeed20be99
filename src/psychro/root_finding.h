#ifndef HYGROVIA_PSYCHRO_ROOT_FINDING_H
#define HYGROVIA_PSYCHRO_ROOT_FINDING_H

#include <cmath>

namespace hygrovia {

// The root of a continuous f between low and high, where f(low) and f(high) differ in sign,
// by false position with the Illinois step (the end kept twice has its value halved), so it
// closes in faster than bisection and never leaves the bracket. Stops when two guesses lie
// within tolerance or after maxSteps evaluations; NaN when the ends do not bracket a root.
template <typename F>
double FindRoot(F f, double low, double high, double tolerance, int maxSteps = 100) {
  double fLow = f(low);
  double fHigh = f(high);
  if (fLow == 0.0) return low;
  if (fHigh == 0.0) return high;
  if (!((fLow < 0.0) != (fHigh < 0.0))) return std::nan("");
  double guess = low;
  int kept = 0;  // -1 when low was kept last time, +1 when high was
  for (int step = 0; step < maxSteps; ++step) {
    const double next = (low * fHigh - high * fLow) / (fHigh - fLow);
    const double fNext = f(next);
    if (fNext == 0.0 || std::abs(next - guess) < tolerance) return next;
    guess = next;
    if ((fNext < 0.0) == (fLow < 0.0)) {
      low = next;
      fLow = fNext;
      if (kept == 1) fHigh *= 0.5;
      kept = 1;
    } else {
      high = next;
      fHigh = fNext;
      if (kept == -1) fLow *= 0.5;
      kept = -1;
    }
  }
  return guess;
}

}  // namespace hygrovia

#endif  // HYGROVIA_PSYCHRO_ROOT_FINDING_H
