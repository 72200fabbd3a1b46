// One pick tick on X11: the pointer, and the 110 x 102 capture around it (the
// monitor layout is asked for on every capture). The layout query and the bare
// image read are timed apart, to show what asking for the layout each time costs.
//
// Needs an X11 display; without one it says so and does nothing.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "picker/x11screensource.h"

namespace {

hk::X11ScreenSource* gSource = nullptr;
constexpr int kHalfW = 55, kHalfH = 51;

void BM_PointerPosition(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(gSource->PointerPosition());
}

void BM_Capture(benchmark::State& state) {
  const hk::ScreenPoint at = gSource->PointerPosition().value_or(hk::ScreenPoint{});
  for (auto _ : state)
    benchmark::DoNotOptimize(
        gSource->Capture({at.x - kHalfW, at.y - kHalfH, 2 * kHalfW, 2 * kHalfH}));
}

void BM_Monitors(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(gSource->Monitors());
}

// The image read and conversion alone, as with a cached monitor list.
void BM_CaptureKnownLayout(benchmark::State& state) {
  const hk::ScreenPoint at = gSource->PointerPosition().value_or(hk::ScreenPoint{});
  const std::vector<hk::PixelRect> monitors = gSource->Monitors();
  auto* c = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  hk::X11PixelFormat format;  // the 24-bit layout of the test display
  for (auto _ : state)
    benchmark::DoNotOptimize(hk::ComposeCapture(
        {at.x - kHalfW, at.y - kHalfH, 2 * kHalfW, 2 * kHalfH}, monitors,
        [&](const hk::PixelRect& r) -> std::optional<hk::PixelImage> {
          xcb_get_image_reply_t* reply = xcb_get_image_reply(
              c,
              xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, static_cast<std::int16_t>(r.left),
                            static_cast<std::int16_t>(r.top), static_cast<std::uint16_t>(r.width),
                            static_cast<std::uint16_t>(r.height), ~0u),
              nullptr);
          if (reply == nullptr) return std::nullopt;
          auto image = hk::ConvertX11Pixels(format, xcb_get_image_data(reply),
                                        static_cast<std::size_t>(xcb_get_image_data_length(reply)),
                                        r.width, r.height);
          free(reply);
          return image;
        }));
}

}  // namespace

int main(int argc, char** argv) {
  if (getenv("DISPLAY") == nullptr || *getenv("DISPLAY") == '\0') {
    std::puts("bench_capture: no X11 display (DISPLAY is unset); nothing measured");
    return 0;
  }
  QGuiApplication app(argc, argv);
  const std::unique_ptr<hk::X11ScreenSource> source = hk::X11ScreenSource::Create();
  if (!source) {
    std::printf(
        "bench_capture: the screen cannot be read through X11 (platform %s); nothing "
        "measured\n",
        qPrintable(QGuiApplication::platformName()));
    return 0;
  }
  gSource = source.get();
  benchmark::RegisterBenchmark("PointerPosition", BM_PointerPosition);
  benchmark::RegisterBenchmark("Capture/110x102", BM_Capture);
  benchmark::RegisterBenchmark("Monitors", BM_Monitors);
  benchmark::RegisterBenchmark("CaptureKnownLayout/110x102", BM_CaptureKnownLayout);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
