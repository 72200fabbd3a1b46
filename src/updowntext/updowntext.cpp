#include "updowntext/updowntext.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <cmath>
#include <limits>
#include <utility>

#include "colour/ansitext.h"
#include "platform/colours.h"
#include "platform/twips.h"
#include "updowntext/updowntextfont.h"

namespace hk {

namespace {

std::int16_t ShiftOf(Qt::KeyboardModifiers m) {
  std::int16_t s = 0;
  if (m & Qt::ShiftModifier) s |= UpDownTextModel::kShiftMask;
  if (m & Qt::ControlModifier) s |= UpDownTextModel::kCtrlMask;
  if (m & Qt::AltModifier) s |= UpDownTextModel::kAltMask;
  return s;
}

std::int16_t ButtonOf(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return UpDownTextModel::kLeftButton;
    case Qt::RightButton: return UpDownTextModel::kRightButton;
    case Qt::MiddleButton: return UpDownTextModel::kMiddleButton;
    default: return 0;
  }
}

std::int16_t ButtonsOf(Qt::MouseButtons b) {
  std::int16_t mask = 0;
  if (b & Qt::LeftButton) mask |= UpDownTextModel::kLeftButton;
  if (b & Qt::RightButton) mask |= UpDownTextModel::kRightButton;
  if (b & Qt::MiddleButton) mask |= UpDownTextModel::kMiddleButton;
  return mask;
}

float Twips(qreal pixels) { return static_cast<float>(pixels * kTwipsPerPixel); }

// The character code KeyPress reports: the typed text in Windows-1252, 0 for none.
std::int16_t AnsiCharOf(const QString& text) {
  // Delete gives a DEL character on X11 but is no character key.
  if (text.isEmpty() || text.at(0) == QChar(0x7F)) return 0;
  const std::string ansi = ToAnsi(text.left(text.at(0).isHighSurrogate() ? 2 : 1).toStdString());
  return ansi.empty() ? 0 : static_cast<std::int16_t>(static_cast<unsigned char>(ansi[0]));
}

// Device pixels [first, last) whose centres lie in the twip span [from, from + length).
std::pair<int, int> DeviceSpan(int from, int length, double twipsPerDevicePixel) {
  const auto edge = [&](double twips) {
    return static_cast<int>(std::floor(twips / twipsPerDevicePixel + 0.5));
  };
  return {edge(from), edge(static_cast<double>(from) + length)};
}

// What assistive technology sees: a spin box named by its label, holding its number.
class UpDownTextAccessible : public QAccessibleWidget {
 public:
  explicit UpDownTextAccessible(UpDownText* w) : QAccessibleWidget(w, QAccessible::SpinBox) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value)
      return QString::number(static_cast<const UpDownText*>(widget())->value());
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* UpDownTextFactory(const QString& className, QObject* object) {
  return className == QLatin1String("hk::UpDownText")
             ? new UpDownTextAccessible(static_cast<UpDownText*>(object))
             : nullptr;
}

}  // namespace

// ---- the bridge from the model to Qt ----------------------------------------------

class UpDownText::Bridge : public UpDownTextHost {
 public:
  explicit Bridge(UpDownText& w) : w_(w) {}

  void RaiseValueChanged() override { emit w_.ValueChanged(); }
  void RaiseClick() override { emit w_.Click(); }
  void RaiseKeyDown(std::int16_t& keyCode, std::int16_t& shift) override {
    emit w_.KeyDown(keyCode, shift);
  }
  void RaiseKeyPress(std::int16_t& keyAscii) override { emit w_.KeyPress(keyAscii); }
  void RaiseKeyUp(std::int16_t& keyCode, std::int16_t& shift) override {
    emit w_.KeyUp(keyCode, shift);
  }
  void RaiseMouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y) override {
    emit w_.MouseDown(button, shift, x, y);
  }
  void RaiseMouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y) override {
    emit w_.MouseMove(button, shift, x, y);
  }
  void RaiseMouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y) override {
    emit w_.MouseUp(button, shift, x, y);
  }
  void PropertyChanged(std::string_view name) override {
    if (w_.loading_) return;  // restoring stored values changes nothing to store
    emit w_.PropertyChanged(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  }

  void Repaint() override { w_.update(); }
  void TimerChanged() override { w_.SyncTimer(false); }
  void RestartTimer() override { w_.SyncTimer(true); }
  bool ClipboardHasText() override {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
  }
  void ShowMenu() override { w_.ShowMenuAtPointer(); }
  void RequestSize(int widthTwips, int heightTwips) override {
    w_.resize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
  }
  int TextWidth(std::string_view text) override {
    const QFontMetricsF fm(w_.font());
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return static_cast<int>(std::lround(fm.horizontalAdvance(s) * kTwipsPerPixel));
  }
  int TextHeight(std::string_view) override {
    return static_cast<int>(std::lround(QFontMetricsF(w_.font()).height() * kTwipsPerPixel));
  }

 private:
  UpDownText& w_;
};

