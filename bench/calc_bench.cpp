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

// The example's corrections, as a press of F9 returns them.
CorrectionResult ExampleCorrections() {
  CalculatorState calculator;
  SetTrialReferences(calculator, 100.0);
  const CalculationOutcome outcome = Calculate(kDefaultTexts, u",", calculator);
  if (!outcome.corrections) std::abort();
  return *outcome.corrections;
}

// From the 24 texts to the six label texts, as the window does on F9.
void WholeCalculation(benchmark::State& state) {
  CalculatorState calculator;
  SetTrialReferences(calculator, 100.0);
  const long before = allocations;
  for (auto _ : state) {
    const CalculationOutcome outcome = Calculate(kDefaultTexts, u",", calculator);
    benchmark::DoNotOptimize(FormatResults(*outcome.corrections, u","));
  }
  state.counters["allocs/calc"] = benchmark::Counter(
      double(allocations - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(WholeCalculation);

void NumericPart(benchmark::State& state) {
  MeasurementSet set;
  if (!ReadMeasurements(kDefaultTexts, u",", set).empty()) std::abort();
  for (double& ref : set.TrialRef) ref = 100.0;
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
  const CorrectionResult results = ExampleCorrections();
  for (auto _ : state) benchmark::DoNotOptimize(FormatResults(results, u","));
}
BENCHMARK(FormatSixResults);

}  // namespace
}  // namespace balance3

BENCHMARK_MAIN();
