// The colour archive: the bytes of Colorx.dat after loads, adds, renames, deletes
// and saves, the questions and refusals the user sees, and saves that fail.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <functional>

#include "archive/colourarchive.h"
#include "test_archive_support.h"

namespace hk {
namespace {

using namespace std::string_view_literals;
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

TEST(ArchiveRecord, BytesOfOneRecord) {
  struct Case {
    LongColour colour;
    std::string name;
    std::string bytes;
  };
  const Case cases[] = {
      {255, "Red", kRed},
      {4227327, "Orange-ish", Record("\xFF\x80\x40\x00"sv, "Orange-ish")},
      {-2147483643, "Window", Record("\x05\x00\x00\x80"sv, "Window")},
      {0, "Caf\xC3\xA9 \xE2\x82\xAC", Record("\x00\x00\x00\x00"sv, "Caf\xE9 \x80")},
      // Characters the code page cannot hold are one "?" each.
      {1, "\xE6\x97\xA5\xE6\x9C\xAC ink \xF0\x9F\x8E\xA8",
       Record("\x01\x00\x00\x00"sv, "?? ink ?")},
      {2, "abcdefghijklmnopqrstuvwxy", Record("\x02\x00\x00\x00"sv, "abcdefghijklmnopqrstuvwxy")},
  };
  for (const Case& c : cases) {
    const RecordBytes r = EncodeRecord(c.colour, c.name);
    EXPECT_EQ(std::string(r.begin(), r.end()), c.bytes) << c.name;
  }
}

TEST(ArchiveRecord, NamesAreCutAtTwentyFiveCharactersNeverInsideOne) {
  const std::string x24(24, 'x');
  struct Case {
    std::string typed;
    std::string stored;
  };
  const Case cases[] = {
      {std::string(30, 'a'), std::string(25, 'a')},
      {x24 + "\xC3\xA9z", x24 + "\xC3\xA9"},  // é is one character
      {x24 + "\xE6\x97\xA5z", x24 + "?"},     // so is a character stored as "?"
      {"  Sky  ", "  Sky  "},                 // spaces are trimmed later, not here
      {"\xCE\xA9mega", "?mega"},
  };
  for (const Case& c : cases) EXPECT_EQ(CutName(c.typed), c.stored) << c.typed;
}

TEST(ArchiveRecord, RecordCountIsTheLengthOver29Rounded) {
  const std::pair<std::uint64_t, std::uint64_t> cases[] = {
      {0, 0}, {14, 0}, {15, 1}, {29, 1}, {43, 1}, {44, 2}, {58, 2}, {29000000, 1000000}};
  for (const auto& [length, count] : cases) EXPECT_EQ(RecordCount(length), count) << length;
}

TEST(ArchiveRecord, NamesCompareIgnoringTheCaseOfWindows1252Letters) {
  EXPECT_TRUE(SameNameIgnoringCase("Sky Blue", "sky BLUE"));
  EXPECT_TRUE(SameNameIgnoringCase("\xC3\xA9mile \xC5\xA1", "\xC3\x89MILE \xC5\xA0"));  // émile š
  EXPECT_TRUE(SameNameIgnoringCase("\xC3\xBF", "\xC5\xB8"));                            // ÿ Ÿ
  EXPECT_FALSE(SameNameIgnoringCase("Sky", "Sky Blue"));
  EXPECT_FALSE(SameNameIgnoringCase("\xC3\xB7", "\xC3\x97"));  // ÷ is not a letter
}

TEST(ArchiveLoad, FilesOfEveryShape) {
  struct Case {
    const char* what;
    std::optional<std::string> bytes;  // nothing: no file
    LoadStatus status;
    std::vector<LongColour> values;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"missing", std::nullopt, LoadStatus::Missing, {}, {}},
      {"empty", "", LoadStatus::Loaded, {}, {}},
      {"58 bytes", kRed + kWhite, LoadStatus::Loaded, {255, 16777215}, {"Red", "White"}},
      {"14 stray bytes", kRed + "xxxxxxxxxxxxxx", LoadStatus::Loaded, {255}, {"Red"}},
      // 15 bytes round up to a record: the colour and the name bytes that are there.
      {"cut-off record",
       kRed + kLime.substr(0, 15),
       LoadStatus::Loaded,
       {255, 65280},
       {"Red", "Lime"}},
      {"spaces and code page",
       Record("\x10\x00\x00\x00"sv, "  Caf\xE9 \x80"),
       LoadStatus::Loaded,
       {16},
       {"Caf\xC3\xA9 \xE2\x82\xAC"}},
      {"blank name", Record("\x07\x00\x00\x00"sv, ""), LoadStatus::Loaded, {7}, {""}},
  };
  for (const Case& c : cases) {
    ScratchFolder dir;
    if (c.bytes) WriteBytes(dir / kArchiveFileName, *c.bytes);
    ColourArchive archive;
    const LoadResult r = archive.LoadColors(dir / kArchiveFileName);
    EXPECT_EQ(r.status, c.status) << c.what;
    EXPECT_EQ(r.records, static_cast<int>(c.values.size())) << c.what;
    EXPECT_EQ(archive.Values(), c.values) << c.what;
    EXPECT_EQ(archive.Names(), c.names) << c.what;
    EXPECT_EQ(archive.SaveDecision(), SaveAction::Leave) << c.what;
  }
}

TEST(ArchiveLoad, AnUnreadableArchiveStartsEmptyAndSaysSo) {
  ScratchFolder dir;
  std::filesystem::create_directory(dir / "folder");
  ::mkfifo((dir / "pipe").c_str(), 0600);  // must not hang waiting for a writer
  for (const char* name : {"folder", "pipe"}) {
    ColourArchive archive;
    const LoadResult r = archive.LoadColors(dir / name);
    EXPECT_EQ(r.status, LoadStatus::ReadError) << name;
    EXPECT_EQ(archive.Count(), 0) << name;
    EXPECT_NE(r.error.find(name), std::string::npos) << r.error;
  }
}

// ---- a run: operations on the lists, then the save at exit ----

struct Step {
  enum Kind { Add, Rename, Delete } kind;
  int indexOrColour;  // colour for Add, index otherwise
  std::string typed;  // the name typed, for Add and Rename
};

void RunSteps(ColourArchive& archive, const std::vector<Step>& steps) {
  for (const Step& s : steps) {
    ScriptedDialogs dialogs;
    dialogs.typed.push_back(s.typed);
    switch (s.kind) {
      case Step::Add:
        archive.AddColor(s.indexOrColour, dialogs);
        break;
      case Step::Rename:
        archive.Rename(s.indexOrColour, dialogs);
        break;
      case Step::Delete:
        archive.DeleteColor(s.indexOrColour, dialogs);  // answered Yes
        break;
    }
  }
}

TEST(ArchiveSave, FileBytesAfterARun) {
  struct Case {
    const char* what;
    std::optional<std::string> before;
    std::vector<Step> steps;
    SaveAction action;
    std::optional<std::string> after;  // nothing: still no file
  };
  const std::string oddTail(3, '\x7F');
  const Case cases[] = {
      {"no change leaves even an odd file alone",
       kRed + oddTail,
       {},
       SaveAction::Leave,
       kRed + oddTail},
      {"no change and no file writes none", std::nullopt, {}, SaveAction::Leave, std::nullopt},
      {"adds are appended",
       kRed,
       {{Step::Add, 65280, "Lime"}, {Step::Add, 16711680, "Blue"}},
       SaveAction::Append,
       kRed + kLime + kBlue},
      {"an add creates a missing file",
       std::nullopt,
       {{Step::Add, 255, "Red"}},
       SaveAction::Append,
       kRed},
      {"a rename rewrites in list order",
       kRed + kWhite + kBlue,
       {{Step::Rename, 1, "Snow"}},
       SaveAction::Rewrite,
       kRed + Record("\xFF\xFF\xFF\x00"sv, "Snow") + kBlue},
      {"the same name in spaces still rewrites",
       kRed + kWhite,
       {{Step::Rename, 0, " Red "}},
       SaveAction::Rewrite,
       kRed + kWhite},
      {"a delete rewrites",
       kRed + kWhite + kBlue,
       {{Step::Delete, 0, ""}},
       SaveAction::Rewrite,
       kWhite + kBlue},
      {"an added colour deleted again",
       kRed,
       {{Step::Add, 65280, "Lime"}, {Step::Add, 16711680, "Blue"}, {Step::Delete, 1, ""}},
       SaveAction::Rewrite,
       kRed + kBlue},
      {"an added colour renamed",
       kRed,
       {{Step::Add, 65280, "Lime"}, {Step::Rename, 1, "Green"}},
       SaveAction::Rewrite,
       kRed + Record("\x00\xFF\x00\x00"sv, "Green")},
      // Appending at an odd length would shift every later record; whole records instead.
      {"adds to a file with a cut-off record",
       kRed + kLime.substr(0, 20),
       {{Step::Add, 16711680, "Blue"}},
       SaveAction::Rewrite,
       kRed + kLime + kBlue},
      {"adds to a file with stray bytes",
       kRed + oddTail,
       {{Step::Add, 16711680, "Blue"}},
       SaveAction::Rewrite,
       kRed + kBlue},
      {"a name outside the code page",
       kRed,
       {{Step::Add, 7, "\xCE\xA9 blue"}},
       SaveAction::Append,
       kRed + Record("\x07\x00\x00\x00"sv, "? blue")},
  };
  for (const Case& c : cases) {
    ScratchFolder dir;
    const auto file = dir / kArchiveFileName;
    if (c.before) WriteBytes(file, *c.before);
    ColourArchive archive;
    archive.LoadColors(file);
    RunSteps(archive, c.steps);
    const SaveResult r = archive.Save(file);
    EXPECT_TRUE(r.ok) << c.what << ": " << r.error;
    EXPECT_EQ(r.action, c.action) << c.what;
    EXPECT_EQ(std::filesystem::exists(file), c.after.has_value()) << c.what;
    if (c.after) {
      EXPECT_EQ(ReadBytes(file), *c.after) << c.what;
    }
    // Saved once, the run is in the file: a second save adds nothing twice.
    EXPECT_EQ(archive.Save(file).action, SaveAction::Leave) << c.what;
    if (c.after) {
      EXPECT_EQ(ReadBytes(file), *c.after) << c.what;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), c.after ? 1 : 0)
        << c.what << ": a temporary file was left behind";
  }
}

