#include "surface/print_ink.h"

#include <cmath>

namespace hygrovia {
namespace {

// sRGB's channel value (0 .. 255) as linear light.
double Linear(double channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(double r, double g, double b) {
  return 0.2126 * Linear(r) + 0.7152 * Linear(g) + 0.0722 * Linear(b);
}

double Contrast(double r, double g, double b) { return 1.05 / (Luminance(r, g, b) + 0.05); }

}  // namespace

double ContrastWithWhite(Colour colour) {
  if (IsSystemColour(colour)) return Contrast(0.0, 0.0, 0.0);
  return Contrast(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

Colour PrintInk(Colour colour) {
  if (IsSystemColour(colour) || ContrastWithWhite(colour) >= kPrintContrast) return colour;
  // Every channel scaled by the same share keeps the hue; the largest share that reads wins.
  const auto scaled = [colour](int share) {
    const auto channel = [share](std::uint8_t c) {
      return static_cast<std::uint8_t>(c * share / 255);
    };
    return Rgb(channel(RedOf(colour)), channel(GreenOf(colour)), channel(BlueOf(colour)));
  };
  for (int share = 254; share > 0; --share) {
    if (ContrastWithWhite(scaled(share)) >= kPrintContrast) return scaled(share);
  }
  return kBlack;
}

}  // namespace hygrovia
