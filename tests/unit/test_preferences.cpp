// Settings between runs: pref.ini, the per-user store, whole-file replacement and its leftovers.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "mainwindow/preferences.h"
#include "picker/bmpfile.h"
#include "platform/filewrite.h"
#include "../test_support.h"

namespace hk {
namespace {

auto Fields(const Preferences& p) {
  return std::tuple(p.CurrentTab, p.TipSize, p.ColorMode, p.DispMode, p.MaxHue, p.TableState,
                    p.LastUserColor, p.LastWebColor);
}

TEST(PrefFile, WrittenByteForByteAndReadBack) {
  const std::tuple<Preferences, const char*, const char*> cases[] = {
      {{}, "E",
       "TAB=0\r\nCORORSIZE=180\r\nCOLORMODE=0\r\nDISPLAYMODE=0\r\nMAXHUE=240\r\n"
       "EXPANDED=E\r\nLASTUSERCOLOR=1\r\nLASTWEBCOLOR=1\r\n"},
      {{-3, 450, 4, 2, 360, "", 32767, 140}, "",
       "TAB=-3\r\nCORORSIZE=450\r\nCOLORMODE=4\r\nDISPLAYMODE=2\r\nMAXHUE=360\r\n"
       "EXPANDED=\r\nLASTUSERCOLOR=32767\r\nLASTWEBCOLOR=140\r\n"}};
  for (const auto& [prefs, table, bytes] : cases) {
    EXPECT_EQ(FormatPrefFile(prefs, table), bytes);
    Preferences back = prefs;  // the table state reads back inverted, for the start-up toggle
    back.TableState = *table ? "" : "E";
    EXPECT_EQ(Fields(ParsePrefFile(bytes)), Fields(back)) << bytes;
  }
}

TEST(PrefFile, OddFiles) {
  const std::pair<const char*, Preferences> cases[] = {{"", {}},
      {"  tab = 1\r\n", {1, 180, 0, 0, 240, "", 1, 1}}, {"expanded= e \r\n", {}},
      {"EXPANDED=no\r\nMAXHUE=359.6\r\n", {0, 180, 0, 0, 360, "E", 1, 1}},
      {"COLORMODE=2.5\r\nCOLORMODE=3.5\r\n", {0, 180, 4, 0, 240, "", 1, 1}},  // the later wins
      {"TAB=1\r\nTAB=32768\r\nCOLORMODE=3\r\n", {1, 180, 0, 0, 240, "", 1, 1}},  // misfit stops
      {"DISPLAYMODE=-1\r\nTAB=1\r\n", {}}, {"DISPLAYMODE=256\r\nTAB=1\r\n", {}},
      {"LASTUSERCOLOR=12=5\r\nLASTWEBCOLOR=&H10\r\n", {0, 180, 0, 0, 240, "", 12, 16}},
      {"junk line\r\nCOLOR=3\r\n=5\r\nTAB=\r\n", {}},
      {"TAB=1\nCOLORMODE=2", {1, 180, 2, 0, 240, "", 1, 1}}};  // bare LF, no final line end
  for (const auto& [text, p] : cases) EXPECT_EQ(Fields(ParsePrefFile(text)), Fields(p)) << text;
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

TEST(UserStore, ReadsWithDefaults) {
  const Preferences collapsed{0, 180, 0, 0, 240, "E", 1, 1};  // no "Table": collapsed
  const std::pair<std::map<std::string, std::string>, std::optional<Preferences>> cases[] = {
      {{}, collapsed},
      {{{"Tab", "1"}, {"Size", "255"}, {"Table", "E"}, {"ColorMode", "3"}, {"DispMode", "2"},
        {"MaxHue", "360"}, {"Selecton", "12/3"}},
       Preferences{1, 255, 3, 2, 360, "", 12, 3}},
      {{{"MaxHue", "360.0"}}, collapsed},  // exactly "360" only
      {{{"Selecton", "7/"}}, collapsed},  {{{"Selecton", "1/2/3"}}, collapsed},  // 3 long, 1 "/"
      {{{"Selecton", "12/"}}, Preferences{0, 180, 0, 0, 240, "E", 12, 0}},
      {{{"Tab", "40000"}}, std::nullopt},       {{{"Size", "40000"}}, std::nullopt},
      {{{"ColorMode", "40000"}}, std::nullopt}, {{{"DispMode", "-1"}}, std::nullopt},
      {{{"Selecton", "1/40000"}}, std::nullopt}};
  for (const auto& [stored, prefs] : cases) {
    MapStore store;
    store.values = stored;
    const StoreReading r = ReadUserStore(store);
    EXPECT_EQ(r.error, prefs ? "" : "Overflow");
    EXPECT_EQ(Fields(r.prefs.value_or(Preferences())), Fields(prefs.value_or(Preferences())));
    EXPECT_TRUE(store.writes.empty()) << "reading writes nothing";
  }
}

TEST(UserStore, WritesOnlyWhatChangedAndAlwaysTheSelection) {
  const Preferences p{0, 210, 2, 0, 360, "", 4, 9};
  const PrefDirty all{true, true, true, true, true, true};
  const std::tuple<PrefDirty, const char*, bool, std::vector<std::string>> cases[] = {
      {{.TableChanged = true}, "", true, {"Table=E", "Selecton=4/9"}},
      {all, "", true,
       {"Size=210", "Tab=0", "Table=E", "Selecton=4/9", "ColorMode=2", "DispMode=0", "MaxHue=360"}},
      {all, "Selecton", false, {"Size=210", "Tab=0", "Table=E"}},  // stops at a failed write
      {all, "DispMode", false,
       {"Size=210", "Tab=0", "Table=E", "Selecton=4/9", "ColorMode=2"}}};
  for (const auto& [dirty, failOn, ok, writes] : cases) {
    MapStore store;
    store.failOn = failOn;
    const WriteResult r = WriteUserStore(store, p, "E", dirty);
    EXPECT_EQ(r.ok, ok) << failOn;
    EXPECT_EQ(r.error, ok ? "" : "store.ini: Permission denied") << "the store's reason is kept";
    EXPECT_EQ(store.writes, writes) << failOn;
  }
}

namespace fs = std::filesystem;

class Folder : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(dir); }
  void TearDown() override { fs::remove_all(dir); }
  std::set<std::string> Names() {
    std::set<std::string> out;
    for (const auto& e : fs::directory_iterator(dir)) out.insert(e.path().filename().string());
    return out;
  }
  const fs::path dir = fs::temp_directory_path() / ("hk-files-" + std::to_string(::getpid()));
};

TEST_F(Folder, ReplacesWholeAndLeavesNoTemporary) {
  ASSERT_TRUE(WriteFileAtomically(dir / "pref.ini", "one\r\n").ok);
  ASSERT_TRUE(WriteFileAtomically(dir / "pref.ini", "two\r\n").ok);
  EXPECT_EQ(testing::ReadBytes(dir / "pref.ini"), "two\r\n");
  EXPECT_EQ(Names(), std::set<std::string>{"pref.ini"});
}

TEST_F(Folder, AFailedWriteNamesTheFileAndWhyAndKeepsTheOldBytes) {
  const std::string pref = FormatPrefFile(Preferences{}, "E");
  const std::string picture = EncodeBmp24(PixelImage(8, 8, 0x4080FF));
  const struct {
    const char* name;
    std::function<WriteResult(const fs::path&)> save;
    rlim_t limit;  // how far files may grow
    const char* why;
  } cases[] = {
      {"pref.ini", [](const fs::path& f) { return SavePrefFile(f, Preferences{}, "E"); }, 0,
       "File too large"},
      {"pref.ini", [&](const fs::path& f) { return WriteFileAtomically(f, pref); }, 40,
       "File too large"},  // full halfway
      {"screen_tmp.bmp", [&](const fs::path& f) { return WriteFileAtomically(f, picture); }, 100,
       "File too large"},
      {"missing/pref.ini", [&](const fs::path& f) { return WriteFileAtomically(f, pref); },
       RLIM_INFINITY, "No such file or directory"},
  };
  const std::string old = "the old bytes, longer than the limits of the cases below........";
  for (const auto& c : cases) {
    const fs::path file = dir / c.name;
    testing::WriteBytes(dir / fs::path(c.name).filename(), old);
    const auto before = Names();
    WriteResult r;
    {
      testing::FileSizeLimit full(c.limit);
      r = c.save(file);
    }
    EXPECT_FALSE(r.ok) << c.name;
    EXPECT_EQ(r.error, file.string() + ": " + c.why);
    EXPECT_EQ(testing::ReadBytes(dir / fs::path(c.name).filename()), old) << c.name;
    EXPECT_EQ(Names(), before) << "no temporary is left behind";
  }
}

TEST_F(Folder, LeftoversOfAKilledRunAreRemovedAndNothingElse) {
  const std::set<std::string> kept = {"Colorx.dat", "pref.ini", "Colorx.dat.new",
      "Colorx.dat.newer", "Colorx.dat.new12-x", ".pref.ini.toolong", "Colorx.dat.new-5"};
  for (const auto& name : kept) std::ofstream(dir / name) << "x";
  for (const char* name : {"Colorx.dat.new1234-0", "Colorx.dat.new99-12", ".pref.ini.Ab3xYz"})
    std::ofstream(dir / name) << "x";
  EXPECT_EQ(std::pair(RemoveLeftoverTemporaries(dir, "Colorx.dat"),
                      RemoveLeftoverTemporaries(dir, "pref.ini")), std::pair(2, 1));
  EXPECT_EQ(Names(), kept);
  EXPECT_EQ(RemoveLeftoverTemporaries(dir / "absent", "pref.ini"), 0);
}

}  // namespace
}  // namespace hk
