// The colour archive: the bytes of Colorx.dat after loads, adds, renames, deletes and saves,
// the questions and refusals the user sees, saves that fail, and searching names.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <variant>

#include "../test_support.h"
#include "archive/colorsearch.h"
#include "archive/colourarchive.h"
#include "colour/webcolors.h"

namespace hk {
namespace {

using namespace std::string_view_literals;
using namespace testing;
using Bytes = std::optional<std::string>;  // a file's bytes; none: no file

const std::string kRed = Record("\xFF\x00\x00\x00"sv, "Red");
const std::string kWhite = Record("\xFF\xFF\xFF\x00"sv, "White");
const std::string kBlue = Record("\x00\x00\xFF\x00"sv, "Blue");
const std::string kLime = Record("\x00\xFF\x00\x00"sv, "Lime");
const auto kNameExists = Msg("The supplied name already exists. Please specify different name.",
                             "Name Exists!", MsgButtons::OK, MsgIcon::Exclamation);

TEST(ArchiveRecord, BytesNameRulesAndRecordCount) {
  // clang-format off
  // Characters the code page cannot hold are one "?" each.
  const std::tuple<LongColour, std::string, std::string> records[] = {
      {255, "Red", kRed}, {4227327, "Orange-ish", Record("\xFF\x80\x40\x00"sv, "Orange-ish")},
      {-2147483643, "Window", Record("\x05\x00\x00\x80"sv, "Window")},
      {0, "Caf\xC3\xA9 \xE2\x82\xAC", Record("\x00\x00\x00\x00"sv, "Caf\xE9 \x80")},
      {1, "\xE6\x97\xA5\xE6\x9C\xAC ink \xF0\x9F\x8E\xA8", Record("\x01\0\0\0"sv, "?? ink ?")},
      {2, "abcdefghijklmnopqrstuvwxy", Record("\x02\x00\x00\x00"sv, "abcdefghijklmnopqrstuvwxy")}};
  // Names are cut at 25 characters, never inside one; spaces are trimmed later, not here.
  const std::string x24(24, 'x');
  const std::pair<std::string, std::string> cuts[] = {
      {std::string(30, 'a'), std::string(25, 'a')}, {x24 + "\xC3\xA9z", x24 + "\xC3\xA9"},
      {x24 + "\xE6\x97\xA5z", x24 + "?"}, {"  Sky  ", "  Sky  "}, {"\xCE\xA9mega", "?mega"}};
  // Windows-1252 letters compare without case; ÷ × are not letters; a stray byte is itself.
  const std::tuple<const char*, const char*, bool> names[] = {
      {"Sky Blue", "sky BLUE", true}, {"\xC3\xA9mile \xC5\xA1", "\xC3\x89MILE \xC5\xA0", true},
      {"\xC3\xBF", "\xC5\xB8", true}, {"Sky", "Sky Blue", false}, {"\xC3\xB7", "\xC3\x97", false},
      {"a\x81", "a\x01", false}};
  // Records in a file: its length over 29, rounded.
  const std::pair<std::uint64_t, std::uint64_t> counts[] = {
      {0, 0}, {14, 0}, {15, 1}, {29, 1}, {43, 1}, {44, 2}, {58, 2}, {29000000, 1000000}};
  // clang-format on
  for (const auto& [colour, name, bytes] : records) {
    const RecordBytes r = EncodeRecord(colour, name);
    EXPECT_EQ(std::string(r.begin(), r.end()), bytes) << name;
  }
  for (const auto& [typed, stored] : cuts) EXPECT_EQ(CutName(typed), stored) << typed;
  for (const auto& [a, b, same] : names)
    EXPECT_EQ(SameNameIgnoringCase(a, b), same) << ::testing::PrintToString(std::string(a));
  for (const auto& [length, count] : counts) EXPECT_EQ(RecordCount(length), count) << length;
  // Names compared as the file holds them agree with the comparison of the names read.
  for (int a = 0; a < 256; ++a) {
    for (int b = 0; b < 256; ++b) {
      const std::string x(1, static_cast<char>(a)), y(1, static_cast<char>(b));
      ASSERT_EQ(SameStoredName(x, y), SameNameIgnoringCase(FromStoredName(x), FromStoredName(y)))
          << a << " " << b;
    }
  }
}

// One step of a run: 'a' adds colour `arg` named `typed`, 'r' renames item `arg` to `typed`,
// 'd' deletes item `arg` (answered Yes), 's' saves as the session's end asks, the run going on.
using Step = std::tuple<char, int, std::string>;

std::vector<LongColour> Values(const ColourArchive& a) {
  std::vector<LongColour> v;
  for (int i = 0; i < a.Count(); ++i) v.push_back(a.Value(i));
  return v;
}
std::vector<std::string> Names(const ColourArchive& a) {
  std::vector<std::string> v;
  for (int i = 0; i < a.Count(); ++i) v.push_back(a.Name(i));
  return v;
}

// An archive loaded from a scratch Colorx.dat holding `bytes`.
struct Loaded {
  ScratchFolder dir;
  std::filesystem::path file = dir / kArchiveFileName;
  ColourArchive archive;
  LoadResult loaded;
  explicit Loaded(const Bytes& bytes, const std::vector<Step>& steps = {}) {
    if (bytes) WriteBytes(file, *bytes);
    loaded = archive.LoadColors(file);
    Run(steps);
  }
  void Run(const std::vector<Step>& steps) {
    for (const auto& [op, arg, typed] : steps) {
      ScriptedDialogs dialogs;
      dialogs.typed.push_back(typed);
      if (op == 'a') archive.AddColor(arg, dialogs);
      if (op == 'r') archive.Rename(arg, dialogs);
      if (op == 'd') archive.DeleteColor(arg, dialogs);
      if (op == 's') archive.Save(file);
    }
  }
  long Files() const { return std::distance(std::filesystem::directory_iterator(dir), {}); }
};

TEST(ArchiveLoad, FilesOfEveryShape) {
  // 14 stray bytes are dropped; 15 round up to a record: the colour and name bytes there are.
  const auto ok = LoadStatus::Loaded;
  const std::tuple<Bytes, LoadStatus, std::vector<LongColour>, std::vector<std::string>> cases[] = {
      {std::nullopt, LoadStatus::Missing, {}, {}},
      {"", ok, {}, {}},
      {kRed + kWhite, ok, {255, 16777215}, {"Red", "White"}},
      {kRed + "xxxxxxxxxxxxxx", ok, {255}, {"Red"}},
      {kRed + kLime.substr(0, 15), ok, {255, 65280}, {"Red", "Lime"}},
      {Record("\x10\x00\x00\x00"sv, "  Caf\xE9 \x80"), ok, {16}, {"Caf\xC3\xA9 \xE2\x82\xAC"}},
      {Record("\x07\x00\x00\x00"sv, ""), ok, {7}, {""}}};
  for (const auto& [bytes, status, values, names] : cases) {
    Loaded run(bytes);
    EXPECT_EQ(
        std::tuple(run.loaded.status, run.loaded.records, Values(run.archive), Names(run.archive),
                   run.archive.SaveDecision()),
        std::tuple(status, static_cast<int>(values.size()), values, names, SaveAction::Leave));
  }
}

TEST(ArchiveSave, FileBytesAfterARun) {
  const std::string odd = kRed + std::string(3, '\x7F'), rwb = kRed + kWhite + kBlue;
  const auto A = SaveAction::Append, R = SaveAction::Rewrite, L = SaveAction::Leave;
  const Step lime{'a', 65280, "Lime"}, blue{'a', 16711680, "Blue"};
  // No change leaves even an odd file alone and writes none; adds are appended, also after a
  // session save; the same name in spaces still rewrites; adds to a file of odd length rewrite
  // (appending would shift every later record).
  // clang-format off
  const std::tuple<Bytes, std::vector<Step>, SaveAction, Bytes> cases[] = {
      {odd, {}, L, odd}, {std::nullopt, {}, L, std::nullopt},
      {kRed, {lime, blue}, A, kRed + kLime + kBlue},
      {std::nullopt, {{'a', 255, "Red"}}, A, kRed},
      {kRed, {lime, {'s', 0, ""}, blue}, A, kRed + kLime + kBlue},
      {rwb, {{'r', 1, "Snow"}}, R, kRed + Record("\xFF\xFF\xFF\x00"sv, "Snow") + kBlue},
      {kRed + kWhite, {{'r', 0, " Red "}}, R, kRed + kWhite},
      {rwb, {{'d', 0, ""}}, R, kWhite + kBlue}, {kRed, {lime, blue, {'d', 1, ""}}, R, kRed + kBlue},
      {kRed, {lime, {'r', 1, "Green"}}, R, kRed + Record("\x00\xFF\x00\x00"sv, "Green")},
      {kRed + kLime.substr(0, 20), {blue}, R, kRed + kLime + kBlue}, {odd, {blue}, R, kRed + kBlue},
      {kRed, {{'a', 7, "\xCE\xA9 blue"}}, A, kRed + Record("\x07\x00\x00\x00"sv, "? blue")}};
  // clang-format on
  for (const auto& [before, steps, action, after] : cases) {
    Loaded run(before, steps);
    const SaveResult r = run.archive.Save(run.file);
    // Saved once, the run is in the file: a second save adds nothing twice.
    const SaveAction again = run.archive.Save(run.file).action;
    const bool exists = std::filesystem::exists(run.file);
    EXPECT_EQ(std::tuple(r.ok, r.error, r.action, again, run.Files()),
              std::tuple(true, "", action, L, after ? 1 : 0))
        << before.value_or("none");
    EXPECT_EQ(exists ? std::optional(ReadBytes(run.file)) : std::nullopt, after);
  }
}

TEST(ArchiveNames, AddRenameAndDeleteAskRefuseAndChangeTheLists) {
  using A = AddOutcome;
  using R = RenameOutcome;
  using D = DeleteOutcome;
  using Outcome = std::variant<A, R, D>;
  const auto ask = Input("Specify color name (Max 25 characters).", "Color Name", "");
  const auto askNew = Input("Specify new color name (Max 25 characters).\r\n( Old name: Red )",
                            "Edit Color Name", "Red");
  const auto dup =
      Msg("This color is already in file..", "Duplicate..", MsgButtons::OK, MsgIcon::Exclamation);
  const auto same =
      Msg("New name is same as old name.", "Information", MsgButtons::OK, MsgIcon::Information);
  const auto del =
      Msg("Delete this color 'Sky Blue' ?", "Delete ?", MsgButtons::YesNo, MsgIcon::Question);
  const std::vector<std::string> kept = {"Red", "Sky Blue"};
  // 'a' adds colour `arg`, 'r' renames item `arg`, 'd' deletes it; typed into the name box,
  // or "No" to the question. Names are cut to 25 characters and trimmed; the same name
  // ignores case but a rename to it in spaces or another case is a new name.
  // clang-format off
  const std::tuple<char, int, std::string, Outcome, std::vector<DialogCall>,
                   std::vector<std::string>> cases[] = {
      {'a', 255, "Snow", A::DuplicateColour, {dup}, kept},
      {'a', 1677, "Pale", A::Added, {ask}, {"Red", "Sky Blue", "Pale"}},
      {'a', 2, "rED", A::NameExists, {ask, kNameExists}, kept},
      {'a', 3, "  SKY BLUE ", A::NameExists, {ask, kNameExists}, kept},
      {'a', 4, "abcdefghijklmnopqrstuvwxyz1234", A::Added, {ask},
       {"Red", "Sky Blue", "abcdefghijklmnopqrstuvwxy"}},
      {'a', 5, "     ", A::NoName, {ask}, kept}, {'a', 6, "", A::NoName, {ask}, kept},
      {'r', 0, "Red", R::SameName, {askNew, same}, kept},
      {'r', 0, "red", R::Renamed, {askNew}, {"red", "Sky Blue"}},
      {'r', 0, " Red ", R::Renamed, {askNew}, kept},
      {'r', 0, "SKY blue", R::NameExists, {askNew, kNameExists}, kept},
      {'r', 0, "Crimson and then some more", R::Renamed, {askNew},
       {"Crimson and then some mor", "Sky Blue"}},
      {'r', 0, "   ", R::NoName, {askNew}, kept}, {'r', 0, "", R::NoName, {askNew}, kept},
      {'r', 2, "x", R::NoSuchItem, {}, kept}, {'d', 1, "No", D::Kept, {del}, kept},
      {'d', 1, "", D::Deleted, {del}, {"Red"}}, {'d', 2, "", D::NoSuchItem, {}, kept}};
  // clang-format on
  for (const auto& [op, arg, typed, outcome, calls, names] : cases) {
    Loaded run(kRed + Record("\xFF\xFF\xFF\x00"sv, "Sky Blue"));
    ScriptedDialogs dialogs;
    dialogs.typed = {typed};
    dialogs.pressed = {typed == "No" ? MsgResult::No : MsgResult::Yes};
    const Outcome got = op == 'a'   ? Outcome(run.archive.AddColor(arg, dialogs))
                        : op == 'r' ? Outcome(run.archive.Rename(arg, dialogs))
                                    : Outcome(run.archive.DeleteColor(arg, dialogs));
    const bool added = got == Outcome(A::Added), renamed = got == Outcome(R::Renamed),
               deleted = got == Outcome(D::Deleted);
    const auto none = ColourArchive::kUnchanged;
    EXPECT_EQ(
        std::tuple(got, dialogs.calls, Names(run.archive), run.archive.SaveDecision(),
                   run.archive.AddedLast(), run.archive.RenameMark(), run.archive.LowestDeleted()),
        std::tuple(outcome, calls, names,
                   added                ? SaveAction::Append
                   : renamed || deleted ? SaveAction::Rewrite
                                        : SaveAction::Leave,
                   added ? 0 : -1, renamed ? 0 : none, deleted ? arg : none))
        << op << " " << typed;
    if (added) {
      // The added colour, its name padded to 25 characters for the file.
      const auto& [colour, name] = run.archive.AddedColors()[0];
      EXPECT_EQ(std::pair(colour, name),
                std::pair(arg, names.back() + std::string(25 - names.back().size(), ' ')));
    }
  }
}

TEST(ArchiveSave, AFailedSaveLeavesTheOldBytesAndSaysSo) {
  // A rewrite with the disk full on the new file or at once, an append full inside the record.
  const std::pair<Step, rlim_t> cases[] = {
      {{'d', 0, ""}, 40}, {{'r', 1, "Snow"}, 0}, {{'a', 65280, "Lime"}, 100}};
  const std::string before = kRed + kWhite + kBlue;
  for (const auto& [step, limit] : cases) {
    Loaded run(before, {step});
    const SaveAction planned = run.archive.SaveDecision();
    std::optional<FileSizeLimit> full(std::in_place, limit);
    const SaveResult r = run.archive.Save(run.file);
    full.reset();
    EXPECT_EQ(std::tuple(r.ok, r.error, ReadBytes(run.file), run.Files()),
              std::tuple(false, run.file.string() + ": File too large", before, 1))
        << limit;
    // Nothing is forgotten: once there is room the same save goes through.
    EXPECT_EQ(run.archive.SaveDecision(), planned) << limit;
    EXPECT_TRUE(run.archive.Save(run.file).ok) << limit;
    EXPECT_NE(ReadBytes(run.file), before) << limit;
  }
}

TEST(ArchiveSave, AnArchiveNotReadToItsEndIsNeverWrittenOver) {
  // A folder or a pipe (which must not hang waiting for a writer) is a read error, naming the
  // file; the lists then miss records the file may hold, so it is never written over.
  for (const bool pipe : {false, true}) {
    Loaded run(kRed);
    const auto other = run.dir / "other";
    pipe ? ::mkfifo(other.c_str(), 0600) : ::mkdir(other.c_str(), 0700);
    const LoadResult r = run.archive.LoadColors(other);
    EXPECT_EQ(std::tuple(r.status, r.error.substr(0, other.string().size()), run.archive.Count()),
              std::tuple(LoadStatus::ReadError, other.string(), 0));
    run.Run({{'a', 1, "One"}, {'d', 0, ""}});
    const SaveResult saved = run.archive.Save(run.file);
    EXPECT_EQ(std::tuple(saved.action, saved.ok, ReadBytes(run.file)),
              std::tuple(SaveAction::Rewrite, false, kRed));
  }
}

TEST(ArchiveSave, ARewriteKeepsPermissionsAndLinks) {
  Loaded run(std::nullopt);
  const auto real = run.dir / "real.dat";
  WriteBytes(real, kRed + kWhite);
  ::chmod(real.c_str(), 0664);  // wider than the umask lets a new file be
  std::filesystem::create_symlink(real, run.file);
  run.archive.LoadColors(run.file);
  run.Run({{'d', 0, ""}});
  ASSERT_TRUE(run.archive.Save(run.file).ok);
  struct stat st {};
  ::stat(real.c_str(), &st);
  EXPECT_EQ(std::tuple(std::filesystem::is_symlink(run.file), ReadBytes(real), st.st_mode & 0777),
            std::tuple(true, kWhite, 0664u));
}

TEST(Search, EachSearchMovesToTheNextMatchAndWrapsAround) {
  const WebColors web;
  std::vector<int> dark;  // DarkBlue .. DarkViolet, then round to DarkBlue
  for (int i = 21; i <= 37; ++i) dark.push_back(i);
  dark.push_back(21);
  // From the 1-based selection (0: none), each search from the one found before. Aqua is
  // tried last, after Aquamarine; a selection beyond the list counts as none.
  // clang-format off
  const std::tuple<int, const char*, std::vector<int>> cases[] = {
      {1, "dark", dark}, {1, "DaRK", dark}, {140, "yellow", {138, 139, 138}},
      {0, "yellow", {138, 139}}, {6, "Beige", {5, 5}}, {3, "aqua", {3, 2}}, {0, "a", {0, 1}},
      {1, "a", {1, 2}}, {142, "a", {0}}, {-1, "a", {0}}};
  // clang-format on
  for (const auto& [from, text, found] : cases) {
    int selected = from;
    for (std::size_t k = 0; k < found.size(); ++k) {
      const auto match = NextMatch(web.WebNames, selected, text);
      ASSERT_EQ(match, found[k]) << text << " search " << k << " from " << selected;
      selected = *match + 1;
    }
  }
  for (const char* text : {" dark", "ZZ", "darkz", "AliceBlueX", "Alice Blue"})
    EXPECT_EQ(NextMatch(web.WebNames, 1, text), std::nullopt) << text;
}

}  // namespace
}  // namespace hk
