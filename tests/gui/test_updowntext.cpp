// The spin control driven by real key and mouse events, offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/twips.h"
#include "updowntext/updowntext.h"
#include "updowntext/updowntextfont.h"

namespace hk {
namespace {

using Log = std::vector<std::string>;

// Points inside the 630 x 255 twip control, in pixels.
QPoint AtTwips(int x, int y) { return QPoint(x / kTwipsPerPixel, y / kTwipsPerPixel); }
const QPoint kUpButton = AtTwips(530, 45);
const QPoint kDownButton = AtTwips(530, 210);
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
    QObject::connect(editor, &UpDownText::MouseDown, log("MouseDown"));
    QObject::connect(editor, &UpDownText::MouseUp, log("MouseUp"));
    QObject::connect(editor, &UpDownText::KeyDown, [this](std::int16_t& code, std::int16_t&) {
      events.push_back("KeyDown");
      if (cancelKeys) code = 0;
    });
    QObject::connect(editor, &UpDownText::KeyPress, [this](std::int16_t& ascii) {
      events.push_back("KeyPress");
      lastAscii = ascii;
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
  int Count(const std::string& name) const {
    return static_cast<int>(std::count(events.begin(), events.end(), name));
  }
  QAction* Item(const char* name) { return editor->mnuMain()->findChild<QAction*>(name); }
  QMenu* OpenMenu() {
    QTest::mouseClick(editor, Qt::RightButton, {}, kTextArea);
    QMenu* menu = editor->mnuMain();
    EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    return menu;
  }
  // Right-clicks the control and clicks the item in the menu that opens.
  void Choose(const char* name) {
    QMenu* menu = OpenMenu();
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(Item(name)).center());
    EXPECT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); })) << name;
  }

  std::unique_ptr<QWidget> window;
  UpDownText* editor = nullptr;
  Log events;
  bool cancelKeys = false;
  int lastAscii = -1;
};

TEST_F(UpDownTextGui, EditingKeysReachTheNumber) {
  using enum Qt::Key;
  struct Case {
    const char* what;
    int value, cursor;
    std::vector<Qt::Key> keys;
    int wantValue, wantCursor, wantChanged;
  };
  const Case cases[] = {
      {"digits build a number", 0, 1, {Key_1, Key_2, Key_5}, 125, 3, 3},
      {"Left then a digit", 25, 2, {Key_Left, Key_1}, 215, 2, 1},
      {"Right stops at the end", 25, 1, {Key_Right, Key_Right}, 25, 2, 0},
      {"End then Backspace", 123, 0, {Key_End, Key_Backspace}, 12, 2, 1},
      {"Home then Delete", 123, 3, {Key_Home, Key_Delete}, 23, 0, 1},
      {"Page keys and letters change nothing", 25, 1,
       {Key_PageUp, Key_PageDown, Key_A, Key_Minus, Key_Period}, 25, 1, 0},
  };
  for (const auto& c : cases) {
    Start(c.value, c.cursor);
    for (Qt::Key k : c.keys) QTest::keyClick(editor, k);
    EXPECT_EQ(editor->value(), c.wantValue) << c.what;
    EXPECT_EQ(editor->model().CursorPos(), c.wantCursor) << c.what;
    EXPECT_EQ(Count("ValueChanged"), c.wantChanged) << c.what;
  }
}

TEST_F(UpDownTextGui, ShiftedDigitsInsertTheirDigitKeypadDigitsNothing) {
  Start(1, 1);
  QTest::keyClick(editor, Qt::Key_5, Qt::ShiftModifier);
  EXPECT_EQ(editor->value(), 15);
  // What X11 delivers for Shift+5 on a US keyboard: '%' from key code 14.
  Start(1, 1);
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Percent, Qt::ShiftModifier, 14, 0x25, 1, "%");
  QApplication::sendEvent(editor, &press);
  EXPECT_EQ(editor->value(), 15);
  EXPECT_EQ(lastAscii, '%') << "KeyPress reports the character typed";
  Start(1, 1);
  QTest::keyClick(editor, Qt::Key_5, Qt::KeypadModifier);
  QTest::keyClick(editor, Qt::Key_0, Qt::KeypadModifier);
  EXPECT_EQ(editor->value(), 1);
  EXPECT_EQ(Count("ValueChanged"), 0);
}