TEST(ArchiveSave, WhatWasSavedLoadsBackUnchanged) {
  ScratchFolder dir;
  const auto file = dir / kArchiveFileName;
  ColourArchive archive;
  archive.LoadColors(file);
  RunSteps(archive, {{Step::Add, 1, "Caf\xC3\xA9"},
                     {Step::Add, -2147483643, "System"},
                     {Step::Add, 16777215, "  Padded  "},
                     {Step::Rename, 0, "\xE2\x82\xAC uro"}});
  ASSERT_TRUE(archive.Save(file).ok);
  ColourArchive again;
  again.LoadColors(file);
  EXPECT_EQ(again.Values(), (std::vector<LongColour>{1, -2147483643, 16777215}));
  EXPECT_EQ(again.Names(), (std::vector<std::string>{"\xE2\x82\xAC uro", "System", "Padded"}));
}

TEST(ArchiveSave, ADeleteFarDownALongListIsSaved) {
  // The delete marker once held 16-bit indexes: a delete past 32000 was never written.
  ScratchFolder dir;
  const auto file = dir / kArchiveFileName;
  std::vector<LongColour> values(40000);
  std::vector<std::string> names(40000);
  for (int i = 0; i < 40000; ++i) {
    values[static_cast<std::size_t>(i)] = i;
    names[static_cast<std::size_t>(i)] = std::to_string(i);
  }
  ASSERT_TRUE(WriteArchiveFile(file, values, names).ok);
  ColourArchive archive;
  archive.LoadColors(file);
  RunSteps(archive, {{Step::Delete, 39000, ""}});
  EXPECT_EQ(archive.LowestDeleted(), 39000);
  EXPECT_EQ(archive.Save(file).action, SaveAction::Rewrite);
  EXPECT_EQ(std::filesystem::file_size(file), 39999u * 29u);
}

