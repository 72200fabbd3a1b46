// Picking from the screen and the magnifier, the zoom, the swatch image, pasting, the capture.
#include "window_fixture.h"

namespace hk {
namespace {

class Picker : public WindowTest {
 protected:
  std::pair<LongColour, QString> Current() {
    return {w->CurrentColour(), Child<QComboBox>("txtCol")->currentText()};
  }
  static std::pair<LongColour, QString> At(int x, int y) {
    return {FakeScreen::LongAt(x, y), QString::number(FakeScreen::LongAt(x, y))};
  }
};

TEST_F(Picker, APickFollowsThePointerUntilTheReleaseTheWheelZoomsAndTheCaptureIsKept) {
  StartWithScreen();
  auto* pixel = Child<QPushButton>("Pixel");
  QTest::mousePress(pixel, Qt::LeftButton);
  EXPECT_EQ(std::pair(w->picker().Picking(), Shown("Shape2")), std::pair(true, true));
  w->picker().Timer1_Timer();
  EXPECT_EQ(Current(), At(300, 200));
  const QImage& shown = w->magnifier().Picture();  // 55 and 51 pixels around the pointer
  EXPECT_EQ(std::tuple(shown.size(), shown.pixel(55, 51) & 0xFFFFFF, shown.pixel(0, 0) & 0xFFFFFF),
            std::tuple(QSize(110, 102), FakeScreen::At(300, 200), FakeScreen::At(245, 149)));
  const auto zoom = [&](int notches) {
    for (int i = 0; i < std::abs(notches); ++i) Wheel(pixel, notches > 0 ? 120 : -120);
    return std::tuple(Text("lblZoom"), w->magnifier().Zoom(), Shown("HsP"));
  };
  EXPECT_EQ(zoom(1), std::tuple(QString("2x"), 2, true));
  EXPECT_EQ(zoom(-2), std::tuple(QString("1x"), 1, false));
  EXPECT_EQ(zoom(17), std::tuple(QString("16x"), 16, true));
  auto* pan = Child<QScrollBar>("VsP");  // a page of the pan is ten pixels of the picture
  const int from = pan->value();
  pan->triggerAction(QAbstractSlider::SliderPageStepSub);
  EXPECT_EQ(pan->value(), from - 10);
  screen->pointer = {301, 77};
  w->picker().Timer1_Timer();
  QTest::mouseRelease(pixel, Qt::LeftButton);
  EXPECT_EQ(std::tuple(w->picker().Picking(), Shown("Shape2"), Current()),
            std::tuple(false, false, At(301, 77)));
  const QImage captured = PickOnce();
  QTest::mousePress(pixel, Qt::RightButton);  // the right button does not start a pick
  EXPECT_FALSE(w->picker().Picking());
  QTest::mouseRelease(pixel, Qt::RightButton);
  auto* unreadable = new QMimeData;  // a picture offered that cannot be decoded changes nothing
  unreadable->setData("application/x-qt-image", "not a picture");
  QApplication::clipboard()->setMimeData(unreadable);
  QTest::keyClick(w.get(), Qt::Key_V, Qt::ControlModifier);
  w->mnuExit_Click();  // saved at exit, shown at the next start
  EXPECT_EQ(Read("screen_tmp.bmp"), Bmp(captured));
  Start();
  EXPECT_EQ(std::pair(w->magnifier().Picture(), dialogs.calls.empty()), std::pair(captured, true));
}

TEST_F(Picker, SpaceOnThePickButtonPicksWithTheArrowKeysAndEscapePutsTheColourBack) {
  StartWithScreen();
  auto* pixel = Child<QPushButton>("Pixel");
  pixel->setFocus();
  w->SetColor(RGB(7, 8, 9));
  // Each key, whether a pick then runs (the button held down, never clicked), the pointer.
  // clang-format off
  const std::tuple<Qt::Key, Qt::KeyboardModifier, bool, ScreenPoint> steps[] = {
      {Qt::Key_Space, Qt::NoModifier, true, {300, 200}}, {Qt::Key_Right, Qt::NoModifier, true, {301, 200}},
      {Qt::Key_Down, Qt::ShiftModifier, true, {301, 210}}, {Qt::Key_Left, Qt::NoModifier, true, {300, 210}},
      {Qt::Key_Up, Qt::NoModifier, true, {300, 209}}, {Qt::Key_Return, Qt::NoModifier, false, {300, 209}}};
  // clang-format on
  for (const auto& [key, mods, picking, pointer] : steps) {
    QTest::keyClick(pixel, key, mods);
    EXPECT_EQ(std::tuple(w->picker().Picking(), pixel->isDown(), screen->pointer),
              std::tuple(picking, picking, pointer))
        << key;
  }
  EXPECT_EQ(Current(), At(300, 209)) << "Enter took the colour";
  // Escape ends a pick where the timer already read colours, and the old one is back.
  QTest::keyClick(pixel, Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(pixel, Qt::Key_Right);
  w->picker().Timer1_Timer();
  EXPECT_EQ(Current(), At(301, 209));
  QTest::keyClick(pixel, Qt::Key_Escape);
  EXPECT_EQ(std::pair(w->picker().Picking(), Current()), std::pair(false, At(300, 209)));
}

TEST_F(Picker, TheViewPicksTheBlockUnderItTheSwatchCopiesAndCtrlVPastes) {
  StartWithScreen();
  QImage picture(110, 102, QImage::Format_RGB32);
  for (int y = 0; y < 102; ++y)
    for (int x = 0; x < 110; ++x) picture.setPixel(x, y, 0xFF000000u | FakeScreen::At(x, y));
  w->magnifier().SetPicture(picture);
  w->magnifier().mnuZm_Click(2);
  QWidget* view = Child("Picture1");
  EXPECT_EQ(std::tuple(Text("lblZoom"), view->size(), view->pos()),
            std::tuple(QString("3x"), QSize(330, 306),
                       QPoint(-Child<QScrollBar>("HsP")->maximum() / 2,
                              -Child<QScrollBar>("VsP")->maximum() / 2)));
  // Each picture pixel is a crisp 3 x 3 block, wherever the view is painted from.
  const QImage shown = view->grab(QRect(100, 91, 12, 7)).toImage();
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      ASSERT_EQ(shown.pixel(x, y) & 0xFFFFFF, FakeScreen::At((100 + x) / 3, (91 + y) / 3))
          << x << "," << y;
  QTest::mouseClick(view, Qt::RightButton, {}, QPoint(3 * 60 + 2, 3 * 40));
  EXPECT_EQ(Current(), At(60, 40));
  QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(3 * 61, 3 * 40));
  EXPECT_EQ(std::pair(Current(), Shown("mnuZoom")), std::pair(At(61, 40), false))
      << "only the zoom box opens the zoom menu";
  QTest::mousePress(Child("Pixel"), Qt::LeftButton);
  QTest::mousePress(view, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(Current(), At(61, 40));
  QTest::mouseRelease(Child("Pixel"), Qt::LeftButton);

  // The swatch copies an 8 x 8 image; only Ctrl+V pastes a picture, which is not kept.
  Write("screen_tmp.bmp", "not a picture");
  w->SetColor(RGB(10, 20, 30));
  QTest::mouseClick(Child("cmdCopyPIX"), Qt::LeftButton);
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(qRgb(10, 20, 30));
  EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), image);
  QApplication::clipboard()->setImage(image.scaled(20, 10));
  QTest::keyClick(w.get(), Qt::Key_V, Qt::AltModifier);
  QTest::keyClick(w.get(), Qt::Key_B, Qt::ControlModifier);
  EXPECT_EQ(w->magnifier().Picture(), picture);
  QTest::keyClick(w.get(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(w->magnifier().Picture().size(), QSize(20, 10));
  w->mnuExit_Click();
  EXPECT_EQ(Read("screen_tmp.bmp"), "not a picture");
}

}  // namespace
}  // namespace hk