TEST_F(UpDownTextGui, KeyDownHandlerCancelsTheKey) {
  Start(25, 2);
  cancelKeys = true;
  for (Qt::Key key : {Qt::Key_7, Qt::Key_Up, Qt::Key_Backspace}) QTest::keyClick(editor, key);
  EXPECT_EQ(editor->value(), 25);
  EXPECT_EQ(editor->model().CursorPos(), 2);
  EXPECT_EQ(events, (Log{"KeyDown", "KeyPress", "KeyUp", "KeyDown", "KeyUp", "KeyDown",
                         "KeyPress", "KeyUp"}));
}

TEST_F(UpDownTextGui, ArrowKeysPressedAndHeld) {
  Start(255, 3);
  QTest::keyPress(editor, Qt::Key_Down);
  EXPECT_EQ(editor->value(), 254);
  EXPECT_TRUE(editor->model().DownShownPressed()) << "pressed while the key is down";
  QTest::keyRelease(editor, Qt::Key_Down);
  EXPECT_FALSE(editor->model().DownShownPressed());
  EXPECT_EQ(events, (Log{"KeyDown", "ValueChanged", "Click", "KeyUp"}));

  // A held key repeats its press; its one release comes at the end.
  Start(10, 2);
  QTest::keyPress(editor, Qt::Key_Up);
  for (int i = 0; i < 3; ++i) {
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(editor, &release);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(editor, &press);
  }
  EXPECT_EQ(editor->value(), 14);
  EXPECT_TRUE(editor->model().UpShownPressed());
  EXPECT_EQ(Count("KeyUp"), 0);
  QTest::keyRelease(editor, Qt::Key_Up);
  EXPECT_EQ(Count("KeyUp"), 1);
  EXPECT_EQ(Count("Click"), 4);
  EXPECT_FALSE(editor->model().UpShownPressed());

  // The host's wheel steps the same way.
  editor->StepUp();
  editor->StepDown();
  editor->StepDown();
  EXPECT_EQ(editor->value(), 13);
}

TEST_F(UpDownTextGui, HeldMouseButtonRepeatsUntilThePointerLeaves) {
  editor->setBlinkInterval(40);
  Start(10, 2);
  QTest::mousePress(editor, Qt::LeftButton, {}, kUpButton);
  EXPECT_EQ(editor->value(), 10) << "the press itself steps nothing";
  EXPECT_TRUE(editor->model().UpShownPressed());
  QTest::qWait(400);
  const int held = editor->value();
  EXPECT_GE(held, 13) << "about one step per 40 ms";
  EXPECT_LE(held, 21);
  EXPECT_EQ(Count("ValueChanged"), held - 10);
  EXPECT_EQ(Count("Click"), 0);

  QTest::mouseMove(editor, kTextArea);
  EXPECT_FALSE(editor->model().UpShownPressed());
  const int left = editor->value();
  QTest::qWait(200);
  QTest::mouseMove(editor, kUpButton);
  QTest::qWait(200);
  EXPECT_EQ(editor->value(), left) << "leaving the button stops the stepping for good";
  QTest::mouseRelease(editor, Qt::LeftButton, {}, kTextArea);
  EXPECT_EQ(Count("Click"), 1) << "released outside both buttons";
}

TEST_F(UpDownTextGui, ShortClicksOnTheButtonsStepNothing) {
  Start(10, 2);
  for (int i = 0; i < 5; ++i) {
    QTest::mouseClick(editor, Qt::LeftButton, {}, kUpButton);
    QTest::mouseClick(editor, Qt::LeftButton, {}, kDownButton);
    QTest::qWait(50);
  }
  EXPECT_EQ(editor->value(), 10);
  EXPECT_EQ(Count("MouseDown"), 10);
  EXPECT_EQ(Count("MouseUp"), 10);
  EXPECT_EQ(events.size(), 20u) << "no ValueChanged, no Click";
  QTest::mouseClick(editor, Qt::LeftButton, {}, kTextArea);
  EXPECT_EQ(Count("Click"), 1);
}

