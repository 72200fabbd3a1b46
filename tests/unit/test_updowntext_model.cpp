// The spin control's rules without a screen: editing keys, steps, mouse buttons
// and auto-repeat, the menu, the cursor, the size rules and the painted geometry.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "updowntext/updowntextmodel.h"

namespace hk {
namespace {

// Records what the control raises; measures every character 7 pixels wide and
// text 14 pixels high, as Tahoma 9 pt does at 96 dpi.
struct Host : UpDownTextHost {
  std::vector<std::string> events;
  int valueChanged = 0;
  int clicks = 0;
  int repaints = 0;
  int timerRestarts = 0;
  bool clipboardHasText = false;
  int menusShown = 0;
  int requestedW = -1, requestedH = -1;
  int charWidth = 105;
  int textHeight = 210;
  std::function<void(std::int16_t&)> onKeyDown;

  void RaiseValueChanged() override {
    ++valueChanged;
    events.push_back("ValueChanged");
  }
  void RaiseClick() override {
    ++clicks;
    events.push_back("Click");
  }
  void RaiseKeyDown(std::int16_t& keyCode, std::int16_t&) override {
    events.push_back("KeyDown");
    if (onKeyDown) onKeyDown(keyCode);
  }
  void RaiseKeyUp(std::int16_t&, std::int16_t&) override { events.push_back("KeyUp"); }
  void RaiseMouseDown(std::int16_t&, std::int16_t&, float&, float&) override {
    events.push_back("MouseDown");
  }
  void RaiseMouseUp(std::int16_t&, std::int16_t&, float&, float&) override {
    events.push_back("MouseUp");
  }
  void Repaint() override { ++repaints; }
  void RestartTimer() override { ++timerRestarts; }
  bool ClipboardHasText() override { return clipboardHasText; }
  void ShowMenu() override { ++menusShown; }
  void RequestSize(int w, int h) override {
    requestedW = w;
    requestedH = h;
  }
  int TextWidth(std::string_view text) override {
    return charWidth * static_cast<int>(text.size());
  }
  int TextHeight(std::string_view) override { return textHeight; }
};

struct Control {
  Host host;
  UpDownTextModel m{host};

