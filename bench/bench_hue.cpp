// Hue, saturation, lightness and value of the whole colour cube: first checked against
// the conversion written out step by step, then timed. Any colour that differs is
// printed and the program fails before timing anything.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "colour/modhslv.h"

namespace hk {
namespace {

// The conversion written out step by step: channels, largest, smallest and their
// difference held as single floats, every expression evaluated in double.
struct Literal {
  float h, s, l, vs, v;
};
Literal LiteralHSLV(int red, int green, int blue, double maxHue) {
  const float r = static_cast<float>(red / 255.0), g = static_cast<float>(green / 255.0),
              b = static_cast<float>(blue / 255.0);
  const float mx = std::max({r, g, b}), mn = std::min({r, g, b});
  const float d = static_cast<float>(static_cast<double>(mx) - mn);
  const float l = static_cast<float>((static_cast<double>(mx) + mn) / 2);
  Literal out{0, 0, static_cast<float>(l * 240.0), 0, static_cast<float>(mx * 240.0)};
  if (d == 0) return out;
  const double h6 = maxHue / 6;
  double h;
  if (r == mx) {
    h = std::nearbyint((static_cast<double>(g) - b) * h6 / d);  // the FPU's halves to even
    if (h < 0) h += maxHue;
  } else if (g == mx) {
    h = (static_cast<double>(b) - r) * h6 / d + maxHue / 3;
  } else {
    h = (static_cast<double>(r) - g) * h6 / d + 2 * maxHue / 3;
  }
  out.h = static_cast<float>(h) + 0.0f;
  // Saturation is one expression of the largest and smallest: no stored difference.
  const double spread = static_cast<double>(mx) - mn;
  const float s = static_cast<float>(l <= 0.5f ? spread / (static_cast<double>(mx) + mn)
                                               : spread / (2.0 - mx - mn));
  out.s = static_cast<float>(s * 240.0);
  out.vs = static_cast<float>(static_cast<float>(spread / mx) * 240.0);
  return out;
}

// Every colour on both hue scales; the number that differ.
int CompareWholeCube() {
  int wrong = 0;
  for (const float maxHue : {240.0f, 360.0f}) {
    MaxHue = maxHue;
    for (int c = 0; c <= 0xFFFFFF; ++c) {
      const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = c >> 16;
      const Literal want = LiteralHSLV(r, g, b, maxHue);
      float h, s, l, vh, vs, v;
      RGBToHSL(r, g, b, h, s, l);
      RGBToHSV(r, g, b, vh, vs, v);
      if (h != want.h || s != want.s || l != want.l || vh != want.h || vs != want.vs ||
          v != want.v || std::signbit(h)) {
        if (++wrong <= 10) {
          std::printf("%d,%d,%d on %g: %g %g %g / %g %g %g\n", r, g, b, maxHue, h, s, l, vh, vs,
                      v);
        }
      }
    }
  }
  MaxHue = 240.0f;
  return wrong;
}

void BM_RGBToHSLWholeCube(benchmark::State& state) {
  for (auto _ : state) {
    float sum = 0;
    for (int c = 0; c <= 0xFFFFFF; ++c) {
      float h, s, l;
      RGBToHSL(c & 0xFF, (c >> 8) & 0xFF, c >> 16, h, s, l);
      sum += h;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * 0x1000000);
}
BENCHMARK(BM_RGBToHSLWholeCube)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hk

int main(int argc, char** argv) {
  const int wrong = hk::CompareWholeCube();
  std::printf("whole cube on both hue scales: %d colours differ\n", wrong);
  if (wrong != 0) return 1;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
