// The settings kept between runs: pref.ini bytes and the per-user store.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

#include "mainwindow/preferences.h"

namespace hk {
namespace {

namespace fs = std::filesystem;

TEST(PrefFile, DefaultsWrittenByteForByte) {
  const Preferences defaults;
  EXPECT_EQ(FormatPrefFile(defaults, "E"),
            "TAB=0\r\nCORORSIZE=180\r\nCOLORMODE=0\r\nDISPLAYMODE=0\r\nMAXHUE=240\r\n"
            "EXPANDED=E\r\nLASTUSERCOLOR=1\r\nLASTWEBCOLOR=1\r\n");
  Preferences p;
  p.CurrentTab = -3;
  p.TipSize = 450;
  p.ColorMode = 4;
  p.DispMode = 2;
  p.MaxHue = 360;
  p.LastUserColor = 32767;
  p.LastWebColor = 140;
  EXPECT_EQ(FormatPrefFile(p, ""),
            "TAB=-3\r\nCORORSIZE=450\r\nCOLORMODE=4\r\nDISPLAYMODE=2\r\nMAXHUE=360\r\n"
            "EXPANDED=\r\nLASTUSERCOLOR=32767\r\nLASTWEBCOLOR=140\r\n");
}

TEST(PrefFile, WrittenFileReadsBackTheSameSettings) {
  Preferences p;
  p.CurrentTab = 1;
  p.TipSize = 255;
  p.ColorMode = 3;
  p.DispMode = 1;
  p.MaxHue = 360;
  p.LastUserColor = 7;
  p.LastWebColor = 99;
  for (const char* table : {"E", ""}) {
    const Preferences back = ParsePrefFile(FormatPrefFile(p, table));
    EXPECT_EQ(back.CurrentTab, 1);
    EXPECT_EQ(back.TipSize, 255);
    EXPECT_EQ(back.ColorMode, 3);
    EXPECT_EQ(back.DispMode, 1);
    EXPECT_EQ(back.MaxHue, 360.0f);
    EXPECT_EQ(back.LastUserColor, 7);
    EXPECT_EQ(back.LastWebColor, 99);
    // Read inverted, so the start-up toggle restores the saved state.
    EXPECT_EQ(back.TableState, std::string(table) == "E" ? "" : "E");
  }
}

TEST(PrefFile, OddFiles) {
  struct Case {
    const char* text;
    int tab, size, mode, disp;
    float maxHue;
    const char* table;  // as read (inverted)
    int user, web;
  };
  const Case cases[] = {
      {"", 0, 180, 0, 0, 240, "", 1, 1},
      {"  tab = 1\r\n", 1, 180, 0, 0, 240, "", 1, 1},
      {"EXPANDED=yes\r\n", 0, 180, 0, 0, 240, "", 1, 1},
      {"EXPANDED=no\r\n", 0, 180, 0, 0, 240, "E", 1, 1},
      {"EXPANDED=\r\n", 0, 180, 0, 0, 240, "E", 1, 1},
      {"expanded= e \r\n", 0, 180, 0, 0, 240, "", 1, 1},
      {"MAXHUE=300\r\n", 0, 180, 0, 0, 240, "", 1, 1},
      {"MAXHUE=360\r\n", 0, 180, 0, 0, 360, "", 1, 1},
      {"MAXHUE=359.6\r\n", 0, 180, 0, 0, 360, "", 1, 1},
      {"CORORSIZE=1000\r\n", 0, 1000, 0, 0, 240, "", 1, 1},  // clamped later, by start-up
      {"DISPLAYMODE=7\r\n", 0, 180, 0, 7, 240, "", 1, 1},
      {"COLORMODE=2.5\r\nCOLORMODE=3.5\r\n", 0, 180, 4, 0, 240, "", 1, 1},  // later wins
      {"TAB=1\r\nTAB=99999\r\nCOLORMODE=3\r\n", 1, 180, 0, 0, 240, "", 1, 1},  // stops
      {"DISPLAYMODE=-1\r\nTAB=1\r\n", 0, 180, 0, 0, 240, "", 1, 1},
      {"LASTUSERCOLOR=12=5\r\nLASTWEBCOLOR=&H10\r\n", 0, 180, 0, 0, 240, "", 12, 16},
      {"junk line\r\nCOLOR=3\r\n=5\r\nTAB=\r\n", 0, 180, 0, 0, 240, "", 1, 1},
      {"TAB=1\nCOLORMODE=2\n", 1, 180, 2, 0, 240, "", 1, 1},  // bare LF line ends
      {"TAB=1", 1, 180, 0, 0, 240, "", 1, 1},                 // no final line end
  };
  for (const Case& c : cases) {
    const Preferences p = ParsePrefFile(c.text);
    EXPECT_EQ(p.CurrentTab, c.tab) << c.text;
    EXPECT_EQ(p.TipSize, c.size) << c.text;
    EXPECT_EQ(p.ColorMode, c.mode) << c.text;
    EXPECT_EQ(p.DispMode, c.disp) << c.text;
    EXPECT_EQ(p.MaxHue, c.maxHue) << c.text;
    EXPECT_EQ(p.TableState, c.table) << c.text;
    EXPECT_EQ(p.LastUserColor, c.user) << c.text;
    EXPECT_EQ(p.LastWebColor, c.web) << c.text;
  }
}

TEST(PrefFile, SavedWholeAndMissingFileGivesDefaults) {
  const fs::path dir = fs::temp_directory_path() / ("hk-pref-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path file = dir / "pref.ini";
  EXPECT_EQ(LoadPrefFile(file).TipSize, 180);  // missing

  Preferences p;
  p.TipSize = 300;
  ASSERT_TRUE(SavePrefFile(file, p, "E"));
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(bytes, FormatPrefFile(p, "E"));
  EXPECT_EQ(LoadPrefFile(file).TipSize, 300);
  // Nothing but the file itself is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

  // A folder that cannot be written keeps the old file and says so.
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
  p.TipSize = 90;
  const bool written = SavePrefFile(file, p, "E");
  fs::permissions(dir, fs::perms::owner_all);
  if (::geteuid() != 0) {  // root writes anywhere
    EXPECT_FALSE(written);
    EXPECT_EQ(LoadPrefFile(file).TipSize, 300);
  }
  fs::remove_all(dir);
}

class MapStore : public SettingsStore {
 public:
  std::string Get(std::string_view key, std::string_view fallback) override {
    const auto it = values.find(std::string(key));
    return it == values.end() ? std::string(fallback) : it->second;
  }
  bool Save(std::string_view key, std::string_view value) override {
    if (failOn == key) return false;
    values[std::string(key)] = std::string(value);
    writes.emplace_back(key);
    return true;
  }
  std::map<std::string, std::string> values;
  std::vector<std::string> writes;
  std::string failOn;
};

TEST(UserStore, ReadsWithDefaults) {
  struct Case {
    std::map<std::string, std::string> stored;
    int tab, size, mode, disp;
    float maxHue;
    const char* table;
    int user, web;
    bool error;
  };
  const Case cases[] = {
      {{}, 0, 180, 0, 0, 240, "E", 1, 1, false},  // empty store: collapsed table
      {{{"Tab", "1"}, {"Size", "255"}, {"Table", "E"}, {"ColorMode", "3"}, {"DispMode", "2"},
        {"MaxHue", "360"}, {"Selecton", "12/3"}},
       1, 255, 3, 2, 360, "", 12, 3, false},
      {{{"MaxHue", "360.0"}}, 0, 180, 0, 0, 240, "E", 1, 1, false},  // exactly "360" only
      {{{"Selecton", "5"}}, 0, 180, 0, 0, 240, "E", 1, 1, false},    // too short
      {{{"Selecton", "1/2/3"}}, 0, 180, 0, 0, 240, "E", 1, 1, false},
      {{{"Selecton", "7/"}}, 0, 180, 0, 0, 240, "E", 1, 1, false},   // not longer than 2
      {{{"Selecton", "12/"}}, 0, 180, 0, 0, 240, "E", 12, 0, false},
      {{{"Table", "x"}}, 0, 180, 0, 0, 240, "", 1, 1, false},
      {{{"Tab", "40000"}}, 0, 0, 0, 0, 0, "", 0, 0, true},
      {{{"DispMode", "-1"}}, 0, 0, 0, 0, 0, "", 0, 0, true},
  };
  for (const Case& c : cases) {
    MapStore store;
    store.values = c.stored;
    const StoreReading r = ReadUserStore(store);
    ASSERT_EQ(r.prefs.has_value(), !c.error);
    if (c.error) {
      EXPECT_EQ(r.error, "Overflow");
      continue;
    }
    EXPECT_EQ(r.prefs->CurrentTab, c.tab);
    EXPECT_EQ(r.prefs->TipSize, c.size);
    EXPECT_EQ(r.prefs->ColorMode, c.mode);
    EXPECT_EQ(r.prefs->DispMode, c.disp);
    EXPECT_EQ(r.prefs->MaxHue, c.maxHue);
    EXPECT_EQ(r.prefs->TableState, c.table);
    EXPECT_EQ(r.prefs->LastUserColor, c.user);
    EXPECT_EQ(r.prefs->LastWebColor, c.web);
    EXPECT_TRUE(store.writes.empty()) << "reading writes nothing";
  }
}

TEST(UserStore, WritesOnlyWhatChangedAndAlwaysTheSelection) {
  Preferences p;
  p.TipSize = 210;
  p.ColorMode = 2;
  p.MaxHue = 360;
  p.LastUserColor = 4;
  p.LastWebColor = 9;
  {
    MapStore store;
    PrefDirty dirty;
    dirty.TableChanged = true;
    ASSERT_TRUE(WriteUserStore(store, p, "E", dirty));
    EXPECT_EQ(store.writes, (std::vector<std::string>{"Table", "Selecton"}));
    EXPECT_EQ(store.values["Selecton"], "4/9");
    EXPECT_EQ(store.values["Table"], "E");
  }
  {
    MapStore store;
    const PrefDirty all{true, true, true, true, true, true};
    ASSERT_TRUE(WriteUserStore(store, p, "", all));
    EXPECT_EQ(store.writes, (std::vector<std::string>{"Size", "Tab", "Table", "Selecton",
                                                      "ColorMode", "DispMode", "MaxHue"}));
    EXPECT_EQ(store.values["MaxHue"], "360");
    EXPECT_EQ(store.values["Size"], "210");
  }
  {
    MapStore store;
    store.failOn = "Selecton";
    const PrefDirty all{true, true, true, true, true, true};
    EXPECT_FALSE(WriteUserStore(store, p, "", all));
    EXPECT_EQ(store.writes, (std::vector<std::string>{"Size", "Tab", "Table"}));
  }
}

}  // namespace
}  // namespace hk
