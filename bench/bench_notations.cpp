// Formatting all six notations of a colour (done on every colour change, ten times
// a second during a pick) and reading each notation back.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "colour/notations.h"

namespace {

const hk::WebColors& Table() {
  static const hk::WebColors table;
  return table;
}

// A spread of colours: named ones (the HTML lookup hits) and unnamed ones (it
// scans the whole table).
constexpr std::array<hk::LongColour, 8> kColours = {0,       16777215, 4227327, 8036607,
                                                    3329434, 123456,   9999999, 16711935};

void BM_FormatAllSix(benchmark::State& state) {
  hk::NotationTexts texts;
  std::size_t i = 0;
  for (auto _ : state) {
    hk::FormatAll(kColours[i++ % kColours.size()], Table(), texts);
    benchmark::DoNotOptimize(texts);
  }
}
BENCHMARK(BM_FormatAllSix);

void BM_FormatAllSixUnnamed(benchmark::State& state) {
  hk::NotationTexts texts;
  for (auto _ : state) {
    hk::FormatAll(9999999, Table(), texts);
    benchmark::DoNotOptimize(texts);
  }
}
BENCHMARK(BM_FormatAllSixUnnamed);

template <typename Reader>
void ReadBench(benchmark::State& state, const char* text, Reader read) {
  const std::string input(text);
  for (auto _ : state) {
    auto r = read(input);
    benchmark::DoNotOptimize(r);
  }
}

void BM_ReadLong(benchmark::State& s) { ReadBench(s, "4227327", hk::ReadLong); }
void BM_ReadHex(benchmark::State& s) { ReadBench(s, "4080FF", hk::ReadHex); }
void BM_ReadWeb(benchmark::State& s) { ReadBench(s, "#FF8040", hk::ReadWeb); }
void BM_ReadRGB(benchmark::State& s) { ReadBench(s, "RGB(255, 128, 64)", hk::ReadRGB); }
void BM_ReadCMYK(benchmark::State& s) { ReadBench(s, "CMYK(0, 127, 191, 0)", hk::ReadCMYK); }
void BM_ReadHtmlNameLast(benchmark::State& s) {
  ReadBench(s, "yellowgreen", [](const std::string& t) { return hk::ReadHtmlName(t, Table()); });
}
void BM_ReadHtmlNameMissing(benchmark::State& s) {
  ReadBench(s, "rebeccapurple", [](const std::string& t) { return hk::ReadHtmlName(t, Table()); });
}
BENCHMARK(BM_ReadLong);
BENCHMARK(BM_ReadHex);
BENCHMARK(BM_ReadWeb);
BENCHMARK(BM_ReadRGB);
BENCHMARK(BM_ReadCMYK);
BENCHMARK(BM_ReadHtmlNameLast);
BENCHMARK(BM_ReadHtmlNameMissing);

}  // namespace

BENCHMARK_MAIN();