// ---- what the user is asked and told ----

TEST(ArchiveAdd, QuestionsRefusalsAndWhatIsStored) {
  struct Case {
    const char* what;
    LongColour colour;
    std::string typed;
    AddOutcome outcome;
    std::vector<testing::DialogCall> calls;
    std::string stored;  // the new last name, when added
  };
  const auto ask = Input("Specify color name (Max 25 characters).", "Color Name", "");
  const auto exists = Msg("The supplied name already exists. Please specify different name.",
                          "Name Exists!", MsgButtons::OK, MsgIcon::Exclamation);
  const Case cases[] = {
      {"a colour already kept",
       16777215,
       "Snow",
       AddOutcome::DuplicateColour,
       {Msg("This color is already in file..", "Duplicate..", MsgButtons::OK,
            MsgIcon::Exclamation)},
       ""},
      {"a prefix of a kept value", 1677, "Pale", AddOutcome::Added, {ask}, "Pale"},
      {"a prefix of a kept name", 1, "Sky", AddOutcome::Added, {ask}, "Sky"},
      {"a kept name in other case", 2, "sky blue", AddOutcome::NameExists, {ask, exists}, ""},
      {"a kept name in spaces", 3, "  SKY BLUE ", AddOutcome::NameExists, {ask, exists}, ""},
      {"30 characters",
       4,
       "abcdefghijklmnopqrstuvwxyz1234",
       AddOutcome::Added,
       {ask},
       "abcdefghijklmnopqrstuvwxy"},
      {"spaces only", 5, "     ", AddOutcome::NoName, {ask}, ""},
      {"cancel", 6, "", AddOutcome::NoName, {ask}, ""},
  };
  for (const Case& c : cases) {
    ScratchFolder dir;
    WriteBytes(dir / kArchiveFileName, Record("\xFF\xFF\xFF\x00"sv, "Sky Blue"));
    ColourArchive archive;
    archive.LoadColors(dir / kArchiveFileName);
    ScriptedDialogs dialogs;
    dialogs.typed.push_back(c.typed);
    EXPECT_EQ(archive.AddColor(c.colour, dialogs), c.outcome) << c.what;
    EXPECT_EQ(dialogs.calls, c.calls) << c.what;
    const bool added = c.outcome == AddOutcome::Added;
    ASSERT_EQ(archive.Count(), added ? 2 : 1) << c.what;
    ASSERT_EQ(archive.AddedLast(), added ? 0 : -1) << c.what;
    if (added) {
      EXPECT_EQ(archive.Values().back(), c.colour) << c.what;
      EXPECT_EQ(archive.Names().back(), c.stored) << c.what;
      EXPECT_EQ(archive.AddedColors()[0].colour, c.colour);
      EXPECT_EQ(archive.AddedColors()[0].name, c.stored + std::string(25 - c.stored.size(), ' '));
    }
  }
}

