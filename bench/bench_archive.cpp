// The archive at 10,000, 100,000 and 1,000,000 colours (the largest a 29 MB file):
// loading it, adding a colour (the duplicate checks over every saved colour, then the
// append), the duplicate checks that refuse a colour, and the save at exit, both the
// whole rewrite after a rename and the append of one added colour.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "archive/archiverecord.h"
#include "archive/colourarchive.h"

namespace {

// The archive sizes every benchmark runs at.
void Sizes(benchmark::internal::Benchmark* b) {
  for (const std::int64_t count : {10000, 100000, 1000000}) b->Arg(count);
}

// How many colours the add and append benchmarks let the archive grow by before they
// start again from the file of the size measured: 1 % of the smallest archive.
constexpr int kBatch = 100;

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

// An archive file of `count` records, written here record by record: colours 0 to
// count - 1, named "Colour 0" ... or, with `accented`, "Café 0" ... (names with a
// Windows-1252 letter, which go through the code page conversion).
std::filesystem::path MakeArchive(int count, bool accented) {
  const auto file = Folder() / ((accented ? "accented-" : "plain-") + std::to_string(count));
  if (std::filesystem::exists(file)) return file;
  std::vector<unsigned char> bytes(static_cast<std::size_t>(count) * hk::kRecordSize);
  for (int i = 0; i < count; ++i) {
    const std::string name = (accented ? "Caf\xC3\xA9 " : "Colour ") + std::to_string(i);
    hk::EncodeRecord(i, name, bytes.data() + static_cast<std::size_t>(i) * hk::kRecordSize);
  }
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) std::abort();
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

// Answers each name prompt with the next of `kBatch` names none of the archives holds:
// "New 0", "New 1" ...
class NewNames : public hk::Dialogs {
 public:
  NewNames() {
    for (int i = 0; i < kBatch; ++i) names_.push_back("New " + std::to_string(i));
  }
  hk::MsgResult MsgBox(std::string_view, hk::MsgButtons, hk::MsgIcon, std::string_view) override {
    return hk::MsgResult::OK;
  }
  std::string InputBox(std::string_view, std::string_view, std::string_view) override {
    return names_[next_++ % names_.size()];
  }
  void Restart() { next_ = 0; }

 private:
  std::vector<std::string> names_;
  std::size_t next_ = 0;
};

// The load at start-up, which maps the file and reads no record until one is shown;
// the first pass over every record is timed by the adds below, whose duplicate checks
// read them all.
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
    ->ArgsProduct({{10000, 100000, 1000000}, {0, 1}})
    ->ArgNames({"records", "accented"})
    ->Unit(benchmark::kMillisecond);

// A new colour with a new name: both duplicate checks run over every saved colour and
// find nothing, then the colour is appended to the lists. Each round adds a colour of
// its own; after kBatch rounds the archive is loaded again from the file (not timed),
// so it always holds between `colours` and `colours` + kBatch - 1 items.
void BM_AddColor(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const auto file = MakeArchive(count, false);
  hk::ColourArchive archive;
  NewNames dialogs;
  int added = kBatch;
  for (auto _ : state) {
    if (added == kBatch) {
      state.PauseTiming();
      if (archive.LoadColors(file).status != hk::LoadStatus::Loaded) {
        state.SkipWithError("load failed");
      }
      dialogs.Restart();
      added = 0;
      state.ResumeTiming();
    }
    if (archive.AddColor(count + added, dialogs) != hk::AddOutcome::Added) {
      state.SkipWithError("the colour was not added");
      break;
    }
    ++added;
  }
}
BENCHMARK(BM_AddColor)->Apply(Sizes)->ArgName("colours")->Unit(benchmark::kMicrosecond);

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
    const bool renamed = archive.Rename(0, dialogs) == hk::RenameOutcome::Renamed;
    state.ResumeTiming();
    const hk::SaveResult r = archive.Save(file);
    if (!renamed || !r.ok || r.action != hk::SaveAction::Rewrite) {
      state.SkipWithError("save failed");
      break;
    }
  }
  state.SetBytesProcessed(state.iterations() * state.range(0) * 29);
  std::filesystem::remove(file);
}
BENCHMARK(BM_SaveRewrite)->Apply(Sizes)->ArgName("records")->Unit(benchmark::kMillisecond);

// One colour added in the run, so the save at exit appends its record to the file and
// syncs it. Only the save is timed. Each round adds a colour of its own and the file
// grows with the archive, one record a round; after kBatch rounds the file is cut back
// to its first `records` records and loaded again (not timed), so file and archive
// always agree and hold fewer than kBatch records more than the size measured.
void BM_SaveAppend(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const auto source = MakeArchive(count, false);
  const auto file = Folder() / "append.dat";
  const auto length = static_cast<std::uintmax_t>(count) * hk::kRecordSize;
  std::filesystem::copy_file(source, file, std::filesystem::copy_options::overwrite_existing);
  hk::ColourArchive archive;
  NewNames dialogs;
  int added = kBatch;
  for (auto _ : state) {
    state.PauseTiming();
    if (added == kBatch) {
      std::filesystem::resize_file(file, length);
      if (archive.LoadColors(file).status != hk::LoadStatus::Loaded) {
        state.SkipWithError("load failed");
      }
      dialogs.Restart();
      added = 0;
    }
    const bool ok = archive.AddColor(count + added, dialogs) == hk::AddOutcome::Added;
    ++added;
    state.ResumeTiming();
    const hk::SaveResult r = archive.Save(file);
    if (!ok || !r.ok || r.action != hk::SaveAction::Append) {
      state.SkipWithError("append failed");
      break;
    }
  }
  if (!state.error_occurred() &&
      std::filesystem::file_size(file) !=
          length + static_cast<std::uintmax_t>(added) * hk::kRecordSize) {
    state.SkipWithError("the file does not hold the appended records");
  }
  std::filesystem::remove(file);
}
BENCHMARK(BM_SaveAppend)->Apply(Sizes)->ArgName("records")->Unit(benchmark::kMicrosecond);

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
      break;
    }
  }
}
BENCHMARK(BM_AddColorDuplicateChecks)
    ->Apply(Sizes)
    ->ArgName("colours")
    ->Unit(benchmark::kMicrosecond);

// The colour check alone: the colour is the last one kept.
void BM_AddColorDuplicateColour(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  hk::ColourArchive archive;
  archive.LoadColors(MakeArchive(count, false));
  SameAnswer dialogs("unused");
  for (auto _ : state) {
    if (archive.AddColor(count - 1, dialogs) != hk::AddOutcome::DuplicateColour) {
      state.SkipWithError("the colour was not refused");
      break;
    }
  }
}
BENCHMARK(BM_AddColorDuplicateColour)
    ->Apply(Sizes)
    ->ArgName("colours")
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
