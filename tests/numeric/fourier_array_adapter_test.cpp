#include "fourier_array_adapter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "fourier_transform.h"
#include "real_array_testing.h"

namespace {

RealArray Values(std::vector<double> values) { return RealArray::FromValues(std::move(values)); }

RealArray Matrix(std::size_t rows, std::size_t columns) {
  RealArray matrix = RealArray::Matrix(rows, columns);
  for (std::size_t i = 0; i < matrix.Size(); ++i) matrix[i] = static_cast<double>(i) + 1;
  return matrix;
}

RealArray Ramp(std::size_t n) {
  RealArray array = RealArray::Vector(n);
  for (std::size_t i = 0; i < n; ++i) array[i] = static_cast<double>(i) + 1;
  return array;
}

// ---- Runs over the whole arrays ---------------------------------------------

TEST(FourierArrayAdapter, ForwardTransformsAllElements) {
  RealArray re = Values({1, 0, 0, 0}), im = Values({0, 0, 0, 0});
  EXPECT_TRUE(FourierArrayAdapter().RunForward(re, im));
  EXPECT_EQ(re, Values({1, 1, 1, 1}));
  EXPECT_EQ(im, Values({0, 0, 0, 0}));
}

TEST(FourierArrayAdapter, InverseUndoesForward) {
  RealArray re = Values({1, 2, 3, 4, 5, 6, 7, 8}), im = Values({0, 1, 0, 1, 0, 1, 0, 1});
  const RealArray originalRe = re, originalIm = im;
  const FourierArrayAdapter adapter;
  ASSERT_TRUE(adapter.RunForward(re, im));
  ASSERT_TRUE(adapter.RunInverse(re, im));
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_NEAR(re[i], originalRe[i], 1e-14);
    EXPECT_NEAR(im[i], originalIm[i], 1e-14);
  }
}

TEST(FourierArrayAdapter, WindowUsesTheListPosition) {
  RealArray re = Values({1, 1, 1, 1}), im = Values({0, 0, 0, 0});
  EXPECT_TRUE(FourierArrayAdapter().RunWindow(re, im, 2));  // Hanning
  EXPECT_NEAR(re[0], 0, 1e-16);
  EXPECT_NEAR(re[1], 0.75, 1e-15);
}

TEST(FourierArrayAdapter, RowsTransformEachRow) {
  RealArray re = RealArray::Matrix(2, 4), im = RealArray::Matrix(2, 4);
  re.At(0, 0) = 1;
  re.At(1, 0) = 2;
  EXPECT_TRUE(FourierArrayAdapter().RunRows(re, im, false));
  RealArray expected = RealArray::Matrix(2, 4);
  for (std::size_t c = 0; c < 4; ++c) {
    expected.At(0, c) = 1;
    expected.At(1, c) = 2;
  }
  EXPECT_EQ(re, expected);
}

TEST(FourierArrayAdapter, PeriodogramGivesPowersAndFrequencies) {
  RealArray re = Values({1, 1, 1, 1}), im = Values({0, 0, 0, 0});
  EXPECT_TRUE(FourierArrayAdapter().RunPeriodogram(re, im, 1));
  EXPECT_NEAR(re[0], 1, 1e-16);
  EXPECT_EQ(im[1], 0.25);
  EXPECT_EQ(im[2], 0.5);
}

TEST(FourierArrayAdapter, LongerImaginaryListIsAcceptedAndKeptBeyondN) {
  RealArray re = Values({1, 0}), im = Values({0, 0, 9});
  EXPECT_TRUE(FourierArrayAdapter().RunForward(re, im));
  EXPECT_EQ(re, Values({1, 1}));
  EXPECT_EQ(im, Values({0, 0, 9}));
}

// ---- Refusals empty both arrays ---------------------------------------------

struct RefusalCase {
  const char* name;
  std::function<bool(RealArray&, RealArray&)> run;
  RealArray re;
  RealArray im;
};

void PrintTo(const RefusalCase& row, std::ostream* out) { *out << row.name; }

class FourierAdapterRefusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(FourierAdapterRefusals, EmptyBothArrays) {
  RealArray re = GetParam().re, im = GetParam().im;
  EXPECT_FALSE(GetParam().run(re, im));
  EXPECT_EQ(re, RealArray());
  EXPECT_EQ(im, RealArray());
}

const FourierArrayAdapter kAdapter;

INSTANTIATE_TEST_SUITE_P(
    Examples, FourierAdapterRefusals,
    testing::Values(
        RefusalCase{"forward_three", [](RealArray& re, RealArray& im) { return kAdapter.RunForward(re, im); },
                    Ramp(3), Ramp(3)},
        RefusalCase{"forward_empty", [](RealArray& re, RealArray& im) { return kAdapter.RunForward(re, im); },
                    RealArray(), RealArray()},
        RefusalCase{"forward_im_shorter", [](RealArray& re, RealArray& im) { return kAdapter.RunForward(re, im); },
                    Ramp(4), Ramp(2)},
        RefusalCase{"forward_16384", [](RealArray& re, RealArray& im) { return kAdapter.RunForward(re, im); },
                    Ramp(16384), Ramp(16384)},
        RefusalCase{"inverse_six", [](RealArray& re, RealArray& im) { return kAdapter.RunInverse(re, im); },
                    Ramp(6), Ramp(6)},
        RefusalCase{"window_none_chosen",
                    [](RealArray& re, RealArray& im) { return kAdapter.RunWindow(re, im, -1); }, Ramp(4), Ramp(4)},
        RefusalCase{"window_type_six", [](RealArray& re, RealArray& im) { return kAdapter.RunWindow(re, im, 6); },
                    Ramp(4), Ramp(4)},
        RefusalCase{"rows_three_columns",
                    [](RealArray& re, RealArray& im) { return kAdapter.RunRows(re, im, false); }, Matrix(2, 3),
                    Matrix(2, 3)},
        RefusalCase{"rows_different_shapes",
                    [](RealArray& re, RealArray& im) { return kAdapter.RunRows(re, im, true); }, Matrix(2, 4),
                    Matrix(1, 4)},
        RefusalCase{"rows_not_created",
                    [](RealArray& re, RealArray& im) { return kAdapter.RunRows(re, im, false); }, RealArray(),
                    RealArray()},
        RefusalCase{"periodogram_unequal_lengths",
                    [](RealArray& re, RealArray& im) { return kAdapter.RunPeriodogram(re, im, 1); }, Ramp(4),
                    Ramp(8)},
        RefusalCase{"periodogram_five",
                    [](RealArray& re, RealArray& im) { return kAdapter.RunPeriodogram(re, im, 1); }, Ramp(5),
                    Ramp(5)}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
