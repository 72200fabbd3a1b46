// One SetColor with every field and editor updated, widgets created offscreen and
// painting left out: it runs ten times a second during a screen pick.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "mainwindow/frmpickcolor.h"

namespace {

void BM_SetColor(benchmark::State& state) {
  hk::FrmPickColor window;
  window.mnuColorMode_Click(static_cast<int>(state.range(0)));
  window.mnuDisp_Click(static_cast<int>(state.range(1)));
  // Alternating colours, so every field and editor really changes each time.
  const hk::LongColour colours[] = {4227327, 16776960, 123456, 9999999, 0, 16777215};
  std::size_t i = 0;
  for (auto _ : state) window.SetColor(colours[i++ % 6]);
}
BENCHMARK(BM_SetColor)
    ->ArgNames({"mode", "display"})
    ->Args({0, 0})
    ->Args({2, 2})
    ->Args({3, 1})
    ->Args({4, 0});

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