// ---- the widget -------------------------------------------------------------------

UpDownText::UpDownText(QWidget* parent)
    : QWidget(parent), bridge_(std::make_unique<Bridge>(*this)), model_(*bridge_) {
  static const bool accessible = [] {
    QAccessible::installFactory(&UpDownTextFactory);
    return true;
  }();
  (void)accessible;
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);  // MouseMove is raised without a button held too
  setAttribute(Qt::WA_InputMethodEnabled, false);
  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("Timer1"));
  timer_->setInterval(model_.BlinkInterval());
  connect(timer_, &QTimer::timeout, this, [this] { model_.TimerTick(); });
  BuildMenu();
  resize(sizeHint());
}

UpDownText::~UpDownText() = default;

QSize UpDownText::sizeHint() const { return QSize(TwipsToPixels(630), TwipsToPixels(255)); }

void UpDownText::BuildMenu() {
  mnuMain_ = new QMenu(QStringLiteral("Main"), this);
  mnuMain_->setObjectName(QStringLiteral("mnuMain"));
  const auto add = [this](const char* name, const QString& caption) {
    QAction* a = mnuMain_->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
  };
  mnumax_ = add("mnumax", QStringLiteral("Set to Maximum"));
  mnumin_ = add("mnumin", QStringLiteral("Set to Minimum"));
  mnuMain_->addSeparator()->setObjectName(QStringLiteral("mnusep"));
  QAction* copy = add("mnuCopy", QStringLiteral("&Copy"));
  mnuPste_ = add("mnuPste", QStringLiteral("&Paste"));
  QAction* about = add("mnuAbout", QStringLiteral("&About"));
  connect(mnumax_, &QAction::triggered, this, [this] { model_.SetToMaximum(); });
  connect(mnumin_, &QAction::triggered, this, [this] { model_.SetToMinimum(); });
  connect(copy, &QAction::triggered, this, [this] {
    QGuiApplication::clipboard()->setText(QString::fromStdString(model_.CopyText()));
  });
  connect(mnuPste_, &QAction::triggered, this, [this] { Paste(); });
  connect(about, &QAction::triggered, this, [this] { ShowAbout(); });
}

void UpDownText::Paste() { model_.Paste(QGuiApplication::clipboard()->text().toStdString()); }

void UpDownText::ShowMenuAtPointer() {
  mnumax_->setEnabled(model_.MaxItemEnabled());
  mnumin_->setEnabled(model_.MinItemEnabled());
  mnuPste_->setEnabled(model_.PasteItemEnabled());
  mnuMain_->popup(menuPos_);
}

void UpDownText::SyncTimer(bool restart) {
  const int interval = model_.BlinkInterval();
  if (timer_->interval() != interval) timer_->setInterval(interval);
  // An interval of 0 stops the timer, as it would otherwise tick without pause.
  const bool run = model_.TimerRunning() && interval > 0;
  if (!run) {
    timer_->stop();
  } else if (restart || !timer_->isActive()) {
    timer_->start();
  }
}

QString UpDownText::GetNewValueEx(std::uint8_t mkey) const {
  return QString::fromStdString(FromAnsi(model_.GetNewValueEx(mkey)));
}

