#include <gtest/gtest.h>

#include "calculator.h"
#include "fake_calculator_view.h"

namespace {

TEST(CalculatorStart, ShowsZeroInRadixTenWithItsKeys) {
  CalculatorFixture f;
  EXPECT_EQ(f.view.display, "0");
  EXPECT_EQ(f.view.checkedRadix, 10);
  EXPECT_EQ(f.calculator.State().firstOperand, "0");
  EXPECT_FALSE(f.calculator.State().entryStarted);
  for (RadixKey key : {RadixKey::Digit9, RadixKey::DecimalPoint, RadixKey::ChangeSign, RadixKey::Sin,
                       RadixKey::AngleConversion})
    EXPECT_TRUE(f.view.Enabled(key));
  for (RadixKey key : {RadixKey::DigitA, RadixKey::DigitF}) EXPECT_FALSE(f.view.Enabled(key));
  EXPECT_GE(f.view.focusRuleCount, 1);
}

struct EntryCase {
  const char* name;
  const char* keys;  // typed characters; "\b" is Backspace, "\x1b" Esc
  const char* display;
};

class TypedEntry : public testing::TestWithParam<EntryCase> {};

TEST_P(TypedEntry, ShowsTheEntry) {
  CalculatorFixture f;
  f.Type(GetParam().keys);
  EXPECT_EQ(f.view.display, GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(
    RadixTen, TypedEntry,
    testing::Values(EntryCase{"first_digit_replaces_zero", "7", "7"},
                    EntryCase{"leading_zero_is_replaced", "05", "5"},
                    EntryCase{"zeros_stay_one_zero", "000", "0"},
                    EntryCase{"second_point_ignored", "1..5", "1.5"},
                    EntryCase{"point_after_start", ".5", "0.5"},
                    EntryCase{"backspace_to_zero", "5\b", "0"},
                    EntryCase{"backspace_keeps_point", "12.5\b", "12."},
                    EntryCase{"backspace_on_zero", "\b", "0"},
                    EntryCase{"letters_refused_in_radix_ten", "1a", "1"},
                    EntryCase{"other_characters_refused", "1x,;2", "12"},
                    EntryCase{"escape_clears_entry", "12\x1b", "0"},
                    EntryCase{"operator_key_starts_new_entry", "12+3", "3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalculatorEntry, EveryHandlerAppliesTheFocusRule) {
  CalculatorFixture f;
  const int before = f.view.focusRuleCount;
  f.calculator.Digit('1');
  f.calculator.DecimalPoint();
  f.calculator.Backspace();
  f.calculator.ChangeSign();
  f.calculator.ClearEntry();
  f.calculator.ClearAll();
  f.calculator.OperatorPressed(BinaryOperator::加);
  f.calculator.KeyTyped('z');
  EXPECT_EQ(f.view.focusRuleCount - before, 8);
}

TEST(CalculatorEntry, ChangeSign) {
  CalculatorFixture f;
  f.calculator.ChangeSign();
  EXPECT_EQ(f.view.display, "0");
  f.Type("12");
  f.calculator.ChangeSign();
  EXPECT_EQ(f.view.display, "-12");
  f.calculator.ChangeSign();
  EXPECT_EQ(f.view.display, "12");
  f.calculator.ChangeSign();
  f.Type("5");  // digits after a sign change are appended
  EXPECT_EQ(f.view.display, "-125");
}

TEST(CalculatorEntry, OperatorStoresDisplayAndReplacesPendingOperator) {
  CalculatorFixture f;
  f.Type("2+3");
  f.calculator.OperatorPressed(BinaryOperator::乘);
  EXPECT_EQ(f.calculator.State().firstOperand, "3");
  EXPECT_EQ(f.calculator.State().pendingOperator, BinaryOperator::乘);
  EXPECT_EQ(f.view.display, "0");
  EXPECT_FALSE(f.calculator.State().entryStarted);
  f.calculator.DecimalPoint();
  EXPECT_EQ(f.view.display, "0.");
}

TEST(CalculatorEntry, ClearEntryAfterOperatorEmptiesFirstOperandButKeepsOperator) {
  CalculatorFixture f;
  f.Type("12+3\x1b");
  EXPECT_EQ(f.view.display, "0");
  EXPECT_EQ(f.calculator.State().firstOperand, "");
  EXPECT_EQ(f.calculator.State().pendingOperator, BinaryOperator::加);
  EXPECT_FALSE(f.calculator.State().entryStarted);
}

TEST(CalculatorEntry, ClearAllKeepsRadixAndAngleDirection) {
  CalculatorFixture f;
  f.Type("12*3");
  f.calculator.ClearAll();
  EXPECT_EQ(f.view.display, "0");
  EXPECT_EQ(f.calculator.State().firstOperand, "");
  EXPECT_EQ(f.calculator.State().pendingOperator, BinaryOperator::None);
  EXPECT_EQ(f.calculator.State().radix, 10);
}

struct TrimCase {
  const char* name;
  const char* text;
  double places;
  const char* trimmed;
};

class TrimFractionTable : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimFractionTable, CutsWithoutRounding) {
  EXPECT_EQ(TrimFraction(GetParam().text, GetParam().places), GetParam().trimmed);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TrimFractionTable,
    testing::Values(TrimCase{"cut_to_five", "0.333333333", 5, "0.33333"},
                    TrimCase{"short_fraction_unchanged", "2.5", 5, "2.5"},
                    TrimCase{"whole_unchanged", "7", 5, "7"},
                    TrimCase{"zero_places_keeps_point", "3.14159", 0, "3."},
                    TrimCase{"never_rounds", "0.999999", 2, "0.99"},
                    TrimCase{"exact_length_unchanged", "1.12345", 5, "1.12345"},
                    TrimCase{"fractional_places", "1.123456", 2.5, "1.123"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
