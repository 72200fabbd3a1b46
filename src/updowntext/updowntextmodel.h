// UpDownText's rules without a screen: the 16-bit value between Min and Max, the
// key editing, the arrow steps, the mouse buttons and auto-repeat, the menu, the
// text cursor, the size rules and the picture of the control as twip rectangles.
// The widget translates Qt events into these calls and paints the picture.
//
// Geometry is in twips with the origin at the control's top-left corner; W and H
// are the control's width and height.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "colour/longcolour.h"

namespace hk {

// What the control needs from its surface and tells its host. Event arguments are
// references: a handler may change them and the control goes on with what it left.
class UpDownTextHost {
 public:
  virtual ~UpDownTextHost() = default;

  // Events.
  virtual void RaiseValueChanged() {}
  virtual void RaiseClick() {}
  virtual void RaiseKeyDown(std::int16_t& /*keyCode*/, std::int16_t& /*shift*/) {}
  virtual void RaiseKeyPress(std::int16_t& /*keyAscii*/) {}
  virtual void RaiseKeyUp(std::int16_t& /*keyCode*/, std::int16_t& /*shift*/) {}
  virtual void RaiseMouseDown(std::int16_t& /*button*/, std::int16_t& /*shift*/, float& /*x*/,
                              float& /*y*/) {}
  virtual void RaiseMouseMove(std::int16_t& /*button*/, std::int16_t& /*shift*/, float& /*x*/,
                              float& /*y*/) {}
  virtual void RaiseMouseUp(std::int16_t& /*button*/, std::int16_t& /*shift*/, float& /*x*/,
                            float& /*y*/) {}
  // A persisted property was written (its stored name), for the host's store.
  virtual void PropertyChanged(std::string_view /*name*/) {}

  // Surface.
  virtual void Repaint() {}
  virtual void TimerChanged() {}  // TimerRunning() or BlinkInterval() changed
  virtual void RestartTimer() {}  // the next tick comes one full interval from now
  virtual bool ClipboardHasText() { return false; }
  virtual void ShowMenu() {}
  virtual void RequestSize(int /*widthTwips*/, int /*heightTwips*/) {}
  // Measures in the control's font, in twips.
  virtual int TextWidth(std::string_view /*text*/) { return 0; }
  virtual int TextHeight(std::string_view /*text*/) { return 0; }
};

// One solid rectangle of the picture, half-open in twips: [x, x + w) x [y, y + h).
struct TwipFill {
  int x, y, w, h;
  LongColour colour;
  friend bool operator==(const TwipFill&, const TwipFill&) = default;
};

// The picture in painting order: fills, with the number printed after the text
// area's fills and before the buttons (which cover a number too wide to fit).
struct UpDownPicture {
  std::vector<TwipFill> underText;  // frame and text area
  std::string text;                 // the number as shown
  int textX = 0, textY = 0;         // top-left of the text
  LongColour textColour = 0;
  std::vector<TwipFill> overText;  // buttons, glyphs, then the text cursor
};

class UpDownTextModel {
 public:
  // Button numbers of PressedButton and HitButton.
  static constexpr std::uint8_t kNone = 0, kUp = 1, kDown = 2;
  // Mouse buttons and shift state as the events report them.
  static constexpr std::int16_t kLeftButton = 1, kRightButton = 2, kMiddleButton = 4;
  static constexpr std::int16_t kShiftMask = 1, kCtrlMask = 2, kAltMask = 4;
  // Key codes the control acts on.
  static constexpr std::int16_t kKeyBack = 8, kKeyEnd = 35, kKeyHome = 36, kKeyLeft = 37,
                                kKeyUp = 38, kKeyRight = 39, kKeyDown = 40, kKeyDelete = 46;
  static constexpr int kButtonWidth = 200;  // the button column at the right edge
  static constexpr LongColour kGreyGlyph = 0x808080;

  explicit UpDownTextModel(UpDownTextHost& host);