TEST(ArchiveRename, QuestionsRefusalsAndTheMark) {
  struct Case {
    const char* what;
    std::string typed;
    RenameOutcome outcome;
    std::string name;  // of item 0 afterwards
    std::optional<testing::DialogCall> told;
  };
  const Case cases[] = {
      {"the same name", "Red", RenameOutcome::SameName, "Red",
       Msg("New name is same as old name.", "Information", MsgButtons::OK, MsgIcon::Information)},
      {"the same name in another case", "red", RenameOutcome::Renamed, "red", std::nullopt},
      {"the same name in spaces", " Red ", RenameOutcome::Renamed, "Red", std::nullopt},
      {"another kept name", "WHITE", RenameOutcome::NameExists, "Red",
       Msg("The supplied name already exists. Please specify different name.", "Name Exists!",
           MsgButtons::OK, MsgIcon::Exclamation)},
      {"a new name, too long", "Crimson and then some more", RenameOutcome::Renamed,
       "Crimson and then some mor", std::nullopt},
      {"spaces only", "   ", RenameOutcome::NoName, "Red", std::nullopt},
      {"cancel", "", RenameOutcome::NoName, "Red", std::nullopt},
  };
  for (const Case& c : cases) {
    ScratchFolder dir;
    WriteBytes(dir / kArchiveFileName, kRed + kWhite);
    ColourArchive archive;
    archive.LoadColors(dir / kArchiveFileName);
    ScriptedDialogs dialogs;
    dialogs.typed.push_back(c.typed);
    EXPECT_EQ(archive.Rename(0, dialogs), c.outcome) << c.what;
    EXPECT_EQ(archive.Names()[0], c.name) << c.what;
    EXPECT_EQ(archive.RenameMark(),
              c.outcome == RenameOutcome::Renamed ? 0 : ColourArchive::kUnchanged)
        << c.what;
    ASSERT_GE(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0], Input("Specify new color name (Max 25 characters).\r\n"
                                      "( Old name: Red )",
                                      "Edit Color Name", "Red"));
    ASSERT_EQ(dialogs.calls.size(), c.told ? 2u : 1u) << c.what;
    if (c.told) {
      EXPECT_EQ(dialogs.calls[1], *c.told) << c.what;
    }
  }
}

