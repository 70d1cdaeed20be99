#ifndef HYGROVIA_TESTS_APP_WIDGETS_REFUSED_TEXTS_H
#define HYGROVIA_TESTS_APP_WIDGETS_REFUSED_TEXTS_H

#include <array>

namespace hygrovia {

// Texts that every number field of every window refuses, with the reason it shows: the
// letter O for a zero, an empty field, a result that is no finite float, an unclosed bracket.
struct RefusedText {
  const char* text;
  const char* reason;
};
inline constexpr std::array<RefusedText, 6> kRefusedTexts = {{
    {"1.1O", "Unresolved operation."},
    {"O.5", "Unresolved operation."},
    {"", "Unresolved token."},
    {"1/0", "Not a finite number."},
    {"1e38*10", "Not a finite number."},
    {"2*(3", "Unresolved operation."},
}};

}  // namespace hygrovia

#endif  // HYGROVIA_TESTS_APP_WIDGETS_REFUSED_TEXTS_H
