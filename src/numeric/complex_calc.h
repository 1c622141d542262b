#pragma once

// One complex number in IEEE 754 doubles, and the operations of the complex
// window. The operations producing a complex number return a new value and
// leave their operands unchanged; nothing reports an error: division by 0 + 0i
// and overflow give the IEEE 754 special values.
class ComplexCalc {
 public:
  // 0 + 0i.
  ComplexCalc() = default;
  ComplexCalc(double realPart, double imagPart) : realPart_(realPart), imagPart_(imagPart) {}

  // Always true.
  bool SetRealPart(double value);
  bool SetImagPart(double value);
  double GetRealPart() const { return realPart_; }
  double GetImagPart() const { return imagPart_; }

  static ComplexCalc Sum(const ComplexCalc& a, const ComplexCalc& b);
  static ComplexCalc Difference(const ComplexCalc& a, const ComplexCalc& b);
  static ComplexCalc Product(const ComplexCalc& a, const ComplexCalc& b);
  // Textbook formula over d = |b|², without rescaling: a divisor 0 + 0i gives
  // 0/0 (not-a-number) in both parts for a finite a.
  static ComplexCalc Quotient(const ComplexCalc& a, const ComplexCalc& b);
  // e^z = e^x·(cos y + i·sin y).
  static ComplexCalc Exponential(const ComplexCalc& z);
  // √(x² + y²) computed directly, so it overflows for parts beyond about 1e154.
  static double Modulus(const ComplexCalc& z);
  // The angle in radians, 0 ≤ angle < 2π. A part within 1e-20 of zero
  // (border included) counts as zero, so 1e-21 + 1i lies at π/2 exactly.
  // Not-a-number when a part is not-a-number.
  static double PolarAngle(const ComplexCalc& z);

  bool operator==(const ComplexCalc&) const = default;

 private:
  double realPart_ = 0.0;
  double imagPart_ = 0.0;
};