  // A shown control holding `value` in min..max with the cursor at `cursor`.
  Control(int value, int min, int max, int cursor = -1) {
    m.SetMin(min);
    m.SetMax(max);
    m.SetValue(value);
    m.Shown();
    if (cursor >= 0) {
      m.KeyPressed(UpDownTextModel::kKeyHome, 0);
      for (int i = 0; i < cursor; ++i) m.KeyPressed(UpDownTextModel::kKeyRight, 0);
    }
    host.events.clear();
    host.valueChanged = 0;
    host.clicks = 0;
  }
};

TEST(UpDownTextEditing, KeyTable) {
  struct Case {
    const char* what;
    int value, min, max, cursor;
    int key;
    int wantValue, wantCursor, wantChanged;
  };
  const Case cases[] = {
      {"Backspace at the start does nothing", 25, 0, 255, 0, 8, 25, 0, 0},
      {"Backspace of a lone digit reads as 0", 5, 0, 255, 1, 8, 0, 0, 1},
      {"Backspace in the middle", 123, 0, 255, 2, 8, 13, 1, 1},
      {"Backspace at the end", 25, 0, 255, 2, 8, 2, 1, 1},
      {"Backspace at the end of a negative number", -25, -100, 100, 3, 8, -2, 2, 1},
      {"Backspace leaving a leading zero", 105, 0, 255, 1, 8, 5, 0, 1},
      {"Backspace below Min is refused", 15, 10, 255, 1, 8, 15, 1, 0},
      {"Backspace of the minus sign", -5, -10, 10, 1, 8, 5, 0, 1},
      {"Delete at the start", 25, 0, 255, 0, 46, 5, 0, 1},
      {"Delete at the end does nothing", 25, 0, 255, 2, 46, 25, 2, 0},
      {"Delete in the middle", 123, 0, 255, 1, 46, 13, 1, 1},
      {"7 after a lone 0", 0, 0, 255, 1, '7', 7, 1, 1},
      {"0 in front of 5 stays a leading zero", 5, 0, 255, 0, '0', 5, 0, 1},
      {"6 after 25 gives 256 above Max", 25, 0, 255, 2, '6', 25, 2, 0},
      {"digit inserted in the middle", 15, 0, 255, 1, '2', 125, 2, 1},
      {"digit at the start", 5, 0, 255, 0, '2', 25, 1, 1},
      {"fifth 9 does not fit 16 bits", 9999, 0, 32767, 4, '9', 9999, 4, 0},
      {"digit after the minus sign", -5, -100, 100, 1, '3', -35, 2, 1},
      {"zero after the minus sign vanishes", -5, -100, 100, 1, '0', -5, 1, 1},
      {"digit before the minus sign reads as that digit", -5, -100, 100, 0, '3', 3, 1, 1},
      {"Left at the start", 25, 0, 255, 0, 37, 25, 0, 0},
      {"Left", 25, 0, 255, 2, 37, 25, 1, 0},
      {"Right at the end", 25, 0, 255, 2, 39, 25, 2, 0},
      {"Right", 25, 0, 255, 0, 39, 25, 1, 0},
      {"Home", 255, 0, 255, 2, 36, 255, 0, 0},
      {"End", 255, 0, 255, 1, 35, 255, 3, 0},
      {"keypad 5 inserts nothing", 25, 0, 255, 2, 101, 25, 2, 0},
      {"keypad 0 inserts nothing", 25, 0, 255, 0, 96, 25, 0, 0},
      {"Page Up changes nothing", 25, 0, 255, 2, 33, 25, 2, 0},
      {"Page Down changes nothing", 25, 0, 255, 2, 34, 25, 2, 0},
      {"a letter changes nothing", 25, 0, 255, 2, 'A', 25, 2, 0},
      {"minus changes nothing", 25, 0, 255, 0, 189, 25, 0, 0},
      {"keypad minus changes nothing", 25, 0, 255, 0, 109, 25, 0, 0},
      {"a key code beyond a byte changes nothing", 25, 0, 255, 2, 256 + '1', 25, 2, 0},
  };
  for (const Case& c : cases) {
    Control ctl(c.value, c.min, c.max, c.cursor);
    ASSERT_EQ(ctl.m.CursorPos(), c.cursor) << c.what;
    ctl.m.KeyPressed(static_cast<std::int16_t>(c.key), 0);
    EXPECT_EQ(ctl.m.value(), c.wantValue) << c.what;
    EXPECT_EQ(ctl.m.CursorPos(), c.wantCursor) << c.what;
    EXPECT_EQ(ctl.host.valueChanged, c.wantChanged) << c.what;
    EXPECT_EQ(ctl.host.clicks, 0) << c.what;
  }
}

TEST(UpDownTextEditing, NewValueTexts) {
  Control ctl(-40, -100, 100, 1);
  EXPECT_EQ(ctl.m.GetNewValueEx('7'), "-740");
  EXPECT_EQ(ctl.m.GetNewValue(8), "40");
  EXPECT_EQ(ctl.m.GetNewValue(46), "-0");
  EXPECT_EQ(ctl.m.GetNewValue(65), "");
  ctl.m.KeyPressed(UpDownTextModel::kKeyHome, 0);
  EXPECT_EQ(ctl.m.GetNewValueEx('7'), "7-40");
  EXPECT_EQ(ctl.m.GetNewValue(8), "-40") << "nothing left of the cursor to remove";
  ctl.m.KeyPressed(UpDownTextModel::kKeyEnd, 0);
  EXPECT_EQ(ctl.m.GetNewValueEx('7'), "-407");
  EXPECT_EQ(ctl.m.GetNewValue(46), "-40") << "nothing right of the cursor to remove";
}

TEST(UpDownTextEditing, KeyDownHandlerCancelsTheKey) {
  for (int key : {int{UpDownTextModel::kKeyUp}, int{UpDownTextModel::kKeyBack}, int{'7'}}) {
    Control ctl(25, 0, 255, 2);
    ctl.host.onKeyDown = [](std::int16_t& code) { code = 0; };
    EXPECT_EQ(ctl.m.KeyPressed(static_cast<std::int16_t>(key), 0), 0);
    EXPECT_EQ(ctl.m.value(), 25) << key;
    EXPECT_EQ(ctl.m.CursorPos(), 2) << key;
    EXPECT_EQ(ctl.host.events, std::vector<std::string>{"KeyDown"}) << key;
  }
  // A handler may also turn one key into another.
  Control ctl(25, 0, 255, 2);
  ctl.host.onKeyDown = [](std::int16_t& code) { code = UpDownTextModel::kKeyDown; };
  ctl.m.KeyPressed('7', 0);
  EXPECT_EQ(ctl.m.value(), 24);
}

TEST(UpDownTextSteps, ArrowKeysAtAndOffTheLimits) {
  struct Case {
    const char* what;
    int value, min, max, key;
    int wantValue;
    std::vector<std::string> wantEvents;
  };
  const Case cases[] = {
      {"Up", 5, 0, 255, 38, 6, {"KeyDown", "ValueChanged", "Click"}},
      {"Down", 5, 0, 255, 40, 4, {"KeyDown", "ValueChanged", "Click"}},
      {"Up at Max clicks only", 255, 0, 255, 38, 255, {"KeyDown", "Click"}},
      {"Down at Min clicks only", 0, 0, 255, 40, 0, {"KeyDown", "Click"}},
      {"Down at Max", 255, 0, 255, 40, 254, {"KeyDown", "ValueChanged", "Click"}},
      {"Up past 32767 is dropped without a Click", 32767, 0, 32767, 38, 32767, {"KeyDown"}},
      {"Down past -32768 is dropped without a Click", -32768, -32768, 0, 40, -32768, {"KeyDown"}},
  };
  for (const Case& c : cases) {
    Control ctl(c.value, c.min, c.max);
    ctl.m.KeyPressed(static_cast<std::int16_t>(c.key), 0);
    EXPECT_EQ(ctl.m.value(), c.wantValue) << c.what;
    EXPECT_EQ(ctl.host.events, c.wantEvents) << c.what;
    EXPECT_EQ(ctl.m.PressedButton(), 0) << c.what << ": no press is left behind";
  }
}

TEST(UpDownTextSteps, ArrowKeyShowsItsButtonPressedUntilRelease) {
  Control ctl(5, 0, 255);
  ctl.m.KeyPressed(UpDownTextModel::kKeyUp, 0);
  EXPECT_TRUE(ctl.m.UpShownPressed());
  EXPECT_FALSE(ctl.m.DownShownPressed());
  ctl.m.KeyReleased(UpDownTextModel::kKeyUp, 0);
  EXPECT_FALSE(ctl.m.UpShownPressed());
  EXPECT_EQ(ctl.host.events.back(), "KeyUp");

  // Stepping up onto Max shows the button raised at once.
  Control top(254, 0, 255);
  top.m.KeyPressed(UpDownTextModel::kKeyUp, 0);
  EXPECT_TRUE(top.m.UpAtLimit());
  EXPECT_FALSE(top.m.UpShownPressed());

  // The host's step pops its button up by itself: no key release follows it.
  Control wheel(5, 0, 255);
  wheel.m.StepDown();
  EXPECT_EQ(wheel.m.value(), 4);
  EXPECT_FALSE(wheel.m.DownShownPressed());
  EXPECT_EQ(wheel.host.events, (std::vector<std::string>{"ValueChanged", "Click"}));
}

TEST(UpDownTextValue, AssignmentAndSilentSetValue) {
  Control ctl(10, 0, 255);
  EXPECT_FALSE(ctl.m.AssignValue(256));
  EXPECT_FALSE(ctl.m.SetValue(256));
  EXPECT_FALSE(ctl.m.AssignValue(-1));
  EXPECT_FALSE(ctl.m.AssignValue(70000)) << "beyond 16 bits";
  EXPECT_EQ(ctl.m.value(), 10);
  EXPECT_EQ(ctl.host.valueChanged, 0);

  EXPECT_TRUE(ctl.m.AssignValue(10));
  EXPECT_TRUE(ctl.m.AssignValue(10));
  EXPECT_EQ(ctl.host.valueChanged, 2) << "the number already held raises it again";

  const int repaints = ctl.host.repaints;
  EXPECT_TRUE(ctl.m.SetValue(255));
  EXPECT_EQ(ctl.host.valueChanged, 2) << "SetValue raises nothing";
  EXPECT_GT(ctl.host.repaints, repaints);
  EXPECT_FALSE(ctl.m.MaxItemEnabled());
  EXPECT_TRUE(ctl.m.MinItemEnabled());
  EXPECT_TRUE(ctl.m.UpAtLimit());
  EXPECT_FALSE(ctl.m.DownAtLimit());

  // Lowering Max leaves the value alone until the next assignment.
  EXPECT_TRUE(ctl.m.SetMax(200));
  EXPECT_EQ(ctl.m.value(), 255);
  EXPECT_FALSE(ctl.m.AssignValue(255));
  EXPECT_TRUE(ctl.m.AssignValue(200));
  EXPECT_TRUE(ctl.m.UpAtLimit());

  EXPECT_FALSE(ctl.m.SetMax(40000)) << "a bound must fit 16 bits";
  EXPECT_EQ(ctl.m.Max(), 200);
}

TEST(UpDownTextValue, NewControlMenuAndLimitsAgreeWithItsValue) {
  Host host;
  UpDownTextModel m(host);
  m.Shown();
  EXPECT_EQ(m.value(), 0);
  EXPECT_TRUE(m.DownAtLimit());
  EXPECT_FALSE(m.MinItemEnabled());
  EXPECT_TRUE(m.MaxItemEnabled());
  EXPECT_EQ(m.CursorPos(), 1);
}

TEST(UpDownTextMenu, ItemsAndPaste) {
  Control ctl(100, 0, 255);
  ctl.m.SetToMaximum();
  EXPECT_EQ(ctl.m.value(), 255);
  EXPECT_FALSE(ctl.m.MaxItemEnabled());
  ctl.m.SetToMinimum();
  EXPECT_EQ(ctl.m.value(), 0);
  EXPECT_FALSE(ctl.m.MinItemEnabled());
  EXPECT_EQ(ctl.host.valueChanged, 2);
  ctl.m.SetValue(42);
  EXPECT_EQ(ctl.m.CopyText(), "42");

  struct Case {
    const char* text;
    int min;
    int want;
    int wantChanged;
  };
  const Case cases[] = {
      {"300 apples", 0, 255, 1}, {"2.5", 0, 2, 1},    {"3.5", 0, 4, 1},       {"abc", 0, 0, 1},
      {"abc", 10, 42, 0},        {"-7", 0, 42, 0},    {"-7", -10, -7, 1},     {"254.6", 0, 255, 1},
      {"99999", 0, 255, 1},      {"1e400", 0, 42, 0}, {"-99999", -10, 42, 0}, {"  1 7", 0, 17, 1},
      {"&HFF", 0, 255, 1},
  };
  for (const Case& c : cases) {
    Control p(42, c.min, 255);
    p.m.Paste(c.text);
    EXPECT_EQ(p.m.value(), c.want) << c.text;
    EXPECT_EQ(p.host.valueChanged, c.wantChanged) << c.text;
  }
}

TEST(UpDownTextMouse, HitZones) {
  struct Case {
    int borderType, x, y, want;
  };
  // 630 x 255: buttons from x 430; up to y 112, down from y 142 (thin frame),
  // up to 98 and down from 158 (thick frame).
  const Case cases[] = {
      {0, 430, 0, 1},   {0, 429, 0, 0},   {0, 630, 112, 1}, {0, 630, 113, 0}, {0, 500, 141, 0},
      {0, 500, 142, 2}, {0, 631, 142, 0}, {0, 500, 255, 2}, {0, 500, 256, 0}, {0, 500, -1, 0},
      {1, 500, 98, 1},  {1, 500, 99, 0},  {1, 500, 157, 0}, {1, 500, 158, 2}, {2, 500, 112, 1},
  };
  for (const Case& c : cases) {
    Control ctl(5, 0, 255);
    ctl.m.SetBorderType(c.borderType);
    EXPECT_EQ(ctl.m.HitTest(c.x, c.y), c.want) << c.borderType << " " << c.x << "," << c.y;
  }
}

TEST(UpDownTextMouse, HoldingAButtonRepeatsOncePerTick) {
  Control ctl(5, 0, 8);
  ctl.m.FocusIn();
  ctl.m.MousePressed(1, 0, 500, 30);
  EXPECT_TRUE(ctl.m.UpShownPressed());
  EXPECT_EQ(ctl.m.PressedButton(), 1);
  EXPECT_EQ(ctl.host.timerRestarts, 1) << "repeat counts from the press";
  EXPECT_EQ(ctl.m.value(), 5) << "the press itself steps nothing";
  ctl.m.TimerTick();
  ctl.m.TimerTick();
  EXPECT_EQ(ctl.m.value(), 7);
  EXPECT_TRUE(ctl.m.UpShownPressed());
  ctl.m.TimerTick();
  EXPECT_EQ(ctl.m.value(), 8);
  EXPECT_FALSE(ctl.m.UpShownPressed()) << "at Max the button shows raised while held";
  ctl.m.TimerTick();
  EXPECT_EQ(ctl.m.value(), 8);
  EXPECT_EQ(ctl.host.valueChanged, 3);
  ctl.m.MouseReleased(1, 0, 500, 30);
  ctl.m.Clicked();
  EXPECT_EQ(ctl.host.clicks, 0) << "released on a button: no Click";
  ctl.m.TimerTick();
  EXPECT_EQ(ctl.m.value(), 8);
}

TEST(UpDownTextMouse, LeavingTheButtonEndsThePressForGood) {
  Control ctl(5, 0, 255);
  ctl.m.FocusIn();
  ctl.m.MousePressed(1, 0, 500, 200);
  EXPECT_TRUE(ctl.m.DownShownPressed());
  ctl.m.TimerTick();
  EXPECT_EQ(ctl.m.value(), 4);
  ctl.m.MouseMoved(1, 0, 100, 200);
  EXPECT_FALSE(ctl.m.DownShownPressed());
  EXPECT_EQ(ctl.m.PressedButton(), 0);
  ctl.m.MouseMoved(1, 0, 500, 200);
  EXPECT_FALSE(ctl.m.DownShownPressed()) << "moving back does not press again";
  ctl.m.TimerTick();
  EXPECT_EQ(ctl.m.value(), 4);
}

TEST(UpDownTextMouse, ButtonShownPressedPopsUpOnAnyRelease) {
  // Released over the text area without a move in between.
  Control left(5, 0, 255);
  left.m.MousePressed(1, 0, 500, 30);
  left.m.MouseReleased(1, 0, 100, 30);
  EXPECT_FALSE(left.m.UpShownPressed());
  left.m.Clicked();
  EXPECT_EQ(left.host.clicks, 1) << "released outside both buttons";

  // The right button opens the menu and raises no MouseUp.
  Control right(5, 0, 255);
  right.host.clipboardHasText = false;
  right.m.MousePressed(2, 0, 500, 30);
  EXPECT_FALSE(right.m.PasteItemEnabled());
  right.m.MouseReleased(2, 0, 500, 30);
  EXPECT_FALSE(right.m.UpShownPressed());
  EXPECT_EQ(right.host.menusShown, 1);
  EXPECT_EQ(right.host.events, (std::vector<std::string>{"MouseDown"}));
  right.host.clipboardHasText = true;
  right.m.MousePressed(2, 0, 100, 30);
  EXPECT_TRUE(right.m.PasteItemEnabled());
}

TEST(UpDownTextMouse, PressAtTheLimitShowsRaisedAndDoesNotStep) {
  Control ctl(255, 0, 255);
  ctl.m.FocusIn();
  ctl.m.MousePressed(1, 0, 500, 30);
  EXPECT_FALSE(ctl.m.UpShownPressed());
  EXPECT_EQ(ctl.m.PressedButton(), 1);
  ctl.m.TimerTick();
  EXPECT_EQ(ctl.m.value(), 255);
  EXPECT_EQ(ctl.host.valueChanged, 0);
}

TEST(UpDownTextCursor, FocusBlinkAndPlacement) {
  Control ctl(255, 0, 255);
  EXPECT_FALSE(ctl.m.TimerRunning());
  EXPECT_FALSE(ctl.m.CursorVisible());
  ctl.m.SetCursorColor(0x0000FF);
  ctl.m.FocusIn();
  EXPECT_TRUE(ctl.m.TimerRunning());
  EXPECT_TRUE(ctl.m.CursorVisible());
  EXPECT_EQ(ctl.m.CursorLineColour(), 0x0000FF);
  EXPECT_EQ(ctl.m.CursorTop(), 45);
  EXPECT_EQ(ctl.m.CursorBottom(), 45 + 210 - 60);
  // After "255", where the number is printed from 2 pixels inside the frame.
  EXPECT_EQ(ctl.m.CursorX(), 15 + 30 + 3 * 105);
  ctl.m.KeyPressed(UpDownTextModel::kKeyHome, 0);
  EXPECT_EQ(ctl.m.CursorX(), 45);
  ctl.m.TimerTick();
  EXPECT_FALSE(ctl.m.CursorVisible());
  ctl.m.TimerTick();
  EXPECT_TRUE(ctl.m.CursorVisible());

  ctl.m.SetCursorColor(0x00FF00);
  EXPECT_EQ(ctl.m.CursorLineColour(), 0x0000FF) << "taken at the next focus";
  ctl.m.FocusOut();
  EXPECT_FALSE(ctl.m.TimerRunning());
  EXPECT_FALSE(ctl.m.CursorVisible());
  ctl.m.FocusIn();
  EXPECT_EQ(ctl.m.CursorLineColour(), 0x00FF00);

  // A shorter number pulls the cursor back to its end.
  ctl.m.KeyPressed(UpDownTextModel::kKeyEnd, 0);
  ctl.m.SetValue(7);
  EXPECT_EQ(ctl.m.CursorPos(), 1);
  EXPECT_EQ(ctl.m.CursorX(), 45 + 105);
}

TEST(UpDownTextCursor, AutoRepeatWorksWhileTheCursorIsPastTheButtons) {
  Control ctl(-32000, -32768, 0);
  ctl.m.Resized(415, 255);
  ctl.m.FocusIn();
  EXPECT_FALSE(ctl.m.CursorVisible()) << "six characters end past x = 215";
  EXPECT_TRUE(ctl.m.TimerRunning());
  ctl.m.TimerTick();
  EXPECT_FALSE(ctl.m.CursorVisible()) << "no blink outside the text area";
  ctl.m.MousePressed(1, 0, 300, 30);
  ctl.m.TimerTick();
  EXPECT_EQ(ctl.m.value(), -31999);
}

TEST(UpDownTextSize, WidthAndHeightRules) {
  struct Case {
    int w, h, wantW, wantH;
  };
  const Case cases[] = {
      {300, 240, 415, 225}, {399, 254, 415, 225}, {400, 255, 400, 255}, {414, 100, 414, 225},
      {630, 255, 630, 255}, {0, 0, 415, 225},     {415, 225, 415, 225}, {2000, 600, 2000, 600},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UpDownTextModel::RuleWidth(c.w), c.wantW) << c.w;
    EXPECT_EQ(UpDownTextModel::RuleHeight(c.h), c.wantH) << c.h;
  }
}

TEST(UpDownTextSize, FontTallerThanTheTextAreaGrowsTheControl) {
  Control ctl(5, 0, 255);
  ctl.host.textHeight = 225;
  ctl.m.FontChanged();
  EXPECT_EQ(ctl.host.requestedH, -1) << "225 fits 255 - 2 x 15";
  ctl.host.textHeight = 300;
  ctl.m.FontChanged();
  EXPECT_EQ(ctl.host.requestedW, 630);
  EXPECT_EQ(ctl.host.requestedH, 330);
  ctl.m.SetBorderType(1);
  ctl.m.FontChanged();
  EXPECT_EQ(ctl.host.requestedH, 360);
}

// ---- the picture ----------------------------------------------------------------

bool Has(const std::vector<TwipFill>& fills, const TwipFill& f) {
  return std::find(fills.begin(), fills.end(), f) != fills.end();
}

// The glyph rows of one colour: y -> [x, x + w).
std::vector<TwipFill> GlyphRows(const UpDownPicture& p, int fromY, int toY) {
  std::vector<TwipFill> rows;
  for (const TwipFill& f : p.overText) {
    if (f.h == 1 && f.y >= fromY && f.y <= toY) rows.push_back(f);
  }
  return rows;
}

TEST(UpDownTextPicture, MainWindowGeometry) {
  Control ctl(5, 0, 255);
  const LongColour bg = kSysWindowBackground, face = kSysButtonFace;
  ctl.m.SetBackcolor(bg);
  ctl.m.SetButtonColor(face);
  ctl.m.SetBtnForecolor(kSysButtonText);
  const UpDownPicture p = ctl.m.Picture();
  EXPECT_TRUE(Has(p.underText, {0, 0, 430, 255, bg})) << "text area";
  EXPECT_TRUE(Has(p.overText, {430, 0, 200, 128, face})) << "up button";
  EXPECT_TRUE(Has(p.overText, {430, 128, 200, 127, face})) << "down button";
  EXPECT_EQ(p.textX, 45);
  EXPECT_EQ(p.textY, 15);
  EXPECT_EQ(p.text, "5");

  const auto up = GlyphRows(p, 0, 127);
  ASSERT_EQ(up.size(), 49u);
  EXPECT_EQ(up.front(), (TwipFill{481, 86, 98, 1, kSysButtonText})) << "base";
  EXPECT_EQ(up.back(), (TwipFill{529, 38, 2, 1, kSysButtonText})) << "tip";
  const auto down = GlyphRows(p, 128, 255);
  ASSERT_EQ(down.size(), 56u);
  EXPECT_EQ(down.front(), (TwipFill{467, 161, 111, 1, kSysButtonText})) << "top";
  EXPECT_EQ(down.back(), (TwipFill{522, 216, 1, 1, kSysButtonText})) << "tip";
}

TEST(UpDownTextPicture, GlyphsGreyAtTheirLimits) {
  Control ctl(255, 0, 255);
  ctl.m.SetBtnForecolor(0x123456);
  UpDownPicture p = ctl.m.Picture();
  for (const TwipFill& f : GlyphRows(p, 0, 127)) EXPECT_EQ(f.colour, 0x808080);
  for (const TwipFill& f : GlyphRows(p, 128, 255)) EXPECT_EQ(f.colour, 0x123456);
  ctl.m.SetValue(0);
  p = ctl.m.Picture();
  for (const TwipFill& f : GlyphRows(p, 0, 127)) EXPECT_EQ(f.colour, 0x123456);
  for (const TwipFill& f : GlyphRows(p, 128, 255)) EXPECT_EQ(f.colour, 0x808080);
}

TEST(UpDownTextPicture, FrameStyles) {
  Control ctl(5, 0, 255);
  ctl.m.SetBorderColor1(1);
  ctl.m.SetBorderColor2(2);
  ctl.m.SetBorderColor3(3);
  ctl.m.SetBorderColor4(4);
  for (int type : {0, 2}) {
    ctl.m.SetBorderType(type);
    const UpDownPicture p = ctl.m.Picture();
    EXPECT_EQ(p.textX, 45) << type;
    EXPECT_TRUE(Has(p.underText, {0, 0, 430, 15, 4})) << type << ": top edge";
    EXPECT_TRUE(Has(p.underText, {0, 240, 430, 15, 3})) << type << ": bottom edge";
    EXPECT_TRUE(Has(p.underText, {415, 15, 15, 240, 3})) << type << ": right edge";
    EXPECT_TRUE(Has(p.underText, {15, 15, 400, 225, 0x00FFFFC0})) << type << ": inside";
  }
  ctl.m.SetBorderType(1);
  const UpDownPicture p = ctl.m.Picture();
  EXPECT_EQ(p.textX, 60);
  EXPECT_EQ(p.textY, 30);
  EXPECT_TRUE(Has(p.underText, {0, 0, 415, 15, 2})) << "outer top";
  EXPECT_TRUE(Has(p.underText, {15, 15, 400, 15, 4})) << "inner top";
  EXPECT_TRUE(Has(p.underText, {15, 240, 415, 15, 1})) << "outer bottom";
  EXPECT_TRUE(Has(p.underText, {30, 225, 400, 15, 3})) << "inner bottom";
  EXPECT_TRUE(Has(p.underText, {30, 30, 370, 195, 0x00FFFFC0})) << "inside";

  // Buttons: raised (3D highlight outline) when released, sunken when pressed.
  ctl.m.SetBorderType(0);
  EXPECT_TRUE(Has(ctl.m.Picture().overText, {430, 0, 200, 15, 3}));
  ctl.m.MousePressed(1, 0, 500, 30);
  EXPECT_TRUE(Has(ctl.m.Picture().overText, {430, 0, 200, 15, 4}));
}

TEST(UpDownTextPicture, NarrowControlShowsLeadingDigits) {
  Control ctl(-32768, -32768, 0);
  ctl.m.Resized(415, 255);
  // Room is 415 - 215 - 30 = 170 twips; at 105 a character the second reaches it.
  EXPECT_EQ(ctl.m.Picture().text, "-3");
  EXPECT_EQ(ctl.m.FitText(0), "");
  EXPECT_EQ(ctl.m.FitText(10000), "-32768");
}

}  // namespace
}  // namespace hk
