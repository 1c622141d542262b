#include "real_array.h"

#include <gtest/gtest.h>

TEST(RealArray, StartsAsOneEmptyDimension) {
  const RealArray empty;
  EXPECT_EQ(empty.DimensionCount(), 1u);
  EXPECT_EQ(empty.Dimension(0), 0u);
  EXPECT_FALSE(empty.IsVector());
}

TEST(RealArray, MatrixIsStoredRowByRow) {
  RealArray matrix = RealArray::Matrix(2, 3);
  matrix.At(1, 0) = 7;
  EXPECT_TRUE(matrix.IsMatrix());
  EXPECT_EQ(matrix.Dimension(0), 2u);
  EXPECT_EQ(matrix.Dimension(1), 3u);
  EXPECT_EQ(matrix.Dimension(2), 0u);
  EXPECT_EQ(matrix[3], 7);
}
