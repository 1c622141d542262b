// Benchmark of the calculator's exact arithmetic: each workload ends with the
// full decimal text of its result, as the calculator shows it.
//
//   unl_num_bench [Google Benchmark flags]
//   unl_num_bench --write_results=DIR   writes each workload's result texts
//   unl_num_bench --write_inputs=DIR    writes the operand texts for the peers

#include <benchmark/benchmark.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "convert_radix.h"
#include "unl_num.h"
#include "workloads.h"

namespace {

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

struct Workload {
  const char* name;
  // Runs the workload once and returns the result texts.
  std::function<std::vector<std::string>()> run;
};

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

const char* FlagValue(int argc, char** argv, const char* flag) {
  const std::size_t length = std::strlen(flag);
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], flag, length) == 0 && argv[i][length] == '=')
      return argv[i] + length + 1;
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (const char* directory = FlagValue(argc, argv, "--write_inputs")) {
    for (const auto& [name, text] : workloads::Inputs())
      workloads::WriteText(directory, name, text);
    return 0;
  }
  const std::vector<Workload> all = MakeWorkloads();
  if (const char* directory = FlagValue(argc, argv, "--write_results")) {
    for (const Workload& workload : all) {
      const std::vector<std::string> texts = workload.run();
      for (std::size_t i = 0; i < texts.size(); ++i)
        workloads::WriteText(directory, std::string(workload.name) + "_" + std::to_string(i),
                             texts[i]);
    }
    return 0;
  }
  for (const Workload& workload : all) {
    benchmark::RegisterBenchmark(workload.name, [run = workload.run](benchmark::State& state) {
      for (auto _ : state) {
        std::vector<std::string> texts = run();
        benchmark::DoNotOptimize(texts.data());
      }
    })->Unit(benchmark::kMicrosecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