TEST(ArchiveDelete, AsksFirstAndKeepsTheLowestIndex) {
  ScratchFolder dir;
  WriteBytes(dir / kArchiveFileName, kRed + kWhite + kBlue);
  ColourArchive archive;
  archive.LoadColors(dir / kArchiveFileName);
  ScriptedDialogs dialogs;
  dialogs.pressed = {MsgResult::No, MsgResult::Yes, MsgResult::Yes};
  EXPECT_EQ(archive.DeleteColor(2, dialogs), DeleteOutcome::Kept);
  EXPECT_EQ(archive.LowestDeleted(), ColourArchive::kUnchanged);
  EXPECT_EQ(archive.DeleteColor(2, dialogs), DeleteOutcome::Deleted);
  EXPECT_EQ(archive.DeleteColor(0, dialogs), DeleteOutcome::Deleted);
  EXPECT_EQ(archive.DeleteColor(5, dialogs), DeleteOutcome::NoSuchItem);
  EXPECT_EQ(archive.LowestDeleted(), 0);
  EXPECT_EQ(archive.Names(), std::vector<std::string>{"White"});
  const auto ask = [](const char* name) {
    return Msg(std::string("Delete this color '") + name + "' ?", "Delete ?", MsgButtons::YesNo,
               MsgIcon::Question);
  };
  EXPECT_EQ(dialogs.calls,
            (std::vector<testing::DialogCall>{ask("Blue"), ask("Blue"), ask("Red")}));
}

// ---- saves that fail leave the old file as it was ----

// Lets writes beyond `bytes` fail with EFBIG, as a full disk would, for one scope.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    oldHandler_ = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  sighandler_t oldHandler_;
};

TEST(ArchiveSave, AFailedSaveLeavesTheOldBytesAndSaysSo) {
  struct Case {
    const char* what;
    std::vector<Step> steps;
    rlim_t limit;  // writes fail past this many bytes of a file
  };
  const Case cases[] = {
      {"rewrite, disk full on the new file", {{Step::Delete, 0, ""}}, 40},
      {"rewrite, disk full at once", {{Step::Rename, 1, "Snow"}}, 0},
      {"append, disk full inside the record", {{Step::Add, 65280, "Lime"}}, 100},
  };
  for (const Case& c : cases) {
    ScratchFolder dir;
    const auto file = dir / kArchiveFileName;
    const std::string before = kRed + kWhite + kBlue;
    WriteBytes(file, before);
    ColourArchive archive;
    archive.LoadColors(file);
    RunSteps(archive, c.steps);
    const SaveAction planned = archive.SaveDecision();
    SaveResult r;
    {
      FileSizeLimit full(c.limit);
      r = archive.Save(file);
    }
    EXPECT_FALSE(r.ok) << c.what;
    EXPECT_NE(r.error.find("File too large"), std::string::npos) << c.what << ": " << r.error;
    EXPECT_EQ(ReadBytes(file), before) << c.what;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << c.what;
    // Nothing is forgotten: once there is room the same save goes through.
    EXPECT_EQ(archive.SaveDecision(), planned) << c.what;
    EXPECT_TRUE(archive.Save(file).ok) << c.what;
    EXPECT_NE(ReadBytes(file), before) << c.what;
  }
}

