// UpDownText: the program's numeric spin control. A one-line field with a
// blinking text cursor showing a signed 16-bit number between Min and Max, edited
// in place with the digit keys, Backspace and Delete, stepped with the Up and Down
// keys or by holding the mouse on one of its two buttons, with a right-click menu.
// The rules live in UpDownTextModel; this widget feeds it Qt's events and paints.
#pragma once

#include <QMenu>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>

#include "updowntext/updowntextmodel.h"
#include "updowntext/updowntextprops.h"

class QAction;

namespace hk {

class UpDownText : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int value READ value WRITE setValue)
  // Help texts for a property browser.
  Q_CLASSINFO("value", "Set /Get Current Value.")
  Q_CLASSINFO("BlinkInterval",
              "Returns/sets the number of milliseconds between calls to a Timer control's "
              "Timer event.")
  Q_CLASSINFO("Enabled",
              "Returns/sets a value that determines whether an object can respond to "
              "user-generated events.")
  Q_CLASSINFO("Backcolor",
              "Returns/sets the background color used to display text and graphics in an "
              "object.")
  Q_CLASSINFO("ForeColor",
              "Returns/sets the foreground color used to display text and graphics in an "
              "object.")
  Q_CLASSINFO("Font", "Returns a Font object.")
  Q_CLASSINFO("BackStyle",
              "Indicates whether a Label or the background of a Shape is transparent or "
              "opaque.")
  Q_CLASSINFO("Refresh", "Forces a complete repaint of a object.")
  Q_CLASSINFO("Click",
              "Occurs when the user presses and then releases a mouse button over an object.")
  Q_CLASSINFO("KeyDown", "Occurs when the user presses a key while an object has the focus.")
  Q_CLASSINFO("KeyPress", "Occurs when the user presses and releases an ANSI key.")
  Q_CLASSINFO("KeyUp", "Occurs when the user releases a key while an object has the focus.")
  Q_CLASSINFO("MouseDown",
              "Occurs when the user presses the mouse button while an object has the focus.")
  Q_CLASSINFO("MouseMove", "Occurs when the user moves the mouse.")
  Q_CLASSINFO("MouseUp",
              "Occurs when the user releases the mouse button while an object has the focus.")

 public:
  explicit UpDownText(QWidget* parent = nullptr);
  ~UpDownText() override;

  // ---- the number -----------------------------------------------------------
  int value() const { return model_.value(); }
  // Assigning `value`: within Min..Max the number is shown and ValueChanged is
  // raised (also for the number already held); otherwise nothing happens.
  void setValue(int newValue) { model_.AssignValue(newValue); }
  // Shows a number within Min..Max without raising ValueChanged and answers true;
  // answers false and changes nothing otherwise. The host's way to load a value.
  bool SetValue(int newValue) { return model_.SetValue(newValue); }
  int Min() const { return model_.Min(); }
  int Max() const { return model_.Max(); }
  // The bound only: the value is not checked against it until the next
  // assignment. A bound outside 16 bits is ignored.
  void setMin(int bound) { model_.SetMin(bound); }
  void setMax(int bound) { model_.SetMax(bound); }
  // Cursor blink and mouse auto-repeat period in ms, 0 to 32767 (0: neither).
  int BlinkInterval() const { return model_.BlinkInterval(); }
  void setBlinkInterval(int ms) { model_.SetBlinkInterval(ms); }

  // The text that typing character `mkey` at the cursor would give, and the text
  // with the character left (8) or right (46) of the cursor removed.
  QString GetNewValueEx(std::uint8_t mkey) const;
  QString GetNewValue(std::uint8_t mkey) const;

  // ---- appearance (colours are Long colours; 0x800000xx are system colours) -
  LongColour Backcolor() const { return model_.Backcolor(); }
  void setBackcolor(LongColour c) { model_.SetBackcolor(c); }
  LongColour ForeColor() const { return model_.ForeColor(); }
  void setForeColor(LongColour c) { model_.SetForeColor(c); }
  int BackStyle() const { return model_.BackStyle(); }  // 1 opaque, 0 transparent
  void setBackStyle(int style);
  int BorderType() const { return model_.BorderType(); }  // 1 thick frame, else thin
  void setBorderType(int type) { model_.SetBorderType(type); }
  LongColour BorderColor1() const { return model_.BorderColor1(); }
  LongColour BorderColor2() const { return model_.BorderColor2(); }
  LongColour BorderColor3() const { return model_.BorderColor3(); }
  LongColour BorderColor4() const { return model_.BorderColor4(); }
  void setBorderColor1(LongColour c) { model_.SetBorderColor1(c); }
  void setBorderColor2(LongColour c) { model_.SetBorderColor2(c); }
  void setBorderColor3(LongColour c) { model_.SetBorderColor3(c); }
  void setBorderColor4(LongColour c) { model_.SetBorderColor4(c); }
  LongColour ButtonColor() const { return model_.ButtonColor(); }
  void setButtonColor(LongColour c) { model_.SetButtonColor(c); }
  LongColour BtnForecolor() const { return model_.BtnForecolor(); }
  void setBtnForecolor(LongColour c) { model_.SetBtnForecolor(c); }  // at the next repaint
  LongColour CursorColor() const { return model_.CursorColor(); }
  void setCursorColor(LongColour c) { model_.SetCursorColor(c); }  // at the next focus
  // Font: QWidget::setFont. A font taller than the text area makes the control
  // taller. Enabled: QWidget::setEnabled.
  void Refresh() { repaint(); }
  // The About item's action: nothing.
  void ShowAbout() {}

  // ---- stored properties ----------------------------------------------------
  void ReadProperties(const PropertyBag& bag);
  void WriteProperties(PropertyBag& bag) const;

  // ---- for inspection -------------------------------------------------------
  const UpDownTextModel& model() const { return model_; }
  QMenu* mnuMain() const { return mnuMain_; }
  QTimer* Timer1() const { return timer_; }

  QSize sizeHint() const override;

 signals:
  void ValueChanged();
  void Click();
  // Raised first on every key press; setting KeyCode to 0 cancels the key.
  void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift);
  void KeyPress(std::int16_t& KeyAscii);
  void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift);
  // Button 1 left, 2 right, 4 middle; Shift 1 Shift, 2 Ctrl, 4 Alt; X, Y in twips.
  void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
  void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
  void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
  // A stored property was written (by its stored name), for a host that keeps them.
  void PropertyChanged(const QString& name);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // The Menu key (or Shift+F10) opens the right-click menu below the control.
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  class Bridge;
  friend class Bridge;

  void BuildMenu();
  void SyncTimer(bool restart);
  void ShowMenuAtPointer();
  void Paste();

  std::unique_ptr<Bridge> bridge_;
  UpDownTextModel model_;
  QTimer* timer_ = nullptr;
  QMenu* mnuMain_ = nullptr;
  QAction* mnumax_ = nullptr;
  QAction* mnumin_ = nullptr;
  QAction* mnuPste_ = nullptr;
  QPoint menuPos_;
  bool loading_ = false;
  bool ownEnabled_ = true;  // the Enabled flag last reported
  std::optional<FontSpec> storedFont_;
  QFont storedAsQFont_;
};

// The Windows virtual-key code of a Qt key event, as KeyDown and KeyUp report it.
// The digit row counts by its position, so Shift+5 (which X11 reports as '%') is 5.
std::int16_t VirtualKeyOf(const QKeyEvent& event);

// A new channel editor as the main window places them (TxtR, TxtG, TxtB, TxtK):
// window colours, Tahoma 9 pt (or the closest installed sans-serif), Max 255,
// 630 x 255 twips. The caller places it.
UpDownText* CreateMainWindowEditor(QWidget* parent, const QString& objectName);

// The properties the main window keeps for each of its channel editors.
MemoryPropertyBag MainWindowEditorProperties();

}  // namespace hk