TEST_F(UpDownTextGui, MenuItemsTheirStatesAndPaste) {
  QMenu* menu = editor->mnuMain();
  EXPECT_EQ(menu->title(), "Main");
  ASSERT_NE(Item("mnusep"), nullptr);
  std::vector<QString> captions;
  for (QAction* a : menu->actions()) captions.push_back(a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(captions, (std::vector<QString>{"Set to Maximum", "Set to Minimum", "-", "&Copy",
                                            "&Paste", "&About"}));
  // Set to Maximum, Set to Minimum, Copy, Paste and About, + enabled and - not.
  const auto enabled = [this] {
    std::string s;
    for (const char* name : {"mnumax", "mnumin", "mnuCopy", "mnuPste", "mnuAbout"}) {
      s += Item(name)->isEnabled() ? '+' : '-';
    }
    return s;
  };

  QApplication::clipboard()->clear();
  Start(255, 3);
  OpenMenu();
  EXPECT_EQ(enabled(), "-++-+") << "at Max, no text on the clipboard";
  menu->close();
  Choose("mnumin");
  EXPECT_EQ(editor->value(), 0);
  OpenMenu();
  EXPECT_EQ(enabled(), "+-+-+") << "at Min";
  menu->close();
  Choose("mnumax");
  EXPECT_EQ(editor->value(), 255);
  EXPECT_EQ(Count("ValueChanged"), 2);
  editor->SetValue(42);
  Choose("mnuCopy");
  EXPECT_EQ(QApplication::clipboard()->text(), "42");
  events.clear();
  Choose("mnuAbout");
  EXPECT_EQ(editor->value(), 42);
  EXPECT_EQ(Count("ValueChanged"), 0);

  // Paste reads the clipboard's leading number.
  const struct { const char* text; int want, wantChanged; } pastes[] = {
      {"300 apples", 255, 1}, {"2.5", 2, 1}, {"abc", 0, 1}, {"-7", 42, 0}};
  for (const auto& c : pastes) {
    Start(42, 2);
    QApplication::clipboard()->setText(QString::fromLatin1(c.text));
    Choose("mnuPste");  // enabled now there is text to paste
    EXPECT_EQ(editor->value(), c.want) << c.text;
    EXPECT_EQ(Count("ValueChanged"), c.wantChanged) << c.text;
  }
}

TEST_F(UpDownTextGui, RightClickOnAButtonLeavesItRaised) {
  Start(10, 2);
  QTest::mousePress(editor, Qt::RightButton, {}, kUpButton);
  EXPECT_TRUE(editor->model().UpShownPressed());
  QTest::mouseRelease(editor, Qt::RightButton, {}, kUpButton);
  EXPECT_TRUE(QTest::qWaitFor([this] { return editor->mnuMain()->isVisible(); }));
  EXPECT_FALSE(editor->model().UpShownPressed());
  EXPECT_EQ(events, Log{"MouseDown"}) << "the right button raises no MouseUp";
  editor->mnuMain()->close();
  EXPECT_TRUE(editor->model().HasFocus()) << "the menu does not take the control's focus";
}

TEST_F(UpDownTextGui, FocusRunsTheCursorTimer) {
  EXPECT_TRUE(editor->Timer1()->isActive());
  EXPECT_EQ(editor->Timer1()->interval(), 333);
  EXPECT_TRUE(editor->model().CursorVisible());
  auto* other = new QWidget(window.get());
  other->setFocusPolicy(Qt::StrongFocus);
  other->show();
  other->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([other] { return other->hasFocus(); }));
  EXPECT_FALSE(editor->Timer1()->isActive());
  EXPECT_FALSE(editor->model().CursorVisible());
  editor->setBlinkInterval(0);
  editor->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([this] { return editor->hasFocus(); }));
  EXPECT_FALSE(editor->Timer1()->isActive()) << "an interval of 0 runs no timer";
  editor->setBlinkInterval(100);
  EXPECT_TRUE(editor->Timer1()->isActive());
  EXPECT_EQ(editor->Timer1()->interval(), 100);
}

