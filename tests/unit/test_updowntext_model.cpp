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

// Logs the events raised and the properties marked, space separated; measures
// every character 7 pixels wide and text 14 pixels high, as Tahoma 9 pt does.
struct Host : UpDownTextHost {
  std::string log, marks;
  int repaints = 0, requestedW = -1, requestedH = -1, textHeight = 210;
  bool clipboardHasText = false;
  std::function<void(std::int16_t&)> onKeyDown;

  static void Add(std::string& to, std::string_view what) {
    to += (to.empty() ? "" : " ") + std::string(what);
  }
  void RaiseValueChanged() override { Add(log, "ValueChanged"); }
  void RaiseClick() override { Add(log, "Click"); }
  void RaiseKeyDown(std::int16_t& keyCode, std::int16_t&) override {
    Add(log, "KeyDown");
    if (onKeyDown) onKeyDown(keyCode);
  }
  void RaiseKeyUp(std::int16_t&, std::int16_t&) override { Add(log, "KeyUp"); }
  void RaiseMouseDown(std::int16_t&, std::int16_t&, float&, float&) override {
    Add(log, "MouseDown");
  }
  void RaiseMouseMove(std::int16_t&, std::int16_t&, float&, float&) override { Add(log, "Move"); }
  void RaiseMouseUp(std::int16_t&, std::int16_t&, float&, float&) override { Add(log, "MouseUp"); }
  void PropertyChanged(std::string_view name) override { Add(marks, name); }
  void Repaint() override { ++repaints; }
  void RestartTimer() override { Add(log, "Restart"); }
  bool ClipboardHasText() override { return clipboardHasText; }
  void ShowMenu() override { Add(log, "Menu"); }
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
    host.marks.clear();
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
      {"Backspace at the end keeps the cursor at the end", 25, 0, 255, 2, 8, 2, 1, taken},
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
      {"0 after the minus sign vanishes, the cursor moves on", -5, -100, 100, 1, '0', -5, 2, taken},
      {"0 after the minus sign in a longer number", -12, -100, 100, 1, '0', -12, 2, taken},
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
      {"7 turned into Down in KeyDown", 25, 0, 255, 2, '7', 24, 2, stepped, 40},
      {"keypad 5", 25, 0, 255, 0, 101, 25, 0, none}, {"keypad 0", 25, 0, 255, 2, 96, 25, 2, none},
      {"keypad minus", 25, 0, 255, 0, 109, 25, 0, none}, {"minus", 25, 0, 255, 2, 189, 25, 2, none},
      {"Page Up", 25, 0, 255, 0, 33, 25, 0, none}, {"Page Down", 25, 0, 255, 2, 34, 25, 2, none},
      {"a letter", 25, 0, 255, 2, 'A', 25, 2, none}, {"beyond a byte", 25, 0, 255, 0, 256 + '1', 25, 0, none},
  };
  // clang-format on
  for (const Case& c : cases) {
    Control ctl(c.value, c.min, c.max, c.cursor);
    ASSERT_EQ(ctl.m.CursorPos(), c.cursor) << c.what;
    if (c.keyDownSets >= 0) ctl.host.onKeyDown = [&c](std::int16_t& code) { code = c.keyDownSets; };
    EXPECT_EQ(ctl.m.KeyPressed(static_cast<std::int16_t>(c.key), 0),
              c.keyDownSets >= 0 ? c.keyDownSets : c.key) << c.what << ": the key acted on";
    EXPECT_EQ(std::tuple(ctl.m.value(), ctl.m.CursorPos(), ctl.host.log, ctl.m.PressedButton()),
              std::tuple(c.wantValue, c.wantCursor, c.wantLog, 0)) << c.what;
  }
}

TEST(UpDownTextKeys, NewValueTexts) {
  Control ctl(-40, -100, 100);
  const struct { int cursor; const char *typed7, *back, *del; } cases[] = {
      {0, "7-40", "-40", "40"}, {1, "-740", "40", "-0"}, {3, "-407", "-4", "-40"}};
  for (const auto& c : cases) {
    ctl.m.KeyPressed(M::kKeyHome, 0);
    for (int i = 0; i < c.cursor; ++i) ctl.m.KeyPressed(M::kKeyRight, 0);
    EXPECT_EQ(std::tuple(ctl.m.GetNewValueEx('7'), ctl.m.GetNewValue(8), ctl.m.GetNewValue(46),
                         ctl.m.GetNewValue(65)),
              std::tuple(c.typed7, c.back, c.del, "")) << c.cursor;
  }
}

