// The colour archive through the real program: colours added with the name box
// reach Colorx.dat at exit, come back in the pad, and runs that add nothing leave
// the file alone.
#include <gtest/gtest.h>

#include <functional>

#include "hue_keeper.h"

namespace hk::e2e {
namespace {

namespace fs = std::filesystem;

std::optional<int> ExitWithCtrlX(App& app, const std::string& window) {
  EXPECT_TRUE(FocusWindow(window));
  EXPECT_TRUE(PressKeys("ctrl+x"));
  return app.WaitForExit(10s);
}

// Waits until the pad shows these colours in its first cells and an empty cell
// after them. Returns "" then, or else what the cells last showed.
std::string PadMismatch(const std::string& window, const std::vector<std::uint32_t>& colours) {
  std::string seen;
  const bool shown = WaitUntil([&] {
    const auto shot = Screenshot::Of(window);
    if (!shot) {
      seen = "no screenshot";
      return false;
    }
    const Rgb background = shot->At(kPadBackgroundX, kPadBackgroundY);
    bool ok = true;
    seen.clear();
    for (std::size_t i = 0; i <= colours.size(); ++i) {
      const auto cell = CellColour(*shot, static_cast<int>(i));
      const Rgb want = i < colours.size() ? FromLong(colours[i]) : background;
      seen += "cell " + std::to_string(i) + ": " + (cell ? ToString(*cell) : "not one colour") +
              " (want " + ToString(want) + ")\n";
      ok = ok && cell && *cell == want;
    }
    return ok;
  });
  return shown ? "" : seen;
}

TEST(Archive, AddedColoursAreAppendedAtExitAndShownInThePadNextRun) {
  App app;
  const fs::path archive = app.Folder() / "Colorx.dat";
  const std::string earlier = Record(0x000000, "Black") + Record(0xFFFFFF, "White");
  ASSERT_TRUE(WriteBytes(archive, earlier));

  struct Addition {
    std::string typed;  // into the Long field
    std::string name;   // into the name box
    std::uint32_t colour;
    std::string stored;  // the name field of the record, Windows-1252
  };
  const std::vector<Addition> additions = {
      {"4227327", "Orange", 0x4080FF, "Orange"},
      // Cut to 25 characters first, then trimmed: the leading blanks count.
      {"8388736.5", "  Café au lait très doux, bien sûr", 0x800080,
       "Caf\xE9 au lait tr\xE8s doux,"},
      {"32768", "Exactly twenty-five chars", 0x008000, "Exactly twenty-five chars"},
  };

  ASSERT_TRUE(app.Start());
  auto window = app.WaitForWindow(kMainTitle);
  ASSERT_TRUE(window.has_value());
  ASSERT_TRUE(FocusWindow(*window));
  std::string expected = earlier;
  for (const Addition& a : additions) {
    SCOPED_TRACE(a.typed);
    ASSERT_NO_FATAL_FAILURE(AddThroughNameBox(app, *window, a.typed, a.name));
    expected += Record(a.colour, a.stored);
  }
  const auto status = ExitWithCtrlX(app, *window);
  ASSERT_TRUE(ExitedWith(status, 0)) << Describe(status);
  EXPECT_EQ(ReadBytes(archive), expected);

  // The next run shows the earlier colours, then the added ones in order.
  fs::last_write_time(archive, LongAgo());
  const auto stamp = fs::last_write_time(archive);
  ASSERT_TRUE(app.Start());
  window = app.WaitForWindow(kMainTitle);
  ASSERT_TRUE(window.has_value());
  std::vector<std::uint32_t> colours = {0x000000, 0xFFFFFF};
  for (const Addition& a : additions) colours.push_back(a.colour);
  EXPECT_EQ(PadMismatch(*window, colours), "");

  // A run that only looked leaves the archive's bytes and time stamp alone.
  const auto second = ExitWithCtrlX(app, *window);
  ASSERT_TRUE(ExitedWith(second, 0)) << Describe(second);
  EXPECT_EQ(ReadBytes(archive), expected);
  EXPECT_EQ(fs::last_write_time(archive), stamp);
}

TEST(Archive, RefusedAdditionsLeaveTheFileAlone) {
  App app;
  const fs::path archive = app.Folder() / "Colorx.dat";
  const std::string saved = Record(0xFFFFFF, "White") + Record(0x0000FF, "Red");
  ASSERT_TRUE(WriteBytes(archive, saved));
  fs::last_write_time(archive, LongAgo());
  const auto stamp = fs::last_write_time(archive);

  struct Refusal {
    std::string typed;
    std::optional<std::string> name;  // nothing: no name box may be asked
    std::string box;                  // the message box that answers, "" for none
  };
  const std::vector<Refusal> refusals = {
      {"16777215", std::nullopt, "Duplicate.."},  // the colour is saved already
      {"4660", "wHITE", "Name Exists!"},          // a new colour, a name in use
      {"4660", "   ", ""},                        // blanks only: nothing to add
  };

  ASSERT_TRUE(app.Start());
  const auto window = app.WaitForWindow(kMainTitle);
  ASSERT_TRUE(window.has_value());
  ASSERT_TRUE(FocusWindow(*window));
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.typed + " " + r.name.value_or("(no name box)"));
    if (r.name) {
      ASSERT_NO_FATAL_FAILURE(AddThroughNameBox(app, *window, r.typed, *r.name));
    } else {
      ASSERT_NO_FATAL_FAILURE(TypeIntoLong(*window, r.typed));
      ASSERT_TRUE(ClickAt(*window, kAddX, kAddY));
    }
    if (!r.box.empty()) {
      ASSERT_NO_FATAL_FAILURE(Answer(app, r.box, "Return"));
    }
    EXPECT_TRUE(VisibleWindows("Color Name").empty());
    ASSERT_TRUE(FocusWindow(*window));
  }
  // Cancel in the name box adds nothing either.
  ASSERT_NO_FATAL_FAILURE(TypeIntoLong(*window, "4660"));
  ASSERT_TRUE(ClickAt(*window, kAddX, kAddY));
  ASSERT_NO_FATAL_FAILURE(Answer(app, "Color Name", "Escape"));

