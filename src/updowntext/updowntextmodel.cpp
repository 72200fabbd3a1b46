#include "updowntext/updowntextmodel.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "colour/numbers.h"

namespace hk {

namespace {

constexpr int kTwipsPerPixel = 15;
// The number starts two screen pixels right of the frame.
constexpr int kTextIndent = 2 * kTwipsPerPixel;

bool Fits16(long long n) {
  return n >= std::numeric_limits<std::int16_t>::min() &&
         n <= std::numeric_limits<std::int16_t>::max();
}

// Nearest whole number, halves to the even neighbour.
int Nearest(double x) { return static_cast<int>(RoundHalfEven(x)); }

// A mouse position to whole twips; a position far outside any control is
// clamped rather than overflowing.
int WholeTwips(float t) {
  if (!std::isfinite(t)) return std::numeric_limits<int>::min() / 2;
  const double r = RoundHalfEven(static_cast<double>(t));
  constexpr double kLimit = 1e9;
  return static_cast<int>(r < -kLimit ? -kLimit : r > kLimit ? kLimit : r);
}

// One-pixel strokes of a box, as the twip rectangles they cover.
void Outline(std::vector<TwipFill>& out, int x1, int y1, int x2, int y2, LongColour c) {
  const int w = x2 + kTwipsPerPixel - x1;
  const int h = y2 + kTwipsPerPixel - y1;
  out.push_back({x1, y1, w, kTwipsPerPixel, c});
  out.push_back({x1, y2, w, kTwipsPerPixel, c});
  out.push_back({x1, y1, kTwipsPerPixel, h, c});
  out.push_back({x2, y1, kTwipsPerPixel, h, c});
}

// A horizontal or vertical line without its end point.
void Line(std::vector<TwipFill>& out, int xa, int ya, int xb, int yb, LongColour c) {
  if (ya == yb) {
    if (xb < xa) std::swap(xa, xb);
    if (xb > xa) out.push_back({xa, ya, xb - xa, kTwipsPerPixel, c});
  } else {
    if (yb < ya) std::swap(ya, yb);
    out.push_back({xa, ya, kTwipsPerPixel, yb - ya, c});
  }
}

}  // namespace

UpDownTextModel::UpDownTextModel(UpDownTextHost& host) : host_(host) {}

// ---- value and limits ---------------------------------------------------------

bool UpDownTextModel::SetValue(int newValue) {
  if (newValue < min_ || newValue > max_) return false;
  value_ = static_cast<std::int16_t>(newValue);
  UpdateMenuStates();
  UpdateLimitFlags();
  TextRepainted();
  upShownPressed_ = pressedButton_ == kUp && !upAtLimit_;
  downShownPressed_ = pressedButton_ == kDown && !downAtLimit_;
  host_.Repaint();
  return true;
}

bool UpDownTextModel::AssignValue(int newValue) {
  if (!SetValue(newValue)) return false;
  host_.PropertyChanged("Value");
  host_.RaiseValueChanged();
  return true;
}

void UpDownTextModel::RestoreValue(std::int16_t stored) {
  value_ = stored;
  host_.Repaint();
}

bool UpDownTextModel::SetMin(int bound) {
  if (!Fits16(bound)) return false;
  min_ = static_cast<std::int16_t>(bound);
  host_.PropertyChanged("Min");
  return true;
}

bool UpDownTextModel::SetMax(int bound) {
  if (!Fits16(bound)) return false;
  max_ = static_cast<std::int16_t>(bound);
  host_.PropertyChanged("Max");
  return true;
}

bool UpDownTextModel::SetBlinkInterval(std::int32_t ms) {
  if (ms < 0 || ms > std::numeric_limits<std::int16_t>::max()) return false;
  blinkInterval_ = ms;
  host_.PropertyChanged("BlinkInterval");
  host_.TimerChanged();
  return true;
}

void UpDownTextModel::UpdateMenuStates() {
  maxItemEnabled_ = value_ != max_;
  minItemEnabled_ = value_ != min_;
}

void UpDownTextModel::UpdateLimitFlags() {
  if (value_ == min_) {
    downAtLimit_ = true;
    downShownPressed_ = false;
  } else if (downAtLimit_) {
    downAtLimit_ = false;
    downShownPressed_ = false;
  }
  if (value_ == max_) {
    upAtLimit_ = true;
    upShownPressed_ = false;
  } else if (upAtLimit_) {
    upAtLimit_ = false;
    upShownPressed_ = false;
  }
}

std::string UpDownTextModel::GetNewValueEx(std::uint8_t mkey) const {
  std::string t = ValueText();
  const std::size_t at = cursorPos_ < t.size() ? cursorPos_ : t.size();
  t.insert(at, 1, static_cast<char>(mkey));
  return t;
}

std::string UpDownTextModel::GetNewValue(std::uint8_t mkey) const {
  std::string t = ValueText();
  if (mkey == kKeyBack) {
    if (cursorPos_ >= 1 && cursorPos_ <= t.size()) t.erase(cursorPos_ - 1u, 1);
    return t;
  }
  if (mkey == kKeyDelete) {
    if (cursorPos_ < t.size()) t.erase(cursorPos_, 1);
    return t;
  }
  return std::string();
}

// ---- stepping -------------------------------------------------------------------

// value + delta through the assignment. A result outside 16 bits is the overflow
// error: the step is dropped and whatever was to follow it is skipped (false).
bool UpDownTextModel::Step(int delta) {
  const int next = value_ + delta;
  if (!Fits16(next)) return false;
  AssignValue(next);
  return true;
}

void UpDownTextModel::ClickStep() {
  if (hitButton_ != pressedButton_) return;
  if (hitButton_ == kUp && !Step(+1)) return;
  if (hitButton_ == kDown && !Step(-1)) return;
  host_.RaiseClick();
}

void UpDownTextModel::ArrowStep(std::uint8_t button) {
  hitButton_ = button;
  pressedButton_ = button;
  ClickStep();
  // Also after a dropped step: a press left behind would auto-repeat later.
  pressedButton_ = kNone;
}

void UpDownTextModel::TimerTick() {
  // The timer also runs with the cursor past the text area: it stays hidden there.
  if (hasFocus_ && cursorInTextArea_) lineVisible_ = !lineVisible_;
  host_.Repaint();
  if (!upAtLimit_ && pressedButton_ == kUp) {
    Step(+1);
  } else if (!downAtLimit_ && pressedButton_ == kDown) {
    Step(-1);
  }
}

// ---- keys -----------------------------------------------------------------------

std::int16_t UpDownTextModel::KeyPressed(std::int16_t keyCode, std::int16_t shift) {
  host_.RaiseKeyDown(keyCode, shift);
  if (keyCode == kKeyUp) {
    ArrowStep(kUp);
  } else if (keyCode == kKeyDown) {
    ArrowStep(kDown);
  } else if (keyCode >= 0 && keyCode <= 255) {
    EditKey(static_cast<std::uint8_t>(keyCode));
  }
  return keyCode;
}

void UpDownTextModel::EditKey(std::uint8_t key) {
  const std::size_t length = ValueText().size();
  switch (key) {
    case kKeyLeft:
      if (cursorPos_ > 0) {
        --cursorPos_;
        PlaceCursor(false);
      }
      return;
    case kKeyBack: {
      if (cursorPos_ == 0) return;
      const std::string t = GetNewValue(kKeyBack);
      const auto n = ReadInt16(t);
      if (!n) return;
      // Unlike a plain CursorPos - 1 after the assignment, the cursor goes one
      // left of where it was: the shorter text has already pulled a cursor at the
      // end back to its new end, and one more would throw it to the start
      // (Backspace at the end of 25 leaves it after the 2, not before).
      const std::uint8_t before = cursorPos_;
      AssignValue(*n);
      if (*n != value_) return;  // refused: text and cursor stay
      cursorPos_ =
          static_cast<std::uint8_t>(std::min<std::size_t>(before - 1u, ValueText().size()));
      PlaceCursor(false);
      return;
    }
    case kKeyDelete: {
      if (cursorPos_ >= length) return;
      const auto n = ReadInt16(GetNewValue(kKeyDelete));
      if (!n) return;
      AssignValue(*n);
      PlaceCursor(false);
      return;
    }
    case kKeyRight:
      if (cursorPos_ < length) {
        ++cursorPos_;
        PlaceCursor(false);
      }
      return;
    case kKeyEnd:
      cursorPos_ = static_cast<std::uint8_t>(length);
      PlaceCursor(false);
      return;
    case kKeyHome:
      cursorPos_ = 0;
      PlaceCursor(false);
      return;
    default: break;
  }
  if (key < '0' || key > '9') return;
  const std::string t = GetNewValueEx(key);
  const auto n = ReadInt16(t);
  if (!n) return;  // a number beyond 16 bits, such as a fifth 9
  AssignValue(*n);
  if (*n != value_) return;
  // A digit that lands as a leading zero vanishes from the shown text, so the
  // cursor stays where it was. Only a text that starts with the zero keeps it: a
  // 0 typed after the minus sign vanishes as well, and the cursor still moves on
  // by one (0 typed into "-|5" leaves "-5|").
  if (t[0] != '0' && cursorPos_ < ValueText().size()) ++cursorPos_;
  PlaceCursor(false);
}

void UpDownTextModel::CharacterTyped(std::int16_t keyAscii) { host_.RaiseKeyPress(keyAscii); }

void UpDownTextModel::KeyReleased(std::int16_t keyCode, std::int16_t shift) {
  ReleaseButtons();
  host_.RaiseKeyUp(keyCode, shift);
}

void UpDownTextModel::ReleaseButtons() {
  if (!upShownPressed_ && !downShownPressed_) return;
  upShownPressed_ = false;
  downShownPressed_ = false;
  host_.Repaint();
}

// ---- mouse ----------------------------------------------------------------------

int UpDownTextModel::HitTest(int x, int y) const {
  if (x < width_ - kButtonWidth || x > width_) return kNone;
  const int b = BorderWidth();
  if (y >= 0 && y <= Nearest(height_ / 2.0 - b)) return kUp;
  if (y >= Nearest(height_ / 2.0 + b) && y <= height_) return kDown;
  return kNone;
}

void UpDownTextModel::MousePressed(std::int16_t button, std::int16_t shift, float x, float y) {
  const int hit = HitTest(WholeTwips(x), WholeTwips(y));
  hitButton_ = static_cast<std::uint8_t>(hit);
  if (hit == kUp && !upAtLimit_) upShownPressed_ = true;
  if (hit == kDown && !downAtLimit_) downShownPressed_ = true;
  if (hit != kNone) host_.Repaint();
  pressedButton_ = static_cast<std::uint8_t>(hit);
  // Auto-repeat counts from the press, so a press shorter than one interval
  // never steps, whatever the phase of the blinking.
  if (hit != kNone && timerRunning_) host_.RestartTimer();
  host_.RaiseMouseDown(button, shift, x, y);
  if (button == kRightButton) pasteItemEnabled_ = host_.ClipboardHasText();
}

void UpDownTextModel::MouseMoved(std::int16_t button, std::int16_t shift, float x, float y) {
  host_.RaiseMouseMove(button, shift, x, y);
  if (pressedButton_ == kNone) return;
  const int hit = HitTest(WholeTwips(x), WholeTwips(y));
  hitButton_ = static_cast<std::uint8_t>(hit);
  if (hit == pressedButton_) return;
  // Leaving the button ends the press for good.
  if (pressedButton_ == kUp) upShownPressed_ = false;
  if (pressedButton_ == kDown) downShownPressed_ = false;
  hitButton_ = kNone;
  pressedButton_ = kNone;
  host_.Repaint();
}

void UpDownTextModel::MouseReleased(std::int16_t button, std::int16_t shift, float x, float y) {
  pressedButton_ = kNone;
  // Whatever button was shown pressed pops up, also when the pointer left it
  // without a move event or the right button opens the menu.
  ReleaseButtons();
  if (button != kRightButton) {
    hitButton_ = static_cast<std::uint8_t>(HitTest(WholeTwips(x), WholeTwips(y)));
    host_.RaiseMouseUp(button, shift, x, y);
  } else {
    host_.ShowMenu();
  }
}

// ---- menu -----------------------------------------------------------------------

void UpDownTextModel::Paste(std::string_view clipboardText) {
  auto n = ReadNumber(clipboardText);
  if (!n) return;
  if (*n > max_) *n = max_;
  const auto v = ToInt16(*n);
  if (!v) return;
  AssignValue(*v);  // no lower clamp: below Min is refused
}

// ---- focus, cursor, display -----------------------------------------------------

void UpDownTextModel::SetTimer(bool running) {
  if (timerRunning_ == running) return;
  timerRunning_ = running;
  host_.TimerChanged();
}

void UpDownTextModel::PlaceCursor(bool full) {
  const int b = BorderWidth();
  if (full) {
    lineTop_ = b + 30;
    lineBottom_ = lineTop_ + host_.TextHeight("A") - 60;
    lineColour_ = cursorColor_;
  }
  // Unlike CursorPos times the width of a "5" from the frame, the cursor stands
  // at the boundary after the first CursorPos characters as the number is
  // printed (two pixels in, each digit its own width): otherwise it is drawn
  // inside a digit.
  const std::string text = ValueText();
  const std::size_t n = cursorPos_ < text.size() ? cursorPos_ : text.size();
  const int x = kTextIndent + b + host_.TextWidth(std::string_view(text).substr(0, n));
  lineX_ = x;
  cursorInTextArea_ = x <= width_ - kButtonWidth;
  lineVisible_ = cursorInTextArea_ && hasFocus_;
  // Unlike stopping the timer with the cursor past the text area, it runs with
  // the focus whatever the cursor's place: it also drives auto-repeat, and a
  // number that reaches the buttons would otherwise stop a held button.
  SetTimer(hasFocus_);
  host_.Repaint();
}

void UpDownTextModel::TextRepainted() {
  const std::size_t length = ValueText().size();
  if (cursorPos_ > length) {
    cursorPos_ = static_cast<std::uint8_t>(length);
    PlaceCursor(false);
  }
}

void UpDownTextModel::FocusIn() {
  hasFocus_ = true;
  PlaceCursor(true);
}

void UpDownTextModel::FocusOut() {
  hasFocus_ = false;
  lineVisible_ = false;
  SetTimer(false);
  host_.Repaint();
}

void UpDownTextModel::Shown() {
  // The menu's items keep their states until a value is accepted.
  UpdateLimitFlags();
  cursorPos_ = static_cast<std::uint8_t>(ValueText().size());
  PlaceCursor(false);
}

// ---- size and font --------------------------------------------------------------

void UpDownTextModel::Resized(int width, int height) {
  width_ = width;
  height_ = height;
  PlaceCursor(false);
}

void UpDownTextModel::FontChanged() {
  host_.PropertyChanged("Font");
  const int b = BorderWidth();
  const int textHeight = host_.TextHeight("A");
  if (height_ - 2 * b >= textHeight) {
    PlaceCursor(false);
  } else {
    host_.RequestSize(width_, textHeight + 2 * b);
  }
}

// ---- appearance -----------------------------------------------------------------

void UpDownTextModel::SetBackcolor(LongColour c) {
  backColor_ = c;
  host_.PropertyChanged("BackColor");
  host_.Repaint();
}

void UpDownTextModel::SetForeColor(LongColour c) {
  foreColor_ = c;
  host_.PropertyChanged("ForeColor");
  host_.Repaint();
}

void UpDownTextModel::SetBackStyle(std::int16_t style) {
  backStyle_ = style;
  host_.PropertyChanged("BackStyle");
}

void UpDownTextModel::SetBorderType(std::int32_t type) {
  borderType_ = type;
  host_.PropertyChanged("BorderType");
  PlaceCursor(false);  // the text and the cursor move with the frame's width
}

void UpDownTextModel::SetBorderColor(int index, LongColour c, std::string_view name) {
  borderColor_[index] = c;
  host_.PropertyChanged(name);
  host_.Repaint();
}

void UpDownTextModel::SetButtonColor(LongColour c) {
  buttonColor_ = c;
  host_.PropertyChanged("ButtonColor");
  host_.Repaint();
}

void UpDownTextModel::SetBtnForecolor(LongColour c) {
  btnForecolor_ = c;
  host_.PropertyChanged("BtnForecolor");
}

void UpDownTextModel::SetCursorColor(LongColour c) {
  cursorColor_ = c;
  host_.PropertyChanged("CursorColor");
}

// ---- the picture ----------------------------------------------------------------

void UpDownTextModel::DrawBox(std::vector<TwipFill>& out, int style, int x1, int y1, int x2, int y2,
                              LongColour fill, bool filled) const {
  if (filled) out.push_back({x1, y1, x2 - x1, y2 - y1, fill});
  const LongColour c1 = borderColor_[0], c2 = borderColor_[1], c3 = borderColor_[2],
                   c4 = borderColor_[3];
  if (style == 1) {
    Outline(out, x1, y1, x2 - 30, y2 - 30, c2);
    Outline(out, x1 + 15, y1 + 15, x2 - 30, y2 - 30, c4);
    Line(out, x1 + 15, y2 - 15, x2, y2 - 15, c1);
    Line(out, x1 + 30, y2 - 30, x2, y2 - 30, c3);
    Line(out, x2 - 15, y1 + 15, x2 - 15, y2, c1);
    Line(out, x2 - 30, y1 + 30, x2 - 30, y2 - 30, c3);
    return;
  }
  // 3 sunken, 4 raised: the same strokes with the two colours exchanged.
  const LongColour edge = style == 3 ? c4 : c3;
  const LongColour light = style == 3 ? c3 : c4;
  Outline(out, x1, y1, x2 - 15, y2 - 15, edge);
  Line(out, x1, y2 - 15, x2, y2 - 15, light);
  Line(out, x2 - 15, y1 + 15, x2 - 15, y2, light);
}

std::string UpDownTextModel::FitText(int width) const {
  const std::string text = ValueText();
  std::string shown;
  for (char ch : text) {
    if (host_.TextWidth(shown) >= width) break;
    shown += ch;
  }
  return shown;
}

UpDownPicture UpDownTextModel::Picture() const {
  UpDownPicture p;
  const int w = width_, h = height_, b = BorderWidth();
  const int split = Nearest(h / 2.0);
  const bool opaque = backStyle_ != 0;

  // Frame and text area.
  DrawBox(p.underText, borderType_ == 1 ? 1 : 3, 0, 0, w - kButtonWidth, h, backColor_, opaque);
  if (opaque) p.underText.push_back({b, b, w - 200 - 2 * b, h - 2 * b, backColor_});

  // The number.
  const int room = w - 215 - 2 * b;
  p.text = ValueText();
  if (host_.TextWidth(p.text) > room) p.text = FitText(room);
  p.textX = kTextIndent + b;
  p.textY = b;
  p.textColour = foreColor_;

  // The buttons: sunken while pressed, raised when released or at their limit.
  DrawBox(p.overText, upShownPressed_ && !upAtLimit_ ? 3 : 4, w - kButtonWidth, 0, w, split,
          buttonColor_, true);
  {
    const LongColour g = upAtLimit_ ? kGreyGlyph : btnForecolor_;
    const int xs = Nearest(kButtonWidth / 2.0 + (w - kButtonWidth) - 50);
    const int xe = xs + 100;
    const int ys = Nearest(Nearest(h / 2.0 - b) / 2.0 - 70);
    for (int i = 1; xs + i < xe - i; ++i) {
      p.overText.push_back({xs + i, ys + 101 - i, xe - 2 * i - xs, 1, g});
    }
  }
  DrawBox(p.overText, downShownPressed_ && !downAtLimit_ ? 3 : 4, w - kButtonWidth, split, w, h,
          buttonColor_, true);
  {
    const LongColour g = downAtLimit_ ? kGreyGlyph : btnForecolor_;
    const int top = Nearest(h / 2.0 + b);
    const int bottom = h - b;
    const int xe = Nearest(kButtonWidth / 2.0 + (w - kButtonWidth) - 50) + 100;
    const int xs = w - 165;
    const int m = Nearest((bottom - top) / 2.0 + top - 50);
    for (int i = 2;; ++i) {
      const int y = m + 18 + i;
      if (y > m + 100 || xs + i >= xe - i) break;
      p.overText.push_back({xs + i, y, xe - xs - 2 * i, 1, g});
    }
  }

  // The text cursor, over everything.
  if (lineVisible_ && lineBottom_ > lineTop_) {
    p.overText.push_back({lineX_, lineTop_, kTwipsPerPixel, lineBottom_ - lineTop_, lineColour_});
  }
  return p;
}

}  // namespace hk
