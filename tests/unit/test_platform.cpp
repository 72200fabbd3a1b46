// Settings between runs (pref.ini, the per-user store), whole-file replacement and its
// leftovers, and what each command line asks for.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "../test_support.h"
#include "colour/notations.h"
#include "mainwindow/preferences.h"
#include "platform/commandline.h"
#include "platform/filewrite.h"

namespace hk {
namespace {

namespace fs = std::filesystem;

auto Fields(const Preferences& p) {
  return std::tuple(p.CurrentTab, p.TipSize, p.ColorMode, p.DispMode, p.MaxHue, p.TableState,
                    p.LastUserColor, p.LastWebColor);
}

TEST(PrefFile, WrittenByteForByteReadBackAndOddFiles) {
  // The table state reads back inverted, for the start-up toggle.
  const std::tuple<Preferences, const char*, const char*> cases[] = {
      {{},
       "E",
       "TAB=0\r\nCORORSIZE=180\r\nCOLORMODE=0\r\nDISPLAYMODE=0\r\nMAXHUE=240\r\n"
       "EXPANDED=E\r\nLASTUSERCOLOR=1\r\nLASTWEBCOLOR=1\r\n"},
      {{-3, 450, 4, 2, 360, "", 32767, 140},
       "",
       "TAB=-3\r\nCORORSIZE=450\r\nCOLORMODE=4\r\nDISPLAYMODE=2\r\nMAXHUE=360\r\n"
       "EXPANDED=\r\nLASTUSERCOLOR=32767\r\nLASTWEBCOLOR=140\r\n"}};
  for (const auto& [prefs, table, bytes] : cases) {
    EXPECT_EQ(FormatPrefFile(prefs, table), bytes);
    Preferences back = prefs;
    back.TableState = *table ? "" : "E";
    EXPECT_EQ(Fields(ParsePrefFile(bytes)), Fields(back)) << bytes;
  }
  // The later line wins; a number that does not fit stops the reading; bare LF, no final
  // line end.
  // clang-format off
  const std::pair<const char*, Preferences> odd[] = {{"", {}},
      {"  tab = 1\r\n", {1, 180, 0, 0, 240, "", 1, 1}}, {"expanded= e \r\n", {}},
      {"EXPANDED=no\r\nMAXHUE=359.6\r\n", {0, 180, 0, 0, 360, "E", 1, 1}},
      {"COLORMODE=2.5\r\nCOLORMODE=3.5\r\n", {0, 180, 4, 0, 240, "", 1, 1}},
      {"TAB=1\r\nTAB=32768\r\nCOLORMODE=3\r\n", {1, 180, 0, 0, 240, "", 1, 1}},
      {"DISPLAYMODE=-1\r\nTAB=1\r\n", {}}, {"DISPLAYMODE=256\r\nTAB=1\r\n", {}},
      {"LASTUSERCOLOR=12=5\r\nLASTWEBCOLOR=&H10\r\n", {0, 180, 0, 0, 240, "", 12, 16}},
      {"junk line\r\nCOLOR=3\r\n=5\r\nTAB=\r\n", {}},
      {"TAB=1\nCOLORMODE=2", {1, 180, 2, 0, 240, "", 1, 1}}};
  // clang-format on
  for (const auto& [text, p] : odd) EXPECT_EQ(Fields(ParsePrefFile(text)), Fields(p)) << text;
}

struct MapStore : SettingsStore {
  std::string Get(std::string_view key, std::string_view fallback) override {
    const auto it = values.find(std::string(key));
    return it == values.end() ? std::string(fallback) : it->second;
  }
  WriteResult Save(std::string_view key, std::string_view value) override {
    if (failOn == key) return {false, "store.ini: Permission denied"};
    writes.push_back(std::string(key) + "=" + std::string(value));
    return {};
  }
  std::map<std::string, std::string> values;
  std::vector<std::string> writes;
  std::string failOn;
};

TEST(UserStore, ReadsWithDefaultsAndWritesOnlyWhatChangedAndAlwaysTheSelection) {
  // No "Table": collapsed. MaxHue must be exactly "360"; the selection 3 long with one "/".
  const Preferences collapsed{0, 180, 0, 0, 240, "E", 1, 1};
  // clang-format off
  const std::pair<std::map<std::string, std::string>, std::optional<Preferences>> cases[] = {
      {{}, collapsed},
      {{{"Tab", "1"}, {"Size", "255"}, {"Table", "E"}, {"ColorMode", "3"}, {"DispMode", "2"},
        {"MaxHue", "360"}, {"Selecton", "12/3"}}, Preferences{1, 255, 3, 2, 360, "", 12, 3}},
      {{{"MaxHue", "360.0"}}, collapsed},
      {{{"Selecton", "7/"}}, collapsed},  {{{"Selecton", "1/2/3"}}, collapsed},
      {{{"Selecton", "12/"}}, Preferences{0, 180, 0, 0, 240, "E", 12, 0}},
      {{{"Tab", "40000"}}, std::nullopt},       {{{"Size", "40000"}}, std::nullopt},
      {{{"ColorMode", "40000"}}, std::nullopt}, {{{"DispMode", "-1"}}, std::nullopt},
      {{{"Selecton", "1/40000"}}, std::nullopt}};
  // clang-format on
  for (const auto& [stored, prefs] : cases) {
    MapStore store;
    store.values = stored;
    const StoreReading r = ReadUserStore(store);
    EXPECT_EQ(std::tuple(r.error, Fields(r.prefs.value_or(Preferences())), store.writes.size()),
              std::tuple(prefs ? "" : "Overflow", Fields(prefs.value_or(Preferences())), 0u));
  }
  // Writing stops at a failed write and keeps the store's reason.
  const Preferences p{0, 210, 2, 0, 360, "", 4, 9};
  const PrefDirty all{true, true, true, true, true, true};
  const std::vector<std::string> writes = {"Size=210",    "Tab=0",      "Table=E",   "Selecton=4/9",
                                           "ColorMode=2", "DispMode=0", "MaxHue=360"};
  const std::tuple<PrefDirty, const char*, std::vector<std::string>> runs[] = {
      {{.TableChanged = true}, "", {"Table=E", "Selecton=4/9"}},
      {all, "", writes},
      {all, "Selecton", {writes.begin(), writes.begin() + 3}},
      {all, "DispMode", {writes.begin(), writes.begin() + 5}}};
  for (const auto& [dirty, failOn, written] : runs) {
    MapStore store;
    store.failOn = failOn;
    const WriteResult r = WriteUserStore(store, p, "E", dirty);
    const bool ok = !*failOn;
    EXPECT_EQ(std::tuple(r.ok, r.error, store.writes),
              std::tuple(ok, ok ? "" : "store.ini: Permission denied", written))
        << failOn;
  }
}

std::set<std::string> Names(const fs::path& dir) {
  std::set<std::string> out;
  for (const auto& e : fs::directory_iterator(dir)) out.insert(e.path().filename().string());
  return out;
}

TEST(FileWrite, ReplacesWholeOrFailsNamingTheFileAndWhyKeepingTheOldBytes) {
  testing::ScratchFolder dir;
  ASSERT_TRUE(WriteFileAtomically(dir / "pref.ini", "one\r\n").ok);
  ASSERT_TRUE(WriteFileAtomically(dir / "pref.ini", "two\r\n").ok);
  EXPECT_EQ(testing::ReadBytes(dir / "pref.ini"), "two\r\n");
  EXPECT_EQ(Names(dir), std::set<std::string>{"pref.ini"});
  // The disk full at once or halfway; a missing folder. No temporary is left behind.
  const std::string pref = FormatPrefFile(Preferences{}, "E");
  const std::tuple<const char*, bool, rlim_t, const char*> cases[] = {
      {"pref.ini", true, 0, "File too large"},
      {"pref.ini", false, 40, "File too large"},
      {"missing/pref.ini", false, RLIM_INFINITY, "No such file or directory"}};
  const std::string old = "the old bytes, longer than the limits of the cases below........";
  for (const auto& [name, savePrefs, limit, why] : cases) {
    const fs::path file = dir / name, kept = dir / file.filename();
    testing::WriteBytes(kept, old);
    const auto before = Names(dir);
    std::optional<testing::FileSizeLimit> full(std::in_place, limit);
    const WriteResult r =
        savePrefs ? SavePrefFile(file, Preferences{}, "E") : WriteFileAtomically(file, pref);
    full.reset();
    EXPECT_EQ(std::tuple(r.ok, r.error, testing::ReadBytes(kept), Names(dir)),
              std::tuple(false, file.string() + ": " + why, old, before))
        << name;
  }
}

TEST(FileWrite, LeftoversOfAKilledRunAreRemovedAndNothingElse) {
  testing::ScratchFolder dir;
  const std::set<std::string> kept = {"Colorx.dat",       "pref.ini",           "Colorx.dat.new",
                                      "Colorx.dat.newer", "Colorx.dat.new12-x", ".pref.ini.toolong",
                                      "Colorx.dat.new-5"};
  for (const auto& name : kept) testing::WriteBytes(dir / name, "x");
  for (const char* name : {"Colorx.dat.new1234-0", "Colorx.dat.new99-12", ".pref.ini.Ab3xYz"})
    testing::WriteBytes(dir / name, "x");
  EXPECT_EQ(std::pair(RemoveLeftoverTemporaries(dir, "Colorx.dat"),
                      RemoveLeftoverTemporaries(dir, "pref.ini")),
            std::pair(2, 1));
  EXPECT_EQ(Names(dir), kept);
  EXPECT_EQ(RemoveLeftoverTemporaries(dir / "absent", "pref.ini"), 0);
}

TEST(CommandLine, EachListOfArgumentsAsksForOneThingOrIsAnError) {
  using enum CommandLine::Action;
  // For a pick, what it prints for Coral, exactly as the window's notation field shows it;
  // for an error, what it says was wrong; for a palette, its file. Qt's own options are gone from the list by then.
  // clang-format off
  const std::tuple<std::vector<std::string_view>, CommandLine::Action, std::string> cases[] = {
      {{}, Run, ""}, {{"--help"}, Help, ""}, {{"-h"}, Help, ""}, {{"--version"}, Version, ""},
      {{"--pick", "--version"}, Version, ""}, {{"--version", "--pick", "-h"}, Help, ""},
      {{"--pick"}, Pick, "#FF7F50"}, {{"--pick", "--format", "long"}, Pick, "5275647"},
      {{"--format=hex", "--pick"}, Pick, "507FFF"},
      {{"--pick", "--format", "web"}, Pick, "#FF7F50"},
      {{"--pick", "--format", "html"}, Pick, "Coral"},
      {{"--pick", "--format=rgb"}, Pick, "255, 127, 80"},
      {{"--pick", "--format", "hex", "--format", "cmyk"}, Pick, "0, 128, 175, 0"},
      {{"--pick", "--format"}, Error, "option '--format' needs a notation"},
      {{"--pick", "--format", "RGB"}, Error, "unknown notation 'RGB'"},
      {{"--pick", "--format="}, Error, "unknown notation ''"},
      {{"--format", "rgb"}, Error, "option '--format' is only for --pick"},
      {{"--help", "--bogus"}, Error, "unknown option '--bogus'"},
      {{"-platform", "xcb"}, Error, "unknown option '-platform'"},
      {{"--pick=web"}, Error, "unknown option '--pick=web'"},
      {{"pick"}, Error, "unexpected argument 'pick'"},
      {{"--import", "a.gpl"}, Import, "a.gpl"}, {{"--export=b.css"}, Export, "b.css"},
      {{"--import"}, Error, "option '--import' needs a file"},
      {{"--export="}, Error, "option '--export' needs a file"},
      {{"--import", "a.gpl", "--pick"}, Error, "only one of --pick, --import and --export at a time"}};
  // clang-format on
  const WebColors web;
  NotationTexts texts;
  FormatAll(RGB(255, 127, 80), web, texts);
  for (const auto& [args, action, said] : cases) {
    const CommandLine line = ParseCommandLine(args);
    const std::string& shown = line.action == Pick    ? texts.Of(line.format)
                               : line.action == Error ? line.error
                                                      : line.file;
    EXPECT_EQ(std::pair(line.action, shown), std::pair(action, said))
        << (args.empty() ? "" : args.back());
  }
}

}  // namespace
}  // namespace hk