  const auto status = ExitWithCtrlX(app, *window);
  ASSERT_TRUE(ExitedWith(status, 0)) << Describe(status);
  EXPECT_EQ(ReadBytes(archive), saved);
  EXPECT_EQ(fs::last_write_time(archive), stamp);
}

TEST(Archive, ANumberThatBeginsASavedOneIsANewColour) {
  App app;
  const fs::path archive = app.Folder() / "Colorx.dat";
  const std::string white = Record(0xFFFFFF, "White");
  ASSERT_TRUE(WriteBytes(archive, white));
  ASSERT_TRUE(app.Start());
  const auto window = app.WaitForWindow(kMainTitle);
  ASSERT_TRUE(window.has_value());
  ASSERT_TRUE(FocusWindow(*window));
  // 1677 is not 16777215: the name box must come, not "Duplicate..".
  ASSERT_NO_FATAL_FAILURE(TypeIntoLong(*window, "1677"));
  ASSERT_TRUE(ClickAt(*window, kAddX, kAddY));
  std::string came;
  ASSERT_TRUE(WaitUntil([&] {
    for (const char* title : {"Color Name", "Duplicate.."}) {
      if (!VisibleWindows(title).empty()) came = title;
    }
    return !came.empty();
  })) << "no box after Add";
  ASSERT_EQ(came, "Color Name");
  const auto box = VisibleWindows("Color Name");
  ASSERT_FALSE(box.empty());
  ASSERT_TRUE(FocusWindow(box.front()));
  ASSERT_TRUE(TypeText("Almost black"));
  ASSERT_TRUE(PressKeys("Return"));
  ASSERT_TRUE(WaitForNoWindow("Color Name"));
  const auto status = ExitWithCtrlX(app, *window);
  ASSERT_TRUE(ExitedWith(status, 0)) << Describe(status);
  EXPECT_EQ(ReadBytes(archive), white + Record(1677, "Almost black"));
}

TEST(Archive, TheLongFieldTakesOnlyDigitsAndAPointAndApplies) {
  // Letters typed into the Long field are dropped: "12ab3.5x" reads 123.5, which
  // rounds to the even 124, hexadecimal 7C.
  struct Way {
    std::string label;
    std::function<bool(const std::string&)> apply;
  };
  const std::vector<Way> ways = {
      {"Apply button", [](const std::string& w) { return ClickAt(w, kApplyX, kApplyY); }},
      {"Enter", [](const std::string&) { return PressKeys("Return"); }},
  };
  App app;
  ASSERT_TRUE(app.Start());
  const auto window = app.WaitForWindow(kMainTitle);
  ASSERT_TRUE(window.has_value());
  for (const Way& way : ways) {
    SCOPED_TRACE(way.label);
    ASSERT_TRUE(FocusWindow(*window));
    // Back to black between the ways through the Web field.
    ASSERT_TRUE(ClickAt(*window, kWebX, kWebY));
    ASSERT_TRUE(PressKeys("ctrl+a"));
    ASSERT_TRUE(TypeText("#000000"));
    ASSERT_TRUE(PressKeys("Return"));
    ASSERT_EQ(CopiedHex(*window, "0"), "0");
    ASSERT_NO_FATAL_FAILURE(TypeIntoLong(*window, "12ab3.5x"));
    ASSERT_TRUE(way.apply(*window));
    EXPECT_EQ(CopiedHex(*window, "7C"), "7C");
  }
}

}  // namespace
}  // namespace hk::e2e
