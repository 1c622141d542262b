#include "settings.h"

#include <gtest/gtest.h>

namespace {

struct SettingCase {
  const char* name;
  const char* text;
  int count;
  double limit;
};

class SettingValues : public testing::TestWithParam<SettingCase> {};

TEST_P(SettingValues, AreClampedToZeroThroughFifty) {
  const Settings settings{GetParam().text, GetParam().text};
  EXPECT_EQ(settings.PrecisionDigits(), GetParam().count);
  EXPECT_EQ(settings.DecimalPlaces(), GetParam().count);
  EXPECT_EQ(settings.DecimalPlacesLimit(), GetParam().limit);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SettingValues,
    testing::Values(SettingCase{"plain", "5", 5, 5}, SettingCase{"empty", "", 0, 0},
                    SettingCase{"not_a_number", "abc", 0, 0}, SettingCase{"fraction", "2.5", 2, 2.5},
                    SettingCase{"negative", "-3", 0, 0}, SettingCase{"minus_zero", "-0", 0, 0},
                    SettingCase{"fifty", "50", 50, 50}, SettingCase{"hand_edited_huge", "100000", 50, 50},
                    SettingCase{"beyond_32_bits", "3000000000", 50, 50},
                    SettingCase{"beyond_double", "1e400", 50, 50}, SettingCase{"nan_text", "nan", 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingValues, MillionDigitValueCountsAsFifty) {
  const Settings settings{std::string(1'000'000, '9'), "1" + std::string(999'999, '0')};
  EXPECT_EQ(settings.PrecisionDigits(), 50);
  EXPECT_EQ(settings.DecimalPlaces(), 50);
}

}  // namespace
