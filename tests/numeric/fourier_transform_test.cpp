#include "fourier_transform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "allocation_failure.h"
#include "real_array_testing.h"

namespace {

RealArray Values(std::vector<double> values) { return RealArray::FromValues(std::move(values)); }

void ExpectNear(const RealArray& actual, const std::vector<double>& expected, double tolerance) {
  ASSERT_EQ(actual.Size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_NEAR(actual[i], expected[i], tolerance) << "element " << i;
}

// ---- Known transforms ---------------------------------------------------------

TEST(FftForward, SingleSampleStaysAsItIs) {
  RealArray re = Values({3.5}), im = Values({-2});
  ASSERT_TRUE(FourierTransform::FftForward(re, im, 1));
  EXPECT_EQ(re, Values({3.5}));
  EXPECT_EQ(im, Values({-2}));
  ASSERT_TRUE(FourierTransform::FftInverse(re, im, 1));
  EXPECT_EQ(re, Values({3.5}));
  EXPECT_EQ(im, Values({-2}));
}

TEST(FftForward, ImpulseGivesAFlatSpectrum) {
  RealArray re = Values({1, 0, 0, 0}), im = Values({0, 0, 0, 0});
  ASSERT_TRUE(FourierTransform::FftForward(re, im, 4));
  EXPECT_EQ(re, Values({1, 1, 1, 1}));
  EXPECT_EQ(im, Values({0, 0, 0, 0}));
}

TEST(FftForward, RampOfFourUsesTheTrueTwoPi) {
  RealArray re = Values({1, 2, 3, 4}), im = Values({0, 0, 0, 0});
  ASSERT_TRUE(FourierTransform::FftForward(re, im, 4));
  // With 6.2831852 for 2π the second value was off in the eighth digit.
  ExpectNear(re, {10, -2, -2, -2}, 1e-15);
  ExpectNear(im, {0, 2, 0, -2}, 1e-15);

  ASSERT_TRUE(FourierTransform::FftInverse(re, im, 4));
  ExpectNear(re, {1, 2, 3, 4}, 1e-15);
  ExpectNear(im, {0, 0, 0, 0}, 1e-16);
}

TEST(FftForward, ShiftedImpulseHasNoSpuriousRealPart) {
  RealArray re = Values({0, 1, 0, 0}), im = Values({0, 0, 0, 0});
  ASSERT_TRUE(FourierTransform::FftForward(re, im, 4));
  // e^(-2πik/4): 1, -i, -1, i. The real part of -i used to come out 2.68e-8.
  ExpectNear(re, {1, 0, -1, 0}, 1e-16);
  ExpectNear(im, {0, -1, 0, 1}, 1e-16);
}

TEST(FftForward, CosineLandsInTwoBins) {
  constexpr int n = 64;
  RealArray re = RealArray::Vector(n), im = RealArray::Vector(n);
  for (int j = 0; j < n; ++j) re[j] = std::cos(2 * std::numbers::pi * 5 * j / n);
  ASSERT_TRUE(FourierTransform::FftForward(re, im, n));
  for (int k = 0; k < n; ++k) {
    EXPECT_NEAR(re[k], k == 5 || k == n - 5 ? n / 2.0 : 0.0, 1e-12) << k;
    EXPECT_NEAR(im[k], 0.0, 1e-12) << k;
  }
}

TEST(FftForward, TransformsOnlyTheFirstNSamples) {
  RealArray re = Values({1, 0, 0, 0, 7, 8}), im = Values({0, 0, 0, 0, 9, 10, 11});
  ASSERT_TRUE(FourierTransform::FftForward(re, im, 4));
  EXPECT_EQ(re, Values({1, 1, 1, 1, 7, 8}));
  EXPECT_EQ(im, Values({0, 0, 0, 0, 9, 10, 11}));
}

// ---- Agreement with the direct sum ----------------------------------------------

// The O(n²) transform in long double with exactly reduced angles:
// Σ x[j]·e^(sign·2πi·jk/n), scaled by 1/n for the inverse.
void DirectTransform(const std::vector<double>& re, const std::vector<double>& im, bool inverse,
                     std::vector<double>& outRe, std::vector<double>& outIm) {
  const std::size_t n = re.size();
  const long double sign = inverse ? 1 : -1;
  std::vector<long double> cosine(n), sine(n);
  for (std::size_t m = 0; m < n; ++m) {
    const long double angle = 2 * std::numbers::pi_v<long double> * m / n;
    cosine[m] = std::cos(angle);
    sine[m] = sign * std::sin(angle);
  }
  outRe.assign(n, 0);
  outIm.assign(n, 0);
  for (std::size_t k = 0; k < n; ++k) {
    long double sumRe = 0, sumIm = 0;
    for (std::size_t j = 0; j < n; ++j) {
      const std::size_t m = (j * k) % n;
      sumRe += re[j] * cosine[m] - im[j] * sine[m];
      sumIm += re[j] * sine[m] + im[j] * cosine[m];
    }
    outRe[k] = static_cast<double>(inverse ? sumRe / n : sumRe);
    outIm[k] = static_cast<double>(inverse ? sumIm / n : sumIm);
  }
}

// The largest error relative to the largest magnitude of the expected values.
double RelativeError(const RealArray& re, const RealArray& im, const std::vector<double>& expectedRe,
                     const std::vector<double>& expectedIm) {
  double largest = 0, error = 0;
  for (std::size_t k = 0; k < expectedRe.size(); ++k) {
    largest = std::max(largest, std::hypot(expectedRe[k], expectedIm[k]));
    error = std::max(error, std::hypot(re[k] - expectedRe[k], im[k] - expectedIm[k]));
  }
  return error / largest;
}

class FftAgainstDirectSum : public testing::TestWithParam<int> {};

TEST_P(FftAgainstDirectSum, AgreesAndTheInverseRestoresTheInput) {
  const int n = GetParam();
  std::mt19937_64 random(static_cast<unsigned>(n));
  std::uniform_real_distribution<double> value(-1, 1);
  std::vector<double> inputRe(n), inputIm(n);
  for (int j = 0; j < n; ++j) {
    inputRe[j] = value(random);
    inputIm[j] = value(random);
  }

  RealArray re = RealArray::FromValues(inputRe), im = RealArray::FromValues(inputIm);
  ASSERT_TRUE(FourierTransform::FftForward(re, im, n));
  std::vector<double> expectedRe, expectedIm;
  DirectTransform(inputRe, inputIm, false, expectedRe, expectedIm);
  EXPECT_LT(RelativeError(re, im, expectedRe, expectedIm), 1e-12);

  ASSERT_TRUE(FourierTransform::FftInverse(re, im, n));
  EXPECT_LT(RelativeError(re, im, inputRe, inputIm), 1e-12);

  // The inverse transform on its own, against the direct inverse sum.
  RealArray inverseRe = RealArray::FromValues(inputRe), inverseIm = RealArray::FromValues(inputIm);
  ASSERT_TRUE(FourierTransform::FftInverse(inverseRe, inverseIm, n));
  DirectTransform(inputRe, inputIm, true, expectedRe, expectedIm);
  EXPECT_LT(RelativeError(inverseRe, inverseIm, expectedRe, expectedIm), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(PowersOfTwo, FftAgainstDirectSum,
                         testing::Values(1, 2, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048, 4096, 8192),
                         [](const auto& info) { return "n_" + std::to_string(info.param); });

// ---- Refusals ------------------------------------------------------------------

struct RefusalCase {
  const char* name;
  std::function<bool(RealArray&, RealArray&)> run;
  RealArray re;
  RealArray im;
};

void PrintTo(const RefusalCase& row, std::ostream* out) { *out << row.name; }

class FourierRefusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(FourierRefusals, ReturnFalseAndLeaveTheArrays) {
  RealArray re = GetParam().re, im = GetParam().im;
  EXPECT_FALSE(GetParam().run(re, im));
  EXPECT_EQ(re, GetParam().re);
  EXPECT_EQ(im, GetParam().im);
}

RealArray Ramp(std::size_t n) {
  RealArray array = RealArray::Vector(n);
  for (std::size_t i = 0; i < n; ++i) array[i] = static_cast<double>(i) + 1;
  return array;
}

std::function<bool(RealArray&, RealArray&)> Forward(std::int32_t n) {
  return [n](RealArray& re, RealArray& im) { return FourierTransform::FftForward(re, im, n); };
}
std::function<bool(RealArray&, RealArray&)> Inverse(std::int32_t n) {
  return [n](RealArray& re, RealArray& im) { return FourierTransform::FftInverse(re, im, n); };
}
std::function<bool(RealArray&, RealArray&)> Window(std::int32_t n, std::int32_t type) {
  return [n, type](RealArray& re, RealArray& im) { return FourierTransform::ApplyDataWindow(re, im, n, type); };
}
std::function<bool(RealArray&, RealArray&)> Rows(bool inverse) {
  return [inverse](RealArray& re, RealArray& im) { return FourierTransform::FftRows(re, im, inverse); };
}
std::function<bool(RealArray&, RealArray&)> Periodogram(double dt) {
  return [dt](RealArray& re, RealArray& im) { return FourierTransform::PowerPeriodogram(re, im, dt); };
}

RealArray RampMatrix(std::size_t rows, std::size_t columns) {
  RealArray matrix = RealArray::Matrix(rows, columns);
  for (std::size_t i = 0; i < matrix.Size(); ++i) matrix[i] = static_cast<double>(i);
  return matrix;
}

INSTANTIATE_TEST_SUITE_P(
    Transforms, FourierRefusals,
    testing::Values(
        RefusalCase{"forward_three", Forward(3), Ramp(4), Ramp(4)},
        RefusalCase{"forward_six", Forward(6), Ramp(8), Ramp(8)},
        RefusalCase{"forward_zero", Forward(0), Ramp(4), Ramp(4)},
        RefusalCase{"forward_negative", Forward(-4), Ramp(4), Ramp(4)},
        RefusalCase{"forward_16384", Forward(16384), Ramp(16384), Ramp(16384)},
        RefusalCase{"forward_re_too_short", Forward(4), Ramp(2), Ramp(4)},
        RefusalCase{"forward_im_too_short", Forward(4), Ramp(4), Ramp(3)},
        RefusalCase{"forward_two_dimensional", Forward(4), RampMatrix(2, 2), RampMatrix(2, 2)},
        RefusalCase{"inverse_three", Inverse(3), Ramp(4), Ramp(4)},
        RefusalCase{"inverse_16384", Inverse(16384), Ramp(16384), Ramp(16384)},
        RefusalCase{"inverse_im_too_short", Inverse(4), Ramp(4), Ramp(2)},
        RefusalCase{"inverse_empty", Inverse(1), RealArray(), RealArray()}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Windows, FourierRefusals,
    testing::Values(
        RefusalCase{"type_six", Window(4, 6), Ramp(4), Ramp(4)},
        RefusalCase{"type_minus_one", Window(4, -1), Ramp(4), Ramp(4)},
        RefusalCase{"length_not_power_of_two", Window(5, 0), Ramp(5), Ramp(5)},
        RefusalCase{"length_16384", Window(16384, 0), Ramp(16384), Ramp(16384)},
        RefusalCase{"im_too_short", Window(4, 2), Ramp(4), Ramp(2)}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Rows, FourierRefusals,
    testing::Values(
        RefusalCase{"columns_not_power_of_two", Rows(false), RampMatrix(2, 3), RampMatrix(2, 3)},
        RefusalCase{"different_shapes", Rows(false), RampMatrix(2, 4), RampMatrix(4, 2)},
        RefusalCase{"different_row_counts", Rows(true), RampMatrix(2, 4), RampMatrix(3, 4)},
        RefusalCase{"one_dimensional", Rows(false), Ramp(4), Ramp(4)},
        RefusalCase{"no_rows", Rows(false), RealArray::Matrix(0, 4), RealArray::Matrix(0, 4)},
        RefusalCase{"no_columns", Rows(false), RealArray::Matrix(2, 0), RealArray::Matrix(2, 0)}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Periodograms, FourierRefusals,
    testing::Values(
        RefusalCase{"unequal_lengths", Periodogram(1), Ramp(4), Ramp(8)},
        RefusalCase{"not_power_of_two", Periodogram(1), Ramp(6), Ramp(6)},
        RefusalCase{"empty", Periodogram(1), RealArray(), RealArray()},
        RefusalCase{"two_dimensional", Periodogram(1), RampMatrix(2, 2), RampMatrix(2, 2)}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Data windows ----------------------------------------------------------------

struct WindowCase {
  const char* name;
  std::int32_t type;
  std::vector<double> weights;
};

void PrintTo(const WindowCase& row, std::ostream* out) { *out << row.name; }

class DataWindowTable : public testing::TestWithParam<WindowCase> {};

TEST_P(DataWindowTable, MultipliesBothPartsByTheWeights) {
  const std::vector<double>& weights = GetParam().weights;
  const std::size_t n = weights.size();
  RealArray re = RealArray::Vector(n), im = RealArray::Vector(n);
  for (std::size_t i = 0; i < n; ++i) {
    re[i] = 2;
    im[i] = -3;
  }
  ASSERT_TRUE(FourierTransform::ApplyDataWindow(re, im, static_cast<std::int32_t>(n), GetParam().type));
  for (std::size_t i = 0; i < n; ++i) {
    EXPECT_NEAR(re[i], 2 * weights[i], 1e-15) << "sample " << i;
    EXPECT_NEAR(im[i], -3 * weights[i], 1e-15) << "sample " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Weights, DataWindowTable,
    testing::Values(
        WindowCase{"rectangular", 0, {1, 1, 1, 1}},
        // Parzen divides by (n + 1)/2: positive everywhere, no division by 0.
        WindowCase{"parzen_four", 1, {0.4, 0.8, 0.8, 0.4}},
        WindowCase{"parzen_two", 1, {2.0 / 3, 2.0 / 3}},
        WindowCase{"parzen_eight", 1, {2.0 / 9, 4.0 / 9, 6.0 / 9, 8.0 / 9, 8.0 / 9, 6.0 / 9, 4.0 / 9, 2.0 / 9}},
        WindowCase{"hanning_four", 2, {0, 0.75, 0.75, 0}},
        WindowCase{"welch_four", 3, {0.64, 0.96, 0.96, 0.64}},
        WindowCase{"hamming_four", 4, {0.08, 0.77, 0.77, 0.08}},
        WindowCase{"blackman_four", 5, {0, 0.63, 0.63, 0}},
        WindowCase{"single_sample_rectangular", 0, {1}},
        WindowCase{"single_sample_parzen", 1, {1}},
        WindowCase{"single_sample_hanning", 2, {1}},
        WindowCase{"single_sample_welch", 3, {1}},
        WindowCase{"single_sample_hamming", 4, {1}},
        WindowCase{"single_sample_blackman", 5, {1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ApplyDataWindow, HanningOfEightAtEverySample) {
  RealArray re = RealArray::Vector(8), im = RealArray::Vector(8);
  for (int i = 0; i < 8; ++i) re[i] = 1;
  ASSERT_TRUE(FourierTransform::ApplyDataWindow(re, im, 8, 2));
  for (int i = 0; i < 8; ++i)
    EXPECT_NEAR(re[i], 0.5 * (1 - std::cos(2 * std::numbers::pi * i / 7)), 1e-15) << i;
  EXPECT_EQ(re[0], 0.0);
  EXPECT_EQ(re[7], 0.0);
}

TEST(ApplyDataWindow, ParzenAndWelchArePositiveAndSymmetricForEveryLength) {
  for (std::int32_t n = 1; n <= FourierTransform::kMaxLength; n *= 2)
    for (std::int32_t type : {1, 3}) {
      RealArray re = RealArray::Vector(n), im = RealArray::Vector(n);
      for (std::int32_t i = 0; i < n; ++i) re[i] = 1;
      ASSERT_TRUE(FourierTransform::ApplyDataWindow(re, im, n, type));
      for (std::int32_t i = 0; i < n; ++i) {
        ASSERT_GT(re[i], 0.0) << "type " << type << ", n " << n << ", sample " << i;
        ASSERT_LE(re[i], 1.0);
        ASSERT_NEAR(re[i], re[n - 1 - i], 1e-15);
      }
    }
}

TEST(ApplyDataWindow, LeavesSamplesBeyondNAlone) {
  RealArray re = Values({1, 1, 1, 1, 5}), im = Values({1, 1, 1, 1, 6});
  ASSERT_TRUE(FourierTransform::ApplyDataWindow(re, im, 4, 2));
  EXPECT_EQ(re[4], 5);
  EXPECT_EQ(im[4], 6);
}

// ---- Rows ---------------------------------------------------------------------------

TEST(FftRows, TransformsEachRowAlone) {
  std::mt19937_64 random(101);
  std::uniform_real_distribution<double> value(-1, 1);
  for (bool inverse : {false, true}) {
    constexpr std::size_t kRows = 3, kColumns = 16;
    RealArray re = RealArray::Matrix(kRows, kColumns), im = RealArray::Matrix(kRows, kColumns);
    for (std::size_t i = 0; i < re.Size(); ++i) {
      re[i] = value(random);
      im[i] = value(random);
    }
    const RealArray originalRe = re, originalIm = im;
    ASSERT_TRUE(FourierTransform::FftRows(re, im, inverse));
    EXPECT_EQ(re.Dimensions(), originalRe.Dimensions());
    for (std::size_t r = 0; r < kRows; ++r) {
      RealArray rowRe = RealArray::Vector(kColumns), rowIm = RealArray::Vector(kColumns);
      for (std::size_t c = 0; c < kColumns; ++c) {
        rowRe[c] = originalRe.At(r, c);
        rowIm[c] = originalIm.At(r, c);
      }
      ASSERT_TRUE(inverse ? FourierTransform::FftInverse(rowRe, rowIm, kColumns)
                          : FourierTransform::FftForward(rowRe, rowIm, kColumns));
      for (std::size_t c = 0; c < kColumns; ++c) {
        EXPECT_EQ(re.At(r, c), rowRe[c]) << "row " << r << ", column " << c;
        EXPECT_EQ(im.At(r, c), rowIm[c]) << "row " << r << ", column " << c;
      }
    }
  }
}

TEST(FftRows, ForwardThenInverseRestoresTheRows) {
  RealArray re = RampMatrix(4, 8), im = RealArray::Matrix(4, 8);
  const RealArray original = re;
  ASSERT_TRUE(FourierTransform::FftRows(re, im, false));
  ASSERT_TRUE(FourierTransform::FftRows(re, im, true));
  for (std::size_t i = 0; i < re.Size(); ++i) {
    EXPECT_NEAR(re[i], original[i], 1e-13);
    EXPECT_NEAR(im[i], 0.0, 1e-13);
  }
}

TEST(FftRows, SingleColumnStaysAsItIs) {
  RealArray re = RampMatrix(3, 1), im = RampMatrix(3, 1);
  const RealArray original = re;
  ASSERT_TRUE(FourierTransform::FftRows(re, im, false));
  EXPECT_EQ(re, original);
  EXPECT_EQ(im, original);
}

// ---- Power periodogram --------------------------------------------------------------

TEST(PowerPeriodogram, ConstantSignalHasAllPowerAtZero) {
  RealArray re = Values({1, 1, 1, 1}), im = Values({0, 0, 0, 0});
  ASSERT_TRUE(FourierTransform::PowerPeriodogram(re, im, 1));
  // re[3] and im[3] keep the transform's values, 0 and 0.
  ExpectNear(re, {1, 0, 0, 0}, 1e-16);
  ExpectNear(im, {0, 0.25, 0.5, 0}, 0);
}

TEST(PowerPeriodogram, AlternatingSignalAtHalfSecondSteps) {
  RealArray re = Values({1, 0, -1, 0}), im = Values({0, 0, 0, 0});
  ASSERT_TRUE(FourierTransform::PowerPeriodogram(re, im, 0.5));
  // The transform is 0, 2, 0, 2: element 3 keeps its value 2.
  ExpectNear(re, {0, 0.5, 0, 2}, 1e-15);
  ExpectNear(im, {0, 0.5, 1, 0}, 1e-15);
}

TEST(PowerPeriodogram, SingleSampleGivesItsPowerAndFrequencyZero) {
  RealArray re = Values({3}), im = Values({4});
  ASSERT_TRUE(FourierTransform::PowerPeriodogram(re, im, 0));
  EXPECT_EQ(re, Values({25}));
  EXPECT_EQ(im, Values({0}));
}

TEST(PowerPeriodogram, TwoSamples) {
  RealArray re = Values({1, 3}), im = Values({0, 0});
  ASSERT_TRUE(FourierTransform::PowerPeriodogram(re, im, 0.25));
  // The transform is 4, -2; powers 16/4 and 4/4; frequencies 0 and 2.
  EXPECT_EQ(re, Values({4, 1}));
  EXPECT_EQ(im, Values({0, 2}));
}

TEST(PowerPeriodogram, ZeroIntervalGivesInfiniteFrequencies) {
  RealArray re = Values({1, 2, 3, 4}), im = Values({0, 0, 0, 0});
  ASSERT_TRUE(FourierTransform::PowerPeriodogram(re, im, 0));
  EXPECT_TRUE(std::isnan(im[0]));
  EXPECT_EQ(im[1], std::numeric_limits<double>::infinity());
  EXPECT_EQ(im[2], std::numeric_limits<double>::infinity());
}

TEST(PowerPeriodogram, PowersAddUpToTheMeanSquare) {
  // Parseval: Σ P(k)/n² over all k is the mean of |x|², and the one-sided
  // powers hold every P(k) once.
  std::mt19937_64 random(102);
  std::uniform_real_distribution<double> value(-1, 1);
  for (std::size_t n = 2; n <= 1024; n *= 2) {
    RealArray re = RealArray::Vector(n), im = RealArray::Vector(n);
    double meanSquare = 0;
    for (std::size_t i = 0; i < n; ++i) {
      re[i] = value(random);
      im[i] = value(random);
      meanSquare += (re[i] * re[i] + im[i] * im[i]) / static_cast<double>(n);
    }
    ASSERT_TRUE(FourierTransform::PowerPeriodogram(re, im, 0.1));
    double total = 0;
    for (std::size_t k = 0; k <= n / 2; ++k) total += re[k];
    EXPECT_NEAR(total, meanSquare, 1e-12) << "n " << n;
    EXPECT_NEAR(im[n / 2], 1 / (2 * 0.1), 1e-12) << "n " << n;
  }
}

// ---- Storage exhaustion --------------------------------------------------------------

TEST(FourierTransform, ReportsFailureWhenTheTablesCannotBeObtained) {
  const RealArray originalRe = Ramp(1024), originalIm = Ramp(1024);
  RealArray re = originalRe, im = originalIm;
  RealArray rowsRe = RampMatrix(2, 1024), rowsIm = RampMatrix(2, 1024);
  const RealArray originalRows = rowsRe;
  bool forward = true, inverse = true, rows = true, periodogram = true;
  {
    FailingLargeAllocations failing;
    forward = FourierTransform::FftForward(re, im, 1024);
    inverse = FourierTransform::FftInverse(re, im, 1024);
    rows = FourierTransform::FftRows(rowsRe, rowsIm, false);
    periodogram = FourierTransform::PowerPeriodogram(re, im, 1);
  }
  EXPECT_FALSE(forward);
  EXPECT_FALSE(inverse);
  EXPECT_FALSE(rows);
  EXPECT_FALSE(periodogram);
  EXPECT_EQ(re, originalRe);
  EXPECT_EQ(im, originalIm);
  EXPECT_EQ(rowsRe, originalRows);
  EXPECT_TRUE(FourierTransform::FftForward(re, im, 1024));
}

}  // namespace
