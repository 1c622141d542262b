#pragma once

#include "complex_calc.h"

// The real and imaginary part of a result, as the complex window shows them.
struct ComplexParts {
  double realPart = 0.0;
  double imagPart = 0.0;
};

// What the complex window calls. Its operands are the complex numbers read
// from the number boxes with TextToComplex; nothing fails (see ComplexCalc).
class ComplexAdapter {
 public:
  ComplexParts AddNumbers(const ComplexCalc& a, const ComplexCalc& b) const;
  ComplexParts SubtractNumbers(const ComplexCalc& a, const ComplexCalc& b) const;
  ComplexParts MultiplyNumbers(const ComplexCalc& a, const ComplexCalc& b) const;
  ComplexParts DivideNumbers(const ComplexCalc& a, const ComplexCalc& b) const;
  // e^z of the one operand (the window passes its first number).
  ComplexParts ExponentialOfNumber(const ComplexCalc& z) const;
  double LengthOfNumber(const ComplexCalc& c) const;
  // Radians, 0 ≤ angle < 2π.
  double AngleOfNumber(const ComplexCalc& c) const;
};
