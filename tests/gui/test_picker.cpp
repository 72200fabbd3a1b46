// Picking from the screen and from the magnifier, the zoom, the 8 x 8 swatch image,
// pasting a picture and the capture kept between runs, through the real window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "picker/bmpfile.h"
#include "picker/magnifier.h"
#include "picker/screenpicker.h"
#include "window_fixture.h"

namespace hk {
namespace {

// A screen whose every pixel tells where it is: red the column, green the row.
class FakeScreen : public ScreenSource {
 public:
  static std::uint32_t At(int x, int y) { return (x & 0xFF) << 16 | (y & 0xFF) << 8 | 0x40; }
  std::optional<ScreenPoint> PointerPosition() override { return pointer; }
  void MovePointer(int dx, int dy) override { pointer = {pointer.x + dx, pointer.y + dy}; }
  std::optional<PixelImage> Capture(const PixelRect& area) override {
    ++captures;
    PixelImage image(area.width, area.height);
    for (int y = 0; y < area.height; ++y)
      for (int x = 0; x < area.width; ++x) image.at(x, y) = At(area.left + x, area.top + y);
    return image;
  }
  ScreenPoint pointer{300, 200};
  int captures = 0;
};

LongColour LongOf(std::uint32_t rgb) { return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF); }

class Picker : public WindowTest {
 protected:
  void StartWithScreen() {
    Start();
    auto owned = std::make_unique<FakeScreen>();
    screen = owned.get();
    w->SetScreenSource(std::move(owned));
  }
  template <typename T = QWidget>
  T* Child(const char* name) {
    return w->findChild<T*>(name);
  }
  QString LongText() { return Child<QComboBox>("txtCol")->currentText(); }
  void Wheel(QWidget* target, int delta) {
    QWheelEvent e(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &e);
  }
  FakeScreen* screen = nullptr;
};

TEST_F(Picker, APickFollowsThePointerUntilTheReleaseAndTheWheelZooms) {
  StartWithScreen();
  auto* pixel = Child<QPushButton>("Pixel");
  QWidget* marker = Child("Shape2");
  QTest::mousePress(pixel, Qt::LeftButton);
  ASSERT_TRUE(w->picker().Picking());
  EXPECT_TRUE(marker->isVisible());

  w->picker().Timer1_Timer();
  const LongColour under = LongOf(FakeScreen::At(300, 200));
  EXPECT_EQ(w->CurrentColour(), under);
  EXPECT_EQ(LongText(), QString::number(under));
  const QImage& shown = w->magnifier().Picture();
  EXPECT_EQ(shown.size(), QSize(110, 102));
  EXPECT_EQ(shown.pixel(55, 51) & 0xFFFFFF, FakeScreen::At(300, 200));
  EXPECT_EQ(shown.pixel(0, 0) & 0xFFFFFF, FakeScreen::At(245, 149));

  // The wheel zooms one step a notch, from 1x to 16x and no further.
  auto* zoom = Child<QLabel>("lblZoom");
  Wheel(pixel, 120);
  EXPECT_EQ(zoom->text(), "2x");
  EXPECT_TRUE(Child("HsP")->isVisible());
  Wheel(pixel, -240);
  EXPECT_EQ(zoom->text(), "1x");
  EXPECT_FALSE(Child("HsP")->isVisible());
  for (int i = 0; i < 17; ++i) Wheel(pixel, 120);
  EXPECT_EQ(zoom->text(), "16x");
  EXPECT_EQ(w->magnifier().Zoom(), 16);

  // The pointer moves, and the release ends the pick on the last colour read.
  screen->pointer = {301, 77};
  w->picker().Timer1_Timer();
  QTest::mouseRelease(pixel, Qt::LeftButton);
  EXPECT_FALSE(w->picker().Picking());
  EXPECT_FALSE(marker->isVisible());
  EXPECT_EQ(w->CurrentColour(), LongOf(FakeScreen::At(301, 77)));

  // The next pick goes on from there: from the same spot nothing is captured.
  QTest::mousePress(pixel, Qt::LeftButton);
  w->picker().Timer1_Timer();
  QTest::mouseRelease(pixel, Qt::LeftButton);
  EXPECT_EQ(screen->captures, 2);
  // The right button does not start a pick.
  QTest::mousePress(pixel, Qt::RightButton);
  EXPECT_FALSE(w->picker().Picking());
}

TEST_F(Picker, SpaceOnThePickButtonPicksWithTheArrowKeysAndEscapePutsTheColourBack) {
  StartWithScreen();
  auto* pixel = Child<QPushButton>("Pixel");
  pixel->setFocus();
  w->SetColor(RGB(7, 8, 9));
  struct Step {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool picking;
    ScreenPoint pointer;
  };
  const Step steps[] = {
      {Qt::Key_Space, Qt::NoModifier, true, {300, 200}},
      {Qt::Key_Right, Qt::NoModifier, true, {301, 200}},
      {Qt::Key_Down, Qt::ShiftModifier, true, {301, 210}},
      {Qt::Key_Left, Qt::NoModifier, true, {300, 210}},
      {Qt::Key_Up, Qt::NoModifier, true, {300, 209}},
      {Qt::Key_Return, Qt::NoModifier, false, {300, 209}},
  };
  for (const Step& s : steps) {
    QTest::keyClick(pixel, s.key, s.modifiers);
    EXPECT_EQ(w->picker().Picking(), s.picking) << s.key;
    EXPECT_EQ(pixel->isDown(), s.picking) << s.key;  // pressed, never clicked
    EXPECT_EQ(screen->pointer, s.pointer) << s.key;
  }
  // Enter took the colour under the pointer.
  EXPECT_EQ(w->CurrentColour(), LongOf(FakeScreen::At(300, 209)));

  // Escape ends a pick where the timer already read colours, and the old one is back.
  QTest::keyClick(pixel, Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(pixel, Qt::Key_Right);
  w->picker().Timer1_Timer();
  EXPECT_EQ(w->CurrentColour(), LongOf(FakeScreen::At(301, 209)));
  QTest::keyClick(pixel, Qt::Key_Escape);
  EXPECT_FALSE(w->picker().Picking());
  EXPECT_EQ(w->CurrentColour(), LongOf(FakeScreen::At(300, 209)));
  EXPECT_EQ(LongText(), QString::number(w->CurrentColour()));
}

TEST_F(Picker, APressOnTheViewPicksTheBlockUnderItUnlessAPickRuns) {
  StartWithScreen();
  QImage picture(110, 102, QImage::Format_RGB32);
  for (int y = 0; y < 102; ++y)
    for (int x = 0; x < 110; ++x) picture.setPixel(x, y, 0xFF000000u | FakeScreen::At(x, y));
  w->magnifier().SetPicture(picture);
  w->magnifier().mnuZm_Click(2);
  EXPECT_EQ(Child<QLabel>("lblZoom")->text(), "3x");
  auto* view = Child("Picture1");
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
  EXPECT_EQ(w->CurrentColour(), LongOf(FakeScreen::At(60, 40)));
  EXPECT_EQ(LongText(), QString::number(w->CurrentColour()));
  QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(3 * 61, 3 * 40));
  EXPECT_EQ(w->CurrentColour(), LongOf(FakeScreen::At(61, 40)));
  EXPECT_FALSE(w->findChild<QMenu*>("mnuZoom")->isVisible()) << "only the zoom box opens it";

  QTest::mousePress(Child("Pixel"), Qt::LeftButton);
  QTest::mousePress(view, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(w->CurrentColour(), LongOf(FakeScreen::At(61, 40)));
}

TEST_F(Picker, TheSwatchCopiesAnEightByEightImageAndCtrlVPastesAPictureThatIsNotKept) {
  Start();
  Write("screen_tmp.bmp", "not a picture");
  w->SetColor(RGB(10, 20, 30));
  QTest::mouseClick(Child("cmdCopyPIX"), Qt::LeftButton);
  const QImage copied = QApplication::clipboard()->image();
  ASSERT_EQ(copied.size(), QSize(8, 8));
  for (int i = 0; i < 64; ++i) EXPECT_EQ(copied.pixel(i % 8, i / 8), qRgb(10, 20, 30));

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

TEST_F(Picker, ACaptureIsSavedAtExitAndShownAtTheNextStart) {
  StartWithScreen();
  QTest::mousePress(Child("Pixel"), Qt::LeftButton);
  w->picker().Timer1_Timer();
  QTest::mouseRelease(Child("Pixel"), Qt::LeftButton);
  const QImage captured = w->magnifier().Picture();
  w->mnuExit_Click();
  EXPECT_EQ(Read("screen_tmp.bmp"), QByteArray::fromStdString(EncodeBmp24(FromQImage(captured))));

  Start();
  EXPECT_EQ(w->magnifier().Picture(), captured);
  EXPECT_TRUE(dialogs.calls.empty());
}

}  // namespace
}  // namespace hk
