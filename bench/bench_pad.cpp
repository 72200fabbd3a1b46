// One scroll step of the pad: the new first row, the marker, and every cell to paint
// with its colour. The work is that of the rows in view, so 100 colours and
// 1,000,000 colours cost the same.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "archive/colourtable.h"

namespace {

hk::ColourArchive& ArchiveOf(int count) {
  static std::vector<std::pair<int, std::unique_ptr<hk::ColourArchive>>> made;
  for (auto& [n, archive] : made) {
    if (n == count) return *archive;
  }
  std::string templ = (std::filesystem::temp_directory_path() / "hk-bench-XXXXXX").string();
  if (::mkdtemp(templ.data()) == nullptr) std::abort();
  const std::filesystem::path file = std::filesystem::path(templ) / "Colorx.dat";
  std::vector<hk::LongColour> values(static_cast<std::size_t>(count));
  std::vector<std::string> names(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    values[static_cast<std::size_t>(i)] = i;
    names[static_cast<std::size_t>(i)] = "Colour " + std::to_string(i);
  }
  hk::WriteArchiveFile(file, values, names);
  auto archive = std::make_unique<hk::ColourArchive>();
  archive->LoadColors(file);
  std::filesystem::remove_all(templ);
  made.emplace_back(count, std::move(archive));
  return *made.back().second;
}

void BM_ScrollStep(benchmark::State& state) {
  const hk::WebColors web;
  hk::ColourTable table(ArchiveOf(static_cast<int>(state.range(0))), web);
  table.Pad().SetPadSize(4095, 1500);  // six whole rows and part of a seventh
  table.SetLastUserColor(1);
  table.Option1_Click(hk::PadList::Saved);
  const int max = table.Pad().ScrollMax();
  std::vector<hk::PadCell> cells;
  int value = 0;
  for (auto _ : state) {
    value = value < max ? value + 1 : 0;
    table.VS_Change(value);
    table.DrawColors(cells);
    benchmark::DoNotOptimize(cells.data());
  }
  state.counters["cells"] = static_cast<double>(cells.size());
}
BENCHMARK(BM_ScrollStep)->Arg(100)->Arg(1000000)->ArgName("colours");

}  // namespace

BENCHMARK_MAIN();
