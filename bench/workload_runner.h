#pragma once

// The main() shared by the benchmark binaries: either write each workload's
// result texts (--write_results=DIR) for the comparison script, or time every
// workload with Google Benchmark.

#include <benchmark/benchmark.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "workloads.h"

namespace workloads {

struct Workload {
  const char* name;
  // Runs the workload once and returns the result texts.
  std::function<std::vector<std::string>()> run;
};

// The value of a "--flag=value" argument, or nullptr.
inline const char* FlagValue(int argc, char** argv, const char* flag) {
  const std::size_t length = std::strlen(flag);
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], flag, length) == 0 && argv[i][length] == '=')
      return argv[i] + length + 1;
  return nullptr;
}

inline int RunWorkloads(int argc, char** argv, const std::vector<Workload>& all) {
  if (const char* directory = FlagValue(argc, argv, "--write_results")) {
    for (const Workload& workload : all) {
      const std::vector<std::string> texts = workload.run();
      for (std::size_t i = 0; i < texts.size(); ++i)
        WriteText(directory, std::string(workload.name) + "_" + std::to_string(i), texts[i]);
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

}  // namespace workloads
