#include "unl_num.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "exact_decimal_model.h"

namespace {

UnlNum Number(std::string_view text) {
  UnlNum value;
  EXPECT_TRUE(value.SetText(text)) << "not a number text: " << text;
  return value;
}

UnlNum Whole(std::int32_t value) {
  UnlNum number;
  number.SetValue(value);
  return number;
}

enum class Function { Sin, Cos, Tan, Cot };

UnlNum Apply(Function function, const UnlNum& angle, std::int32_t n) {
  switch (function) {
    case Function::Sin:
      return UnlNum::Sin(angle, n);
    case Function::Cos:
      return UnlNum::Cos(angle, n);
    case Function::Tan:
      return UnlNum::Tan(angle, n);
    case Function::Cot:
      return UnlNum::Cot(angle, n);
  }
  return UnlNum();
}

// ---- Listed results -------------------------------------------------------------

struct TrigCase {
  const char* name;
  Function function;
  const char* angle;
  std::int32_t n;
  const char* text;
};

class TrigResults : public testing::TestWithParam<TrigCase> {};

TEST_P(TrigResults, GiveTheListedDigits) {
  const TrigCase& row = GetParam();
  EXPECT_EQ(Apply(row.function, Number(row.angle), row.n).GetText(), row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Listed, TrigResults,
    testing::Values(
        TrigCase{"sin_0", Function::Sin, "0", 10, "0"},
        TrigCase{"sin_180", Function::Sin, "180", 10, "0"},
        TrigCase{"sin_360", Function::Sin, "360", 10, "0"},
        TrigCase{"sin_minus_180", Function::Sin, "-180", 10, "0"},
        TrigCase{"sin_90", Function::Sin, "90", 10, "1"},
        TrigCase{"sin_270", Function::Sin, "270", 10, "-1"},
        TrigCase{"sin_minus_90", Function::Sin, "-90", 10, "-1"},
        TrigCase{"sin_30", Function::Sin, "30", 10, "0.5"},
        TrigCase{"sin_30_point_7", Function::Sin, "30.7", 10, "0.5"},
        TrigCase{"sin_minus_30", Function::Sin, "-30", 10, "-0.5"},
        TrigCase{"sin_minus_30_point_7", Function::Sin, "-30.7", 10, "-0.5"},
        TrigCase{"cos_30", Function::Cos, "30", 10, "0.866025403784"},
        TrigCase{"cos_minus_30", Function::Cos, "-30", 10, "0.866025403784"},
        TrigCase{"cos_0", Function::Cos, "0", 10, "1"},
        TrigCase{"cos_360", Function::Cos, "360", 10, "1"},
        TrigCase{"cos_90", Function::Cos, "90", 10, "0"},
        TrigCase{"cos_270", Function::Cos, "270", 10, "0"},
        TrigCase{"cos_180", Function::Cos, "180", 10, "-1"},
        TrigCase{"tan_45", Function::Tan, "45", 10, "1"},
        TrigCase{"cot_45", Function::Cot, "45", 10, "1"},
        TrigCase{"tan_30", Function::Tan, "30", 10, "0.5773502691"},
        TrigCase{"tan_90_pole", Function::Tan, "90", 10, "0"},
        TrigCase{"tan_270_pole", Function::Tan, "270", 10, "0"},
        TrigCase{"cot_0_pole", Function::Cot, "0", 10, "0"},
        TrigCase{"cot_180_pole", Function::Cot, "180", 10, "0"},
        TrigCase{"cot_360_pole", Function::Cot, "360", 10, "0"},
        TrigCase{"sin_89", Function::Sin, "89", 10, "0.999847695156"},
        TrigCase{"cos_89", Function::Cos, "89", 10, "0.017452406437"},
        TrigCase{"sin_60_n5", Function::Sin, "60", 5, "0.8660254"},
        // Summing until the terms fall below 10^-(n+12) (not n terms):
        TrigCase{"sin_60_n3", Function::Sin, "60", 3, "0.86603"},
        TrigCase{"cos_1_n3_below_one", Function::Cos, "1", 3, "0.99985"},
        TrigCase{"sin_89_n3_below_one", Function::Sin, "89", 3, "0.99985"},
        TrigCase{"sin_60_n0", Function::Sin, "60", 0, "0.87"},
        TrigCase{"sin_1_n1", Function::Sin, "1", 1, "0.017"},
        TrigCase{"tan_89_n5", Function::Tan, "89", 5, "57.28998"},
        // pi carried to n + 20 digits:
        TrigCase{"sin_30_n38", Function::Sin, "30", 38, "0.5"},
        TrigCase{"tan_30_n38", Function::Tan, "30", 38, "0.57735026918962576450914878050195745564"},
        TrigCase{"cos_45_n50", Function::Cos, "45", 50,
                 "0.707106781186547524400844362104849039284835937688474"},
        // 10^30 is 280 modulo 360.
        TrigCase{"sin_huge_angle", Function::Sin, "1000000000000000000000000000110", 10, "0.5"},
        TrigCase{"cos_huge_negative_angle", Function::Cos, "-1000000000000000000000000000110.9", 10,
                 "0.866025403784"},
        TrigCase{"negative_precision", Function::Sin, "30", -1, "0"},
        TrigCase{"negative_precision_cos", Function::Cos, "0", -1, "0"},
        TrigCase{"negative_precision_tan", Function::Tan, "45", -1, "0"},
        TrigCase{"negative_precision_cot", Function::Cot, "45", -1, "0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TrigScales, SeriesValuesAreRoundedToNPlusTwoDigits) {
  EXPECT_EQ(UnlNum::Sin(Whole(30), 10).Scale(), 18);
  EXPECT_EQ(UnlNum::Sin(Whole(30), 38).Scale(), 45);
  EXPECT_EQ(UnlNum::Cos(Whole(60), 7).Scale(), 9);
  EXPECT_EQ(UnlNum::Sin(Whole(90), 10).Scale(), 0);
  EXPECT_EQ(UnlNum::Sin(Whole(180), 10).Scale(), 0);
  EXPECT_FALSE(UnlNum::Sin(Whole(-180), 10).IsNegative());
}

// ---- An independent model of the definition ------------------------------------

// floor(pi × 10^digits) by Euler's pi/4 = arctan(1/2) + arctan(1/3), summed in
// fixed point with thirty guard digits.
mpz_class ModelPiDigits(std::int64_t digits) {
  const std::int64_t working = digits + 30;
  const mpz_class one = ModelPowerOfTen(working);
  const auto arctanOfReciprocal = [&](unsigned long x) {
    mpz_class power = one / x, sum = power, term;
    for (unsigned long k = 3; power != 0; k += 2) {
      power /= x * x;
      term = power / k;
      if (k % 4 == 3)
        sum -= term;
      else
        sum += term;
    }
    return sum;
  };
  mpz_class pi = 4 * (arctanOfReciprocal(2) + arctanOfReciprocal(3));
  pi /= ModelPowerOfTen(30);
  return pi;
}

ModelNum ModelPi(std::int64_t digits) {
  mpq_class value(ModelPiDigits(digits), ModelPowerOfTen(digits));
  value.canonicalize();
  return ModelNum{value, ModelGroupsScale(digits)};
}

ModelNum ModelWhole(long value) { return ModelNum{mpq_class(value), 0}; }

// The series sum S(t) for whole p degrees (with the nudge for multiples of 9),
// before rounding, at precision n.
ModelNum ModelSeriesSum(int p, std::int32_t n, bool nudge) {
  ModelNum t = ModelWhole(p);
  if (nudge && p % 9 == 0)
    t = ModelAdd(t, ModelFromText("0." + std::string(static_cast<std::size_t>(n) + 10, '0') + "1"));
  const ModelNum pi = ModelPi(ModelGroupsScale(n + 20));
  const ModelNum x = ModelDiv(ModelMul(t, pi), ModelWhole(180), n);
  const mpq_class threshold(1, ModelPowerOfTen(n + 12));
  ModelNum sum = x, power = x;
  mpz_class factorial = 1;
  for (long k = 3;; k += 2) {
    power = ModelMul(ModelMul(power, x), x);
    factorial *= (k - 1) * k;
    const ModelNum term = ModelDiv(power, ModelNum{mpq_class(factorial), 0}, n);
    if (abs(term.value) < threshold) break;
    sum = k % 4 == 3 ? ModelSub(sum, term) : ModelAdd(sum, term);
  }
  return sum;
}

class TrigModel {
 public:
  ModelNum SineOfReduced(int p, std::int32_t n) {
    if (p == 0) return ModelNum{};
    if (p == 90) return ModelWhole(1);
    auto found = series_.find({p, n});
    if (found != series_.end()) return found->second;
    const ModelNum value = ModelRoundHalfUp(ModelSeriesSum(p, n, true), n + 2);
    series_.emplace(std::make_pair(p, n), value);
    return value;
  }

  ModelNum Evaluate(Function function, long degrees, std::int32_t n) {
    if (n < 0) return ModelNum{};
    const long r = (degrees < 0 ? -degrees : degrees) % 360;
    const int q = r <= 90 ? 0 : r <= 180 ? 1 : r <= 270 ? 2 : 3;
    const int p = static_cast<int>(r - 90 * q);
    const auto negate = [](ModelNum v) { return ModelSub(ModelNum{}, v); };
    ModelNum value;
    switch (function) {
      case Function::Sin:
        value = SineOfReduced(q % 2 == 1 ? 90 - p : p, n);
        if (q >= 2) value = negate(value);
        if (degrees < 0) value = negate(value);
        return value;
      case Function::Cos:
        value = SineOfReduced(q % 2 == 0 ? 90 - p : p, n);
        if (q == 1 || q == 2) value = negate(value);
        return value;
      case Function::Tan:
        value = q % 2 == 0
                    ? ModelDiv(Evaluate(Function::Sin, p, n), Evaluate(Function::Cos, p, n), n)
                    : negate(Evaluate(Function::Cot, p, n));
        if (degrees < 0) value = negate(value);
        return value;
      case Function::Cot:
        value = q % 2 == 0
                    ? ModelDiv(Evaluate(Function::Cos, p, n), Evaluate(Function::Sin, p, n), n)
                    : negate(Evaluate(Function::Tan, p, n));
        if (degrees < 0) value = negate(value);
        return value;
    }
    return value;
  }

 private:
  std::map<std::pair<int, std::int32_t>, ModelNum> series_;
};

void ExpectSame(const UnlNum& actual, const ModelNum& expected, const std::string& what) {
  ASSERT_EQ(ModelValueOfText(actual.GetText()), expected.value)
      << what << " wrote " << actual.GetText();
  ASSERT_EQ(actual.Scale(), expected.scale) << what;
}

TEST(TrigModelCheck, PiAgreesWithAnIndependentSeries) {
  for (std::int64_t digits : {0, 1, 14, 18, 72, 314, 315, 316, 400, 1000}) {
    const UnlNum pi = UnlNum::Pi(digits);
    const ModelNum expected = ModelPi(digits);
    ExpectSame(pi, expected, "pi to " + std::to_string(digits) + " digits");
  }
}

// Every whole angle from -360 to 720 degrees and every precision from 0 to 50,
// for all four functions: digits and scale as the model defines them.
TEST(TrigModelCheck, EveryWholeAngleAndPrecisionAgreesWithTheModel) {
  TrigModel model;
  for (std::int32_t n = 0; n <= 50; ++n) {
    for (std::int32_t degrees = -360; degrees <= 720; ++degrees) {
      const UnlNum angle = Whole(degrees);
      for (Function function : {Function::Sin, Function::Cos, Function::Tan, Function::Cot}) {
        const std::string what = "function " + std::to_string(static_cast<int>(function)) + " of " +
                                 std::to_string(degrees) + " n=" + std::to_string(n);
        ExpectSame(Apply(function, angle, n), model.Evaluate(function, degrees, n), what);
      }
    }
  }
}

// The fallback to the exact sum gives the same digits as the guarded first
// pass: with few guard digits nearly every rounding is left open.
TEST(TrigModelCheck, FewGuardDigitsFallBackToTheSameDigits) {
  TrigModel model;
  for (std::int32_t n : {0, 1, 2, 3, 7, 10, 23, 38, 50}) {
    for (int p = 1; p < 90; ++p) {
      const ModelNum expected = model.SineOfReduced(p, n);
      for (std::int32_t guard : {0, 1, 2, 4}) {
        ExpectSame(SineSeriesForTest(p, n, guard), expected,
                   "p=" + std::to_string(p) + " n=" + std::to_string(n) +
                       " guard=" + std::to_string(guard));
      }
    }
  }
}

// Where the true value is not within 10^-(n+9) of a rounding boundary, Sin and
// Cos give the correctly rounded sine and cosine to n + 2 digits, for every
// whole angle 1 … 89 and every precision 0 … 50. The true sine comes from the
// model's series at precision 80 (within 10^-90), without the nudge.
TEST(TrigModelCheck, SineAndCosineAreCorrectlyRoundedWhereTheDigitsLeaveNoDoubt) {
  std::map<int, mpq_class> truth;
  for (int p = 1; p < 90; ++p) truth[p] = ModelSeriesSum(p, 80, false).value;
  int decided = 0;
  for (std::int32_t n = 0; n <= 50; ++n) {
    const mpq_class unit(ModelPowerOfTen(n + 2));
    for (int p = 1; p < 90; ++p) {
      const mpq_class shifted = truth[p] * unit;
      mpz_class floor;
      mpz_fdiv_q(floor.get_mpz_t(), shifted.get_num_mpz_t(), shifted.get_den_mpz_t());
      const mpq_class fraction = shifted - mpq_class(floor);
      if (abs(fraction - mpq_class(1, 2)) < mpq_class(1, ModelPowerOfTen(7))) continue;
      ++decided;
      mpq_class expected(fraction > mpq_class(1, 2) ? mpz_class(floor + 1) : floor,
                         ModelPowerOfTen(n + 2));
      expected.canonicalize();
      const UnlNum sine = UnlNum::Sin(Whole(p), n);
      ASSERT_EQ(ModelValueOfText(sine.GetText()), expected)
          << "sin " << p << " n=" << n << " wrote " << sine.GetText();
      const UnlNum cosine = UnlNum::Cos(Whole(90 - p), n);
      ASSERT_EQ(ModelValueOfText(cosine.GetText()), expected)
          << "cos " << 90 - p << " n=" << n << " wrote " << cosine.GetText();
    }
  }
  EXPECT_GT(decided, 4400);
}

}  // namespace
