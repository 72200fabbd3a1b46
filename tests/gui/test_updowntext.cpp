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
    QObject::connect(editor, &UpDownText::KeyDown, [this](std::int16_t& code, std::int16_t&) {
      events.push_back("KeyDown");
      if (cancelKeys) code = 0;
    });
    QObject::connect(editor, &UpDownText::KeyPress, [this](std::int16_t& ascii) {
      events.push_back("KeyPress");
      lastAscii = ascii;
    });
    QObject::connect(editor, &UpDownText::KeyUp, log("KeyUp"));
    QObject::connect(editor, &UpDownText::MouseDown, log("MouseDown"));
    QObject::connect(editor, &UpDownText::MouseUp, log("MouseUp"));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    editor->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([this] { return editor->hasFocus(); }));
  }

  void TearDown() override {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  }

  // The control holding `value` with its cursor `cursor` characters in.
  void Start(int value, int cursor) {
    ASSERT_TRUE(editor->SetValue(value));
    QTest::keyClick(editor, Qt::Key_Home);
    for (int i = 0; i < cursor; ++i) QTest::keyClick(editor, Qt::Key_Right);
    events.clear();
  }

  int Count(const std::string& name) const {
    return static_cast<int>(std::count(events.begin(), events.end(), name));
  }

  QMenu* OpenMenu() {
    QTest::mouseClick(editor, Qt::RightButton, {}, kTextArea);
    QMenu* menu = editor->mnuMain();
    EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    return menu;
  }

  QAction* Item(const char* name) { return editor->mnuMain()->findChild<QAction*>(name); }

  // Right-click the control and click the item in the menu that opens.
  void Choose(const char* name) {
    QMenu* menu = OpenMenu();
    QAction* item = Item(name);
    ASSERT_NE(item, nullptr) << name;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    EXPECT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); })) << name;
  }

  std::unique_ptr<QWidget> window;
  UpDownText* editor = nullptr;
  std::vector<std::string> events;
  bool cancelKeys = false;
  int lastAscii = -1;
};

TEST_F(UpDownTextGui, TypingBackspaceDeleteAndCursorKeys) {
  struct Case {
    const char* what;
    int value, cursor;
    std::vector<Qt::Key> keys;
    int wantValue, wantCursor, wantChanged;
  };
  const Case cases[] = {
      {"7 after a lone 0 replaces it", 0, 1, {Qt::Key_7}, 7, 1, 1},
      {"0 in front of 5 vanishes", 5, 0, {Qt::Key_0}, 5, 0, 1},
      {"digits build a number", 0, 1, {Qt::Key_1, Qt::Key_2, Qt::Key_5}, 125, 3, 3},
      {"a digit past Max is refused", 25, 2, {Qt::Key_6}, 25, 2, 0},
      {"Backspace at the start", 25, 0, {Qt::Key_Backspace}, 25, 0, 0},
      {"Backspace at the end", 25, 2, {Qt::Key_Backspace}, 2, 1, 1},
      {"Backspace empties to 0", 5, 1, {Qt::Key_Backspace}, 0, 0, 1},
      {"Delete at the start", 25, 0, {Qt::Key_Delete}, 5, 0, 1},
      {"Delete at the end", 25, 2, {Qt::Key_Delete}, 25, 2, 0},
      {"Left then a digit", 25, 2, {Qt::Key_Left, Qt::Key_1}, 215, 2, 1},
      {"Left stops at the start", 25, 0, {Qt::Key_Left, Qt::Key_Left}, 25, 0, 0},
      {"Right stops at the end", 25, 1, {Qt::Key_Right, Qt::Key_Right}, 25, 2, 0},
      {"End then Backspace", 123, 0, {Qt::Key_End, Qt::Key_Backspace}, 12, 2, 1},
      {"Home then Delete", 123, 3, {Qt::Key_Home, Qt::Key_Delete}, 23, 0, 1},
      {"Page keys and letters change nothing",
       25,
       1,
       {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_A, Qt::Key_Minus, Qt::Key_Period},
       25,
       1,
       0},
  };
  for (const Case& c : cases) {
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
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Percent, Qt::ShiftModifier, 14, 0x25, 1,
                  QStringLiteral("%"));
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
  QTest::keyClick(editor, Qt::Key_7);
  QTest::keyClick(editor, Qt::Key_Up);
  QTest::keyClick(editor, Qt::Key_Backspace);
  EXPECT_EQ(editor->value(), 25);
  EXPECT_EQ(editor->model().CursorPos(), 2);
  EXPECT_EQ(Count("ValueChanged"), 0);
  EXPECT_EQ(Count("Click"), 0);
  EXPECT_EQ(Count("KeyDown"), 3);
  EXPECT_EQ(Count("KeyUp"), 3);
}

