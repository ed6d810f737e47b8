// What loading the help page adds to creating the help window, and what its
// first showing costs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include "UnitAbout.h"

namespace {

void CreateHelpWindowWithPage(benchmark::State& state) {
  for (auto _ : state) TFormAbout about;
}
BENCHMARK(CreateHelpWindowWithPage)->Unit(benchmark::kMillisecond);

void CreateHelpWindowWithoutPage(benchmark::State& state) {
  for (auto _ : state) TFormAbout about("/nonexistent/vantrel.html");
}
BENCHMARK(CreateHelpWindowWithoutPage)->Unit(benchmark::kMillisecond);

// The first showing: the page laid out at the window's size and its first
// screen painted, with the set-up picture read from its file.
void CreateAndPaintHelpWindow(benchmark::State& state) {
  for (auto _ : state) {
    TFormAbout about;
    benchmark::DoNotOptimize(about.grab());
  }
}
BENCHMARK(CreateAndPaintHelpWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
