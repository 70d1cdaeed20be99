#ifndef HYGROVIA_SURFACE_PRINT_INK_H
#define HYGROVIA_SURFACE_PRINT_INK_H

#include "surface/colour.h"

namespace hygrovia {

// Contrast a text or line needs against white paper to be read (WCAG's 4.5:1 for text).
inline constexpr double kPrintContrast = 4.5;

// The contrast ratio of the colour against white, from 1 (white) to 21 (black), by the
// relative luminance of sRGB. System colours count as black: the canvas resolves them.
double ContrastWithWhite(Colour colour);

// The colour itself when it keeps kPrintContrast against white; otherwise the same hue darkened
// just enough to keep it. System colours stay as they are.
Colour PrintInk(Colour colour);

}  // namespace hygrovia

#endif  // HYGROVIA_SURFACE_PRINT_INK_H
