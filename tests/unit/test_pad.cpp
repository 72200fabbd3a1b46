// The colour table pad: its grid, marker, mouse and arrow keys, and what the window shows.
#include <gtest/gtest.h>

#include "../test_support.h"
#include "archive/colourtable.h"

namespace hk {
namespace {

// The designed pad: 4095 twips wide, six rows of the default tips high.
constexpr int kWidth = 4095, kHeight = 1440;

PadModel Laid(int tip, int count, int height = kHeight) {
  PadModel pad;
  pad.SetTipSize(tip);
  pad.SetPadSize(kWidth, height);
  pad.Layout(count);
  return pad;
}

TEST(PadGeometry, ColumnsRowsScrollRangeAndANarrowPad) {
  // Tip, count, height; columns, rows, total rows, scroll maximum and enabled. A full last row
  // still adds an empty one; as many rows as fit are enabled with nowhere to go.
  const std::tuple<int, int, int, int, int, int, int, bool> cases[] = {
      {180, 140, kHeight, 17, 6, 9, 3, true},   {180, 34, kHeight, 17, 6, 3, 0, false},
      {180, 85, kHeight, 17, 6, 6, 0, true},    {180, 0, kHeight, 17, 6, 1, 0, false},
      {90, 1000, kHeight, 27, 9, 38, 29, true}, {195, 140, kHeight, 16, 5, 9, 4, true},
      {450, 100, kHeight, 8, 2, 13, 11, true},  {180, 1000000, kHeight, 17, 6, 58824, 58818, true},
      {180, 140, 200, 17, 0, 9, 9, true}};
  for (const auto& [tip, count, height, cols, rows, totalRows, max, enabled] : cases) {
    const PadModel pad = Laid(tip, count, height);
    EXPECT_EQ(std::tuple(pad.PadCols(), pad.PadRows(), pad.PadTotalRows(), pad.ScrollMax(),
                         pad.ScrollEnabled()),
              std::tuple(cols, rows, totalRows, max, enabled));
  }
  // The scroll value survives a layout while it fits, and is cut to a new maximum (2 for 120).
  PadModel pad = Laid(180, 140);
  pad.SetScrollValue(3);
  pad.Layout(140);
  EXPECT_EQ(pad.ScrollValue(), 3);
  pad.Layout(120);
  EXPECT_EQ(pad.ScrollValue(), 2);
  // Not one whole column fits: the last layout stays.
  pad.SetPadSize(239, kHeight);
  EXPECT_FALSE(pad.Layout(10));
  EXPECT_EQ(std::pair(pad.PadCols(), pad.PadCount()), std::pair(17, 120));
  // Rows at least partly in view: six whole ones, and a seventh from its first twip.
  EXPECT_EQ(std::pair(Laid(180, 140, 45 + 6 * 240).VisibleRowCount(),
                      Laid(180, 140, 46 + 6 * 240).VisibleRowCount()),
            std::pair(6, 7));
}

TEST(PadMarker, FramesTheSelectedCellAndScrollsItIntoView) {
  // Tip, position, scroll; the marker (empty: none). The row after the whole rows counts.
  // clang-format off
  const std::tuple<int, int, int, TwipRect> cases[] = {
      {180, 1, 0, {30, 30, 225, 225}}, {180, 17, 0, {3870, 30, 225, 225}},
      {180, 18, 0, {30, 270, 225, 225}}, {180, 18, 1, {30, 30, 225, 225}},
      {90, 28, 0, {30, 180, 135, 135}}, {450, 9, 0, {30, 540, 495, 495}},
      {180, 103, 0, {30, 1470, 225, 225}}, {180, 119, 0, {3870, 1470, 225, 225}},
      {180, 120, 0, {}}, {180, 1, 1, {}}, {180, 0, 0, {}}};
  // clang-format on
  for (const auto& [tip, pos, scroll, rect] : cases) {
    PadModel pad = Laid(tip, 140);
    pad.SetScrollValue(scroll);
    pad.SetPadPos(pos);
    pad.ShowShape();
    EXPECT_EQ(pad.MarkerVisible() ? pad.MarkerRect() : TwipRect{}, rect) << tip << "/" << pos;
  }
  // Position, scroll before and after bringing it into view.
  const std::tuple<int, int, int> scrolls[] = {{140, 0, 3}, {103, 0, 1}, {102, 0, 0}, {1, 3, 0},
                                               {52, 3, 3},  {35, 3, 2},  {0, 3, 0}};
  for (const auto& [pos, before, after] : scrolls) {
    PadModel pad = Laid(180, 140);
    pad.SetScrollValue(before);
    pad.SetPadPos(pos);
    const bool moved = pad.ScrollToSelection();
    EXPECT_EQ(std::pair(moved, pad.ScrollValue()), std::pair(before != after, after)) << pos;
  }
}

TEST(PadMouse, WhatAPressSelects) {
  // Tip, count, scroll, x, y; the position. Margins count as the first cell; nothing in an
  // empty cell or right of the last column (14 columns of 285).
  const std::tuple<int, int, int, int, int, int> cases[] = {
      {180, 40, 0, 10, 10, 1},    {180, 40, 0, 44, 300, 18},  {180, 40, 0, 280, 60, 1},
      {180, 40, 0, 290, 60, 2},   {180, 40, 0, 4094, 45, 17}, {180, 140, 1, 10, 10, 18},
      {180, 40, 0, 1485, 525, 0}, {225, 40, 0, 4050, 60, 0},  {180, 40, 0, 0, 0, 1}};
  for (const auto& [tip, count, scroll, x, y, position] : cases) {
    PadModel pad = Laid(tip, count);
    pad.SetScrollValue(scroll);
    const auto hit = pad.HitTest(x, y);
    EXPECT_EQ(std::tuple(hit ? hit->position : 0,
                         hit ? (hit->row - 1) * pad.PadCols() + hit->col : 0, pad.ItemAt(x, y)),
              std::tuple(position, position, position - 1));
  }
}

TEST(PadKeys, MovesFromTheCursorCell) {
  using enum PadKey;
  // List length, cursor cell, key; the position selected (0: ignored, and the cursor stays).
  // Another key selects the cursor cell, even an empty one beyond a shrunk list.
  const std::tuple<int, int, PadKey, int> cases[] = {
      {40, 17, Right, 18}, {40, 40, Right, 0}, {40, 5, Right, 6},  {40, 1, Left, 0},
      {40, 18, Left, 17},  {40, 5, Up, 0},     {40, 22, Up, 5},    {40, 23, Down, 40},
      {40, 24, Down, 0},   {34, 34, Right, 0}, {34, 17, Down, 34}, {34, 34, Down, 0},
      {40, 7, Other, 7},   {5, 23, Left, 22},  {5, 23, Other, 23}, {5, 23, Right, 0},
      {5, 23, Up, 6},      {0, 1, Other, 1}};
  for (const auto& [count, from, key, to] : cases) {
    PadModel pad = Laid(180, count);
    pad.SetPadPos(99);  // the selection plays no part
    pad.SetCursor((from - 1) % 17 + 1, (from - 1) / 17 + 1);
    const bool moved = pad.MoveCursor(key);
    EXPECT_EQ(std::tuple(moved, pad.PadPos(), (pad.CursorRow() - 1) * 17 + pad.CursorCol()),
              std::tuple(to != 0, to == 0 ? 99 : to, to == 0 ? from : to))
        << from << " " << static_cast<int>(key);
  }
}

// ---- the table: the pad over the saved or the web colours ----

// One thing the user does: 's'/'w' show the saved/web list (arg: the remembered position, -1
// keeps it), 'W' starts on the web list, 'c' clicks a position, 'k' presses a key, 'p' picks
// txtCol item arg, 'd' the Delete label, 'a' adds colour arg, 'n' renames, 'f' lays the pad out,
// '+' bigger tips, 'v' scrolls. `typed` answers a name box, or "No" a question. `colour` is made
// current (-1 none); `shown` is PadPos, the txtCol item and the caption ("S[", "W[": "Custom
// Color &Table[", "Web Color &Table[").
// clang-format off
struct Step { char op; int arg; LongColour colour; const char* shown; const char* typed = ""; };
// clang-format on
constexpr int kDel = static_cast<int>(PadKey::Delete);

class PadTable : public ::testing::Test {
 protected:
  // `count` saved colours, C1 = 1000, C2 = 2000 ..., on the designed pad.
  void Load(int count) {
    std::vector<LongColour> values;
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i)
      values.push_back(i * 1000), names.push_back("C" + std::to_string(i));
    WriteArchiveFile(dir_ / kArchiveFileName, values, names);
    archive_.LoadColors(dir_ / kArchiveFileName);
    table_.Pad().SetPadSize(kWidth, kHeight);
  }
  PadUpdate Key(PadKey key) { return table_.PAD_KeyDown(key, dialogs_); }
  // Presses the middle of the cell of a 1-based position (no scrolling).
  PadUpdate Click(int pos) {
    const int p = table_.Pad().Pitch(), cols = table_.Pad().PadCols();
    return table_.PAD_MouseDown(135 + (pos - 1) % cols * p, 135 + (pos - 1) / cols * p);
  }
  const PadModel& Pad() const { return table_.Pad(); }
  void Run(int count, const std::vector<Step>& steps) {
    Load(count);
    for (const auto& [op, arg, colour, shown, typed] : steps) {
      dialogs_.typed = {typed};
      dialogs_.pressed = {std::string_view(typed) == "No" ? MsgResult::No : MsgResult::Yes};
      if (op == 's' && arg >= 0) table_.SetLastUserColor(arg);
      if ((op == 'w' || op == 'W') && arg >= 0) table_.SetLastWebColor(arg);
      // clang-format off
      const PadUpdate u = op == 's' ? table_.Option1_Click(PadList::Saved)
          : op == 'w' ? table_.Option1_Click(PadList::Web) : op == 'c' ? Click(arg)
          : op == 'W' ? table_.StartOn(PadList::Web) : op == 'k' ? Key(static_cast<PadKey>(arg))
          : op == 'p' ? table_.txtCol_Click(arg) : op == 'd' ? table_.DeleteColor(dialogs_)
          : op == 'a' ? table_.AddColor(arg, dialogs_) : op == 'n' ? table_.Rename(dialogs_)
          : op == 'f' ? table_.FixPad() : op == '+' ? table_.Image3_Click() : table_.VS_Change(arg);
      // clang-format on
      std::string want = shown;
      for (const auto& [tag, caption] :
           {std::pair{"S[", "Custom Color &Table["}, std::pair{"W[", "Web Color &Table["}})
        if (const auto at = want.find(tag); at != std::string::npos) want.replace(at, 2, caption);
      EXPECT_EQ(std::tuple(u.newColour.value_or(-1), std::to_string(Pad().PadPos()) + " " +
                                                         std::to_string(table_.TxtColIndex()) +
                                                         " " + table_.Caption()),
                std::tuple(colour, want))
          << op << " " << arg;
    }
  }

