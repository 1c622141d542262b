#pragma once

#include <string>
#include <string_view>

// Conversion of a non-negative whole number written as text from one radix to
// another, for the radix switch and the "=" key of the calculator.
//
// The digits are "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"; radix r uses the
// first r of them. The text is first normalised: full-width characters become
// their half-width forms, then a to z become A to Z. The result is
// - "参数错误-进制只能在2-36之间" when from or to lies outside 2 … 36;
// - "参数错误-<normalised text>不是一个有效的<RadixName(from)>进制数！" at the
//   first character that is not a digit of radix from;
// - the normalised text itself, leading zeros included, when from equals to;
// - otherwise the number in radix to without leading zeros ("0" for zero and
//   for the empty text).
// Callers show the text as it comes. The conversion is exact for any length
// and runs in GMP's subquadratic radix conversion.
std::string ConvertRadix(std::string_view text, int from, int to);

// The radix as a Chinese amount, as the invalid-digit message writes it: a
// radix below 10 is its digit alone (二, 八), a radix from 10 to 99 the tens
// digit, "十" and the units digit when it is not zero (一十, 一十六, 二十,
// 三十六). Other values give the empty text.
std::string RadixName(int radix);
