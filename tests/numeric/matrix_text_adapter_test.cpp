#include "matrix_text_adapter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "number_text.h"
#include "real_array_testing.h"

namespace {

const RealArray kNotAMatrix;  // the empty one-dimensional array

// ---- Reading --------------------------------------------------------------

struct ParseCase {
  const char* name;
  std::string text;
  RealArray matrix;
};

void PrintTo(const ParseCase& row, std::ostream* out) { *out << row.name; }

class ParseMatrixTextTable : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseMatrixTextTable, ReadsLinesAndFields) {
  EXPECT_EQ(MatrixTextAdapter().ParseMatrixText(GetParam().text), GetParam().matrix);
}

INSTANTIATE_TEST_SUITE_P(
    Matrices, ParseMatrixTextTable,
    testing::Values(
        ParseCase{"two_by_two", "1,2\r\n3,4", MatrixOf(2, 2, {1, 2, 3, 4})},
        ParseCase{"final_line_break", "1,2\r\n3,4\r\n", MatrixOf(2, 2, {1, 2, 3, 4})},
        ParseCase{"final_commas", "1,2,\r\n3,4,", MatrixOf(2, 2, {1, 2, 3, 4})},
        ParseCase{"one_element", "5", MatrixOf(1, 1, {5})},
        ParseCase{"two_final_line_breaks", "1,2\r\n\r\n", MatrixOf(1, 2, {1, 2})},
        ParseCase{"two_final_commas", "1,2,,\r\n3,4", MatrixOf(2, 2, {1, 2, 3, 4})},
        ParseCase{"empty_first_field", ",5\r\n6,7", MatrixOf(2, 2, {0, 5, 6, 7})},
        ParseCase{"one_column", "1\r\n2\r\n3", MatrixOf(3, 1, {1, 2, 3})},
        ParseCase{"padded_fields", "1  ,22 \r\n333,4  ", MatrixOf(2, 2, {1, 22, 333, 4})},
        ParseCase{"fields_that_are_not_numbers", "a,2\r\nx,4", MatrixOf(2, 2, {0, 2, 0, 4})},
        ParseCase{"empty_field_inside", "1,,3\r\n4,5,6", MatrixOf(2, 3, {1, 0, 3, 4, 5, 6})},
        ParseCase{"number_prefixes", "12abc,1e3\r\n-.5,0x10", MatrixOf(2, 2, {12, 1000, -0.5, 0})},
        ParseCase{"full_width_digits", "１,２\r\n３．５,４", MatrixOf(2, 2, {1, 2, 3.5, 4})},
        ParseCase{"chinese_fields", "中,文\r\n1,2", MatrixOf(2, 2, {0, 0, 1, 2})},
        // The full-width comma is one character, not a separator.
        ParseCase{"full_width_comma_inside_field", "1，2,3\r\n4,5", MatrixOf(2, 2, {1, 3, 4, 5})},
        // Only CR LF separates lines; a lone LF stays inside a field.
        ParseCase{"lone_line_feed", "1,2\n3,4", MatrixOf(1, 3, {1, 2, 4})}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    NotMatrices, ParseMatrixTextTable,
    testing::Values(
        ParseCase{"empty", "", kNotAMatrix},
        ParseCase{"line_break_only", "\r\n", kNotAMatrix},
        ParseCase{"lone_comma", ",", kNotAMatrix},
        // Three lines "1,2", "" and "", the last of which is dropped: the
        // remaining last line has no field.
        ParseCase{"last_lines_empty", "1,2\r\n\r\n\r\n", kNotAMatrix},
        ParseCase{"last_line_has_no_field", "1,2\r\n,", kNotAMatrix},
        // Ragged texts are not matrices: neither dropped nor zero-filled values.
        ParseCase{"longer_first_line", "1,2,3\r\n4,5", kNotAMatrix},
        ParseCase{"shorter_first_line", "1,2\r\n3,4,5", kNotAMatrix},
        ParseCase{"empty_line_inside", "1,2\r\n\r\n3,4", kNotAMatrix},
        ParseCase{"extra_empty_field", "1,2,,,\r\n3,4", kNotAMatrix}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseMatrixText, NeverCrashesOnArbitraryBytes) {
  std::mt19937 random(86);
  const std::string alphabet = std::string(",,,\r\n\r\n0123456789.-+e ") + "\xE4\xB8\xAD\xEF\xBC\x8C\xFF\x80";
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 40);
  std::uniform_int_distribution<int> anyByte(0, 255);
  const MatrixTextAdapter adapter;
  for (int trial = 0; trial < 20000; ++trial) {
    std::string text;
    const int size = length(random);
    for (int i = 0; i < size; ++i)
      text += trial % 2 ? alphabet[pick(random)] : static_cast<char>(anyByte(random));
    const RealArray matrix = adapter.ParseMatrixText(text);
    if (!matrix.IsMatrix()) {
      ASSERT_EQ(matrix, kNotAMatrix) << testing::PrintToString(text);
      continue;
    }
    ASSERT_EQ(matrix.Size(), matrix.Dimension(0) * matrix.Dimension(1));
    // What is written back reads as the same matrix, up to the 13 digits of
    // the text form (an infinite element, written 1.#INF, reads back as 1).
    const RealArray again = adapter.ParseMatrixText(adapter.FormatMatrixText(matrix));
    ASSERT_EQ(again.Dimensions(), matrix.Dimensions()) << testing::PrintToString(text);
    for (std::size_t i = 0; i < matrix.Size(); ++i)
      if (std::isfinite(matrix[i])) {
        ASSERT_EQ(again[i], TextToNumber(NumberToText(matrix[i])));
      }
  }
}

// ---- Writing --------------------------------------------------------------

struct FormatCase {
  const char* name;
  RealArray matrix;
  std::string text;
};

void PrintTo(const FormatCase& row, std::ostream* out) { *out << row.name; }

class FormatMatrixTextTable : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatMatrixTextTable, PadsToTheWidestElement) {
  EXPECT_EQ(MatrixTextAdapter().FormatMatrixText(GetParam().matrix), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatMatrixTextTable,
    testing::Values(
        FormatCase{"padded", MatrixOf(2, 2, {1, 22, 333, 4}), "1  ,22 \r\n333,4  "},
        FormatCase{"one_element", MatrixOf(1, 1, {0.25}), "0.25"},
        FormatCase{"column", MatrixOf(3, 1, {1, 2, 3}), "1\r\n2\r\n3"},
        FormatCase{"number_texts", MatrixOf(1, 3, {1e15, -0.5, 1.0 / 3}),
                   "1e+015         ,-0.5           ,0.3333333333333"},
        FormatCase{"failure_array", RealArray::FromValues({0.0}), ""},
        FormatCase{"empty_array", RealArray(), ""},
        FormatCase{"no_columns", RealArray::Matrix(2, 0), ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MatrixTextAdapter, RandomMatricesRoundTrip) {
  std::mt19937_64 random(87);
  std::uniform_int_distribution<std::size_t> size(1, 8);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-30, 30);
  const MatrixTextAdapter adapter;
  for (int trial = 0; trial < 500; ++trial) {
    RealArray matrix = RealArray::Matrix(size(random), size(random));
    for (double& value : matrix.Values()) value = mantissa(random) * std::pow(10.0, exponent(random));
    const std::string text = adapter.FormatMatrixText(matrix);
    const RealArray read = adapter.ParseMatrixText(text);
    ASSERT_EQ(read.Dimensions(), matrix.Dimensions());
    for (std::size_t i = 0; i < matrix.Size(); ++i)
      ASSERT_EQ(read[i], TextToNumber(NumberToText(matrix[i])));  // 13 significant digits
    ASSERT_EQ(adapter.FormatMatrixText(read), text);
  }
}

// ---- The text operations ---------------------------------------------------

struct OperationCase {
  const char* name;
  std::string (*run)(const MatrixTextAdapter&);
  std::string result;
};

void PrintTo(const OperationCase& row, std::ostream* out) { *out << row.name; }

class MatrixTextOperations : public testing::TestWithParam<OperationCase> {};

TEST_P(MatrixTextOperations, WriteTheResultOrTheEmptyText) {
  EXPECT_EQ(GetParam().run(MatrixTextAdapter()), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, MatrixTextOperations,
    testing::Values(
        OperationCase{"multiply_by_column",
                      [](const MatrixTextAdapter& a) { return a.MultiplyTexts("1,2\r\n3,4", "5\r\n6"); },
                      "17\r\n39"},
        OperationCase{"multiply_order_matters",
                      [](const MatrixTextAdapter& a) { return a.MultiplyTexts("5\r\n6", "1,2\r\n3,4"); }, ""},
        OperationCase{"multiply_two_by_three_twice",
                      [](const MatrixTextAdapter& a) { return a.MultiplyTexts("1,2,3\r\n4,5,6", "1,2,3\r\n4,5,6"); },
                      ""},
        OperationCase{"multiply_two_by_three_by_three_by_two",
                      [](const MatrixTextAdapter& a) {
                        return a.MultiplyTexts("1,2,3\r\n4,5,6", "7,8\r\n9,10\r\n11,12");
                      },
                      "58 ,64 \r\n139,154"},
        OperationCase{"add",
                      [](const MatrixTextAdapter& a) { return a.AddTexts("1,2\r\n3,4", "10,20\r\n30,40"); },
                      "11,22\r\n33,44"},
        OperationCase{"add_different_shapes",
                      [](const MatrixTextAdapter& a) { return a.AddTexts("1,2\r\n3,4", "5\r\n6"); }, ""},
        OperationCase{"add_transposed_shapes",
                      [](const MatrixTextAdapter& a) { return a.AddTexts("1,2,3\r\n4,5,6", "1,2\r\n3,4\r\n5,6"); },
                      ""},
        OperationCase{"add_ragged", [](const MatrixTextAdapter& a) { return a.AddTexts("1,2,3\r\n4,5", "1,2\r\n3,4"); },
                      ""},
        OperationCase{"invert_four", [](const MatrixTextAdapter& a) { return a.InvertText("4"); }, "0.25"},
        OperationCase{"invert_zero", [](const MatrixTextAdapter& a) { return a.InvertText("0"); }, ""},
        OperationCase{"invert_tiny", [](const MatrixTextAdapter& a) { return a.InvertText("1e-17"); }, ""},
        OperationCase{"invert_small", [](const MatrixTextAdapter& a) { return a.InvertText("1e-15"); },
                      "1e+015"},
        OperationCase{"invert_swap", [](const MatrixTextAdapter& a) { return a.InvertText("0,1\r\n1,0"); },
                      "0,1\r\n1,0"},
        OperationCase{"invert_not_square", [](const MatrixTextAdapter& a) { return a.InvertText("1,2"); }, ""},
        OperationCase{"transpose_row", [](const MatrixTextAdapter& a) { return a.TransposeText("1,2,3"); },
                      "1\r\n2\r\n3"},
        OperationCase{"transpose_ragged",
                      [](const MatrixTextAdapter& a) { return a.TransposeText("1,2,3\r\n4,5"); }, ""},
        OperationCase{"empty_multiply", [](const MatrixTextAdapter& a) { return a.MultiplyTexts("", "1"); }, ""},
        OperationCase{"empty_add", [](const MatrixTextAdapter& a) { return a.AddTexts("1", ""); }, ""},
        OperationCase{"empty_invert", [](const MatrixTextAdapter& a) { return a.InvertText(""); }, ""},
        OperationCase{"empty_transpose", [](const MatrixTextAdapter& a) { return a.TransposeText(""); }, ""},
        OperationCase{"scale", [](const MatrixTextAdapter& a) { return a.ScaleMatrix(MatrixOf(2, 2, {1, 2, 3, 4}), 2.5); },
                      "2.5,5  \r\n7.5,10 "},
        OperationCase{"scale_before_any_matrix",
                      [](const MatrixTextAdapter& a) { return a.ScaleMatrix(RealArray(), 2); }, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