  testing::ScratchFolder dir_;
  ColourArchive archive_;
  WebColors web_;
  ColourTable table_{archive_, web_};
  testing::ScriptedDialogs dialogs_;
};

TEST_F(PadTable, DeleteThenTheSelectionReturnsToTheCursorCell) {
  // The label selects the colour moving up, the key the cursor cell (also when kept). The key
  // on the last colour: the new last one is current and named, the marker frames the empty
  // cursor cell, and Rename has nothing to ask about.
  // clang-format off
  Run(5, {{'s', 1, 1000, "1 0 S[5] C1"}, {'c', 2, 2000, "2 1 S[5] C2"},
          {'d', 0, 3000, "2 1 S[4] C3"}, {'p', 3, 5000, "4 3 S[4] C5"},
          {'k', kDel, 3000, "2 1 S[3] C3"}, {'p', 2, 4000, "3 2 S[3] C4"},
          {'k', kDel, 3000, "2 1 S[3] C3", "No"}, {'c', 3, 4000, "3 2 S[3] C4"},
          {'k', kDel, 3000, "3 1 S[2] C3"}, {'n', 0, -1, "3 1 S[2] C3"}});
  // clang-format on
  EXPECT_EQ(std::pair(Pad().MarkerVisible(), Pad().MarkerRect()),
            std::pair(true, TwipRect{510, 30, 225, 225}));
  EXPECT_EQ(dialogs_.calls.back().prompt, "Delete this color 'C4' ?");
}

TEST_F(PadTable, AddRenameAndTheListsSwitched) {
  // A txtCol pick leaves the web pad; a web colour is applied again on a layout, a saved not.
  Run(140, {{'s', 1, 1000, "1 0 S[140] C1"},
            {'a', 123456, 123456, "141 140 S[141] Brand new", "Brand new"},
            {'v', 0, -1, "141 140 S[141] Brand new"},
            {'c', 2, 2000, "2 1 S[141] C2"},
            {'n', 0, -1, "2 1 S[141] Second", "Second"},
            {'w', 200, 3329434, "140 1 W[140] YELLOWGREEN"},
            {'p', 9, 10000, "140 9 W[140] YELLOWGREEN"},
            {'+', 0, 3329434, "140 9 W[140] YELLOWGREEN"},
            {'s', -1, 10000, "10 9 S[141] C10"},
            {'f', 0, -1, "10 9 S[141] C10"}});
  EXPECT_EQ(std::tuple(table_.LastWebColor(), archive_.Name(1)), std::tuple(140, "Second"));
}

TEST_F(PadTable, StartingOnTheWebListSelectsAtTheFirstLayout) {
  // A remembered position beyond the list selects nothing; the marker frames its cell when
  // that is in view, as the empty one after the last web colour is.
  Run(3, {{'W', 5, -1, "5 -1 Color &Table"},
          {'f', 0, 16777200, "5 -1 W[140] AZURE"},
          {'W', 141, -1, "141 -1 W[140] AZURE"},
          {'f', 0, -1, "141 -1 W[140]"}});
  EXPECT_EQ(std::tuple(Pad().MarkerVisible(), Pad().MarkerRect(), table_.ActionsVisible(true)),
            std::tuple(true, TwipRect{990, 1230, 225, 225}, false));
  // The tool tip names a web colour in its own capitals; an empty cell has none.
  table_.VS_Change(0);
  EXPECT_EQ(std::tuple(table_.PAD_MouseMove(60, 60), table_.PAD_MouseMove(3885, 1965)),
            std::tuple("AliceBlue", ""));
}

TEST_F(PadTable, DeletingTheOnlyColourLeavesNothingSelected) {
  Load(1);
  EXPECT_TRUE(table_.ActionsEnabled()) << "one colour is enough to rename or delete";
  // With nothing selected Delete and Rename ask nothing; a key frames the empty cursor cell.
  Run(1, {{'s', 1, 1000, "1 0 S[1] C1"},
          {'d', 0, -1, "0 -1 S[0] "},
          {'k', kDel, -1, "1 -1 S[0] "},
          {'n', 0, -1, "1 -1 S[0] "}});
  EXPECT_EQ(std::tuple(dialogs_.calls.size(), Pad().MarkerVisible(), Pad().MarkerRect(),
                       table_.ActionsEnabled(), table_.LastUserColor()),
            std::tuple(1u, true, TwipRect{30, 30, 225, 225}, false, 0));
}

TEST(PadCaption, AnAmpersandInANameIsShownNotAnAccessKey) {
  EXPECT_EQ(PadCaption(PadList::Saved, 1, "Black & White"),
            "Custom Color &Table[1] Black && White");
}

TEST_F(PadTable, TheCursorRowIsKeptInViewOneRowAKeyPress) {
  Load(140);
  table_.Option1_Click(PadList::Saved);
  Click(3);
  for (int row = 2; row <= 9; ++row) {
    EXPECT_EQ(Key(PadKey::Down).newColour, ((row - 1) * 17 + 3) * 1000) << row;
    EXPECT_EQ(std::tuple(Pad().ScrollValue(), Pad().MarkerVisible(), Pad().MarkerRect().top),
              std::tuple(std::max(0, row - 6), true, 30 + (std::min(row, 6) - 1) * 240))
        << row;
  }
  EXPECT_FALSE(Key(PadKey::Down).newColour);  // 3 + 9 * 17 is past the list
  for (int row = 8; row >= 1; --row) {
    Key(PadKey::Up);
    EXPECT_EQ(Pad().ScrollValue(), std::min(3, row - 1)) << row;
  }
  // A pad lower than one row still shows the cursor row.
  table_.Pad().SetPadSize(kWidth, 200);
  table_.Option1_Click(PadList::Saved);
  for (int row = 2; row <= 4; ++row) {
    EXPECT_EQ(Key(PadKey::Down).newColour, ((row - 1) * 17 + 3) * 1000) << row;
    EXPECT_EQ(std::pair(Pad().ScrollValue(), Pad().MarkerRect()),
              std::pair(row - 1, TwipRect{510, 30, 225, 225}));
  }
}

TEST_F(PadTable, TipSizeStepsAndTheirButtons) {
  // Before, bigger (else smaller) clicked; after, Image2 (smaller) and Image3 shown. A size off
  // the 15-twip steps passes 450 or 90 once.
  const std::tuple<int, bool, int, bool, bool> cases[] = {
      {90, true, 105, true, true},   {90, false, 90, false, true},  {105, false, 90, false, true},
      {450, true, 450, true, false}, {435, true, 450, true, false}, {445, true, 460, true, true},
      {460, true, 460, true, false}, {100, false, 85, true, true},  {85, false, 85, false, true}};
  Load(10);
  for (const auto& [before, bigger, after, smallerShown, biggerShown] : cases) {
    table_.Pad().SetTipSize(before);
    table_.ShowTipButtons(true);
    bigger ? table_.Image3_Click() : table_.Image2_Click();
    EXPECT_EQ(std::tuple(Pad().TipSize(), table_.SmallerShown(), table_.BiggerShown()),
              std::tuple(after, smallerShown, biggerShown));
  }
  table_.ShowTipButtons(false);
  EXPECT_FALSE(table_.SmallerShown() || table_.BiggerShown()) << "a collapsed table hides both";
}

TEST_F(PadTable, OnlyTheRowsInViewAreDrawn) {
  Load(1000);  // 17 columns, 6 whole rows and none partly visible
  table_.Option1_Click(PadList::Saved);
  std::vector<PadCell> cells;
  for (const int row : {10, 53}) {  // the last rows draw only the cells of colours
    table_.VS_Change(row);
    table_.DrawColors(cells);
    ASSERT_EQ(cells.size(), std::min(6 * 17, 1000 - row * 17)) << row;
    EXPECT_EQ(std::tuple(cells.front().index, cells.front().colour, cells.front().frame,
                         cells.back().index),
              std::tuple(row * 17, (row * 17 + 1) * 1000, TwipRect{45, 45, 180, 180},
                         std::min(row * 17 + 101, 999)));
  }
  EXPECT_EQ(cells.back().frame, (TwipRect{45 + 13 * 240, 45 + 5 * 240, 180, 180}));
}

}  // namespace
}  // namespace hk
