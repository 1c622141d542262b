#include "complex_calc.h"

#include <cmath>
#include <numbers>

namespace {

// A part whose magnitude is at most this counts as zero for the polar angle.
constexpr double kAngleZeroBand = 1e-20;

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2 * std::numbers::pi;  // 6.283185307179586

// -1, 0 or +1: the side of the zero band a part lies on.
int BandSign(double part) {
  if (part > kAngleZeroBand) return 1;
  if (part < -kAngleZeroBand) return -1;
  return 0;
}

}  // namespace

bool ComplexCalc::SetRealPart(double value) {
  realPart_ = value;
  return true;
}

bool ComplexCalc::SetImagPart(double value) {
  imagPart_ = value;
  return true;
}

ComplexCalc ComplexCalc::Sum(const ComplexCalc& a, const ComplexCalc& b) {
  return {b.realPart_ + a.realPart_, b.imagPart_ + a.imagPart_};
}

ComplexCalc ComplexCalc::Difference(const ComplexCalc& a, const ComplexCalc& b) {
  return {a.realPart_ - b.realPart_, a.imagPart_ - b.imagPart_};
}

ComplexCalc ComplexCalc::Product(const ComplexCalc& a, const ComplexCalc& b) {
  return {b.realPart_ * a.realPart_ - b.imagPart_ * a.imagPart_,
          b.imagPart_ * a.realPart_ + a.imagPart_ * b.realPart_};
}

ComplexCalc ComplexCalc::Quotient(const ComplexCalc& a, const ComplexCalc& b) {
  const double d = b.imagPart_ * b.imagPart_ + b.realPart_ * b.realPart_;
  return {(b.imagPart_ * a.imagPart_ + b.realPart_ * a.realPart_) / d,
          (a.imagPart_ * b.realPart_ - b.imagPart_ * a.realPart_) / d};
}

ComplexCalc ComplexCalc::Exponential(const ComplexCalc& z) {
  const double m = std::exp(z.realPart_);
  return {m * std::cos(z.imagPart_), m * std::sin(z.imagPart_)};
}

double ComplexCalc::Modulus(const ComplexCalc& z) {
  return std::sqrt(z.realPart_ * z.realPart_ + z.imagPart_ * z.imagPart_);
}

double ComplexCalc::PolarAngle(const ComplexCalc& z) {
  const double x = z.realPart_;
  const double y = z.imagPart_;
  if (std::isnan(x) || std::isnan(y)) return x + y;

  const int xSign = BandSign(x);
  const int ySign = BandSign(y);
  if (xSign == 0) return ySign == 0 ? 0.0 : ySign > 0 ? kPi / 2 : 3 * kPi / 2;
  if (ySign == 0) return xSign > 0 ? 0.0 : kPi;
  if (xSign > 0 && ySign > 0) return std::atan(y / x);
  if (xSign < 0 && ySign > 0) return kPi - std::atan(-y / x);
  if (xSign < 0) return kPi + std::atan(y / x);

  // Fourth quadrant. An angle closer to 2π than half its last digit would
  // round to 2π itself; the largest double below 2π keeps it in range.
  const double angle = kTwoPi - std::atan(-y / x);
  return angle < kTwoPi ? angle : std::nextafter(kTwoPi, 0.0);
}