  // ---- value and limits -----------------------------------------------------
  std::int16_t value() const { return value_; }
  // The assignment: SetValue, then "Value" marked and ValueChanged raised, also
  // when the number is the one already held. A refused number does nothing.
  // Returns whether it was accepted.
  bool AssignValue(int newValue);
  // Shows a number within Min..Max without raising anything; false otherwise.
  bool SetValue(int newValue);
  // Restores a stored value as it stands: no range check, no event.
  void RestoreValue(std::int16_t stored);

  std::int16_t Min() const { return min_; }
  std::int16_t Max() const { return max_; }
  // Store the bound only: the value is not checked against it. A number outside
  // 16 bits is refused (false).
  bool SetMin(int bound);
  bool SetMax(int bound);

  std::int32_t BlinkInterval() const { return blinkInterval_; }
  // 0 stops blinking and auto-repeat; the interval must fit the stored 16 bits.
  bool SetBlinkInterval(std::int32_t ms);

  std::string ValueText() const { return std::to_string(value_); }
  // The text that typing character `mkey` at the cursor would give.
  std::string GetNewValueEx(std::uint8_t mkey) const;
  // The text with the character left (8, Backspace) or right (46, Delete) of the
  // cursor removed; "" for any other key. Nothing to remove leaves the text whole.
  std::string GetNewValue(std::uint8_t mkey) const;

  // ---- input ----------------------------------------------------------------
  // A key press: KeyDown first, then the control acts on the key code it left.
  // Returns the key code the control acted on (0 when cancelled).
  std::int16_t KeyPressed(std::int16_t keyCode, std::int16_t shift);
  void CharacterTyped(std::int16_t keyAscii);  // raises KeyPress, nothing else
  void KeyReleased(std::int16_t keyCode, std::int16_t shift);
  void MousePressed(std::int16_t button, std::int16_t shift, float x, float y);
  void MouseMoved(std::int16_t button, std::int16_t shift, float x, float y);
  void MouseReleased(std::int16_t button, std::int16_t shift, float x, float y);
  // The platform's click (press and release of the left button on the control).
  void Clicked() { ClickStep(); }
  void TimerTick();
  void FocusIn();
  void FocusOut();
  void Shown();

  // ---- context menu ---------------------------------------------------------
  void SetToMaximum() { AssignValue(max_); }
  void SetToMinimum() { AssignValue(min_); }
  std::string CopyText() const { return ValueText(); }
  void Paste(std::string_view clipboardText);
  bool MaxItemEnabled() const { return maxItemEnabled_; }
  bool MinItemEnabled() const { return minItemEnabled_; }
  bool PasteItemEnabled() const { return pasteItemEnabled_; }

  // ---- state ----------------------------------------------------------------
  std::uint8_t CursorPos() const { return cursorPos_; }
  std::uint8_t PressedButton() const { return pressedButton_; }
  std::uint8_t HitButton() const { return hitButton_; }
  bool UpAtLimit() const { return upAtLimit_; }
  bool DownAtLimit() const { return downAtLimit_; }
  bool HasFocus() const { return hasFocus_; }
  bool TimerRunning() const { return timerRunning_; }
  bool UpShownPressed() const { return upShownPressed_; }
  bool DownShownPressed() const { return downShownPressed_; }
  bool CursorVisible() const { return lineVisible_; }
  int CursorX() const { return lineX_; }
  int CursorTop() const { return lineTop_; }
  int CursorBottom() const { return lineBottom_; }
  LongColour CursorLineColour() const { return lineColour_; }

  // ---- geometry -------------------------------------------------------------
  int Width() const { return width_; }
  int Height() const { return height_; }
  int BorderWidth() const { return borderType_ == 1 ? 30 : 15; }
  // 0 outside both buttons, kUp or kDown; x and y in whole twips.
  int HitTest(int x, int y) const;
  // The size the control takes when its host gives it `width` x `height`.
  static int RuleWidth(int width) { return width < 400 ? 415 : width; }
  static int RuleHeight(int height) { return height < 255 ? 225 : height; }
  // The host gave the control this size (already through the rules).
  void Resized(int width, int height);
  // The font was written: repaint, or grow to the height of the text.
  void FontChanged();