QString UpDownText::GetNewValue(std::uint8_t mkey) const {
  return QString::fromStdString(model_.GetNewValue(mkey));
}

void UpDownText::setBackStyle(int style) {
  if (style < std::numeric_limits<std::int16_t>::min() ||
      style > std::numeric_limits<std::int16_t>::max()) {
    return;
  }
  model_.SetBackStyle(static_cast<std::int16_t>(style));
  setAttribute(Qt::WA_OpaquePaintEvent, style != 0);
}

// ---- stored properties ------------------------------------------------------------

void UpDownText::ReadProperties(const PropertyBag& bag) {
  const QWidget* host = parentWidget();
  const FontSpec ambient = ToFontSpec(host != nullptr ? host->font() : QApplication::font());
  const UpDownTextProperties p = ReadUpDownTextProperties(bag, ambient);
  loading_ = true;
  model_.SetBackcolor(p.backColor);
  model_.SetForeColor(p.foreColor);
  setEnabled(p.enabled);
  ownEnabled_ = p.enabled;  // also under a disabled window, where no change event comes
  if (p.font == ambient) {
    storedFont_.reset();
    setFont(QFont());  // follow the host's font
  } else {
    // Kept as stored, so a face this system lacks (Tahoma) is written back as it
    // was and not as its stand-in.
    storedFont_ = p.font;
    setFont(ToQFont(p.font));
    storedAsQFont_ = font();
  }
  setBackStyle(p.backStyle);
  model_.SetBorderType(p.borderType);
  model_.SetBorderColor1(p.borderColor1);
  model_.SetBorderColor2(p.borderColor2);
  model_.SetMin(p.min);
  model_.SetMax(p.max);
  model_.RestoreValue(p.value);
  model_.SetBorderColor3(p.borderColor3);
  model_.SetBorderColor4(p.borderColor4);
  model_.SetButtonColor(p.buttonColor);
  model_.SetBtnForecolor(p.btnForecolor);
  model_.SetCursorColor(p.cursorColor);
  model_.SetBlinkInterval(p.blinkInterval);
  loading_ = false;
  update();
}

void UpDownText::WriteProperties(PropertyBag& bag) const {
  const QWidget* host = parentWidget();
  const FontSpec ambient = ToFontSpec(host != nullptr ? host->font() : QApplication::font());
  UpDownTextProperties p;
  p.backColor = model_.Backcolor();
  p.foreColor = model_.ForeColor();
  // The control's own flag: under a disabled window it is still enabled itself.
  p.enabled = isEnabledTo(parentWidget());
  if (!testAttribute(Qt::WA_SetFont)) {
    p.font = ambient;
  } else if (storedFont_ && font() == storedAsQFont_) {
    p.font = *storedFont_;
  } else {
    p.font = ToFontSpec(font());
  }
  p.backStyle = model_.BackStyle();
  p.borderType = model_.BorderType();
  p.borderColor1 = model_.BorderColor1();
  p.borderColor2 = model_.BorderColor2();
  p.min = model_.Min();
  p.max = model_.Max();
  p.value = model_.value();
  p.borderColor3 = model_.BorderColor3();
  p.borderColor4 = model_.BorderColor4();
  p.buttonColor = model_.ButtonColor();
  p.btnForecolor = model_.BtnForecolor();
  p.cursorColor = model_.CursorColor();
  p.blinkInterval = model_.BlinkInterval();
  WriteUpDownTextProperties(bag, p, ambient);
}

// ---- events -----------------------------------------------------------------------

