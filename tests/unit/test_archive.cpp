// The colour archive: the bytes of Colorx.dat after loads, adds, renames, deletes
// and saves, the questions and refusals the user sees, and saves that fail.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <optional>

#include "archive/colourarchive.h"
#include "../test_support.h"

namespace hk {
namespace {

using namespace std::string_view_literals;
using testing::DialogCall;
using testing::FileSizeLimit;
using testing::Input;
using testing::Msg;
using testing::ReadBytes;
using testing::Record;
using testing::ScratchFolder;
using testing::ScriptedDialogs;
using testing::WriteBytes;

const std::string kRed = Record("\xFF\x00\x00\x00"sv, "Red");
const std::string kWhite = Record("\xFF\xFF\xFF\x00"sv, "White");
const std::string kBlue = Record("\x00\x00\xFF\x00"sv, "Blue");
const std::string kLime = Record("\x00\xFF\x00\x00"sv, "Lime");
const auto kNameExists = Msg("The supplied name already exists. Please specify different name.",
                             "Name Exists!", MsgButtons::OK, MsgIcon::Exclamation);

TEST(ArchiveRecord, BytesOfOneRecord) {
  const struct { LongColour colour; std::string name, bytes; } cases[] = {
      {255, "Red", kRed},
      {4227327, "Orange-ish", Record("\xFF\x80\x40\x00"sv, "Orange-ish")},
      {-2147483643, "Window", Record("\x05\x00\x00\x80"sv, "Window")},
      {0, "Caf\xC3\xA9 \xE2\x82\xAC", Record("\x00\x00\x00\x00"sv, "Caf\xE9 \x80")},
      // Characters the code page cannot hold are one "?" each.
      {1, "\xE6\x97\xA5\xE6\x9C\xAC ink \xF0\x9F\x8E\xA8",
       Record("\x01\x00\x00\x00"sv, "?? ink ?")},
      {2, "abcdefghijklmnopqrstuvwxy", Record("\x02\x00\x00\x00"sv, "abcdefghijklmnopqrstuvwxy")},
  };
  for (const auto& c : cases) {
    const RecordBytes r = EncodeRecord(c.colour, c.name);
    EXPECT_EQ(std::string(r.begin(), r.end()), c.bytes) << c.name;
  }
}

TEST(ArchiveRecord, NameRulesAndRecordCount) {
  // Cut at 25 characters, never inside one.
  const std::string x24(24, 'x');
  // é is one character, so is one stored as "?"; spaces are trimmed later, not here.
  const struct { std::string typed, stored; } cuts[] = {
      {std::string(30, 'a'), std::string(25, 'a')}, {x24 + "\xC3\xA9z", x24 + "\xC3\xA9"},
      {x24 + "\xE6\x97\xA5z", x24 + "?"}, {"  Sky  ", "  Sky  "}, {"\xCE\xA9mega", "?mega"}};
  for (const auto& c : cuts) EXPECT_EQ(CutName(c.typed), c.stored) << c.typed;

  // The same name ignoring the case of Windows-1252 letters.
  // émile š, ÿ Ÿ alike; ÷ × are not letters; a stray byte is only itself.
  const struct { const char *a, *b; bool same; } names[] = {
      {"Sky Blue", "sky BLUE", true}, {"\xC3\xA9mile \xC5\xA1", "\xC3\x89MILE \xC5\xA0", true},
      {"\xC3\xBF", "\xC5\xB8", true}, {"Sky", "Sky Blue", false}, {"\xC3\xB7", "\xC3\x97", false},
      {"a\x81", "a\x01", false}};
  for (const auto& n : names) {
    EXPECT_EQ(SameNameIgnoringCase(n.a, n.b), n.same) << ::testing::PrintToString(std::string(n.a));
  }

  // Records in a file: its length over 29, rounded.
  const std::pair<std::uint64_t, std::uint64_t> counts[] = {
      {0, 0}, {14, 0}, {15, 1}, {29, 1}, {43, 1}, {44, 2}, {58, 2}, {29000000, 1000000}};
  for (const auto& [length, count] : counts) EXPECT_EQ(RecordCount(length), count) << length;
}

// ---- a run: a load, operations on the lists, the save at exit ----

struct Step {
  char op;  // 'a' adds colour `arg`, 'r' renames item `arg`, 'd' deletes it (answered Yes),
            // 's' saves as the desktop's session end asks, the run going on
  int arg;
  std::string typed;
};
Step Add(int colour, std::string name) { return {'a', colour, std::move(name)}; }
Step Rename(int index, std::string name) { return {'r', index, std::move(name)}; }
Step Delete(int index) { return {'d', index, {}}; }
const Step kSessionSave{'s', 0, {}};

void RunSteps(ColourArchive& archive, const std::vector<Step>& steps,
              const std::filesystem::path& file = {}) {
  for (const Step& s : steps) {
    ScriptedDialogs dialogs;
    dialogs.typed.push_back(s.typed);
    if (s.op == 'a') archive.AddColor(s.arg, dialogs);
    if (s.op == 'r') archive.Rename(s.arg, dialogs);
    if (s.op == 'd') archive.DeleteColor(s.arg, dialogs);
    if (s.op == 's') archive.Save(file);
  }
}

// An archive loaded from a scratch Colorx.dat holding `bytes` (none: no file).
struct Loaded {
  ScratchFolder dir;
  std::filesystem::path file = dir / kArchiveFileName;
  ColourArchive archive;
  LoadResult loaded;
  explicit Loaded(const std::optional<std::string>& bytes, const std::vector<Step>& steps = {}) {
    if (bytes) WriteBytes(file, *bytes);
    loaded = archive.LoadColors(file);
    RunSteps(archive, steps, file);
  }
  long Files() const { return std::distance(std::filesystem::directory_iterator(dir.path()), {}); }
};

TEST(ArchiveLoad, FilesOfEveryShape) {
  const struct { const char* what; std::optional<std::string> bytes; LoadStatus status;
                 std::vector<LongColour> values; std::vector<std::string> names; } cases[] = {
      {"missing", std::nullopt, LoadStatus::Missing, {}, {}},
      {"empty", "", LoadStatus::Loaded, {}, {}},
      {"58 bytes", kRed + kWhite, LoadStatus::Loaded, {255, 16777215}, {"Red", "White"}},
      {"14 stray bytes", kRed + "xxxxxxxxxxxxxx", LoadStatus::Loaded, {255}, {"Red"}},
      // 15 bytes round up to a record: the colour and the name bytes that are there.
      {"cut-off record", kRed + kLime.substr(0, 15), LoadStatus::Loaded, {255, 65280},
       {"Red", "Lime"}},
      {"spaces and code page", Record("\x10\x00\x00\x00"sv, "  Caf\xE9 \x80"), LoadStatus::Loaded,
       {16}, {"Caf\xC3\xA9 \xE2\x82\xAC"}},
      {"blank name", Record("\x07\x00\x00\x00"sv, ""), LoadStatus::Loaded, {7}, {""}},
  };
  for (const auto& c : cases) {
    Loaded run(c.bytes);
    EXPECT_EQ(run.loaded.status, c.status) << c.what;
    EXPECT_EQ(run.loaded.records, static_cast<int>(c.values.size())) << c.what;
    EXPECT_EQ(run.archive.Values(), c.values) << c.what;
    EXPECT_EQ(run.archive.Names(), c.names) << c.what;
    EXPECT_EQ(run.archive.SaveDecision(), SaveAction::Leave) << c.what;
  }

  // A folder or a pipe (which must not hang waiting for a writer) is a read error.
  ScratchFolder dir;
  std::filesystem::create_directory(dir / "folder");
  ::mkfifo((dir / "pipe").c_str(), 0600);
  for (const char* name : {"folder", "pipe"}) {
    ColourArchive archive;
    const LoadResult r = archive.LoadColors(dir / name);
    EXPECT_EQ(r.status, LoadStatus::ReadError) << name;
    EXPECT_EQ(archive.Count(), 0) << name;
    EXPECT_NE(r.error.find(name), std::string::npos) << r.error;
  }
}

TEST(ArchiveSave, FileBytesAfterARun) {
  struct Case {
    const char* what;
    std::optional<std::string> before;  // nothing: no file
    std::vector<Step> steps;
    SaveAction action;
    std::optional<std::string> after;
  };
  const std::string odd = kRed + std::string(3, '\x7F');
  const auto A = SaveAction::Append, R = SaveAction::Rewrite, L = SaveAction::Leave;
  const Case cases[] = {
      {"no change leaves even an odd file alone", odd, {}, L, odd},
      {"no change and no file writes none", std::nullopt, {}, L, std::nullopt},
      {"adds are appended", kRed, {Add(65280, "Lime"), Add(16711680, "Blue")}, A,
       kRed + kLime + kBlue},
      {"an add creates a missing file", std::nullopt, {Add(255, "Red")}, A, kRed},
      {"an add after a session save: appended once", kRed,
       {Add(65280, "Lime"), kSessionSave, Add(16711680, "Blue")}, A, kRed + kLime + kBlue},
      {"a rename rewrites in list order", kRed + kWhite + kBlue, {Rename(1, "Snow")}, R,
       kRed + Record("\xFF\xFF\xFF\x00"sv, "Snow") + kBlue},
      {"the same name in spaces still rewrites", kRed + kWhite, {Rename(0, " Red ")}, R,
       kRed + kWhite},
      {"a delete rewrites", kRed + kWhite + kBlue, {Delete(0)}, R, kWhite + kBlue},
      {"an added colour deleted again", kRed,
       {Add(65280, "Lime"), Add(16711680, "Blue"), Delete(1)}, R, kRed + kBlue},
      {"an added colour renamed", kRed, {Add(65280, "Lime"), Rename(1, "Green")}, R,
       kRed + Record("\x00\xFF\x00\x00"sv, "Green")},
      // Appending at an odd length would shift every later record; whole records instead.
      {"adds to a file with a cut-off record", kRed + kLime.substr(0, 20),
       {Add(16711680, "Blue")}, R, kRed + kLime + kBlue},
      {"adds to a file with stray bytes", odd, {Add(16711680, "Blue")}, R, kRed + kBlue},
      {"a name outside the code page", kRed, {Add(7, "\xCE\xA9 blue")}, A,
       kRed + Record("\x07\x00\x00\x00"sv, "? blue")},
  };
  for (const Case& c : cases) {
    Loaded run(c.before, c.steps);
    const SaveResult r = run.archive.Save(run.file);
    EXPECT_TRUE(r.ok) << c.what << ": " << r.error;
    EXPECT_EQ(r.action, c.action) << c.what;
    // Saved once, the run is in the file: a second save adds nothing twice.
    EXPECT_EQ(run.archive.Save(run.file).action, SaveAction::Leave) << c.what;
    EXPECT_EQ(std::filesystem::exists(run.file), c.after.has_value()) << c.what;
    if (c.after) {
      EXPECT_EQ(ReadBytes(run.file), *c.after) << c.what;
    }
    EXPECT_EQ(run.Files(), c.after ? 1 : 0) << c.what << ": a temporary file was left behind";
  }
}

// ---- what the user is asked and told ----

TEST(ArchiveAdd, QuestionsRefusalsAndWhatIsStored) {
  const auto ask = Input("Specify color name (Max 25 characters).", "Color Name", "");
  const auto dup =
      Msg("This color is already in file..", "Duplicate..", MsgButtons::OK, MsgIcon::Exclamation);
  // The new last name is `stored`, when added.
  const struct { const char* what; LongColour colour; std::string typed; AddOutcome outcome;
                 std::vector<DialogCall> calls; std::string stored; } cases[] = {
      {"a colour already kept", 16777215, "Snow", AddOutcome::DuplicateColour, {dup}, ""},
      {"a prefix of a kept value", 1677, "Pale", AddOutcome::Added, {ask}, "Pale"},
      {"a prefix of a kept name", 1, "Sky", AddOutcome::Added, {ask}, "Sky"},
      {"a kept name in other case", 2, "sky blue", AddOutcome::NameExists, {ask, kNameExists}, ""},
      {"a kept name in spaces", 3, "  SKY BLUE ", AddOutcome::NameExists, {ask, kNameExists}, ""},
      {"30 characters", 4, "abcdefghijklmnopqrstuvwxyz1234", AddOutcome::Added, {ask},
       "abcdefghijklmnopqrstuvwxy"},
      {"spaces only", 5, "     ", AddOutcome::NoName, {ask}, ""},
      {"cancel", 6, "", AddOutcome::NoName, {ask}, ""},
  };
  for (const auto& c : cases) {
    Loaded run(Record("\xFF\xFF\xFF\x00"sv, "Sky Blue"));
    ScriptedDialogs dialogs;
    dialogs.typed.push_back(c.typed);
    EXPECT_EQ(run.archive.AddColor(c.colour, dialogs), c.outcome) << c.what;
    EXPECT_EQ(dialogs.calls, c.calls) << c.what;
    const bool added = c.outcome == AddOutcome::Added;
    ASSERT_EQ(run.archive.Count(), added ? 2 : 1) << c.what;
    ASSERT_EQ(run.archive.AddedLast(), added ? 0 : -1) << c.what;
    if (!added) continue;
    EXPECT_EQ(run.archive.Values().back(), c.colour) << c.what;
    EXPECT_EQ(run.archive.Names().back(), c.stored) << c.what;
    EXPECT_EQ(run.archive.AddedColors()[0].colour, c.colour);
    EXPECT_EQ(run.archive.AddedColors()[0].name, c.stored + std::string(25 - c.stored.size(), ' '));
  }
}

TEST(ArchiveRename, QuestionsRefusalsAndTheMark) {
  const auto ask = Input("Specify new color name (Max 25 characters).\r\n( Old name: Red )",
                         "Edit Color Name", "Red");
  const auto same =
      Msg("New name is same as old name.", "Information", MsgButtons::OK, MsgIcon::Information);
  // `name` is item 0's afterwards.
  const struct { const char* what; std::string typed; RenameOutcome outcome; std::string name;
                 std::vector<DialogCall> calls; } cases[] = {
      {"the same name", "Red", RenameOutcome::SameName, "Red", {ask, same}},
      {"the same name in another case", "red", RenameOutcome::Renamed, "red", {ask}},
      {"the same name in spaces", " Red ", RenameOutcome::Renamed, "Red", {ask}},
      {"another kept name", "WHITE", RenameOutcome::NameExists, "Red", {ask, kNameExists}},
      {"a new name, too long", "Crimson and then some more", RenameOutcome::Renamed,
       "Crimson and then some mor", {ask}},
      {"spaces only", "   ", RenameOutcome::NoName, "Red", {ask}},
      {"cancel", "", RenameOutcome::NoName, "Red", {ask}},
  };
  for (const auto& c : cases) {
    Loaded run(kRed + kWhite);
    ScriptedDialogs dialogs;
    dialogs.typed.push_back(c.typed);
    EXPECT_EQ(run.archive.Rename(0, dialogs), c.outcome) << c.what;
    EXPECT_EQ(run.archive.Names()[0], c.name) << c.what;
    EXPECT_EQ(run.archive.RenameMark(),
              c.outcome == RenameOutcome::Renamed ? 0 : ColourArchive::kUnchanged) << c.what;
    EXPECT_EQ(dialogs.calls, c.calls) << c.what;
  }
}

TEST(ArchiveDelete, AsksFirstAndKeepsTheLowestIndex) {
  Loaded run(kRed + kWhite + kBlue);
  ScriptedDialogs dialogs;
  dialogs.pressed = {MsgResult::No, MsgResult::Yes, MsgResult::Yes};
  EXPECT_EQ(run.archive.DeleteColor(2, dialogs), DeleteOutcome::Kept);
  EXPECT_EQ(run.archive.LowestDeleted(), ColourArchive::kUnchanged);
  EXPECT_EQ(run.archive.DeleteColor(2, dialogs), DeleteOutcome::Deleted);
  EXPECT_EQ(run.archive.DeleteColor(0, dialogs), DeleteOutcome::Deleted);
  EXPECT_EQ(run.archive.DeleteColor(5, dialogs), DeleteOutcome::NoSuchItem);
  EXPECT_EQ(run.archive.LowestDeleted(), 0);
  EXPECT_EQ(run.archive.Names(), std::vector<std::string>{"White"});
  const auto ask = [](std::string name) {
    return Msg("Delete this color '" + name + "' ?", "Delete ?", MsgButtons::YesNo,
               MsgIcon::Question);
  };
  EXPECT_EQ(dialogs.calls, (std::vector<DialogCall>{ask("Blue"), ask("Blue"), ask("Red")}));
}

// ---- saves that fail leave the old file as it was ----

TEST(ArchiveSave, AFailedSaveLeavesTheOldBytesAndSaysSo) {
  const struct { const char* what; Step step; rlim_t limit; } cases[] = {
      {"rewrite, disk full on the new file", Delete(0), 40},
      {"rewrite, disk full at once", Rename(1, "Snow"), 0},
      {"append, disk full inside the record", Add(65280, "Lime"), 100},
  };
  const std::string before = kRed + kWhite + kBlue;
  for (const auto& c : cases) {
    Loaded run(before, {c.step});
    const SaveAction planned = run.archive.SaveDecision();
    SaveResult r;
    {
      FileSizeLimit full(c.limit);
      r = run.archive.Save(run.file);
    }
    EXPECT_FALSE(r.ok) << c.what;
    EXPECT_EQ(r.error, run.file.string() + ": File too large") << c.what;
    EXPECT_EQ(ReadBytes(run.file), before) << c.what;
    EXPECT_EQ(run.Files(), 1) << c.what;
    // Nothing is forgotten: once there is room the same save goes through.
    EXPECT_EQ(run.archive.SaveDecision(), planned) << c.what;
    EXPECT_TRUE(run.archive.Save(run.file).ok) << c.what;
    EXPECT_NE(ReadBytes(run.file), before) << c.what;
  }
}

TEST(ArchiveSave, AnArchiveNotReadToItsEndIsNeverWrittenOver) {
  Loaded run(kRed);
  std::filesystem::create_directory(run.dir / "unreadable");
  ASSERT_EQ(run.archive.LoadColors(run.dir / "unreadable").status, LoadStatus::ReadError);
  RunSteps(run.archive, {Add(1, "One"), Delete(0)});
  const SaveResult r = run.archive.Save(run.file);
  EXPECT_EQ(r.action, SaveAction::Rewrite);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(ReadBytes(run.file), kRed);
}

TEST(ArchiveSave, ARewriteKeepsPermissionsAndLinks) {
  ScratchFolder dir;
  const auto real = dir / "real.dat", link = dir / kArchiveFileName;
  WriteBytes(real, kRed + kWhite);
  ::chmod(real.c_str(), 0664);  // wider than the umask lets a new file be
  std::filesystem::create_symlink(real, link);
  ColourArchive archive;
  archive.LoadColors(link);
  RunSteps(archive, {Delete(0)});
  ASSERT_TRUE(archive.Save(link).ok);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadBytes(real), kWhite);
  struct stat st {};
  ::stat(real.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0664u);
}

}  // namespace
}  // namespace hk
