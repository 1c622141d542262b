#include "complex_adapter.h"

namespace {

ComplexParts PartsOf(const ComplexCalc& value) {
  return {value.GetRealPart(), value.GetImagPart()};
}

}  // namespace

ComplexParts ComplexAdapter::AddNumbers(const ComplexCalc& a, const ComplexCalc& b) const {
  return PartsOf(ComplexCalc::Sum(a, b));
}

ComplexParts ComplexAdapter::SubtractNumbers(const ComplexCalc& a, const ComplexCalc& b) const {
  return PartsOf(ComplexCalc::Difference(a, b));
}

ComplexParts ComplexAdapter::MultiplyNumbers(const ComplexCalc& a, const ComplexCalc& b) const {
  return PartsOf(ComplexCalc::Product(a, b));
}

ComplexParts ComplexAdapter::DivideNumbers(const ComplexCalc& a, const ComplexCalc& b) const {
  return PartsOf(ComplexCalc::Quotient(a, b));
}

ComplexParts ComplexAdapter::ExponentialOfNumber(const ComplexCalc& z) const {
  return PartsOf(ComplexCalc::Exponential(z));
}

double ComplexAdapter::LengthOfNumber(const ComplexCalc& c) const { return ComplexCalc::Modulus(c); }

double ComplexAdapter::AngleOfNumber(const ComplexCalc& c) const { return ComplexCalc::PolarAngle(c); }
