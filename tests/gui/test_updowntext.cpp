// The spin control's wiring, offscreen: Qt's key, mouse, focus and timer events
// reach its rules, and their results its signals, menu, timer and stored properties.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>
#include <QTimerEvent>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/twips.h"
#include "updowntext/updowntext.h"

namespace hk {
namespace {

using Log = std::vector<std::string>;

// Points inside the 630 x 255 twip control, in pixels.
QPoint AtTwips(int x, int y) { return QPoint(x / kTwipsPerPixel, y / kTwipsPerPixel); }
const QPoint kUpButton = AtTwips(530, 45);
const QPoint kTextArea = AtTwips(200, 120);

class UpDownTextGui : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    window->resize(200, 100);
    editor = CreateMainWindowEditor(window.get(), QStringLiteral("TxtR"));
    editor->move(10, 10);
    const auto log = [this](const char* name) { return [this, name] { events.push_back(name); }; };
    QObject::connect(editor, &UpDownText::ValueChanged, log("ValueChanged"));
    QObject::connect(editor, &UpDownText::Click, log("Click"));
    QObject::connect(editor, &UpDownText::KeyUp, log("KeyUp"));
    QObject::connect(editor, &UpDownText::MouseUp, log("MouseUp"));
    QObject::connect(editor, &UpDownText::MouseDown,
                     [this](std::int16_t& b, std::int16_t&, float& x, float& y) {
                       events.push_back("MouseDown " + std::to_string(b) + " " +
                                        std::to_string(int(x)) + "," + std::to_string(int(y)));
                     });
    QObject::connect(editor, &UpDownText::MouseMove, [this](std::int16_t& b, std::int16_t&, float&, float&) {
      events.push_back("MouseMove " + std::to_string(b));
    });
    QObject::connect(editor, &UpDownText::KeyDown, [this](std::int16_t& code, std::int16_t&) {
      events.push_back("KeyDown");
      if (cancelKeys) code = 0;
    });
    QObject::connect(editor, &UpDownText::KeyPress, [this](std::int16_t& ascii) {
      events.push_back("KeyPress " + std::to_string(ascii));
    });
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    editor->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([this] { return editor->hasFocus(); }));
  }
  void TearDown() override {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  }

  // The control holding `value` with its cursor `cursor` characters in, nothing logged.
  void Start(int value, int cursor) {
    ASSERT_TRUE(editor->SetValue(value));
    QTest::keyClick(editor, Qt::Key_Home);
    for (int i = 0; i < cursor; ++i) QTest::keyClick(editor, Qt::Key_Right);
    events.clear();
  }
  // One tick of the control's timer, whatever its interval.
  void Tick() {
    QTimerEvent tick(editor->Timer1()->timerId());
    QApplication::sendEvent(editor->Timer1(), &tick);
  }
  bool Send(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers mods = {}, bool repeat = false) {
    QKeyEvent e(type, key, mods, QString(), repeat);
    QApplication::sendEvent(editor, &e);
    return e.isAccepted();
  }
  void Move(QPoint at, Qt::MouseButtons held) {
    QMouseEvent e(QEvent::MouseMove, at, editor->mapToGlobal(at), Qt::NoButton, held, {});
    QApplication::sendEvent(editor, &e);
  }
  QAction* Item(const char* name) { return editor->mnuMain()->findChild<QAction*>(name); }
  // Right-clicks the control and clicks the item in the menu that opens.
  void Choose(const char* name) {
    QTest::mouseClick(editor, Qt::RightButton, {}, kTextArea);
    QMenu* menu = editor->mnuMain();
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(Item(name)).center());
    EXPECT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); })) << name;
  }

  std::unique_ptr<QWidget> window;
  UpDownText* editor = nullptr;
  Log events;
  bool cancelKeys = false;
};

TEST_F(UpDownTextGui, KeysReachTheRules) {
  Start(0, 1);
  for (Qt::Key k : {Qt::Key_1, Qt::Key_2, Qt::Key_5}) QTest::keyClick(editor, k);
  EXPECT_EQ(std::tuple(editor->value(), int{editor->model().CursorPos()}), std::tuple(125, 3));
  // What X11 delivers for Shift+5 on a US keyboard: '%' from key code 14.
  Start(1, 1);
  QKeyEvent percent(QEvent::KeyPress, Qt::Key_Percent, Qt::ShiftModifier, 14, 0x25, 1, "%");
  QApplication::sendEvent(editor, &percent);
  QTest::keyClick(editor, Qt::Key_5, Qt::KeypadModifier);
  EXPECT_EQ(editor->value(), 15);
  EXPECT_EQ(events, (Log{"KeyDown", "ValueChanged", "KeyPress 37", "KeyDown", "KeyPress 53", "KeyUp"}));
  // A KeyDown handler that clears the key code cancels the key.
  Start(25, 2);
  cancelKeys = true;
  for (Qt::Key key : {Qt::Key_7, Qt::Key_Up, Qt::Key_Backspace}) QTest::keyClick(editor, key);
  EXPECT_EQ(std::tuple(editor->value(), int{editor->model().CursorPos()}), std::tuple(25, 2));
  EXPECT_EQ(events, (Log{"KeyDown", "KeyPress 55", "KeyUp", "KeyDown", "KeyUp", "KeyDown",
                         "KeyPress 8", "KeyUp"}));
  // Keys the control has no use for go on to the window.
  cancelKeys = false;
  const std::pair<Qt::Key, bool> used[] = {{Qt::Key_Return, false}, {Qt::Key_Escape, false},
                                           {Qt::Key_F1, false},     {Qt::Key_Up, true},
                                           {Qt::Key_Delete, true},  {Qt::Key_Home, true}};
  for (auto [key, want] : used) EXPECT_EQ(Send(QEvent::KeyPress, key), want) << key;
}

