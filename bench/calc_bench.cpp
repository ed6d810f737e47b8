#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "calculation.h"
#include "format.h"
#include "number_reader.h"
#include "solver.h"

// Counts heap allocations so the benchmark can show that the numeric part
// makes none.
static std::atomic<long> allocations{0};

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size)) return p;
  throw std::bad_alloc();
}
// GCC does not see that operator new above is malloc, and would warn here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace balance3 {
namespace {

void WholeCalculation(benchmark::State& state) {
  CalculatorState calculator;
  SetTrialReferences(calculator, 100.0);
  const long before = allocations;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Calculate(kDefaultTexts, u",", calculator));
  }
  state.counters["allocs/calc"] = benchmark::Counter(
      double(allocations - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(WholeCalculation);

void NumericPart(benchmark::State& state) {
  CalculatorState calculator;
  SetTrialReferences(calculator, 100.0);
  if (!Calculate(kDefaultTexts, u",", calculator).labels) std::abort();
  const MeasurementSet set = calculator.measurements;
  EffectMatrix effects;
  const long before = allocations;
  for (auto _ : state) {
    ComputeEffectMatrix(set, effects);
    benchmark::DoNotOptimize(SolveCorrection(effects, set));
  }
  state.counters["allocs/calc"] = benchmark::Counter(
      double(allocations - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(NumericPart);

void ReadDefaultFields(benchmark::State& state) {
  for (auto _ : state) {
    for (const auto text : kDefaultTexts) benchmark::DoNotOptimize(ReadNumber(text, u","));
  }
}
BENCHMARK(ReadDefaultFields);

void FormatSixResults(benchmark::State& state) {
  const double results[] = {46.465359, 126.577537, 132.424969,
                            53.390699, 183.820298, 23.239318};
  for (auto _ : state) {
    for (double x : results) benchmark::DoNotOptimize(FormatResult(x, u","));
  }
}
BENCHMARK(FormatSixResults);

}  // namespace
}  // namespace balance3

BENCHMARK_MAIN();