TEST_F(UpDownTextGui, MainWindowStyleIsWhatItStores) {
  EXPECT_EQ(editor->objectName(), "TxtR");
  EXPECT_EQ(editor->size(), QSize(42, 17)) << "630 x 255 twips";
  EXPECT_EQ((std::vector{editor->Min(), editor->Max(), editor->BorderType(),
                         editor->BlinkInterval()}),
            (std::vector{0, 255, 0, 333}));
  EXPECT_EQ((std::vector{editor->Backcolor(), editor->ForeColor(), editor->BorderColor1(),
                         editor->BorderColor2(), editor->BorderColor3(), editor->BorderColor4(),
                         editor->ButtonColor(), editor->BtnForecolor()}),
            (std::vector{kSysWindowBackground, kSysWindowText, kSys3DDarkShadow, kSys3DLight,
                         kSys3DHighlight, kSys3DDarkShadow, kSysButtonFace, kSysButtonText}));
  EXPECT_DOUBLE_EQ(editor->font().pointSizeF(), 9.0);
  const QStringList installed = QFontDatabase::families();
  EXPECT_TRUE(installed.contains(editor->font().family())) << "an installed face stands in";
  if (installed.contains(QStringLiteral("Tahoma"))) {
    EXPECT_EQ(editor->font().family(), "Tahoma");
  }
  // What it stores is what the main window gave it, Tahoma included.
  MemoryPropertyBag written;
  editor->WriteProperties(written);
  const MemoryPropertyBag given = MainWindowEditorProperties();
  for (const auto& [name, value] : written.Entries()) {
    EXPECT_EQ(given.ReadProperty(name), value) << name;
  }
  EXPECT_EQ(written.Entries().size(), given.Entries().size() - 2) << "all but the extents";
}

TEST_F(UpDownTextGui, WritesMarkTheirStoredNames) {
  std::vector<QString> marked;
  QObject::connect(editor, &UpDownText::PropertyChanged,
                   [&marked](const QString& name) { marked.push_back(name); });
  editor->ReadProperties(MainWindowEditorProperties());
  EXPECT_TRUE(marked.empty()) << "restoring is no change";
  editor->SetValue(7);
  EXPECT_TRUE(marked.empty()) << "SetValue marks nothing";
  editor->setValue(8);
  editor->setMin(1);
  editor->setMax(200);
  editor->setBackcolor(1);
  editor->setBorderType(1);
  editor->setBtnForecolor(2);
  editor->setCursorColor(3);
  editor->setBlinkInterval(250);
  editor->setEnabled(false);
  QFont f = editor->font();
  f.setPointSize(10);
  editor->setFont(f);
  EXPECT_EQ(marked, (std::vector<QString>{"Value", "Min", "Max", "BackColor", "BorderType",
                                          "BtnForecolor", "CursorColor", "BlinkInterval",
                                          "Enabled", "Font"}));
}

TEST_F(UpDownTextGui, SizeAndFontRules) {
  editor->resize(20, 16);  // 300 x 240 twips
  EXPECT_EQ(editor->size(), QSize(28, 15)) << "415 x 225 twips";
  editor->resize(42, 17);
  QFont big = editor->font();
  big.setPointSize(20);
  editor->setFont(big);
  EXPECT_NEAR(editor->height(), QFontMetricsF(big).height() + 2, 1.0)
      << "the text's height and the frame";
  EXPECT_EQ(editor->width(), 42);
}

TEST(UpDownTextKeys, VirtualKeyCodes) {
  using enum Qt::Key;
  const auto none = Qt::NoModifier, shift = Qt::ShiftModifier, keypad = Qt::KeypadModifier;
  // clang-format off
  const struct { Qt::Key key; Qt::KeyboardModifier mods; quint32 scanCode; int want; } cases[] = {
      {Key_5, none, 0, '5'}, {Key_5, keypad, 0, 101}, {Key_0, keypad, 90, 96},
      // The digit row by its position, whatever the layout and Shift make of it.
      {Key_Percent, shift, 14, '5'}, {Key_ParenRight, shift, 19, '0'}, {Key_Exclam, shift, 10, '1'},
      {Key_Eacute, none, 11, '2'},
      {Key_Backspace, none, 22, 8}, {Key_Delete, none, 119, 46}, {Key_Left, none, 113, 37},
      {Key_Up, none, 111, 38}, {Key_Right, none, 114, 39}, {Key_Down, none, 116, 40},
      {Key_Home, none, 110, 36}, {Key_End, none, 115, 35}, {Key_PageUp, none, 112, 33},
      {Key_A, none, 38, 65}, {Key_Minus, keypad, 82, 109}, {Key_Return, none, 36, 13},
      {Key_F1, none, 67, 112},
  };
  // clang-format on
  for (const auto& c : cases) {
    const QKeyEvent e(QEvent::KeyPress, c.key, c.mods, c.scanCode, 0, 0);
    EXPECT_EQ(VirtualKeyOf(e), c.want) << c.key << " scan " << c.scanCode;
  }
}

}  // namespace
}  // namespace hk