// One event per letter: f focus; u, d, R left press on the up or down button,
// right press on up; o, b move off the button and back on; r, x left release on
// the up button or the text area (each with the click that follows); X right
// release; t a timer tick; k, j Up and Down key pressed, K released.
void Play(M& m, std::string_view script) {
  for (char e : script) {
    switch (e) {
      case 'f': m.FocusIn(); break;
      case 'u': m.MousePressed(1, 0, 500, 30); break;
      case 'd': m.MousePressed(1, 0, 500, 200); break;
      case 'R': m.MousePressed(2, 0, 500, 30); break;
      case 'o': m.MouseMoved(1, 0, 100, 30); break;
      case 'b': m.MouseMoved(1, 0, 500, 30); break;
      case 'r': m.MouseReleased(1, 0, 500, 30), m.Clicked(); break;
      case 'x': m.MouseReleased(1, 0, 100, 30), m.Clicked(); break;
      case 'X': m.MouseReleased(2, 0, 500, 30); break;
      case 't': m.TimerTick(); break;
      case 'k': m.KeyPressed(M::kKeyUp, 0); break;
      case 'j': m.KeyPressed(M::kKeyDown, 0); break;
      case 'K': m.KeyReleased(M::kKeyUp, 0); break;
    }
  }
}

TEST(UpDownTextButtons, PressHoldRepeatAndRelease) {
  struct Case {
    const char* what;
    int value, max;
    const char* script;
    int wantValue;
    bool wantUpSunk, wantDownSunk;
    int wantPressed;
    const char* wantLog;
  };
  // clang-format off
  const Case cases[] = {
      {"a press steps nothing; repeat counts from it", 5, 8, "fu", 5, true, false, 1, "Restart MouseDown"},
      {"each tick one step", 5, 8, "futt", 7, true, false, 1, "Restart MouseDown ValueChanged ValueChanged"},
      {"at Max raised while held, no more steps", 5, 8, "futttt", 8, false, false, 1,
       "Restart MouseDown ValueChanged ValueChanged ValueChanged"},
      {"released on the button: no Click", 5, 8, "furt", 5, false, false, 0, "Restart MouseDown MouseUp"},
      {"pressed at Max: held, raised, no step", 8, 8, "fut", 8, false, false, 1, "Restart MouseDown"},
      {"down button", 5, 255, "fdt", 4, false, true, 2, "Restart MouseDown ValueChanged"},
      {"without the focus no restart", 5, 255, "d", 5, false, true, 2, "MouseDown"},
      {"leaving ends the press for good", 5, 255, "futobt", 6, false, false, 0,
       "Restart MouseDown ValueChanged Move Move"},
      {"released over the text area: Click", 5, 255, "ux", 5, false, false, 0, "MouseDown MouseUp Click"},
      {"a right click opens the menu, no MouseUp", 5, 255, "RX", 5, false, false, 0, "MouseDown Menu"},
      {"a right press holds the button too", 5, 255, "Rt", 6, true, false, 1, "MouseDown ValueChanged"},
      {"Up key: pressed until released", 5, 255, "k", 6, true, false, 0, "KeyDown ValueChanged Click"},
      {"released", 5, 255, "kK", 6, false, false, 0, "KeyDown ValueChanged Click KeyUp"},
      {"Down key", 5, 255, "j", 4, false, true, 0, "KeyDown ValueChanged Click"},
      {"stepping onto Max shows raised", 254, 255, "k", 255, false, false, 0, "KeyDown ValueChanged Click"},
  };
  // clang-format on
  for (const Case& c : cases) {
    Control ctl(c.value, 0, c.max);
    Play(ctl.m, c.script);
    EXPECT_EQ(std::tuple(ctl.m.value(), ctl.m.UpShownPressed(), ctl.m.DownShownPressed(),
                         ctl.m.PressedButton(), ctl.host.log),
              std::tuple(c.wantValue, c.wantUpSunk, c.wantDownSunk, c.wantPressed,
                         std::string(c.wantLog))) << c.what;
  }
}

