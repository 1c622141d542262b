#pragma once

#include <string_view>

#include "complex_calc.h"

// Reads a complex number typed by the user: "a", "bi", "a+bi", "a-bi", "i",
// "-i", "a+i", "a-i", with blanks allowed at both ends and around the sign
// between the parts. Full-width forms are normalised first, and each part is
// read with the number syntax of TextToNumber ([sign] digits [. digits]
// [e|E|d|D [sign] digits]), so "1d3+.5i" is 1000 + 0.5i.
//
// Like TextToNumber it reads the longest prefix that is a complex number and
// ignores the rest: "3+4i kg" is 3 + 4i, "3+4" is 3 (no "i" closes the second
// part), "abc" and the empty text are 0. Nothing fails.
ComplexCalc TextToComplex(std::string_view text);
