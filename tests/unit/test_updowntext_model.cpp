// The spin control's rules without a screen.
#include <gtest/gtest.h>

#include <algorithm>

#include "updowntext/updowntextmodel.h"

namespace hk {
namespace {

using M = UpDownTextModel;

// Logs events (V: ValueChanged) and properties marked; text is 105 twips a character, 210 high.
// clang-format off
struct Host : UpDownTextHost {
  using S = std::int16_t;
  std::string log, marks; int requestedH = -1, textHeight = 210;
  static void Add(std::string& to, auto s) { to += (to.empty() ? "" : " ") + std::string(s); }
  void RaiseValueChanged() override { Add(log, "V"); }
  void RaiseClick() override { Add(log, "Click"); } void ShowMenu() override { Add(log, "Menu"); }
  void RaiseKeyUp(S&, S&) override { Add(log, "KeyUp"); }
  void RaiseMouseDown(S&, S&, float&, float&) override { Add(log, "Down"); }
  void RaiseMouseMove(S&, S&, float&, float&) override { Add(log, "Move"); }
  void RaiseMouseUp(S&, S&, float&, float&) override { Add(log, "Up"); }
  void PropertyChanged(std::string_view name) override { Add(marks, name); }
  void RestartTimer() override { Add(log, "Restart"); }
  void RequestSize(int w, int h) override { requestedH = w == 630 ? h : -2; }
  int TextWidth(std::string_view text) override { return 105 * static_cast<int>(text.size()); }
  int TextHeight(std::string_view) override { return textHeight; }
};

// A shown control holding `value` in min..max, the cursor `cursor` characters in, unlogged.
struct Control {
  Host host; M m{host};
  Control(int value, int min, int max, int cursor = -1) {
    m.SetMin(min), m.SetMax(max), m.SetValue(value), m.Shown();
    if (cursor >= 0) m.KeyPressed(M::kKeyHome, 0);
    for (int i = 0; i < cursor; ++i) m.KeyPressed(M::kKeyRight, 0);
    host.log.clear(), host.marks.clear();
  }
};
// clang-format on

// One event a letter: f focus; u, d, R press the left button on up or down, the right on up;
// o, b move off the button and on; r, x release the left on up or the text area (and click),
// X the right; t a timer tick; k, j, K Up and Down pressed, Up released.
void Play(M& m, std::string_view script) {
  for (char e : script) {
    if (e == 'f') m.FocusIn();
    if (e == 'u' || e == 'd') m.MousePressed(1, 0, 500, e == 'd' ? 200 : 30);
    if (e == 'R') m.MousePressed(2, 0, 500, 30);
    if (e == 'o' || e == 'b') m.MouseMoved(1, 0, e == 'o' ? 100 : 500, 30);
    if (e == 'r' || e == 'x') m.MouseReleased(1, 0, e == 'r' ? 500 : 100, 30), m.Clicked();
    if (e == 'X') m.MouseReleased(2, 0, 500, 30);
    if (e == 't') m.TimerTick();
    if (e == 'k' || e == 'j') m.KeyPressed(e == 'k' ? M::kKeyUp : M::kKeyDown, 0);
    if (e == 'K') m.KeyReleased(M::kKeyUp, 0);
  }
}

TEST(UpDownTextKeys, WhatEachKeyDoes) {
  // Keys 8 Backspace, 46 Delete, 37/39 Left/Right, 36/35 Home/End, 38/40 Up/Down.
  // clang-format off
  const struct { int value, min, max, cursor, key, want, wantCursor; const char* log; } cases[] = {
      {25, 0, 255, 0, 8, 25, 0, ""}, {5, 0, 255, 1, 8, 0, 0, "V"}, {123, 0, 255, 2, 8, 13, 1, "V"},
      {-25, -99, 99, 3, 8, -2, 2, "V"}, {105, 0, 999, 1, 8, 5, 0, "V"},
      {15, 9, 99, 1, 8, 15, 1, ""}, {-5, -9, 9, 1, 8, 5, 0, "V"}, {25, 0, 255, 0, 46, 5, 0, "V"},
      {25, 0, 255, 2, 46, 25, 2, ""}, {0, 0, 99, 1, '7', 7, 1, "V"}, {5, 0, 99, 0, '0', 5, 0, "V"},
      {25, 0, 255, 2, '6', 25, 2, ""}, {15, 0, 255, 1, '2', 125, 2, "V"},
      {9999, 0, 32767, 4, '9', 9999, 4, ""}, {-12, -99, 99, 1, '0', -12, 2, "V"},
      {-5, -99, 99, 0, '3', 3, 1, "V"}, {25, 0, 99, 2, 37, 25, 1, ""},
      {25, 0, 99, 0, 39, 25, 1, ""}, {255, 0, 999, 2, 36, 255, 0, ""},
      {255, 0, 999, 1, 35, 255, 3, ""}, {5, 0, 255, 0, 38, 6, 0, "V Click"},
      {255, 0, 255, 0, 40, 254, 0, "V Click"}, {255, 0, 255, 0, 38, 255, 0, "Click"},
      {0, 0, 255, 0, 40, 0, 0, "Click"}, {32767, 0, 32767, 0, 38, 32767, 0, ""},
      {-32768, -32768, 0, 0, 40, -32768, 0, ""}, {25, 0, 99, 2, 189, 25, 2, ""},
      {0, 0, 99, 1, 256 + '7', 0, 1, ""}};  // no key beyond 255 types
  // clang-format on
  for (const auto& c : cases) {
    Control ctl(c.value, c.min, c.max, c.cursor);
    ctl.m.KeyPressed(static_cast<std::int16_t>(c.key), 0);
    EXPECT_EQ(std::tuple(ctl.m.value(), ctl.m.CursorPos(), ctl.host.log, ctl.m.PressedButton()),
              std::tuple(c.want, c.wantCursor, c.log, 0))
        << c.value << " cursor " << c.cursor << " key " << c.key;
  }
  EXPECT_EQ(Control(25, 0, 99, 0).m.GetNewValue(8), "25");  // the text Backspace at 0 would give
}

TEST(UpDownTextButtons, PressHoldRepeatAndRelease) {
  // Leaving a button ends its press for good; a key shows its button sunk until released.
  // clang-format off
  const struct { int value, max; const char* script; int want, up, down, held; const char* log; }
  cases[] = {
      {5, 8, "fu", 5, 1, 0, 1, "Restart Down"}, {5, 8, "futttt", 8, 0, 0, 1, "Restart Down V V V"},
      {5, 8, "furt", 5, 0, 0, 0, "Restart Down Up"}, {8, 8, "fut", 8, 0, 0, 1, "Restart Down"},
      {5, 99, "dt", 4, 0, 1, 2, "Down V"}, {5, 99, "fubt", 6, 1, 0, 1, "Restart Down Move V"},
      {5, 99, "futobt", 6, 0, 0, 0, "Restart Down V Move Move"},
      {5, 9, "do", 5, 0, 0, 0, "Down Move"}, {5, 99, "ux", 5, 0, 0, 0, "Down Up Click"},
      {5, 99, "RX", 5, 0, 0, 0, "Down Menu"}, {5, 99, "k", 6, 1, 0, 0, "V Click"},
      {5, 99, "kK", 6, 0, 0, 0, "V Click KeyUp"}, {5, 99, "j", 4, 0, 1, 0, "V Click"},
      {98, 99, "k", 99, 0, 0, 0, "V Click"}};
  // clang-format on
  for (const auto& c : cases) {
    Control ctl(c.value, 0, c.max);
    Play(ctl.m, c.script);
    EXPECT_EQ(std::tuple(ctl.m.value(), ctl.m.UpShownPressed(), ctl.m.DownShownPressed(),
                         ctl.m.PressedButton(), ctl.host.log),
              std::tuple(c.want, c.up == 1, c.down == 1, c.held, c.log))
        << c.script;
  }
}

TEST(UpDownTextValue, AssignmentSetValueBoundsLimitsAndMenu) {
  // In turn on one control holding 10 in 0..255: A assigns, S sets silently, M and m set Max
  // and Min, W shows it. State: limits reached, buttons shown sunk (^ v), Set to Max/Min items.
  // clang-format off
  const struct { char op; int arg, ok, want; const char* state; } cases[] = {
      {'A', 256, 0, 10, " ++"}, {'A', -1, 0, 10, " ++"}, {'S', 256, 0, 10, " ++"},
      {'A', 10, 1, 10, " ++"}, {'S', 255, 1, 255, "Max -+"}, {'M', 200, 1, 255, "Max -+"},
      {'A', 255, 0, 255, "Max -+"}, {'A', 200, 1, 200, "Max -+"}, {'M', 32768, 0, 200, "Max -+"},
      {'A', 201, 0, 200, "Max -+"}, {'S', 0, 1, 0, "Min +-"}, {'m', -5, 1, 0, "Min +-"},
      {'m', -40000, 0, 0, "Min +-"}, {'A', 0, 1, 0, " ++"}, {'A', -5, 1, -5, "Min +-"},
      {'m', -6, 1, -5, "Min +-"}, {'W', 0, 1, -5, " +-"}, {'S', 200, 1, 200, "Max -+"},
      {'M', 201, 1, 200, "Max -+"}, {'W', 0, 1, 200, " -+"}};
  // clang-format on
  Control ctl(10, 0, 255);
  M& m = ctl.m;
  for (const auto& c : cases) {
    ctl.host.log.clear(), ctl.host.marks.clear();
    const bool ok = c.op == 'A'   ? m.AssignValue(c.arg)
                    : c.op == 'S' ? m.SetValue(c.arg)
                    : c.op == 'M' ? m.SetMax(c.arg)
                    : c.op == 'm' ? m.SetMin(c.arg)
                                  : (m.Shown(), true);
    std::string flags = std::string(m.UpAtLimit() ? "Max" : "") + (m.DownAtLimit() ? "Min" : "");
    flags += std::string(m.UpShownPressed() ? "^" : "") + (m.DownShownPressed() ? "v" : "") +
             (m.MaxItemEnabled() ? " +" : " -") + (m.MinItemEnabled() ? "+" : "-");
    const std::string marks[] = {"Value", "Max", "Min", "", ""};  // SetValue marks nothing
    EXPECT_EQ(std::tuple(ok, m.value(), flags, ctl.host.marks, ctl.host.log),
              std::tuple(c.ok == 1, c.want, c.state,
                         ok ? marks[std::string_view("AMmSW").find(c.op)] : "",
                         ok && c.op == 'A' ? "V" : ""))
        << c.op << " " << c.arg;
  }
}

TEST(UpDownTextGeometry, AFontTallerThanTheTextAreaAsksForTheTextAndTheFrame) {
  for (auto [type, textHeight, wantH] :
       {std::tuple(0, 225, -1), std::tuple(0, 226, 256), std::tuple(1, 300, 360)}) {
    Control ctl(5, 0, 255);
    ctl.m.SetBorderType(type), ctl.host.textHeight = textHeight, ctl.m.FontChanged();
    EXPECT_EQ(std::tuple(ctl.host.requestedH, ctl.host.marks),
              std::tuple(wantH, "BorderType Font"));
  }
}

TEST(UpDownTextPicture, FramesButtonsGlyphsTextAndCursor) {
  Control ctl(5, 0, 255);
  M& m = ctl.m;
  const LongColour bg = kSysWindowBackground, face = kSysButtonFace, ink = kSysButtonText;
  m.SetBackcolor(bg), m.SetForeColor(0x10), m.SetButtonColor(face), m.SetBtnForecolor(ink);
  m.SetBorderColor1(1), m.SetBorderColor2(2), m.SetBorderColor3(3), m.SetBorderColor4(4);
  m.SetBackStyle(1), m.SetCursorColor(0x20);
  // Type 1 is the thick frame; pressed: the left button held on up. Buttons over the number.
  // clang-format off
  const struct { int type, pressed; TwipFill fill; } cases[] = {
      {0, 0, {0, 0, 430, 255, bg}}, {0, 0, {15, 15, 400, 225, bg}}, {0, 0, {0, 0, 430, 15, 4}},
      {2, 0, {0, 240, 430, 15, 3}}, {0, 0, {415, 15, 15, 240, 3}}, {2, 0, {15, 15, 400, 225, bg}},
      {1, 0, {30, 30, 370, 195, bg}}, {1, 0, {0, 0, 415, 15, 2}}, {1, 0, {15, 15, 400, 15, 4}},
      {1, 0, {15, 225, 400, 15, 4}}, {1, 0, {15, 240, 415, 15, 1}}, {1, 0, {30, 225, 400, 15, 3}},
      {1, 0, {415, 15, 15, 240, 1}}, {1, 0, {400, 30, 15, 195, 3}},
      {0, 0, {430, 0, 200, 128, face}}, {0, 0, {430, 128, 200, 127, face}},
      {0, 0, {430, 0, 200, 15, 3}}, {0, 1, {430, 0, 200, 15, 4}}, {0, 1, {430, 128, 200, 15, 3}},
      {0, 1, {615, 15, 15, 113, 3}}, {0, 0, {430, 113, 200, 15, 4}},
      {0, 0, {615, 143, 15, 112, 4}}};
  // clang-format on
  for (const auto& c : cases) {
    m.SetBorderType(c.type);
    c.pressed ? m.MousePressed(1, 0, 500, 30) : m.MouseReleased(1, 0, 500, 30);
    const UpDownPicture p = m.Picture();
    const std::vector<TwipFill>& fills = c.fill.x >= 430 ? p.overText : p.underText;
    EXPECT_NE(std::find(fills.begin(), fills.end(), c.fill), fills.end())
        << c.fill.x << "," << c.fill.y;
    EXPECT_EQ(std::tuple(p.text, p.textX, p.textY, p.textColour),
              std::tuple("5", c.type == 1 ? 60 : 45, c.type == 1 ? 30 : 15, 0x10));
  }
  // The glyphs: base and tip rows of each, grey at their limits.
  for (auto [value, up, down] :
       {std::tuple(5, ink, ink), std::tuple(255, 0x808080, ink), std::tuple(0, ink, 0x808080)}) {
    m.SetValue(value);
    std::vector<TwipFill> rows[2];  // one twip high, in the up and the down button
    for (const TwipFill& f : m.Picture().overText)
      if (f.h == 1) rows[f.y >= 128].push_back(f);
    ASSERT_EQ(std::tuple(rows[0].size(), rows[1].size()), std::tuple(49u, 56u));
    EXPECT_EQ(std::tuple(rows[0].front(), rows[0].back(), rows[1].front(), rows[1].back()),
              std::tuple(TwipFill{481, 86, 98, 1, up}, TwipFill{529, 38, 2, 1, up},
                         TwipFill{467, 161, 111, 1, down}, TwipFill{522, 216, 1, 1, down}));
  }
  m.FocusIn();  // the cursor line over everything, 2 px below the frame, 4 px short of the text
  EXPECT_EQ(m.Picture().overText.back(), (TwipFill{150, 45, 15, 210 - 60, 0x20}));
  m.FocusOut();  // and gone without the focus
  EXPECT_NE(m.Picture().overText.back().colour, LongColour{0x20});
  // Too narrow, it shows the characters up to the one reaching the room (456 - 215 - 30 twips).
  Control narrow(-32000, -32768, 0);
  narrow.m.Resized(456, 255);
  EXPECT_EQ(std::tuple(narrow.m.Picture().text, narrow.m.FitText(210), narrow.m.FitText(0)),
            std::tuple("-32", "-3", ""));
}

}  // namespace
}  // namespace hk