  // ---- appearance -----------------------------------------------------------
  LongColour Backcolor() const { return backColor_; }
  LongColour ForeColor() const { return foreColor_; }
  std::int16_t BackStyle() const { return backStyle_; }
  std::int32_t BorderType() const { return borderType_; }
  LongColour BorderColor1() const { return borderColor_[0]; }
  LongColour BorderColor2() const { return borderColor_[1]; }
  LongColour BorderColor3() const { return borderColor_[2]; }
  LongColour BorderColor4() const { return borderColor_[3]; }
  LongColour ButtonColor() const { return buttonColor_; }
  LongColour BtnForecolor() const { return btnForecolor_; }
  LongColour CursorColor() const { return cursorColor_; }
  void SetBackcolor(LongColour c);
  void SetForeColor(LongColour c);
  void SetBackStyle(std::int16_t style);
  void SetBorderType(std::int32_t type);
  void SetBorderColor1(LongColour c) { SetBorderColor(0, c, "BorderColor1"); }
  void SetBorderColor2(LongColour c) { SetBorderColor(1, c, "BorderColor2"); }
  void SetBorderColor3(LongColour c) { SetBorderColor(2, c, "BorderColor3"); }
  void SetBorderColor4(LongColour c) { SetBorderColor(3, c, "BorderColor4"); }
  void SetButtonColor(LongColour c);
  void SetBtnForecolor(LongColour c);  // seen at the next repaint
  void SetCursorColor(LongColour c);   // seen when the cursor is next placed in full

  // The whole control as it is to be shown now.
  UpDownPicture Picture() const;
  // The longest leading part of the value text narrower than `width`, plus the
  // character that reaches it.
  std::string FitText(int width) const;

 private:
  bool Step(int delta);
  void ArrowStep(std::uint8_t button);
  void ClickStep();
  void EditKey(std::uint8_t key);
  void UpdateLimitFlags();
  void UpdateMenuStates();
  void TextRepainted();
  void PlaceCursor(bool full);
  void SetTimer(bool running);
  void ReleaseButtons();
  void SetBorderColor(int index, LongColour c, std::string_view name);
  void DrawBox(std::vector<TwipFill>& out, int style, int x1, int y1, int x2, int y2,
               LongColour fill, bool filled) const;

  UpDownTextHost& host_;

  std::int16_t min_ = 0;
  std::int16_t max_ = 100;
  std::int16_t value_ = 0;
  std::int32_t blinkInterval_ = 333;

  std::uint8_t cursorPos_ = 0;
  std::uint8_t pressedButton_ = kNone;
  std::uint8_t hitButton_ = kNone;
  bool upAtLimit_ = false;
  bool downAtLimit_ = false;
  bool hasFocus_ = false;
  bool timerRunning_ = false;
  bool upShownPressed_ = false;
  bool downShownPressed_ = false;

  bool maxItemEnabled_ = true;
  bool minItemEnabled_ = true;
  bool pasteItemEnabled_ = true;

  // The text cursor line.
  bool lineVisible_ = false;
  bool cursorInTextArea_ = false;
  int lineX_ = 0;
  int lineTop_ = 0;
  int lineBottom_ = 0;
  LongColour lineColour_ = 0;

  int width_ = 630;
  int height_ = 255;

  LongColour backColor_ = 0x00FFFFC0;
  LongColour foreColor_ = kSysButtonText;
  std::int16_t backStyle_ = 1;
  std::int32_t borderType_ = 0;
  LongColour borderColor_[4] = {0x00686868, 0x00686868, 0x00FFFF80, 0x00808080};
  LongColour buttonColor_ = 0x00C0C0C0;
  LongColour btnForecolor_ = 0;
  LongColour cursorColor_ = 0;
};

}  // namespace hk