TEST(UpDownTextValue, AssignmentSetValueBoundsLimitsAndMenu) {
  // Applied in turn to one control holding 10 in 0..255. Op A assigns, S sets
  // silently, M and m set Max and Min, B the blink interval, W shows the control.
  // Flags: the limits ("Max" greys the up glyph) and a button shown sunk (^ v);
  // menu: Set to Maximum and Set to Minimum, + enabled.
  struct Case { char op; int arg; bool ok; int wantValue; const char *wantLog, *flags, *menu; };
  const char* vc = "ValueChanged";
  const Case cases[] = {
      {'A', 256, false, 10, "", "", "++"},    {'A', -1, false, 10, "", "", "++"},
      {'A', 70000, false, 10, "", "", "++"},  {'S', 256, false, 10, "", "", "++"},
      {'A', 10, true, 10, vc, "", "++"},      {'A', 10, true, 10, vc, "", "++"},
      {'S', 255, true, 255, "", "Max", "-+"}, {'M', 200, true, 255, "", "Max", "-+"},
      {'A', 255, false, 255, "", "Max", "-+"}, {'A', 201, false, 255, "", "Max", "-+"},
      {'A', 200, true, 200, vc, "Max", "-+"}, {'M', 40000, false, 200, "", "Max", "-+"},
      {'A', 201, false, 200, "", "Max", "-+"}, {'S', 0, true, 0, "", "Min", "+-"},
      {'m', -5, true, 0, "", "Min", "+-"},    {'m', -40000, false, 0, "", "Min", "+-"},
      {'A', 0, true, 0, vc, "", "++"},        {'A', -5, true, -5, vc, "Min", "+-"},
      {'m', -6, true, -5, "", "Min", "+-"},   {'W', 0, true, -5, "", "", "+-"},
      {'B', -1, false, -5, "", "", "+-"},     {'B', 0, true, -5, "", "", "+-"},
      {'B', 32767, true, -5, "", "", "+-"},   {'B', 32768, false, -5, "", "", "+-"},
  };
  Control ctl(10, 0, 255);
  for (const Case& c : cases) {
    ctl.host.log.clear();
    ctl.host.marks.clear();
    const int repaints = ctl.host.repaints;
    const int interval = ctl.m.BlinkInterval();
    bool ok = true;
    switch (c.op) {
      case 'A': ok = ctl.m.AssignValue(c.arg); break;
      case 'S': ok = ctl.m.SetValue(c.arg); break;
      case 'M': ok = ctl.m.SetMax(c.arg); break;
      case 'm': ok = ctl.m.SetMin(c.arg); break;
      case 'B': ok = ctl.m.SetBlinkInterval(c.arg); break;
      case 'W': ctl.m.Shown(); break;
    }
    EXPECT_EQ(ctl.m.BlinkInterval(), c.op == 'B' && c.ok ? c.arg : interval);
    const std::string flags = std::string(ctl.m.UpAtLimit() ? "Max" : "") +
                              (ctl.m.DownAtLimit() ? "Min" : "") +
                              (ctl.m.UpShownPressed() ? "^" : "") + (ctl.m.DownShownPressed() ? "v" : "");
    const std::string menu = {ctl.m.MaxItemEnabled() ? '+' : '-', ctl.m.MinItemEnabled() ? '+' : '-'};
    const std::string names[] = {"Value", "Max", "Min", "BlinkInterval"};
    const auto op = std::string("AMmB").find(c.op);
    const std::string wantMarks = c.ok && op != std::string::npos ? names[op] : "";
    EXPECT_EQ(std::tuple(ok, ctl.m.value(), ctl.host.log, flags, menu, ctl.host.marks),
              std::tuple(c.ok, c.wantValue, c.wantLog, c.flags, c.menu, wantMarks))
        << c.op << " " << c.arg;
    EXPECT_EQ(ctl.host.repaints > repaints, c.ok && std::string_view("ASW").find(c.op) != std::string_view::npos)
        << c.op << " " << c.arg << ": bounds and refused values repaint nothing";
  }
  // A new control shows its 0 at Min; its menu items wait for a value.
  Host host;
  M fresh(host);
  fresh.Shown();
  EXPECT_EQ(std::tuple(fresh.value(), fresh.DownAtLimit(), fresh.MinItemEnabled(), fresh.CursorPos()),
            std::tuple(0, true, true, 1));
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
  // Paste is offered when a right press finds text on the clipboard.
  Control ctl(5, 0, 255);
  for (bool hasText : {false, true, false}) {
    ctl.host.clipboardHasText = hasText;
    ctl.m.MousePressed(2, 0, 100, 30);
    EXPECT_EQ(ctl.m.PasteItemEnabled(), hasText);
  }
}

