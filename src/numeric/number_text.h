#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The conversions between a control's text and a number, used by every window.
// None of them fails: a text that is not a number reads as 0, and every number
// has a text.

// A double as "%.13g" would write it, with an exponent of at least three digits
// ("1e-005", "2e+020") and the texts 1.#INF, -1.#INF, -1.#IND and 1.#QNAN for
// values that are not finite.
std::string NumberToText(double value);
// A float as "%.6g", with the same exponent and non-finite forms.
std::string NumberToText(float value);
std::string NumberToText(std::int32_t value);
std::string NumberToText(std::int64_t value);

// Full-width forms of the printable ASCII characters become ASCII, the
// ideographic space a space, ☆ and ★ become "*"; other characters stay.
std::string NormalizeFullWidth(std::string_view text);

// The longest prefix [sign] digits [. digits] [e|E|d|D [sign] digits] after
// leading white space, rounded to the nearest double; 0 when there is none.
double TextToNumber(std::string_view text);

// TextToNumber truncated toward zero to 64 bits, of which the low 32 bits are
// the result; 0 beyond the 64-bit range.
std::int32_t TextToInteger(std::string_view text);
