// The spin control's wiring: Qt's events in; signals, menu, timer, properties, pixels out.
#include "window_fixture.h"

namespace hk {
namespace {

using Log = std::vector<std::string>;
const QPoint kUpButton(35, 3), kTextArea(13, 8);  // in twips (525, 45) and (195, 120)
const QRgb kInk = qRgb(0, 0, 128);  // the glyphs' system colour, apart from the face's

class UpDownTextGui : public ::testing::Test {
 protected:
  void SetUp() override {
    QPalette pal;
    pal.setColor(QPalette::ButtonText, kInk), window->setPalette(pal);
    editor = CreateMainWindowEditor(window.get(), QStringLiteral("TxtR"));
    // Each event with its arguments (positions in twips); a KeyDown handler may cancel.
    QObject::connect(editor, &UpDownText::KeyDown,
                     [this](std::int16_t& code, std::int16_t&) { code = cancelKeys ? 0 : code; });
    using U = UpDownText;
    const auto log = [this](auto signal, const char* name) {
      QObject::connect(editor, signal, [this, name](auto&... args) {
        events.push_back((std::string(name) + ... + (" " + std::to_string(int(args)))));
      });
    };
    log(&U::ValueChanged, "ValueChanged"), log(&U::Click, "Click"), log(&U::KeyDown, "KeyDown");
    log(&U::KeyPress, "KeyPress"), log(&U::KeyUp, "KeyUp"), log(&U::MouseDown, "MouseDown");
    log(&U::MouseMove, "MouseMove"), log(&U::MouseUp, "MouseUp");
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    editor->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([this] { return editor->hasFocus(); }));
  }

  // The control holding `value` with its cursor `cursor` characters in, nothing logged.
  void Start(int value, int cursor) {
    ASSERT_TRUE(editor->SetValue(value));
    QTest::keyClick(editor, Qt::Key_Home);
    for (int i = 0; i < cursor; ++i) QTest::keyClick(editor, Qt::Key_Right);
    events.clear();
  }
  void Tick() {  // one tick of the control's timer, whatever its interval
    QTimerEvent tick(editor->Timer1()->timerId());
    QApplication::sendEvent(editor->Timer1(), &tick);
  }
  void Choose(const char* item) {  // from the menu a right click opens
    QTest::mouseClick(editor, Qt::RightButton, {}, kTextArea);
    QMenu* menu = editor->mnuMain();
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    QTest::mouseClick(menu, Qt::LeftButton, {},
                      menu->actionGeometry(menu->findChild<QAction*>(item)).center());
    EXPECT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); })) << item;
  }

  std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
  UpDownText* editor = nullptr;
  Log events;
  bool cancelKeys = false;
};

TEST_F(UpDownTextGui, KeysMouseTimerAndMenuReachTheRulesAndTheItems) {
  QInputMethodQueryEvent query(Qt::ImEnabled);  // keys come whole, not through an input method
  QApplication::sendEvent(editor, &query);
  EXPECT_FALSE(query.value(Qt::ImEnabled).toBool());
  Start(1, 1);
  // What X11 delivers for Shift+5 on a US keyboard: '%' from key code 14.
  QKeyEvent percent(QEvent::KeyPress, Qt::Key_Percent, Qt::ShiftModifier, 14, 0x25, 1, "%");
  QApplication::sendEvent(editor, &percent);
  QTest::keyClick(editor, Qt::Key_5, Qt::KeypadModifier);
  EXPECT_EQ(std::tuple(editor->value(), editor->model().CursorPos()), std::tuple(15, 2));
  EXPECT_EQ(events, (Log{"KeyDown 53 1", "ValueChanged", "KeyPress 37", "KeyDown 101 0",
                         "KeyPress 53", "KeyUp 101 0"}));
  Start(25, 2), cancelKeys = true;  // a KeyDown handler that clears the key code cancels it
  QTest::keyClick(editor, Qt::Key_Up);
  EXPECT_EQ(std::tuple(editor->value(), events), std::tuple(25, Log{"KeyDown 0 0", "KeyUp 38 0"}));
  cancelKeys = false;  // keys the control has no use for go on to the window
  for (auto [key, used] : {std::pair(Qt::Key_Return, false), std::pair(Qt::Key_Up, true)}) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(editor, &e);
    EXPECT_EQ(e.isAccepted(), used) << key;
  }

  Start(10, 2);
  QTest::mousePress(editor, Qt::LeftButton, {}, kUpButton);
  EXPECT_TRUE(editor->model().UpShownPressed());
  Tick();
  for (auto [at, held] :
       {std::pair(kTextArea, Qt::LeftButton), std::pair(kUpButton, Qt::NoButton)}) {
    QMouseEvent move(QEvent::MouseMove, at, editor->mapToGlobal(at), Qt::NoButton, held, {});
    QApplication::sendEvent(editor, &move);
    if (held) Tick(), QTest::mouseRelease(editor, Qt::LeftButton, {}, kTextArea);
  }
  EXPECT_EQ(std::tuple(editor->value(), editor->model().UpShownPressed()), std::tuple(11, false));
  EXPECT_EQ(events, (Log{"MouseDown 1 0 525 45", "ValueChanged", "MouseMove 1 0 195 120",
                         "MouseUp 1 0 195 120", "Click", "MouseMove 0 0 525 45"}));

  QMenu* menu = editor->mnuMain();
  Start(255, 3), QApplication::clipboard()->clear();
  Choose("mnumin");  // the items as the menu opened: at Max, nothing to paste
  EXPECT_EQ(
      std::tuple(editor->value(), menu->actions()[0]->isEnabled(), menu->actions()[4]->isEnabled()),
      std::tuple(0, false, false));
  Choose("mnuCopy");
  QApplication::clipboard()->setText(QApplication::clipboard()->text() + "300 apples");
  Choose("mnuPste");
  const std::string right = "MouseDown 2 0 195 120";  // each right press, then the items chosen
  EXPECT_EQ(std::tuple(editor->value(), events),
            std::tuple(255, Log{right, "ValueChanged", right, right, "ValueChanged"}));
}

