// What creating the help window costs at start-up, and what its first
// showing costs with the page, which it reads then at the latest, and
// without.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include "UnitAbout.h"

namespace {

void CreateHelpWindow(benchmark::State& state) {
  for (auto _ : state) TFormAbout about;
}
BENCHMARK(CreateHelpWindow)->Unit(benchmark::kMillisecond);

// The first showing: the page read, laid out at the window's size and its
// first screen painted, with the set-up picture read from its file.
void ShowHelpWindow(benchmark::State& state, const char* page) {
  for (auto _ : state) {
    TFormAbout about(page ? QString(page) : TFormAbout::HelpPagePath());
    about.show();
    benchmark::DoNotOptimize(about.grab());
  }
}
BENCHMARK_CAPTURE(ShowHelpWindow, WithPage, nullptr)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ShowHelpWindow, WithoutPage, "/nonexistent/vantrel.html")
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
