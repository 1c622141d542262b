// Benchmark of the calculator's exact arithmetic: each workload ends with the
// full decimal text of its result, as the calculator shows it.
//
//   unl_num_bench [Google Benchmark flags]
//   unl_num_bench --write_results=DIR   writes each workload's result texts
//   unl_num_bench --write_inputs=DIR    writes the operand texts for the peers

#include <functional>
#include <string>
#include <vector>

#include "convert_radix.h"
#include "unl_num.h"
#include "workload_runner.h"

namespace {

using workloads::Workload;

UnlNum Number(const std::string& text) {
  UnlNum value;
  value.SetText(text);
  return value;
}

UnlNum Whole(std::int32_t value) {
  UnlNum number;
  number.SetValue(value);
  return number;
}

std::vector<Workload> MakeWorkloads() {
  using namespace workloads;
  const UnlNum three = Whole(static_cast<std::int32_t>(kPowerBase));
  const UnlNum dividend = Number(QuotientDividend());
  const UnlNum divisor = Number(QuotientDivisor());
  const UnlNum square = Number(SquareOperand());
  const std::string radixOperand = RadixOperand();
  const std::string binary = ConvertRadix(radixOperand, 10, 2);
  const UnlNum angle = Whole(kTrigAngle);

  return {
      {"W1_power", [=] { return std::vector{UnlNum::Power(three, kPowerExponent).GetText()}; }},
      {"W2_quotient_1000_digits",
       [=] { return std::vector{UnlNum::Div(dividend, divisor, kQuotientPlaces).GetText()}; }},
      {"W2_one_seventh_100000",
       [=] { return std::vector{UnlNum::Div(Whole(1), Whole(7), kSeventhPlaces).GetText()}; }},
      {"W3_square", [=] { return std::vector{UnlNum::Mul(square, square).GetText()}; }},
      {"W4_decimal_to_binary", [=] { return std::vector{ConvertRadix(radixOperand, 10, 2)}; }},
      {"W4_binary_to_decimal", [=] { return std::vector{ConvertRadix(binary, 2, 10)}; }},
      {"W4_decimal_to_hex", [=] { return std::vector{ConvertRadix(radixOperand, 10, 16)}; }},
      {"W5_sin_30", [=] { return std::vector{UnlNum::Sin(angle, kTrigPrecision).GetText()}; }},
      {"W5_tan_30", [=] { return std::vector{UnlNum::Tan(angle, kTrigPrecision).GetText()}; }},
      {"W6_key_press",
       [] {
         UnlNum a, b;
         a.SetText(kKeyPressA);
         b.SetText(kKeyPressB);
         return std::vector{UnlNum::Mul(a, b).GetText(),
                            UnlNum::Div(a, b, kKeyPressPlaces).GetText()};
       }},
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (const char* directory = workloads::FlagValue(argc, argv, "--write_inputs")) {
    for (const auto& [name, text] : workloads::Inputs()) workloads::WriteText(directory, name, text);
    return 0;
  }
  return workloads::RunWorkloads(argc, argv, MakeWorkloads());
}