TEST_F(UpDownTextGui, FocusRunsTheTimerGlyphsReachTheirPixelsAndDisabledLooksTheSame) {
  editor->clearFocus();  // disabled, it takes no input but looks as it did
  const QImage enabled = editor->grab().toImage();
  editor->setEnabled(false);
  EXPECT_EQ(editor->grab().toImage(), enabled);
  editor->setEnabled(true), editor->setFocus();
  QTimer* timer = editor->Timer1();
  EXPECT_EQ(std::tuple(timer->isActive(), timer->interval()), std::tuple(true, 333));
  editor->setCursorColor(0x0000FF), editor->clearFocus();  // red from the next focus on
  editor->setBlinkInterval(0), editor->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([this] { return editor->model().HasFocus(); }));
  EXPECT_FALSE(timer->isActive()) << "with an interval of 0";
  editor->setBlinkInterval(100), editor->SetValue(5);
  EXPECT_EQ(std::tuple(timer->isActive(), timer->interval()), std::tuple(true, 100));
  QImage img(editor->size(), QImage::Format_RGB32);
  editor->render(&img);
  // Just the pixel rows centred on the glyphs' twip rows show them; the cursor line from 2 px in.
  const int x = (editor->model().CursorX() + 7) / 15, bottom = editor->model().CursorBottom();
  for (int row = 0, t = 7; row < img.height(); ++row, t += 15) {
    bool has = false;
    for (int i = 30; i < 41; ++i) has = has || img.pixel(i, row) == kInk;
    EXPECT_EQ(has, (t >= 38 && t <= 86) || (t >= 161 && t <= 216)) << row;
    EXPECT_EQ(img.pixel(x, row) == qRgb(255, 0, 0), row >= 3 && row < (bottom + 7) / 15) << row;
  }
}

TEST(UpDownTextKeys, VirtualKeyCodes) {
  using enum Qt::Key;
  const auto none = Qt::NoModifier, shift = Qt::ShiftModifier, keypad = Qt::KeypadModifier;
  // The digit row (scan codes 10 to 19) by position, whatever layout and Shift; keypad apart.
  // clang-format off
  const std::tuple<Qt::Key, Qt::KeyboardModifier, quint32, int> cases[] = {
      {Key_9, none, 0, '9'}, {Key_0, none, 0, '0'}, {Key_0, keypad, 90, 96},
      {Key_ParenRight, shift, 19, '0'}, {Key_Exclam, shift, 10, '1'}, {Key_Eacute, none, 11, '2'},
      {Key_Minus, none, 20, 189}, {Key_Backspace, none, 22, 8}, {Key_Delete, none, 119, 46},
      {Key_Left, none, 113, 37}, {Key_Down, none, 116, 40}, {Key_End, none, 115, 35},
      {Key_Minus, keypad, 82, 109}, {Key_Return, none, 36, 13}, {Key_F1, none, 67, 112},
      {Key_Alt, none, 64, 18}, {Key_Insert, none, 118, 45}, {Key_Backtab, shift, 23, 9}};
  // clang-format on
  for (const auto& [key, mods, scan, want] : cases)
    EXPECT_EQ(VirtualKeyOf(QKeyEvent(QEvent::KeyPress, key, mods, scan, 0, 0)), want)
        << key << " " << scan;
}

}  // namespace
}  // namespace hk
