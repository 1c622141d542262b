// Evaluation rate of a converted expression and the cost of one Romberg
// integration, the two loads of the expression panel.
#include "expression_parse.h"

#include <benchmark/benchmark.h>

namespace {

void EvaluateAt(benchmark::State& state) {
  ExpressionParse parser;
  if (!parser.SetExpression("3*exp(x)*tan(x)/(8+log(x))")) {
    state.SkipWithError("expression refused");
    return;
  }
  double x = 1;
  for (auto _ : state) {
    double value = 0;
    benchmark::DoNotOptimize(parser.EvaluateAt(x, value));
    benchmark::DoNotOptimize(value);
    x += 1e-9;
  }
  state.counters["points"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                benchmark::Counter::kIsRate);
}
BENCHMARK(EvaluateAt);

void IntegrateSinExp(benchmark::State& state) {
  double result = 0;
  int passes = 0;
  for (auto _ : state) {
    ExpressionParse parser;
    if (!parser.Integrate("sin(x)*exp(x)", 10, 0, 1e-10, result)) {
      state.SkipWithError("integration failed");
      return;
    }
    passes = parser.Passes();
    benchmark::DoNotOptimize(result);
  }
  state.counters["passes"] = passes;
}
BENCHMARK(IntegrateSinExp)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