TEST(UpDownTextButtons, HitZones) {
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

// Whether the timer runs and the cursor shows, and where and in which colour.
std::tuple<bool, bool, int, int, int, LongColour> Cursor(const M& m) {
  return {m.TimerRunning(), m.CursorVisible(), m.CursorX(), m.CursorTop(), m.CursorBottom(),
          m.CursorLineColour()};
}

TEST(UpDownTextCursor, FocusBlinkAndPlacement) {
  Control ctl(255, 0, 255);
  EXPECT_EQ(std::tuple(ctl.m.TimerRunning(), ctl.m.CursorVisible()), std::tuple(false, false));
  ctl.m.SetCursorColor(0x0000FF);
  ctl.m.FocusIn();
  // After "255" printed from 2 pixels inside the frame; from 2 pixels below the
  // frame to 4 pixels short of the text's height.
  EXPECT_EQ(Cursor(ctl.m), std::tuple(true, true, 15 + 30 + 3 * 105, 45, 45 + 210 - 60, 0x0000FF));
  ctl.m.TimerTick();
  ctl.m.SetValue(254);
  EXPECT_FALSE(ctl.m.CursorVisible()) << "a number shown keeps the blink's phase";
  ctl.m.KeyPressed(M::kKeyHome, 0);
  ctl.m.TimerTick();
  EXPECT_EQ(std::tuple(ctl.m.CursorX(), ctl.m.CursorVisible()), std::tuple(45, false));
  ctl.m.TimerTick();
  EXPECT_TRUE(ctl.m.CursorVisible());
  ctl.m.SetCursorColor(0x00FF00);
  ctl.m.FocusOut();
  EXPECT_EQ(Cursor(ctl.m), std::tuple(false, false, 45, 45, 195, 0x0000FF)) << "the colour waits";
  ctl.m.FocusIn();
  EXPECT_EQ(ctl.m.CursorLineColour(), 0x00FF00);
  // A shorter number pulls the cursor back to its end; the thick frame moves it in.
  ctl.m.KeyPressed(M::kKeyEnd, 0);
  ctl.m.SetValue(7);
  EXPECT_EQ(std::tuple(ctl.m.CursorPos(), ctl.m.CursorX()), std::tuple(1, 45 + 105));
  ctl.m.SetBorderType(1);
  EXPECT_EQ(ctl.m.CursorX(), 60 + 105);

  // Past the buttons on a narrow control the cursor neither shows nor blinks, but
  // the timer runs on for the auto-repeat.
  Control narrow(-32000, -32768, 0);
  narrow.m.Resized(415, 255);
  narrow.m.FocusIn();
  narrow.m.TimerTick();
  EXPECT_EQ(std::tuple(narrow.m.TimerRunning(), narrow.m.CursorVisible()), std::tuple(true, false));
  narrow.m.KeyPressed(M::kKeyHome, 0);
  EXPECT_EQ(std::tuple(narrow.m.TimerRunning(), narrow.m.CursorVisible()), std::tuple(true, true));
}

TEST(UpDownTextSize, WidthAndHeightRulesAndAFontTallerThanTheTextArea) {
  const struct { int w, h, wantW, wantH; } cases[] = {
      {300, 240, 415, 225}, {399, 254, 415, 225}, {400, 255, 400, 255}, {414, 100, 414, 225},
      {0, 0, 415, 225},     {2000, 600, 2000, 600},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(std::tuple(M::RuleWidth(c.w), M::RuleHeight(c.h)), std::tuple(c.wantW, c.wantH));
  }
  // A font taller than the text area asks for the height of the text and the frame.
  const struct { int borderType, textHeight, wantH; } fonts[] = {
      {0, 225, -1}, {0, 226, 256}, {0, 300, 330}, {1, 300, 360}};
  for (const auto& c : fonts) {
    Control ctl(5, 0, 255);
    ctl.m.SetBorderType(c.borderType);
    ctl.host.textHeight = c.textHeight;
    ctl.m.FontChanged();
    EXPECT_EQ(std::tuple(ctl.host.requestedW, ctl.host.requestedH),
              std::tuple(c.wantH < 0 ? -1 : 630, c.wantH)) << c.textHeight;
  }
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

TEST(UpDownTextPicture, FramesButtonsAndText) {
  Control ctl(5, 0, 255);
  const LongColour bg = kSysWindowBackground, face = kSysButtonFace, ink = kSysButtonText;
  ctl.m.SetBackcolor(bg);
  ctl.m.SetForeColor(0x10);
  ctl.m.SetButtonColor(face);
  ctl.m.SetBtnForecolor(ink);
  ctl.m.SetBorderColor1(1);
  ctl.m.SetBorderColor2(2);
  ctl.m.SetBorderColor3(3);
  ctl.m.SetBorderColor4(4);
  const int repaints = ctl.host.repaints;
  ctl.m.SetBackStyle(1);
  ctl.m.SetCursorColor(0x20);  // seen when the focus next places the cursor
  ctl.m.SetBtnForecolor(ink);  // seen at the next repaint
  EXPECT_EQ(ctl.host.repaints, repaints) << "these three repaint nothing at once";
  EXPECT_EQ(ctl.host.marks, "BackColor ForeColor ButtonColor BtnForecolor BorderColor1 BorderColor2 "
                            "BorderColor3 BorderColor4 BackStyle CursorColor BtnForecolor");
  // Type 1 is the thick frame, every other type the thin one. Pressed: the left
  // button held on the up button.
  const struct { int type; bool pressed; TwipFill fill; const char* what; } cases[] = {
      {0, false, {0, 0, 430, 255, bg}, "text area"},   {0, false, {15, 15, 400, 225, bg}, "inside"},
      {0, false, {0, 0, 430, 15, 4}, "top edge"},      {2, false, {0, 240, 430, 15, 3}, "bottom edge"},
      {0, false, {415, 15, 15, 240, 3}, "right edge"}, {2, false, {15, 15, 400, 225, bg}, "inside"},
      {1, false, {30, 30, 370, 195, bg}, "inside"},    {1, false, {0, 0, 415, 15, 2}, "outer top"},
      {1, false, {15, 15, 400, 15, 4}, "inner top"}, {1, false, {15, 225, 400, 15, 4}, "inner outline"},   {1, false, {15, 240, 415, 15, 1}, "outer bottom"},
      {1, false, {30, 225, 400, 15, 3}, "inner bottom"}, {1, false, {415, 15, 15, 240, 1}, "outer right"},
      {1, false, {400, 30, 15, 195, 3}, "inner right"},
      {0, false, {430, 0, 200, 128, face}, "up button"}, {0, false, {430, 128, 200, 127, face}, "down"},
      {0, false, {430, 0, 200, 15, 3}, "up raised"},   {0, true, {430, 0, 200, 15, 4}, "up sunk"},
      {0, true, {430, 128, 200, 15, 3}, "down stays raised"}, {0, true, {615, 15, 15, 113, 3}, "sunk right"},
      {0, false, {430, 113, 200, 15, 4}, "raised bottom"}, {0, false, {615, 143, 15, 112, 4}, "down right"},
  };
  for (const auto& c : cases) {
    ctl.m.SetBorderType(c.type);
    c.pressed ? ctl.m.MousePressed(1, 0, 500, 30) : ctl.m.MouseReleased(1, 0, 500, 30);
    const UpDownPicture p = ctl.m.Picture();
    EXPECT_TRUE(Has(c.fill.y < 255 && c.fill.x >= 430 ? p.overText : p.underText, c.fill))
        << c.type << ": " << c.what;
    EXPECT_EQ(std::tuple(p.text, p.textX, p.textY, p.textColour),
              c.type == 1 ? std::tuple("5", 60, 30, 0x10) : std::tuple("5", 45, 15, 0x10));
  }
  // The glyphs row by row, grey at their limits; the cursor line over everything.
  const struct { int value; LongColour up, down; } glyphs[] = {
      {5, ink, ink}, {255, 0x808080, ink}, {0, ink, 0x808080}};
  for (const auto& g : glyphs) {
    ctl.m.SetValue(g.value);
    const UpDownPicture p = ctl.m.Picture();
    const auto up = GlyphRows(p, 0, 127), down = GlyphRows(p, 128, 255);
    ASSERT_EQ(std::tuple(up.size(), down.size()), std::tuple(std::size_t{49}, std::size_t{56}));
    EXPECT_EQ(std::tuple(up.front(), up.back(), down.front(), down.back()),
              std::tuple(TwipFill{481, 86, 98, 1, g.up}, TwipFill{529, 38, 2, 1, g.up},
                         TwipFill{467, 161, 111, 1, g.down}, TwipFill{522, 216, 1, 1, g.down}));
  }
  ctl.m.FocusIn();
  EXPECT_EQ(ctl.m.Picture().overText.back(), (TwipFill{150, 45, 15, 150, 0x20}));
}

TEST(UpDownTextPicture, NarrowControlShowsLeadingDigits) {
  Control ctl(-32000, -32768, 0);
  ctl.m.Resized(456, 255);
  // Room is 456 - 215 - 30 = 211 twips; at 105 a character the third reaches it.
  EXPECT_EQ(ctl.m.Picture().text, "-32");
  EXPECT_EQ(std::tuple(ctl.m.FitText(0), ctl.m.FitText(10000)), std::tuple(std::string(), std::string("-32000")));
}

}  // namespace
}  // namespace hk