TEST(ArchiveSave, AMissingFolderIsAFailure) {
  ScratchFolder dir;
  const auto file = dir / "gone" / kArchiveFileName;
  for (const std::vector<Step>& steps :
       {std::vector<Step>{{Step::Add, 1, "One"}},
        std::vector<Step>{{Step::Add, 1, "One"}, {Step::Rename, 0, "Uno"}}}) {
    ColourArchive archive;
    archive.LoadColors(file);
    RunSteps(archive, steps);
    const SaveResult r = archive.Save(file);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("No such file or directory"), std::string::npos) << r.error;
    EXPECT_FALSE(std::filesystem::exists(dir / "gone"));
  }
}

TEST(ArchiveSave, AnArchiveNotReadToItsEndIsNeverWrittenOver) {
  ScratchFolder dir;
  const auto file = dir / kArchiveFileName;
  std::filesystem::create_directory(dir / "unreadable");
  ColourArchive archive;
  ASSERT_EQ(archive.LoadColors(dir / "unreadable").status, LoadStatus::ReadError);
  WriteBytes(file, kRed);
  RunSteps(archive, {{Step::Add, 1, "One"}, {Step::Delete, 0, ""}});
  const SaveResult r = archive.Save(file);
  EXPECT_EQ(r.action, SaveAction::Rewrite);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(ReadBytes(file), kRed);
}

TEST(ArchiveSave, ARewriteKeepsPermissionsAndLinks) {
  ScratchFolder dir;
  const auto real = dir / "real.dat";
  const auto link = dir / kArchiveFileName;
  WriteBytes(real, kRed + kWhite);
  ::chmod(real.c_str(), 0664);  // wider than the umask lets a new file be
  std::filesystem::create_symlink(real, link);
  ColourArchive archive;
  archive.LoadColors(link);
  RunSteps(archive, {{Step::Delete, 0, ""}});
  ASSERT_TRUE(archive.Save(link).ok);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadBytes(real), kWhite);
  struct stat st {};
  ::stat(real.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0664u);
}

// ---- the lists a list model reads, and what it is told ----

class Recorder : public ArchiveListener {
 public:
  std::vector<std::string> events;
  void ArchiveAboutToReset() override { events.push_back("reset?"); }
  void ArchiveReset() override { events.push_back("reset"); }
  void ArchiveAboutToAppend(int i) override { events.push_back("append? " + std::to_string(i)); }
  void ArchiveAppended(int i) override { events.push_back("append " + std::to_string(i)); }
  void ArchiveAboutToRemove(int i) override { events.push_back("remove? " + std::to_string(i)); }
  void ArchiveRemoved(int i) override { events.push_back("remove " + std::to_string(i)); }
  void ArchiveRenamed(int i) override { events.push_back("rename " + std::to_string(i)); }
};

TEST(ArchiveLists, AListModelHearsOfEveryChange) {
  ScratchFolder dir;
  WriteBytes(dir / kArchiveFileName, kRed + kWhite);
  ColourArchive archive;
  Recorder recorder;
  archive.SetListener(&recorder);
  archive.LoadColors(dir / kArchiveFileName);
  RunSteps(archive, {{Step::Add, 1, "One"},
                     {Step::Add, 255, "Dup"},
                     {Step::Rename, 2, "Uno"},
                     {Step::Delete, 0, ""}});
  EXPECT_EQ(recorder.events, (std::vector<std::string>{"reset?", "reset", "append? 2", "append 2",
                                                       "rename 2", "remove? 0", "remove 0"}));
  EXPECT_EQ(archive.Values(), (std::vector<LongColour>{16777215, 1}));
}

}  // namespace
}  // namespace hk
