// Picking from the screen and from the magnifier, the zoom, the 8 x 8 swatch image,
// pasting a picture and the capture kept between runs, through the real window.
#include "window_fixture.h"

namespace hk {
namespace {

class Picker : public WindowTest {
 protected:
  QString LongText() { return Child<QComboBox>("txtCol")->currentText(); }
};

TEST_F(Picker, APickFollowsThePointerUntilTheReleaseTheWheelZoomsAndTheCaptureIsKept) {
  StartWithScreen();
  auto* pixel = Child<QPushButton>("Pixel");
  QTest::mousePress(pixel, Qt::LeftButton);
  ASSERT_TRUE(w->picker().Picking());
  EXPECT_TRUE(Shown("Shape2"));
  w->picker().Timer1_Timer();
  EXPECT_EQ(std::pair(w->CurrentColour(), LongText()),
            std::pair(FakeScreen::LongAt(300, 200), QString::number(FakeScreen::LongAt(300, 200))));
  const QImage& shown = w->magnifier().Picture();
  EXPECT_EQ(std::tuple(shown.size(), shown.pixel(55, 51) & 0xFFFFFF, shown.pixel(0, 0) & 0xFFFFFF),
            std::tuple(QSize(110, 102), FakeScreen::At(300, 200), FakeScreen::At(245, 149)));

  // The wheel zooms one step a notch, from 1x to 16x and no further.
  Wheel(pixel, 120);
  EXPECT_EQ(std::pair(Text("lblZoom"), Shown("HsP")), std::pair(QString("2x"), true));
  Wheel(pixel, -240);
  EXPECT_EQ(std::pair(Text("lblZoom"), Shown("HsP")), std::pair(QString("1x"), false));
  for (int i = 0; i < 17; ++i) Wheel(pixel, 120);
  EXPECT_EQ(std::pair(Text("lblZoom"), w->magnifier().Zoom()), std::pair(QString("16x"), 16));

  // The pointer moves, and the release ends the pick on the last colour read.
  screen->pointer = {301, 77};
  w->picker().Timer1_Timer();
  QTest::mouseRelease(pixel, Qt::LeftButton);
  EXPECT_EQ(std::tuple(w->picker().Picking(), Shown("Shape2"), w->CurrentColour()),
            std::tuple(false, false, FakeScreen::LongAt(301, 77)));
  // The next pick goes on from there: from the same spot nothing is captured.
  const QImage captured = PickOnce();
  EXPECT_EQ(screen->captures, 2);
  QTest::mousePress(pixel, Qt::RightButton);  // the right button does not start a pick
  EXPECT_FALSE(w->picker().Picking());

  // Saved at exit, shown at the next start.
  w->mnuExit_Click();
  EXPECT_EQ(Read("screen_tmp.bmp"), Bmp(captured));
  Start();
  EXPECT_EQ(w->magnifier().Picture(), captured);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(Picker, SpaceOnThePickButtonPicksWithTheArrowKeysAndEscapePutsTheColourBack) {
  StartWithScreen();
  auto* pixel = Child<QPushButton>("Pixel");
  pixel->setFocus();
  w->SetColor(RGB(7, 8, 9));
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool picking;
    ScreenPoint pointer;
  } steps[] = {
      {Qt::Key_Space, Qt::NoModifier, true, {300, 200}},
      {Qt::Key_Right, Qt::NoModifier, true, {301, 200}},
      {Qt::Key_Down, Qt::ShiftModifier, true, {301, 210}},
      {Qt::Key_Left, Qt::NoModifier, true, {300, 210}},
      {Qt::Key_Up, Qt::NoModifier, true, {300, 209}},
      {Qt::Key_Return, Qt::NoModifier, false, {300, 209}},
  };
  for (const auto& s : steps) {
    QTest::keyClick(pixel, s.key, s.modifiers);
    // Pressed while it picks, never clicked.
    EXPECT_EQ(std::tuple(w->picker().Picking(), pixel->isDown(), screen->pointer),
              std::tuple(s.picking, s.picking, s.pointer))
        << s.key;
  }
  EXPECT_EQ(w->CurrentColour(), FakeScreen::LongAt(300, 209)) << "Enter took the colour";

  // Escape ends a pick where the timer already read colours, and the old one is back.
  QTest::keyClick(pixel, Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(pixel, Qt::Key_Right);
  w->picker().Timer1_Timer();
  EXPECT_EQ(w->CurrentColour(), FakeScreen::LongAt(301, 209));
  QTest::keyClick(pixel, Qt::Key_Escape);
  EXPECT_EQ(std::tuple(w->picker().Picking(), w->CurrentColour(), LongText()),
            std::tuple(false, FakeScreen::LongAt(300, 209),
                       QString::number(FakeScreen::LongAt(300, 209))));
}

TEST_F(Picker, APressOnTheViewPicksTheBlockUnderItUnlessAPickRuns) {
  StartWithScreen();
  QImage picture(110, 102, QImage::Format_RGB32);
  for (int y = 0; y < 102; ++y)
    for (int x = 0; x < 110; ++x) picture.setPixel(x, y, 0xFF000000u | FakeScreen::At(x, y));
  w->magnifier().SetPicture(picture);
  w->magnifier().mnuZm_Click(2);
  EXPECT_EQ(Text("lblZoom"), "3x");
  QWidget* view = Child("Picture1");
  EXPECT_EQ(view->size(), QSize(330, 306));
  // Panned to the middle: the picture's middle lies in the middle of the viewport.
  EXPECT_EQ(view->pos(), QPoint(-Child<QScrollBar>("HsP")->maximum() / 2,
                                -Child<QScrollBar>("VsP")->maximum() / 2));
  // Each picture pixel is a crisp 3 x 3 block, wherever the view is painted from.
  const QImage shown = view->grab(QRect(100, 91, 12, 7)).toImage();
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      ASSERT_EQ(shown.pixel(x, y) & 0xFFFFFF, FakeScreen::At((100 + x) / 3, (91 + y) / 3))
          << x << "," << y;

  QTest::mousePress(view, Qt::RightButton, {}, QPoint(3 * 60 + 2, 3 * 40));
  EXPECT_EQ(std::pair(w->CurrentColour(), LongText()),
            std::pair(FakeScreen::LongAt(60, 40), QString::number(FakeScreen::LongAt(60, 40))));
  QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(3 * 61, 3 * 40));
  EXPECT_EQ(w->CurrentColour(), FakeScreen::LongAt(61, 40));
  EXPECT_FALSE(Shown("mnuZoom")) << "only the zoom box opens it";
  QTest::mousePress(Child("Pixel"), Qt::LeftButton);
  QTest::mousePress(view, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(w->CurrentColour(), FakeScreen::LongAt(61, 40));
}

TEST_F(Picker, TheSwatchCopiesAnEightByEightImageAndCtrlVPastesAPictureThatIsNotKept) {
  Start();
  Write("screen_tmp.bmp", "not a picture");
  w->SetColor(RGB(10, 20, 30));
  QTest::mouseClick(Child("cmdCopyPIX"), Qt::LeftButton);
  QImage swatch(8, 8, QImage::Format_RGB32);
  swatch.fill(qRgb(10, 20, 30));
  EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), swatch);

  QImage pasted(20, 10, QImage::Format_RGB32);
  pasted.fill(qRgb(200, 100, 50));
  QApplication::clipboard()->setImage(pasted);
  // Only Ctrl+V pastes a picture.
  QTest::keyClick(w.get(), Qt::Key_V, Qt::AltModifier);
  QTest::keyClick(w.get(), Qt::Key_B, Qt::ControlModifier);
  EXPECT_TRUE(w->magnifier().Picture().isNull());
  QTest::keyClick(w.get(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(w->magnifier().Picture().size(), QSize(20, 10));
  w->mnuExit_Click();
  EXPECT_EQ(Read("screen_tmp.bmp"), "not a picture");
}

}  // namespace
}  // namespace hk