TEST_F(UpDownTextGui, ArrowKeysAtAndOffTheLimits) {
  Start(255, 3);
  QTest::keyClick(editor, Qt::Key_Up);
  EXPECT_EQ(editor->value(), 255);
  EXPECT_EQ(events, (std::vector<std::string>{"KeyDown", "Click", "KeyUp"}));

  events.clear();
  QTest::keyPress(editor, Qt::Key_Down);
  EXPECT_EQ(editor->value(), 254);
  EXPECT_TRUE(editor->model().DownShownPressed()) << "pressed while the key is down";
  QTest::keyRelease(editor, Qt::Key_Down);
  EXPECT_FALSE(editor->model().DownShownPressed());
  EXPECT_EQ(events, (std::vector<std::string>{"KeyDown", "ValueChanged", "Click", "KeyUp"}));

  Start(0, 1);
  QTest::keyClick(editor, Qt::Key_Down);
  EXPECT_EQ(editor->value(), 0);
  EXPECT_EQ(Count("Click"), 1);
  EXPECT_EQ(Count("ValueChanged"), 0);

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

  // The host's wheel steps go the same way.
  Start(10, 2);
  editor->StepUp();
  editor->StepUp();
  editor->StepDown();
  EXPECT_EQ(editor->value(), 11);
  EXPECT_EQ(Count("ValueChanged"), 3);
  EXPECT_FALSE(editor->model().UpShownPressed());
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

  // Down, until Min stops it.
  Start(3, 1);
  QTest::mousePress(editor, Qt::LeftButton, {}, kDownButton);
  QTest::qWait(400);
  EXPECT_EQ(editor->value(), 0);
  EXPECT_EQ(Count("ValueChanged"), 3);
  EXPECT_FALSE(editor->model().DownShownPressed()) << "raised at its limit";
  QTest::mouseRelease(editor, Qt::LeftButton, {}, kDownButton);
  EXPECT_EQ(Count("Click"), 0) << "released on a button";
}

TEST_F(UpDownTextGui, ShortClickOnAButtonStepsNothing) {
  Start(10, 2);
  for (int i = 0; i < 5; ++i) {
    QTest::mouseClick(editor, Qt::LeftButton, {}, kUpButton);
    QTest::mouseClick(editor, Qt::LeftButton, {}, kDownButton);
    QTest::qWait(50);
  }
  EXPECT_EQ(editor->value(), 10);
  EXPECT_EQ(Count("ValueChanged"), 0);
  EXPECT_EQ(Count("Click"), 0);
  EXPECT_EQ(Count("MouseDown"), 10);
  EXPECT_EQ(Count("MouseUp"), 10);
  QTest::mouseClick(editor, Qt::LeftButton, {}, kTextArea);
  EXPECT_EQ(Count("Click"), 1);
}

