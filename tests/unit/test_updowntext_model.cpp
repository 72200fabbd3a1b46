// The spin control's rules without a screen: editing keys, steps, mouse buttons
// and auto-repeat, the menu, the cursor, the size rules and the painted geometry.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "updowntext/updowntextmodel.h"

namespace hk {
namespace {

using M = UpDownTextModel;

// Logs the events raised, space separated; measures every character 7 pixels wide
// and text 14 pixels high, as Tahoma 9 pt does at 96 dpi.
struct Host : UpDownTextHost {
  std::string log;
  int repaints = 0, timerRestarts = 0, menusShown = 0, requestedW = -1, requestedH = -1;
  int textHeight = 210;
  bool clipboardHasText = false;
  std::function<void(std::int16_t&)> onKeyDown;

  void Raise(const char* event) { log += log.empty() ? event : std::string(" ") + event; }
  void RaiseValueChanged() override { Raise("ValueChanged"); }
  void RaiseClick() override { Raise("Click"); }
  void RaiseKeyDown(std::int16_t& keyCode, std::int16_t&) override {
    Raise("KeyDown");
    if (onKeyDown) onKeyDown(keyCode);
  }
  void RaiseKeyUp(std::int16_t&, std::int16_t&) override { Raise("KeyUp"); }
  void RaiseMouseDown(std::int16_t&, std::int16_t&, float&, float&) override { Raise("MouseDown"); }
  void RaiseMouseUp(std::int16_t&, std::int16_t&, float&, float&) override { Raise("MouseUp"); }
  void Repaint() override { ++repaints; }
  void RestartTimer() override { ++timerRestarts; }
  bool ClipboardHasText() override { return clipboardHasText; }
  void ShowMenu() override { ++menusShown; }
  void RequestSize(int w, int h) override { requestedW = w, requestedH = h; }
  int TextWidth(std::string_view text) override { return 105 * static_cast<int>(text.size()); }
  int TextHeight(std::string_view) override { return textHeight; }
};

// A shown control holding `value` in min..max, the cursor `cursor` characters in
// (at the end for -1), with nothing logged yet.
struct Control {
  Host host;
  M m{host};
  Control(int value, int min, int max, int cursor = -1) {
    m.SetMin(min);
    m.SetMax(max);
    m.SetValue(value);
    m.Shown();
    if (cursor >= 0) m.KeyPressed(M::kKeyHome, 0);
    for (int i = 0; i < cursor; ++i) m.KeyPressed(M::kKeyRight, 0);
    host.log.clear();
  }
};

TEST(UpDownTextKeys, WhatEachKeyDoes) {
  const char* none = "KeyDown";
  const char* taken = "KeyDown ValueChanged";
  const char* stepped = "KeyDown ValueChanged Click";
  struct Case {
    const char* what;
    int value, min, max, cursor, key, wantValue, wantCursor;
    const char* wantLog;
    int keyDownSets = -1;  // the key code a KeyDown handler leaves, -1 for no handler
  };
  // clang-format off
  const Case cases[] = {
      {"Backspace at the start does nothing", 25, 0, 255, 0, 8, 25, 0, none},
      {"Backspace of a lone digit reads as 0", 5, 0, 255, 1, 8, 0, 0, taken},
      {"Backspace in the middle", 123, 0, 255, 2, 8, 13, 1, taken},
      {"Backspace at the end", 25, 0, 255, 2, 8, 2, 1, taken},
      {"Backspace at the end of a negative number", -25, -100, 100, 3, 8, -2, 2, taken},
      {"Backspace leaving a leading zero", 105, 0, 255, 1, 8, 5, 0, taken},
      {"Backspace below Min is refused", 15, 10, 255, 1, 8, 15, 1, none},
      {"Backspace of the minus sign", -5, -10, 10, 1, 8, 5, 0, taken},
      {"Delete at the start", 25, 0, 255, 0, 46, 5, 0, taken},
      {"Delete at the end does nothing", 25, 0, 255, 2, 46, 25, 2, none},
      {"Delete in the middle", 123, 0, 255, 1, 46, 13, 1, taken},
      {"7 after a lone 0", 0, 0, 255, 1, '7', 7, 1, taken},
      {"0 in front of 5 stays a leading zero", 5, 0, 255, 0, '0', 5, 0, taken},
      {"6 after 25 gives 256 above Max", 25, 0, 255, 2, '6', 25, 2, none},
      {"digit inserted in the middle", 15, 0, 255, 1, '2', 125, 2, taken},
      {"digit at the start", 5, 0, 255, 0, '2', 25, 1, taken},
      {"fifth 9 does not fit 16 bits", 9999, 0, 32767, 4, '9', 9999, 4, none},
      {"digit after the minus sign", -5, -100, 100, 1, '3', -35, 2, taken},
      {"zero after the minus sign vanishes", -5, -100, 100, 1, '0', -5, 1, taken},
      {"digit before the minus sign reads as that digit", -5, -100, 100, 0, '3', 3, 1, taken},
      {"Left at the start", 25, 0, 255, 0, 37, 25, 0, none},
      {"Left", 25, 0, 255, 2, 37, 25, 1, none},
      {"Right at the end", 25, 0, 255, 2, 39, 25, 2, none},
      {"Right", 25, 0, 255, 0, 39, 25, 1, none},
      {"Home", 255, 0, 255, 2, 36, 255, 0, none},
      {"End", 255, 0, 255, 1, 35, 255, 3, none},
      {"Up", 5, 0, 255, 0, 38, 6, 0, stepped},
      {"Down", 5, 0, 255, 0, 40, 4, 0, stepped},
      {"Up at Max clicks only", 255, 0, 255, 0, 38, 255, 0, "KeyDown Click"},
      {"Down at Min clicks only", 0, 0, 255, 0, 40, 0, 0, "KeyDown Click"},
      {"Down at Max", 255, 0, 255, 0, 40, 254, 0, stepped},
      {"Up past 32767 is dropped without a Click", 32767, 0, 32767, 0, 38, 32767, 0, none},
      {"Down past -32768 is dropped without a Click", -32768, -32768, 0, 0, 40, -32768, 0, none},
      {"Up cancelled in KeyDown", 25, 0, 255, 2, 38, 25, 2, none, 0},
      {"Backspace cancelled in KeyDown", 25, 0, 255, 2, 8, 25, 2, none, 0},
      {"7 cancelled in KeyDown", 25, 0, 255, 2, '7', 25, 2, none, 0},
      {"7 turned into Down in KeyDown", 25, 0, 255, 2, '7', 24, 2, stepped, 40},
  };
  // clang-format on
  for (const Case& c : cases) {
    Control ctl(c.value, c.min, c.max, c.cursor);
    ASSERT_EQ(ctl.m.CursorPos(), c.cursor) << c.what;
    if (c.keyDownSets >= 0) ctl.host.onKeyDown = [&c](std::int16_t& code) { code = c.keyDownSets; };
    EXPECT_EQ(ctl.m.KeyPressed(static_cast<std::int16_t>(c.key), 0),
              c.keyDownSets >= 0 ? c.keyDownSets : c.key) << c.what << ": the key acted on";
    EXPECT_EQ(ctl.m.value(), c.wantValue) << c.what;
    EXPECT_EQ(ctl.m.CursorPos(), c.wantCursor) << c.what;
    EXPECT_EQ(ctl.host.log, c.wantLog) << c.what;
    EXPECT_EQ(ctl.m.PressedButton(), 0) << c.what << ": no press is left behind";
  }
  // Keys that change nothing, with the cursor at either end: the keypad's 5, 0 and
  // minus, Page Up, Page Down, a letter, minus, and a key code beyond a byte.
  for (int key : {101, 96, 109, 33, 34, int{'A'}, 189, 256 + '1'}) {
    for (int cursor : {0, 2}) {
      Control ctl(25, 0, 255, cursor);
      ctl.m.KeyPressed(static_cast<std::int16_t>(key), 0);
      EXPECT_EQ(ctl.m.value(), 25) << key;
      EXPECT_EQ(ctl.m.CursorPos(), cursor) << key;
      EXPECT_EQ(ctl.host.log, none) << key;
    }
  }
}

TEST(UpDownTextKeys, NewValueTexts) {
  Control ctl(-40, -100, 100);
  const struct { int cursor; const char *typed7, *back, *del; } cases[] = {
      {0, "7-40", "-40", "40"}, {1, "-740", "40", "-0"}, {3, "-407", "-4", "-40"}};
  for (const auto& c : cases) {
    ctl.m.KeyPressed(M::kKeyHome, 0);
    for (int i = 0; i < c.cursor; ++i) ctl.m.KeyPressed(M::kKeyRight, 0);
    EXPECT_EQ(ctl.m.GetNewValueEx('7'), c.typed7) << c.cursor;
    EXPECT_EQ(ctl.m.GetNewValue(8), c.back) << c.cursor;
    EXPECT_EQ(ctl.m.GetNewValue(46), c.del) << c.cursor;
    EXPECT_EQ(ctl.m.GetNewValue(65), "") << c.cursor;
  }
}

// Whether the up and the down button show pressed.
std::pair<bool, bool> Sunk(const M& m) { return {m.UpShownPressed(), m.DownShownPressed()}; }

TEST(UpDownTextKeys, StepButtonShownPressedUntilTheKeyIsReleased) {
  Control ctl(5, 0, 255);
  ctl.m.KeyPressed(M::kKeyUp, 0);
  EXPECT_EQ(Sunk(ctl.m), std::pair(true, false));
  ctl.m.KeyReleased(M::kKeyUp, 0);
  EXPECT_EQ(Sunk(ctl.m), std::pair(false, false));
  EXPECT_EQ(ctl.host.log, "KeyDown ValueChanged Click KeyUp");
  // Stepping up onto Max shows the button raised at once.
  ctl.m.SetValue(254);
  ctl.m.KeyPressed(M::kKeyUp, 0);
  EXPECT_TRUE(ctl.m.UpAtLimit());
  EXPECT_EQ(Sunk(ctl.m), std::pair(false, false));
  // The host's steps pop their button up by themselves: no key release follows.
  for (bool up : {false, true}) {
    Control wheel(5, 0, 255);
    up ? wheel.m.StepUp() : wheel.m.StepDown();
    EXPECT_EQ(wheel.m.value(), up ? 6 : 4);
    EXPECT_EQ(Sunk(wheel.m), std::pair(false, false));
    EXPECT_EQ(wheel.host.log, "ValueChanged Click");
  }
}

// The limit the value stands at, as the buttons and the menu show it: "Max" (the up
// glyph grey, Set to Maximum off), "Min", both or "".
std::string Limits(const M& m) {
  EXPECT_EQ(m.UpAtLimit(), !m.MaxItemEnabled());
  EXPECT_EQ(m.DownAtLimit(), !m.MinItemEnabled());
  return std::string(m.UpAtLimit() ? "Max" : "") + (m.DownAtLimit() ? "Min" : "");
}

TEST(UpDownTextValue, AssignmentSilentSetValueAndBounds) {
  Control ctl(10, 0, 255);
  for (int refused : {256, -1, 70000}) EXPECT_FALSE(ctl.m.AssignValue(refused)) << refused;
  EXPECT_FALSE(ctl.m.SetValue(256));
  EXPECT_EQ(ctl.m.value(), 10);
  EXPECT_TRUE(ctl.m.AssignValue(10));
  EXPECT_TRUE(ctl.m.AssignValue(10));
  EXPECT_EQ(ctl.host.log, "ValueChanged ValueChanged") << "the number already held raises it again";

  const int repaints = ctl.host.repaints;
  EXPECT_TRUE(ctl.m.SetValue(255));
  EXPECT_EQ(ctl.host.log, "ValueChanged ValueChanged") << "SetValue raises nothing";
  EXPECT_GT(ctl.host.repaints, repaints);
  EXPECT_EQ(Limits(ctl.m), "Max");

  // Lowering Max leaves the value alone until the next assignment.
  EXPECT_TRUE(ctl.m.SetMax(200));
  EXPECT_EQ(ctl.m.value(), 255);
  EXPECT_FALSE(ctl.m.AssignValue(255));
  EXPECT_TRUE(ctl.m.AssignValue(200));
  EXPECT_EQ(Limits(ctl.m), "Max");
  EXPECT_FALSE(ctl.m.SetMax(40000)) << "a bound must fit 16 bits";
  EXPECT_EQ(ctl.m.Max(), 200);

  // A new control's menu and limits agree with its value 0 = Min.
  Host host;
  M fresh(host);
  fresh.Shown();
  EXPECT_EQ(fresh.value(), 0);
  EXPECT_EQ(Limits(fresh), "Min");
  EXPECT_EQ(fresh.CursorPos(), 1);
}

TEST(UpDownTextMenu, PasteTakesTheLeadingNumber) {
  // Pasted onto 42 in min..255: the leading number, held to Max but never to Min.
  const struct { const char* text; int min, want, wantChanged; } cases[] = {
      {"300 apples", 0, 255, 1}, {"2.5", 0, 2, 1},    {"3.5", 0, 4, 1},       {"abc", 0, 0, 1},
      {"abc", 10, 42, 0},        {"-7", 0, 42, 0},    {"-7", -10, -7, 1},     {"254.6", 0, 255, 1},
      {"99999", 0, 255, 1},      {"1e400", 0, 42, 0}, {"-99999", -10, 42, 0}, {"  1 7", 0, 17, 1},
      {"&HFF", 0, 255, 1},
  };
  for (const auto& c : cases) {
    Control p(42, c.min, 255);
    p.m.Paste(c.text);
    EXPECT_EQ(p.m.value(), c.want) << c.text;
    EXPECT_EQ(p.host.log, c.wantChanged ? "ValueChanged" : "") << c.text;
  }
}

TEST(UpDownTextMouse, HitZones) {
  // 630 x 255: buttons from x 430; up to y 112, down from y 142 (thin frame),
  // up to 98 and down from 158 (thick frame).
  const struct { int borderType, x, y, want; } cases[] = {
      {0, 430, 0, 1},   {0, 429, 0, 0},   {0, 630, 112, 1}, {0, 630, 113, 0}, {0, 500, 141, 0},
      {0, 500, 142, 2}, {0, 631, 142, 0}, {0, 500, 255, 2}, {0, 500, 256, 0}, {0, 500, -1, 0},
      {1, 500, 98, 1},  {1, 500, 99, 0},  {1, 500, 157, 0}, {1, 500, 158, 2}, {2, 500, 112, 1},
  };
  for (const auto& c : cases) {
    Control ctl(5, 0, 255);
    ctl.m.SetBorderType(c.borderType);
    EXPECT_EQ(ctl.m.HitTest(c.x, c.y), c.want) << c.borderType << " " << c.x << "," << c.y;
  }
}

// The value, the buttons shown pressed and the button held down.
std::tuple<int, bool, bool, int> Held(const M& m) {
  return {m.value(), m.UpShownPressed(), m.DownShownPressed(), m.PressedButton()};
}

TEST(UpDownTextMouse, HoldingAButtonRepeatsOncePerTickUpToTheLimit) {
  Control ctl(5, 0, 8);
  ctl.m.FocusIn();
  ctl.m.MousePressed(1, 0, 500, 30);
  EXPECT_EQ(Held(ctl.m), std::tuple(5, true, false, 1)) << "the press itself steps nothing";
  EXPECT_EQ(ctl.host.timerRestarts, 1) << "repeat counts from the press";
  ctl.m.TimerTick();
  ctl.m.TimerTick();
  EXPECT_EQ(Held(ctl.m), std::tuple(7, true, false, 1));
  ctl.m.TimerTick();
  EXPECT_EQ(Held(ctl.m), std::tuple(8, false, false, 1)) << "at Max shown raised while held";
  ctl.m.TimerTick();
  ctl.m.MouseReleased(1, 0, 500, 30);
  ctl.m.Clicked();  // released on a button: no Click
  ctl.m.TimerTick();
  EXPECT_EQ(Held(ctl.m), std::tuple(8, false, false, 0));
  // Pressed anew at Max: held, but raised and never stepping.
  ctl.m.MousePressed(1, 0, 500, 30);
  ctl.m.TimerTick();
  EXPECT_EQ(Held(ctl.m), std::tuple(8, false, false, 1));
  EXPECT_EQ(ctl.host.log, "MouseDown ValueChanged ValueChanged ValueChanged MouseUp MouseDown");
}

TEST(UpDownTextMouse, LeavingTheButtonEndsThePressForGood) {
  Control ctl(5, 0, 255);
  ctl.m.FocusIn();
  ctl.m.MousePressed(1, 0, 500, 200);
  ctl.m.TimerTick();
  EXPECT_EQ(Held(ctl.m), std::tuple(4, false, true, 2));
  ctl.m.MouseMoved(1, 0, 100, 200);
  EXPECT_EQ(Held(ctl.m), std::tuple(4, false, false, 0));
  ctl.m.MouseMoved(1, 0, 500, 200);
  ctl.m.TimerTick();
  EXPECT_EQ(Held(ctl.m), std::tuple(4, false, false, 0)) << "moving back does not press again";
}

TEST(UpDownTextMouse, ButtonShownPressedPopsUpOnAnyRelease) {
  // Released over the text area without a move in between: a Click.
  Control left(5, 0, 255);
  left.m.MousePressed(1, 0, 500, 30);
  left.m.MouseReleased(1, 0, 100, 30);
  EXPECT_EQ(Held(left.m), std::tuple(5, false, false, 0));
  left.m.Clicked();
  EXPECT_EQ(left.host.log, "MouseDown MouseUp Click");
  // The right button opens the menu and raises no MouseUp.
  Control right(5, 0, 255);
  right.m.MousePressed(2, 0, 500, 30);
  EXPECT_FALSE(right.m.PasteItemEnabled());
  right.m.MouseReleased(2, 0, 500, 30);
  EXPECT_EQ(Held(right.m), std::tuple(5, false, false, 0));
  EXPECT_EQ(right.host.menusShown, 1);
  EXPECT_EQ(right.host.log, "MouseDown");
  right.host.clipboardHasText = true;
  right.m.MousePressed(2, 0, 100, 30);
  EXPECT_TRUE(right.m.PasteItemEnabled());
}

// Whether the timer runs and the cursor shows, and where and in which colour.
std::tuple<bool, bool, int, int, int, LongColour> Cursor(const M& m) {
  return {m.TimerRunning(), m.CursorVisible(), m.CursorX(), m.CursorTop(), m.CursorBottom(),
          m.CursorLineColour()};
}

TEST(UpDownTextCursor, FocusBlinkAndPlacement) {
  Control ctl(255, 0, 255);
  EXPECT_FALSE(ctl.m.TimerRunning());
  EXPECT_FALSE(ctl.m.CursorVisible());
  ctl.m.SetCursorColor(0x0000FF);
  ctl.m.FocusIn();
  // After "255" printed from 2 pixels inside the frame; from 2 pixels below the
  // frame to 4 pixels short of the text's height.
  EXPECT_EQ(Cursor(ctl.m), std::tuple(true, true, 15 + 30 + 3 * 105, 45, 45 + 210 - 60, 0x0000FF));
  ctl.m.KeyPressed(M::kKeyHome, 0);
  EXPECT_EQ(ctl.m.CursorX(), 45);
  ctl.m.TimerTick();
  EXPECT_FALSE(ctl.m.CursorVisible());
  ctl.m.TimerTick();
  EXPECT_TRUE(ctl.m.CursorVisible());
  ctl.m.SetCursorColor(0x00FF00);
  ctl.m.FocusOut();
  EXPECT_EQ(Cursor(ctl.m), std::tuple(false, false, 45, 45, 195, 0x0000FF)) << "the colour waits";
  ctl.m.FocusIn();
  EXPECT_EQ(ctl.m.CursorLineColour(), 0x00FF00);
  // A shorter number pulls the cursor back to its end.
  ctl.m.KeyPressed(M::kKeyEnd, 0);
  ctl.m.SetValue(7);
  EXPECT_EQ(ctl.m.CursorPos(), 1);
  EXPECT_EQ(ctl.m.CursorX(), 45 + 105);
}

TEST(UpDownTextSize, WidthAndHeightRulesAndAFontTallerThanTheTextArea) {
  const struct { int w, h, wantW, wantH; } cases[] = {
      {300, 240, 415, 225}, {399, 254, 415, 225}, {400, 255, 400, 255}, {414, 100, 414, 225},
      {630, 255, 630, 255}, {0, 0, 415, 225},     {415, 225, 415, 225}, {2000, 600, 2000, 600},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(M::RuleWidth(c.w), c.wantW) << c.w;
    EXPECT_EQ(M::RuleHeight(c.h), c.wantH) << c.h;
  }
  // A font taller than the text area asks for the height of the text and the frame.
  Control ctl(5, 0, 255);
  ctl.host.textHeight = 225;
  ctl.m.FontChanged();
  EXPECT_EQ(ctl.host.requestedH, -1) << "225 fits 255 - 2 x 15";
  ctl.host.textHeight = 300;
  ctl.m.FontChanged();
  EXPECT_EQ(std::pair(ctl.host.requestedW, ctl.host.requestedH), std::pair(630, 330));
  ctl.m.SetBorderType(1);
  ctl.m.FontChanged();
  EXPECT_EQ(ctl.host.requestedH, 360);
}

// ---- the picture ----------------------------------------------------------------

bool Has(const std::vector<TwipFill>& fills, const TwipFill& f) {
  return std::find(fills.begin(), fills.end(), f) != fills.end();
}

// The glyph rows (one twip high) between fromY and toY.
std::vector<TwipFill> GlyphRows(const UpDownPicture& p, int fromY, int toY) {
  std::vector<TwipFill> rows;
  for (const TwipFill& f : p.overText) {
    if (f.h == 1 && f.y >= fromY && f.y <= toY) rows.push_back(f);
  }
  return rows;
}

TEST(UpDownTextPicture, FillsOfEachFrameTypeAndTheButtons) {
  Control ctl(5, 0, 255);
  const LongColour bg = kSysWindowBackground, face = kSysButtonFace, ink = kSysButtonText;
  ctl.m.SetBackcolor(bg);
  ctl.m.SetButtonColor(face);
  ctl.m.SetBtnForecolor(ink);
  ctl.m.SetBorderColor1(1);
  ctl.m.SetBorderColor2(2);
  ctl.m.SetBorderColor3(3);
  ctl.m.SetBorderColor4(4);
  // Type 1 is the thick frame, every other type the thin one.
  const struct { int type; TwipFill fill; const char* what; } cases[] = {
      {0, {0, 0, 430, 255, bg}, "text area"},    {0, {15, 15, 400, 225, bg}, "inside"},
      {0, {0, 0, 430, 15, 4}, "top edge"},       {2, {0, 0, 430, 15, 4}, "top edge"},
      {0, {0, 240, 430, 15, 3}, "bottom edge"},  {2, {0, 240, 430, 15, 3}, "bottom edge"},
      {0, {415, 15, 15, 240, 3}, "right edge"},  {2, {415, 15, 15, 240, 3}, "right edge"},
      {2, {15, 15, 400, 225, bg}, "inside"},     {1, {30, 30, 370, 195, bg}, "inside"},
      {1, {0, 0, 415, 15, 2}, "outer top"},      {1, {15, 15, 400, 15, 4}, "inner top"},
      {1, {15, 240, 415, 15, 1}, "outer bottom"}, {1, {30, 225, 400, 15, 3}, "inner bottom"},
  };
  for (const auto& c : cases) {
    ctl.m.SetBorderType(c.type);
    const UpDownPicture p = ctl.m.Picture();
    EXPECT_TRUE(Has(p.underText, c.fill)) << c.type << ": " << c.what;
    EXPECT_EQ(std::tuple(p.text, p.textX, p.textY),
              c.type == 1 ? std::tuple("5", 60, 30) : std::tuple("5", 45, 15));
  }

  // The buttons: raised (3D highlight outline) when released, sunken when pressed.
  ctl.m.SetBorderType(0);
  const UpDownPicture p = ctl.m.Picture();
  EXPECT_TRUE(Has(p.overText, {430, 0, 200, 128, face})) << "up button";
  EXPECT_TRUE(Has(p.overText, {430, 128, 200, 127, face})) << "down button";
  EXPECT_TRUE(Has(p.overText, {430, 0, 200, 15, 3}));
  ctl.m.MousePressed(1, 0, 500, 30);
  EXPECT_TRUE(Has(ctl.m.Picture().overText, {430, 0, 200, 15, 4}));
  // Their glyphs, row by row.
  const auto up = GlyphRows(p, 0, 127);
  ASSERT_EQ(up.size(), 49u);
  EXPECT_EQ(up.front(), (TwipFill{481, 86, 98, 1, ink})) << "base";
  EXPECT_EQ(up.back(), (TwipFill{529, 38, 2, 1, ink})) << "tip";
  const auto down = GlyphRows(p, 128, 255);
  ASSERT_EQ(down.size(), 56u);
  EXPECT_EQ(down.front(), (TwipFill{467, 161, 111, 1, ink})) << "top";
  EXPECT_EQ(down.back(), (TwipFill{522, 216, 1, 1, ink})) << "tip";
}

TEST(UpDownTextPicture, GlyphsGreyAtTheirLimits) {
  Control ctl(255, 0, 255);
  ctl.m.SetBtnForecolor(0x123456);
  const struct { int value; LongColour up, down; } cases[] = {{255, 0x808080, 0x123456},
                                                              {0, 0x123456, 0x808080}};
  for (const auto& c : cases) {
    ctl.m.SetValue(c.value);
    const UpDownPicture p = ctl.m.Picture();
    for (const TwipFill& f : GlyphRows(p, 0, 127)) EXPECT_EQ(f.colour, c.up) << c.value;
    for (const TwipFill& f : GlyphRows(p, 128, 255)) EXPECT_EQ(f.colour, c.down) << c.value;
  }
}

TEST(UpDownTextPicture, NarrowControlShowsLeadingDigitsAndRepeatsPastTheCursor) {
  Control ctl(-32000, -32768, 0);
  ctl.m.Resized(415, 255);
  // Room is 415 - 215 - 30 = 170 twips; at 105 a character the second reaches it.
  EXPECT_EQ(ctl.m.Picture().text, "-3");
  EXPECT_EQ(ctl.m.FitText(0), "");
  EXPECT_EQ(ctl.m.FitText(10000), "-32000");
  // Six characters end past x = 215: no cursor and no blink, but the timer runs
  // for the auto-repeat.
  ctl.m.FocusIn();
  EXPECT_EQ(std::pair(ctl.m.TimerRunning(), ctl.m.CursorVisible()), std::pair(true, false));
  ctl.m.TimerTick();
  EXPECT_FALSE(ctl.m.CursorVisible());
  ctl.m.MousePressed(1, 0, 300, 30);
  ctl.m.TimerTick();
  EXPECT_EQ(ctl.m.value(), -31999);
}

}  // namespace
}  // namespace hk
