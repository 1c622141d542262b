#pragma once

#include <string>
#include <string_view>

#include "real_array.h"

// What the matrix window calls: reads matrix texts, runs one MatrixCalc
// operation and writes the result as matrix text. A matrix text has its rows
// separated by CR LF and the elements of a row by ",". Every failure (a text
// that is not a matrix, shapes that do not fit, a singular matrix) gives the
// empty text.
class MatrixTextAdapter {
 public:
  // left · right.
  std::string MultiplyTexts(std::string_view left, std::string_view right) const;
  std::string AddTexts(std::string_view first, std::string_view second) const;
  std::string InvertText(std::string_view text) const;
  std::string TransposeText(std::string_view text) const;
  // The matrix the window built element by element, multiplied by x.
  std::string ScaleMatrix(const RealArray& matrix, double x) const;

  // Cuts the text into lines at CR LF and each line into fields at ",". Each
  // separator closes the piece before it, what follows the last separator is
  // a piece when not empty, and an empty piece at the very end is dropped;
  // other pieces are kept even when empty. So a final CR LF or a final ","
  // adds nothing, "," alone has no field, and ",5" has two. Each field is read with
  // TextToNumber (a field that is not a number is 0). The result is a
  // (lines × fields) matrix when every line has as many fields as the last
  // line and that number is not 0; otherwise the text is not a matrix and the
  // result is the empty one-dimensional array.
  //
  // The texts are UTF-8, whose multi-byte characters never contain the bytes
  // of ",", CR or LF, so cutting at these bytes never splits a character; a
  // broken sequence is a run of bytes like any other.
  RealArray ParseMatrixText(std::string_view text) const;

  // Each element as NumberToText writes it, padded with blanks on the right
  // to the width of the widest element; elements joined with ",", rows with
  // CR LF, nothing after the last row. An array that is not a matrix (the
  // failure array among them) is the empty text.
  std::string FormatMatrixText(const RealArray& matrix) const;
};
