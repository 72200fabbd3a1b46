// The archive at its largest: loading and saving a million records (29 MB), and the
// duplicate checks AddColor runs over 100,000 saved colours before it asks a name.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "archive/colourarchive.h"

namespace {

void RemoveFolder();

// A scratch folder for the big files, removed at exit.
const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    std::string templ = (std::filesystem::temp_directory_path() / "hk-bench-XXXXXX").string();
    if (::mkdtemp(templ.data()) == nullptr) std::abort();
    return std::filesystem::path(templ);
  }();
  // Registered after the path exists, so it runs before the path is destroyed.
  [[maybe_unused]] static const int removal = std::atexit(RemoveFolder);
  return folder;
}

void RemoveFolder() {
  std::error_code ec;
  std::filesystem::remove_all(Folder(), ec);
}

// `count` distinct colours named "Colour 1" ... or, with `accented`, "Café 1" ...
// (a name with a Windows-1252 letter takes the code page conversion).
std::filesystem::path MakeArchive(int count, bool accented) {
  const auto file = Folder() / ((accented ? "accented-" : "plain-") + std::to_string(count));
  if (std::filesystem::exists(file)) return file;
  std::vector<hk::LongColour> values(static_cast<std::size_t>(count));
  std::vector<std::string> names(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    values[static_cast<std::size_t>(i)] = i;
    names[static_cast<std::size_t>(i)] =
        (accented ? "Caf\xC3\xA9 " : "Colour ") + std::to_string(i);
  }
  if (!hk::WriteArchiveFile(file, values, names).ok) std::abort();
  return file;
}

// Answers every question the same way, like a user who always types one name.
class SameAnswer : public hk::Dialogs {
 public:
  explicit SameAnswer(std::string name) : name_(std::move(name)) {}
  hk::MsgResult MsgBox(std::string_view, hk::MsgButtons, hk::MsgIcon, std::string_view) override {
    return hk::MsgResult::OK;
  }
  std::string InputBox(std::string_view, std::string_view, std::string_view) override {
    return name_;
  }
  void Set(std::string name) { name_ = std::move(name); }

 private:
  std::string name_;
};

void BM_LoadColors(benchmark::State& state) {
  const auto file = MakeArchive(static_cast<int>(state.range(0)), state.range(1) != 0);
  for (auto _ : state) {
    hk::ColourArchive archive;
    const hk::LoadResult r = archive.LoadColors(file);
    if (r.status != hk::LoadStatus::Loaded) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(archive.Count());
  }
  state.SetBytesProcessed(state.iterations() * state.range(0) * 29);
}
BENCHMARK(BM_LoadColors)
    ->ArgsProduct({{1000000}, {0, 1}})
    ->ArgNames({"records", "accented"})
    ->Unit(benchmark::kMillisecond);

// A rename marks the archive, so the save at exit rewrites all of it: the new file
// written, synced to the disk and renamed over the old one.
void BM_SaveRewrite(benchmark::State& state) {
  const auto source = MakeArchive(static_cast<int>(state.range(0)), false);
  const auto file = Folder() / "Colorx.dat";
  std::filesystem::copy_file(source, file, std::filesystem::copy_options::overwrite_existing);
  hk::ColourArchive archive;
  archive.LoadColors(file);
  SameAnswer dialogs("");
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    dialogs.Set("Renamed " + std::to_string(round++));
    archive.Rename(0, dialogs);
    state.ResumeTiming();
    const hk::SaveResult r = archive.Save(file);
    if (!r.ok || r.action != hk::SaveAction::Rewrite) state.SkipWithError("save failed");
  }
  state.SetBytesProcessed(state.iterations() * state.range(0) * 29);
  std::filesystem::remove(file);
}
BENCHMARK(BM_SaveRewrite)->Arg(1000000)->ArgName("records")->Unit(benchmark::kMillisecond);

// Both checks run to the end: the colour is new, the name is the last one kept in
// other capitals. Nothing is added, so every round is the same.
void BM_AddColorDuplicateChecks(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  hk::ColourArchive archive;
  archive.LoadColors(MakeArchive(count, false));
  SameAnswer dialogs("COLOUR " + std::to_string(count - 1));
  for (auto _ : state) {
    if (archive.AddColor(count, dialogs) != hk::AddOutcome::NameExists) {
      state.SkipWithError("the name was not refused");
    }
  }
}
BENCHMARK(BM_AddColorDuplicateChecks)
    ->Arg(100000)
    ->ArgName("colours")
    ->Unit(benchmark::kMillisecond);

// The colour check alone: the colour is the last one kept.
void BM_AddColorDuplicateColour(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  hk::ColourArchive archive;
  archive.LoadColors(MakeArchive(count, false));
  SameAnswer dialogs("unused");
  for (auto _ : state) {
    if (archive.AddColor(count - 1, dialogs) != hk::AddOutcome::DuplicateColour) {
      state.SkipWithError("the colour was not refused");
    }
  }
}
BENCHMARK(BM_AddColorDuplicateColour)
    ->Arg(100000)
    ->ArgName("colours")
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
