#ifndef HYGROVIA_SURFACE_COLOUR_H
#define HYGROVIA_SURFACE_COLOUR_H

#include <cstdint>

namespace hygrovia {

// A colour as the chart names it: a red, green, blue triple packed as 0x00BBGGRR, or a
// system colour (high bit set, low byte the system colour index) that the canvas resolves.
using Colour = std::uint32_t;

constexpr Colour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}

constexpr std::uint8_t RedOf(Colour c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t GreenOf(Colour c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(Colour c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }

constexpr Colour kSystemColourFlag = 0x80000000u;
constexpr bool IsSystemColour(Colour c) { return (c & kSystemColourFlag) != 0; }

constexpr Colour kButtonFace = kSystemColourFlag | 15u;  // the chart's background
constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kBlue = Rgb(0, 0, 255);
constexpr Colour kYellow = Rgb(255, 255, 0);
constexpr Colour kCyan = Rgb(0, 255, 255);

// Pen styles and mix modes carry the numbers the chart code uses for them.
enum PenStyle : int { kPenSolid = 0, kPenDotted = 2 };
enum BrushStyle : int { kBrushSolid = 0 };
enum MixMode : int { kMixXor = 7, kMixCopy = 13 };

}  // namespace hygrovia

#endif  // HYGROVIA_SURFACE_COLOUR_H