void UpDownText::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, false);
  const qreal dpr = devicePixelRatioF();
  const double twipsPerDevicePixel = kTwipsPerPixel / dpr;
  // A disabled control only takes no input: it keeps the colours of an enabled one.
  QPalette pal = palette();
  pal.setCurrentColorGroup(QPalette::Active);
  const UpDownPicture picture = model_.Picture();

  // Each twip rectangle takes the device pixels whose centres it covers, so the
  // one-pixel strokes stay one pixel and the glyph rows keep their twip shape.
  const auto fill = [&](const TwipFill& f) {
    const auto [x0, x1] = DeviceSpan(f.x, f.w, twipsPerDevicePixel);
    const auto [y0, y1] = DeviceSpan(f.y, f.h, twipsPerDevicePixel);
    if (x1 <= x0 || y1 <= y0) return;
    p.fillRect(QRectF(x0 / dpr, y0 / dpr, (x1 - x0) / dpr, (y1 - y0) / dpr),
               ToQColor(f.colour, pal));
  };
  for (const TwipFill& f : picture.underText) fill(f);

  p.setFont(font());
  p.setPen(ToQColor(picture.textColour, pal));
  const QFontMetricsF fm(font());
  p.drawText(QPointF(picture.textX / double(kTwipsPerPixel),
                     picture.textY / double(kTwipsPerPixel) + fm.ascent()),
             QString::fromStdString(picture.text));

  for (const TwipFill& f : picture.overText) fill(f);
}

void UpDownText::resizeEvent(QResizeEvent* event) {
  const int w = PixelsToTwips(event->size().width());
  const int h = PixelsToTwips(event->size().height());
  const int ruleW = UpDownTextModel::RuleWidth(w);
  const int ruleH = UpDownTextModel::RuleHeight(h);
  if (ruleW != w || ruleH != h) {
    resize(TwipsToPixels(ruleW), TwipsToPixels(ruleH));
    return;
  }
  model_.Resized(w, h);
}

void UpDownText::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) model_.Shown();
}

void UpDownText::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  switch (event->type()) {
    case QEvent::FontChange: model_.FontChanged(); break;
    case QEvent::EnabledChange:
      // Only the control's own flag is a change to store, not a parent's.
      if (const bool own = isEnabledTo(parentWidget()); own != ownEnabled_) {
        ownEnabled_ = own;
        if (!loading_) emit PropertyChanged(QStringLiteral("Enabled"));
      }
      update();
      break;
    case QEvent::PaletteChange: update(); break;
    default: break;
  }
}

void UpDownText::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // The context menu takes the keyboard for a moment; the control keeps its state.
  if (event->reason() == Qt::PopupFocusReason && model_.HasFocus()) return;
  model_.FocusIn();
}

void UpDownText::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  if (event->reason() == Qt::PopupFocusReason) return;
  model_.FocusOut();
}

void UpDownText::keyPressEvent(QKeyEvent* event) {
  const std::int16_t acted = model_.KeyPressed(VirtualKeyOf(*event), ShiftOf(event->modifiers()));
  if (const std::int16_t ascii = AnsiCharOf(event->text()); ascii != 0) {
    model_.CharacterTyped(ascii);
  }
  // Keys the control has no use for go on to the window (Enter, Escape, shortcuts).
  const bool used = acted == UpDownTextModel::kKeyUp || acted == UpDownTextModel::kKeyDown ||
                    acted == UpDownTextModel::kKeyLeft || acted == UpDownTextModel::kKeyRight ||
                    acted == UpDownTextModel::kKeyHome || acted == UpDownTextModel::kKeyEnd ||
                    acted == UpDownTextModel::kKeyBack || acted == UpDownTextModel::kKeyDelete ||
                    (acted >= '0' && acted <= '9') || acted == 0;
  event->setAccepted(used);
}

void UpDownText::keyReleaseEvent(QKeyEvent* event) {
  // A held key repeats its press only; its release comes once, at the end.
  if (event->isAutoRepeat()) return;
  model_.KeyReleased(VirtualKeyOf(*event), ShiftOf(event->modifiers()));
}

void UpDownText::mousePressEvent(QMouseEvent* event) {
  const std::int16_t button = ButtonOf(event->button());
  if (button == 0) {
    event->ignore();
    return;
  }
  model_.MousePressed(button, ShiftOf(event->modifiers()), Twips(event->position().x()),
                      Twips(event->position().y()));
}

void UpDownText::mouseMoveEvent(QMouseEvent* event) {
  model_.MouseMoved(ButtonsOf(event->buttons()), ShiftOf(event->modifiers()),
                    Twips(event->position().x()), Twips(event->position().y()));
}