TEST_F(UpDownTextGui, HeldArrowKeyStepsPerRepeatAndPopsUpOnRelease) {
  Start(10, 2);
  Send(QEvent::KeyPress, Qt::Key_Up);
  for (int i = 0; i < 3; ++i) {  // a held key repeats its press; its one release comes last
    Send(QEvent::KeyRelease, Qt::Key_Up, {}, true);
    Send(QEvent::KeyPress, Qt::Key_Up, {}, true);
  }
  EXPECT_EQ(std::tuple(editor->value(), editor->model().UpShownPressed()), std::tuple(14, true));
  Send(QEvent::KeyRelease, Qt::Key_Up);
  EXPECT_FALSE(editor->model().UpShownPressed());
  EXPECT_EQ(std::count(events.begin(), events.end(), "Click"), 4);
  EXPECT_EQ(events.back(), "KeyUp");
  EXPECT_EQ(std::count(events.begin(), events.end(), "KeyUp"), 1);
}

TEST_F(UpDownTextGui, MouseAndTimerReachTheButtons) {
  Start(10, 2);
  QTest::mousePress(editor, Qt::LeftButton, {}, kUpButton);
  EXPECT_TRUE(editor->model().UpShownPressed());
  Tick();
  EXPECT_EQ(editor->value(), 11) << "a tick steps the held button";
  Move(kTextArea, Qt::LeftButton);
  Tick();
  QTest::mouseRelease(editor, Qt::LeftButton, {}, kTextArea);
  Move(kUpButton, Qt::NoButton);
  EXPECT_EQ(editor->value(), 11);
  EXPECT_FALSE(editor->model().UpShownPressed());
  EXPECT_EQ(events, (Log{"MouseDown 1 525,45", "ValueChanged", "MouseMove 1", "MouseUp", "Click",
                         "MouseMove 0"}));
  // A right click on a button opens the menu and leaves the button raised and
  // the control its focus.
  events.clear();
  QTest::mousePress(editor, Qt::RightButton, {}, kUpButton);
  QTest::mouseRelease(editor, Qt::RightButton, {}, kUpButton);
  EXPECT_TRUE(QTest::qWaitFor([this] { return editor->mnuMain()->isVisible(); }));
  EXPECT_FALSE(editor->model().UpShownPressed());
  EXPECT_EQ(events, Log{"MouseDown 2 525,45"}) << "no MouseUp for the right button";
  editor->mnuMain()->close();
  EXPECT_TRUE(editor->model().HasFocus());
}

TEST_F(UpDownTextGui, FocusRunsTheTimerThatBlinksTheCursor) {
  EXPECT_EQ(std::tuple(editor->Timer1()->isActive(), editor->Timer1()->interval(),
                       editor->model().CursorVisible()),
            std::tuple(true, 333, true));
  Tick();
  EXPECT_FALSE(editor->model().CursorVisible());
  auto* other = new QWidget(window.get());
  other->setFocusPolicy(Qt::StrongFocus);
  other->show();
  other->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([other] { return other->hasFocus(); }));
  EXPECT_FALSE(editor->Timer1()->isActive());
  editor->setBlinkInterval(0);
  editor->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([this] { return editor->hasFocus(); }));
  EXPECT_FALSE(editor->Timer1()->isActive()) << "an interval of 0 runs no timer";
  editor->setBlinkInterval(100);
  EXPECT_EQ(std::tuple(editor->Timer1()->isActive(), editor->Timer1()->interval()), std::tuple(true, 100));
}

