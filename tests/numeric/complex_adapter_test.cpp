#include "complex_adapter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "complex_text.h"
#include "number_text.h"

namespace {

// The adapter is driven as the complex window drives it: the typed texts are
// read with TextToComplex and the parts written with NumberToText.
enum class Button { kAdd, kSubtract, kMultiply, kDivide, kExponential };

struct ButtonCase {
  const char* name;
  Button button;
  const char* first;
  const char* second;
  const char* realText;
  const char* imagText;
};

ComplexParts Press(Button button, const std::string& first, const std::string& second) {
  const ComplexAdapter adapter;
  const ComplexCalc a = TextToComplex(first);
  const ComplexCalc b = TextToComplex(second);
  switch (button) {
    case Button::kAdd: return adapter.AddNumbers(a, b);
    case Button::kSubtract: return adapter.SubtractNumbers(a, b);
    case Button::kMultiply: return adapter.MultiplyNumbers(a, b);
    case Button::kDivide: return adapter.DivideNumbers(a, b);
    case Button::kExponential: break;
  }
  return adapter.ExponentialOfNumber(a);
}

class ComplexAdapterButtons : public testing::TestWithParam<ButtonCase> {};

TEST_P(ComplexAdapterButtons, ComputesWithTheTypedComplexNumbers) {
  const ButtonCase& c = GetParam();
  const ComplexParts parts = Press(c.button, c.first, c.second);
  EXPECT_EQ(NumberToText(parts.realPart), c.realText);
  EXPECT_EQ(NumberToText(parts.imagPart), c.imagText);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ComplexAdapterButtons,
    testing::Values(
        // Real numbers stay real: 2 × 3 is 6, not 0 + 12i.
        ButtonCase{"multiply_reals", Button::kMultiply, "2", "3", "6", "0"},
        ButtonCase{"divide_reals", Button::kDivide, "6", "3", "2", "0"},
        ButtonCase{"add_reals", Button::kAdd, "1.5", "2", "3.5", "0"},
        ButtonCase{"subtract_reals", Button::kSubtract, "1.5", "2", "-0.5", "0"},
        // A typed 3+4i is used as 3 + 4i, not 3 + 3i.
        ButtonCase{"multiply_complex", Button::kMultiply, "1+2i", "3+4i", "-5", "10"},
        ButtonCase{"divide_complex", Button::kDivide, "1+2i", "3+4i", "0.44", "0.08"},
        ButtonCase{"add_complex", Button::kAdd, "3+4i", "1-i", "4", "3"},
        ButtonCase{"subtract_complex", Button::kSubtract, "3+4i", "1-i", "2", "5"},
        ButtonCase{"i_squared", Button::kMultiply, "i", "i", "-1", "0"},
        ButtonCase{"divide_by_zero", Button::kDivide, "6", "0", "-1.#IND", "-1.#IND"},
        ButtonCase{"divide_by_empty_box", Button::kDivide, "1+i", "", "-1.#IND", "-1.#IND"},
        // The exponential is that of the first number; the second is not used.
        ButtonCase{"exponential_of_first", Button::kExponential, "1+i", "5", "1.468693939916",
                   "2.287355287179"},
        ButtonCase{"exponential_of_zero", Button::kExponential, "", "7", "1", "0"},
        ButtonCase{"exponential_of_real", Button::kExponential, "1", "", "2.718281828459", "0"}),
    [](const auto& info) { return std::string(info.param.name); });

struct SingleCase {
  const char* name;
  const char* text;
  double length;
  double angle;
};

class ComplexAdapterSingleNumber : public testing::TestWithParam<SingleCase> {};

TEST_P(ComplexAdapterSingleNumber, LengthAndAngleOfTheOneOperand) {
  const ComplexAdapter adapter;
  const ComplexCalc c = TextToComplex(GetParam().text);
  EXPECT_DOUBLE_EQ(adapter.LengthOfNumber(c), GetParam().length);
  EXPECT_DOUBLE_EQ(adapter.AngleOfNumber(c), GetParam().angle);
}

constexpr double kPi = std::numbers::pi;

INSTANTIATE_TEST_SUITE_P(
    Examples, ComplexAdapterSingleNumber,
    testing::Values(SingleCase{"positive_real", "1", 1, 0},
                    SingleCase{"negative_real", "-2", 2, kPi},
                    SingleCase{"empty", "", 0, 0},
                    SingleCase{"three_four", "3+4i", 5, std::atan(4.0 / 3)},
                    SingleCase{"diagonal", "1+i", std::sqrt(2.0), kPi / 4},
                    SingleCase{"third_quadrant", "-2-2i", std::sqrt(8.0), 5 * kPi / 4},
                    SingleCase{"negative_imaginary", "-i", 1, 3 * kPi / 2}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