void UpDownText::contextMenuEvent(QContextMenuEvent* event) {
  // The mouse's menu opens on the right button's release, through the model.
  if (event->reason() == QContextMenuEvent::Mouse) {
    event->ignore();
    return;
  }
  menuPos_ = mapToGlobal(rect().bottomLeft());
  ShowMenuAtPointer();
}

void UpDownText::mouseReleaseEvent(QMouseEvent* event) {
  const std::int16_t button = ButtonOf(event->button());
  if (button == 0) {
    event->ignore();
    return;
  }
  menuPos_ = event->globalPosition().toPoint();
  model_.MouseReleased(button, ShiftOf(event->modifiers()), Twips(event->position().x()),
                       Twips(event->position().y()));
  // A click: the left button pressed and released on the control.
  if (button == UpDownTextModel::kLeftButton && rect().contains(event->position().toPoint())) {
    model_.Clicked();
  }
}

// ---- key codes --------------------------------------------------------------------

std::int16_t VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
  // X11 and Wayland key codes 10 to 19 are the digit row 1 ... 9, 0 on every
  // layout, whatever the shift state makes of them.
  const quint32 scan = event.nativeScanCode();
  if (!keypad && scan >= 10 && scan <= 19) {
    return static_cast<std::int16_t>(scan == 19 ? '0' : '1' + static_cast<int>(scan - 10));
  }
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    return static_cast<std::int16_t>((keypad ? 96 : '0') + (key - Qt::Key_0));
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<std::int16_t>(key);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
    return static_cast<std::int16_t>(112 + (key - Qt::Key_F1));
  }
  switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Clear: return 12;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Print: return 44;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Menu: return 93;
    case Qt::Key_Asterisk: return keypad ? 106 : 0;
    case Qt::Key_Plus: return keypad ? 107 : 187;
    case Qt::Key_Minus: return keypad ? 109 : 189;
    case Qt::Key_Period: return keypad ? 110 : 190;
    case Qt::Key_Slash: return keypad ? 111 : 191;
    case Qt::Key_NumLock: return 144;
    case Qt::Key_ScrollLock: return 145;
    case Qt::Key_Semicolon: return 186;
    case Qt::Key_Equal: return 187;
    case Qt::Key_Comma: return 188;
    case Qt::Key_QuoteLeft: return 192;
    case Qt::Key_BracketLeft: return 219;
    case Qt::Key_Backslash: return 220;
    case Qt::Key_BracketRight: return 221;
    case Qt::Key_Apostrophe: return 222;
    default: return 0;
  }
}

// ---- the main window's editors ----------------------------------------------------

MemoryPropertyBag MainWindowEditorProperties() {
  MemoryPropertyBag bag;
  bag.WriteProperty("_extentx", std::int32_t{1111});
  bag.WriteProperty("_extenty", std::int32_t{450});
  bag.WriteProperty("backcolor", kSysWindowBackground);
  bag.WriteProperty("forecolor", kSysWindowText);
  FontSpec tahoma;
  tahoma.name = "Tahoma";
  tahoma.points = 9;
  bag.WriteProperty("font", tahoma);
  bag.WriteProperty("bordercolor1", kSys3DDarkShadow);
  bag.WriteProperty("bordercolor2", kSys3DLight);
  bag.WriteProperty("max", std::int32_t{255});
  bag.WriteProperty("bordercolor3", kSys3DHighlight);
  bag.WriteProperty("bordercolor4", kSys3DDarkShadow);
  bag.WriteProperty("buttoncolor", kSysButtonFace);
  bag.WriteProperty("btnforecolor", kSysButtonText);
  return bag;
}

UpDownText* CreateMainWindowEditor(QWidget* parent, const QString& objectName) {
  auto* editor = new UpDownText(parent);
  editor->setObjectName(objectName);
  const MemoryPropertyBag bag = MainWindowEditorProperties();
  const auto extent = [&bag](const char* name) {
    const auto v = bag.ReadProperty(name);
    return ExtentToTwips(std::get<std::int32_t>(*v));
  };
  editor->resize(TwipsToPixels(extent("_extentx")), TwipsToPixels(extent("_extenty")));
  editor->ReadProperties(bag);
  return editor;
}

}  // namespace hk
