// One whole pick tick on X11, as the timer runs it ten times a second: read the
// pointer, capture 110 x 102 pixels around it, SetColor with every field, and paint
// the window (magnifier included) to the server. The pointer is warped between two
// spots each time, so every tick captures. Target: under 2 ms.
//
// Needs an X11 display; without one it says so and does nothing.
#include <benchmark/benchmark.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

#include "mainwindow/frmpickcolor.h"
#include "picker/magnifier.h"
#include "picker/screenpicker.h"

namespace {

hk::FrmPickColor* gWindow = nullptr;

void BM_PickTick(benchmark::State& state) {
  auto* c = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  gWindow->magnifier().mnuZm_Click(static_cast<int>(state.range(0)) - 1);
  int step = 0;
  for (auto _ : state) {
    xcb_warp_pointer(c, XCB_NONE, root, 0, 0, 0, 0, static_cast<std::int16_t>(20 + step % 2),
                     static_cast<std::int16_t>(30 + step % 3));
    ++step;
    gWindow->picker().Timer1_Timer();
    QApplication::processEvents();  // paints everything the tick changed
  }
  state.counters["captures"] = step;
}

}  // namespace

int main(int argc, char** argv) {
  if (getenv("DISPLAY") == nullptr || *getenv("DISPLAY") == '\0') {
    std::puts("bench_pick: no X11 display (DISPLAY is unset); nothing measured");
    return 0;
  }
  QApplication app(argc, argv);
  if (QGuiApplication::platformName() != QLatin1String("xcb")) {
    std::puts("bench_pick: not an X11 session; nothing measured");
    return 0;
  }
  hk::FrmPickColor window;
  window.show();
  QElapsedTimer waited;
  waited.start();
  while (!window.windowHandle()->isExposed() && waited.elapsed() < 10000) {
    QApplication::processEvents();
    QThread::msleep(10);
  }
  if (!window.windowHandle()->isExposed()) {
    std::puts("bench_pick: the window was never shown");
    return 1;
  }
  gWindow = &window;
  benchmark::RegisterBenchmark("PickTick", BM_PickTick)
      ->ArgName("zoom")
      ->Arg(1)
      ->Arg(4)
      ->Arg(16)
      ->Unit(benchmark::kMicrosecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