TEST_F(UpDownTextGui, MenuItemsTheirStatesAndActions) {
  QMenu* menu = editor->mnuMain();
  std::vector<QString> captions;
  for (QAction* a : menu->actions()) captions.push_back(a->isSeparator() ? a->objectName() : a->text());
  EXPECT_EQ(std::tuple(menu->title(), captions),
            std::tuple(QString("Main"), std::vector<QString>{"Set to Maximum", "Set to Minimum", "mnusep",
                                                            "&Copy", "&Paste", "&About"}));
  // Set to Maximum, Set to Minimum, Paste: + enabled, - not.
  const auto enabled = [this] {
    std::string s;
    for (const char* name : {"mnumax", "mnumin", "mnuPste"}) s += Item(name)->isEnabled() ? '+' : '-';
    return s;
  };
  QApplication::clipboard()->clear();
  Start(255, 3);
  Choose("mnumin");  // the states as the menu opened at Max, with nothing to paste
  EXPECT_EQ(std::tuple(editor->value(), enabled()), std::tuple(0, std::string("-+-")));
  Choose("mnumax");
  EXPECT_EQ(std::tuple(editor->value(), enabled()), std::tuple(255, std::string("+--")));
  editor->SetValue(42);
  Choose("mnuCopy");
  EXPECT_EQ(QApplication::clipboard()->text(), "42");
  Choose("mnuAbout");
  QApplication::clipboard()->setText("300 apples");
  Choose("mnuPste");
  EXPECT_EQ(editor->value(), 255);
  EXPECT_EQ(std::count(events.begin(), events.end(), "ValueChanged"), 3);
}

TEST_F(UpDownTextGui, StoredPropertiesAndTheirMarks) {
  // The main window's editor stores what it was given, Tahoma included.
  MemoryPropertyBag written;
  editor->WriteProperties(written);
  const MemoryPropertyBag given = MainWindowEditorProperties();
  for (const auto& [name, value] : written.Entries()) EXPECT_EQ(given.ReadProperty(name), value) << name;
  EXPECT_EQ(written.Entries().size(), given.Entries().size() - 2) << "all but the extents";

  std::vector<QString> marked;
  QObject::connect(editor, &UpDownText::PropertyChanged,
                   [&marked](const QString& name) { marked.push_back(name); });
  editor->ReadProperties(MainWindowEditorProperties());
  editor->SetValue(7);
  EXPECT_TRUE(marked.empty()) << "restoring and SetValue mark nothing";
  // Under a disabled window the control is still enabled itself: nothing to store.
  window->setEnabled(false);
  MemoryPropertyBag underDisabled;
  editor->WriteProperties(underDisabled);
  EXPECT_EQ(underDisabled.ReadProperty("Enabled"), std::nullopt);
  window->setEnabled(true);
  editor->setValue(8);
  editor->setBackStyle(40000);  // beyond 16 bits: ignored
  editor->setBackStyle(-32768);
  editor->setEnabled(false);
  QFont f = editor->font();
  f.setPointSize(10);
  editor->setFont(f);
  EXPECT_EQ(marked, (std::vector<QString>{"Value", "BackStyle", "Enabled", "Font"}));
  MemoryPropertyBag disabled;
  editor->WriteProperties(disabled);
  EXPECT_EQ(disabled.ReadProperty("Enabled"), PropertyValue(false));
}

TEST_F(UpDownTextGui, SizeAndFontRules) {
  editor->resize(20, 16);  // 300 x 240 twips
  EXPECT_EQ(editor->size(), QSize(28, 15)) << "415 x 225 twips";
  editor->resize(42, 17);
  QFont big = editor->font();
  big.setPointSize(20);
  editor->setFont(big);
  EXPECT_NEAR(editor->height(), QFontMetricsF(big).height() + 2, 1.0) << "the text and the frame";
  EXPECT_EQ(editor->width(), 42);
}

TEST(UpDownTextKeys, VirtualKeyCodes) {
  using enum Qt::Key;
  const auto none = Qt::NoModifier, shift = Qt::ShiftModifier, keypad = Qt::KeypadModifier;
  // clang-format off
  const struct { Qt::Key key; Qt::KeyboardModifier mods; quint32 scanCode; int want; } cases[] = {
      {Key_5, none, 0, '5'}, {Key_0, none, 0, '0'}, {Key_5, keypad, 0, 101}, {Key_0, keypad, 90, 96},
      // The digit row by its position, whatever the layout and Shift make of it.
      {Key_Percent, shift, 14, '5'}, {Key_ParenRight, shift, 19, '0'}, {Key_Exclam, shift, 10, '1'},
      {Key_Eacute, none, 11, '2'},
      {Key_Backspace, none, 22, 8}, {Key_Delete, none, 119, 46}, {Key_Left, none, 113, 37},
      {Key_Up, none, 111, 38}, {Key_Right, none, 114, 39}, {Key_Down, none, 116, 40},
      {Key_Home, none, 110, 36}, {Key_End, none, 115, 35}, {Key_PageUp, none, 112, 33},
      {Key_A, none, 38, 65}, {Key_Minus, keypad, 82, 109}, {Key_Return, none, 36, 13},
      {Key_F1, none, 67, 112}, {Key_Shift, shift, 50, 16},
  };
  // clang-format on
  for (const auto& c : cases) {
    const QKeyEvent e(QEvent::KeyPress, c.key, c.mods, c.scanCode, 0, 0);
    EXPECT_EQ(VirtualKeyOf(e), c.want) << c.key << " scan " << c.scanCode;
  }
}

}  // namespace
}  // namespace hk