TEST_F(UpDownTextGui, MenuItemsAndTheirStates) {
  ASSERT_NE(Item("mnusep"), nullptr);
  QMenu* menu = editor->mnuMain();
  EXPECT_EQ(menu->title(), "Main");
  std::vector<QString> captions;
  for (QAction* a : menu->actions()) captions.push_back(a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(captions, (std::vector<QString>{"Set to Maximum", "Set to Minimum", "-", "&Copy",
                                            "&Paste", "&About"}));

  QApplication::clipboard()->clear();
  Start(255, 3);
  OpenMenu();
  EXPECT_FALSE(Item("mnumax")->isEnabled()) << "at Max";
  EXPECT_TRUE(Item("mnumin")->isEnabled());
  EXPECT_FALSE(Item("mnuPste")->isEnabled()) << "no text on the clipboard";
  EXPECT_TRUE(Item("mnuCopy")->isEnabled());
  EXPECT_TRUE(Item("mnuAbout")->isEnabled());
  menu->close();

  Choose("mnumin");
  EXPECT_EQ(editor->value(), 0);
  OpenMenu();
  EXPECT_TRUE(Item("mnumax")->isEnabled());
  EXPECT_FALSE(Item("mnumin")->isEnabled());
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
}

TEST_F(UpDownTextGui, PasteReadsTheLeadingNumber) {
  struct Case {
    const char* text;
    int want;
    int wantChanged;
  };
  const Case cases[] = {{"300 apples", 255, 1}, {"2.5", 2, 1}, {"abc", 0, 1}, {"-7", 42, 0}};
  for (const Case& c : cases) {
    Start(42, 2);
    QApplication::clipboard()->setText(QString::fromLatin1(c.text));
    OpenMenu();
    EXPECT_TRUE(Item("mnuPste")->isEnabled()) << c.text;
    editor->mnuMain()->close();
    Choose("mnuPste");
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
  EXPECT_EQ(Count("MouseUp"), 0) << "the right button raises no MouseUp";
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
  EXPECT_EQ(editor->BlinkInterval(), 100);
}

TEST_F(UpDownTextGui, MainWindowStyle) {
  EXPECT_EQ(editor->objectName(), "TxtR");
  EXPECT_EQ(editor->size(), QSize(42, 17)) << "630 x 255 twips";
  EXPECT_EQ(editor->Max(), 255);
  EXPECT_EQ(editor->Min(), 0);
  EXPECT_EQ(editor->Backcolor(), kSysWindowBackground);
  EXPECT_EQ(editor->ForeColor(), kSysWindowText);
  EXPECT_EQ(editor->BorderColor1(), kSys3DDarkShadow);
  EXPECT_EQ(editor->BorderColor2(), kSys3DLight);
  EXPECT_EQ(editor->BorderColor3(), kSys3DHighlight);
  EXPECT_EQ(editor->BorderColor4(), kSys3DDarkShadow);
  EXPECT_EQ(editor->ButtonColor(), kSysButtonFace);
  EXPECT_EQ(editor->BtnForecolor(), kSysButtonText);
  EXPECT_EQ(editor->BorderType(), 0);
  EXPECT_EQ(editor->BlinkInterval(), 333);
  EXPECT_DOUBLE_EQ(editor->font().pointSizeF(), 9.0);
  const QStringList installed = QFontDatabase::families();
  EXPECT_TRUE(installed.contains(editor->font().family())) << "an installed face stands in";
  if (installed.contains(QStringLiteral("Tahoma"))) {
    EXPECT_EQ(editor->font().family(), "Tahoma");
  }

  // What it stores is what the main window gave it.
  MemoryPropertyBag written;
  editor->WriteProperties(written);
  MemoryPropertyBag given = MainWindowEditorProperties();
  for (const auto& [name, value] : written.Entries()) {
    EXPECT_EQ(given.ReadProperty(name), value) << name << ": Tahoma stays Tahoma";
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
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    quint32 scanCode;
    int want;
  };
  const Case cases[] = {
      {Qt::Key_5, Qt::NoModifier, 0, '5'},
      {Qt::Key_5, Qt::KeypadModifier, 0, 101},
      {Qt::Key_0, Qt::KeypadModifier, 90, 96},
      {Qt::Key_Percent, Qt::ShiftModifier, 14, '5'},
      {Qt::Key_ParenRight, Qt::ShiftModifier, 19, '0'},
      {Qt::Key_Exclam, Qt::ShiftModifier, 10, '1'},
      {Qt::Key_Eacute, Qt::NoModifier, 11, '2'},
      {Qt::Key_Backspace, Qt::NoModifier, 22, 8},
      {Qt::Key_Delete, Qt::NoModifier, 119, 46},
      {Qt::Key_Left, Qt::NoModifier, 113, 37},
      {Qt::Key_Up, Qt::NoModifier, 111, 38},
      {Qt::Key_Right, Qt::NoModifier, 114, 39},
      {Qt::Key_Down, Qt::NoModifier, 116, 40},
      {Qt::Key_Home, Qt::NoModifier, 110, 36},
      {Qt::Key_End, Qt::NoModifier, 115, 35},
      {Qt::Key_PageUp, Qt::NoModifier, 112, 33},
      {Qt::Key_A, Qt::NoModifier, 38, 65},
      {Qt::Key_Minus, Qt::KeypadModifier, 82, 109},
      {Qt::Key_Return, Qt::NoModifier, 36, 13},
      {Qt::Key_F1, Qt::NoModifier, 67, 112},
  };
  for (const Case& c : cases) {
    const QKeyEvent e(QEvent::KeyPress, c.key, c.mods, c.scanCode, 0, 0);
    EXPECT_EQ(VirtualKeyOf(e), c.want) << c.key << " scan " << c.scanCode;
  }
}

}  // namespace
}  // namespace hk
