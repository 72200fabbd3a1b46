// Colour modes, the hue maximum, the drag bars and the colour-space display,
// through the real window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QWheelEvent>

#include "colour/modhslv.h"
#include "mainwindow/frmpickcolor.h"
#include "window_fixture.h"
#include "platform/colours.h"
#include "updowntext/updowntext.h"

namespace hk {
namespace {

class ColourModes : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Open();
    Show();
    w->SetColor(0);
  }

  UpDownText* Editor(int i) {
    static const char* names[4] = {"TxtR", "TxtG", "TxtB", "TxtK"};
    return w->findChild<UpDownText*>(names[i]);
  }
  QString Caption(const char* label) { return w->findChild<QLabel*>(label)->text(); }
  std::array<int, 4> Values() {
    return {Editor(0)->value(), Editor(1)->value(), Editor(2)->value(), Editor(3)->value()};
  }
  // One step up of an editor, as its Up key gives it.
  void StepUp(int i) {
    Editor(i)->setFocus();
    QTest::keyClick(Editor(i), Qt::Key_Up);
  }
  void StepDown(int i) {
    Editor(i)->setFocus();
    QTest::keyClick(Editor(i), Qt::Key_Down);
  }

};

TEST_F(ColourModes, CaptionsLimitsAndLoadedValues) {
  struct Case {
    int mode;
    const char *c0, *c1, *c2;
    int max0, max1, max2;
    bool black, hueOption;
    LongColour colour;
    std::array<int, 3> values;
    int kValue;  // expected TxtK value, or -1 when hidden
  };
  const Case cases[] = {
      {0, "Red", "&Green", "&Blue", 255, 255, 255, false, false, RGB(255, 128, 64), {255, 128, 64}, -1},
      {1, "&Cyan", "&Magenta", "&Yellow", 255, 255, 255, false, false, RGB(255, 128, 64), {0, 127, 191}, -1},
      {2, "&Cyan", "&Magenta", "&Yellow", 255, 255, 255, true, false, RGB(100, 150, 200), {128, 64, 0}, 55},
      {3, "&Hue", "&Sat", "&Lum", 240, 240, 240, false, true, RGB(255, 0, 128), {220, 240, 120}, -1},
      {4, "&Hue", "&Sat", "&Value", 240, 240, 240, false, true, RGB(255, 128, 0), {20, 240, 240}, -1},
  };
  for (const Case& c : cases) {
    w->mnuColorMode_Click(c.mode);
    w->SetColor(c.colour);
    EXPECT_EQ(w->ColorMode(), c.mode);
    EXPECT_EQ(Caption("lblRed"), c.c0) << c.mode;
    EXPECT_EQ(Caption("lblGreen"), c.c1) << c.mode;
    EXPECT_EQ(Caption("lblBlue"), c.c2) << c.mode;
    EXPECT_EQ(Editor(0)->Max(), c.max0) << c.mode;
    EXPECT_EQ(Editor(1)->Max(), c.max1) << c.mode;
    EXPECT_EQ(Editor(2)->Max(), c.max2) << c.mode;
    EXPECT_EQ(Editor(3)->isVisible(), c.black) << c.mode;
    EXPECT_EQ(w->findChild<QLabel*>("lblBlack")->isVisible(), c.black) << c.mode;
    EXPECT_EQ(w->findChild<QWidget*>("Picture3")->isVisible(), c.hueOption) << c.mode;
    const auto v = Values();
    EXPECT_EQ(v[0], c.values[0]) << c.mode;
    EXPECT_EQ(v[1], c.values[1]) << c.mode;
    EXPECT_EQ(v[2], c.values[2]) << c.mode;
    if (c.kValue >= 0) {
      EXPECT_EQ(v[3], c.kValue) << c.mode;
    }
    EXPECT_EQ(w->findChild<QLabel*>("lblColor")->text(),
              QStringList({"R G B", "C M Y", "C M Y K", "H S L", "H S V"})[c.mode]);
  }
}

TEST_F(ColourModes, OneEditPerEditorGivesTheNextColour) {
  struct Case {
    int mode;
    LongColour start;
    int editor;
    bool up;
    LongColour expected;
  };
  const Case cases[] = {
      {0, RGB(10, 20, 30), 0, true, RGB(11, 20, 30)},
      {0, RGB(10, 20, 30), 1, false, RGB(10, 19, 30)},
      {0, RGB(10, 20, 30), 2, true, RGB(10, 20, 31)},
      // CMY: one more cyan is one less red, nothing else.
      {1, RGB(100, 150, 200), 0, true, RGB(99, 150, 200)},
      {1, RGB(100, 150, 200), 1, true, RGB(100, 149, 200)},
      {1, RGB(100, 150, 200), 2, false, RGB(100, 150, 201)},
      // CMYK: inks over black 55.
      {2, RGB(100, 150, 200), 0, true, RGB(99, 150, 200)},
      {2, RGB(100, 150, 200), 3, true, RGB(99, 149, 199)},
      // HSL at hue 220 (240 scale): lightness up by one.
      {3, RGB(255, 0, 128), 2, true, RGB(255, 2, 129)},
      // HSV: one step less saturation keeps the hue and pales the colour slightly.
      {4, RGB(255, 128, 0), 1, false, RGB(255, 128, 1)},
  };
  for (const Case& c : cases) {
    w->mnuColorMode_Click(c.mode);
    w->SetColor(c.start);
    if (c.up) {
      StepUp(c.editor);
    } else {
      StepDown(c.editor);
    }
    EXPECT_EQ(w->CurrentColour(), c.expected)
        << "mode " << c.mode << " editor " << c.editor << ": got " << RedOf(w->CurrentColour())
        << "," << GreenOf(w->CurrentColour()) << "," << BlueOf(w->CurrentColour());
  }
}

TEST_F(ColourModes, CMYKEditsComeBackNormalised) {
  w->mnuColorMode_Click(2);
  w->SetColor(RGB(255, 255, 255));
  Editor(0)->setValue(100);
  Editor(1)->setValue(100);
  Editor(2)->setValue(100);
  EXPECT_EQ(w->CurrentColour(), RGB(155, 155, 155));
  const auto v = Values();
  EXPECT_EQ(v[0], 0);
  EXPECT_EQ(v[1], 0);
  EXPECT_EQ(v[2], 0);
  EXPECT_EQ(v[3], 100);
}

TEST_F(ColourModes, HueMaximumSwitchAtHue300) {
  // Hue 300 on the 360 scale: magenta (255, 0, 255).
  w->findChild<QRadioButton*>("Option2", Qt::FindChildrenRecursively);
  w->Option2_Click(0);
  ASSERT_EQ(MaxHue, 360.0f);
  w->SetColor(RGB(255, 0, 255));
  w->mnuColorMode_Click(3);
  EXPECT_EQ(Editor(0)->Max(), 360);
  EXPECT_EQ(Editor(0)->value(), 300) << "the limit is raised before the value is loaded";

  w->Option2_Click(1);
  EXPECT_EQ(MaxHue, 240.0f);
  EXPECT_EQ(Editor(0)->Max(), 240);
  EXPECT_EQ(Editor(0)->value(), 200);
  EXPECT_EQ(w->CurrentColour(), RGB(255, 0, 255));
  EXPECT_TRUE(w->MaxHueChanged);

  w->Option2_Click(0);
  EXPECT_EQ(Editor(0)->Max(), 360);
  EXPECT_EQ(Editor(0)->value(), 300);
  EXPECT_EQ(w->CurrentColour(), RGB(255, 0, 255));
}

TEST_F(ColourModes, DragBarsStepOnePerMoveUpTo255InRGBModeOnly) {
  QWidget* bar = w->findChild<QWidget*>("LblG");
  ASSERT_NE(bar, nullptr);
  w->SetColor(RGB(0, 250, 0));
  auto move = [&](int y) {
    QMouseEvent e(QEvent::MouseMove, QPointF(5, y), bar->mapToGlobal(QPointF(5, y)),
                  Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &e);
  };
  move(70);
  for (int y = 69; y > 55; --y) move(y);  // 14 moves up
  EXPECT_EQ(GreenOf(w->CurrentColour()), 255) << "stops at 255";
  move(60);  // one move down, however far
  EXPECT_EQ(GreenOf(w->CurrentColour()), 254);
  move(60);  // no vertical change
  EXPECT_EQ(GreenOf(w->CurrentColour()), 254);

  w->mnuColorMode_Click(1);
  const LongColour before = w->CurrentColour();
  move(10);
  move(5);
  EXPECT_EQ(w->CurrentColour(), before) << "bars do not drag outside RGB mode";
  EXPECT_EQ(bar->cursor().shape(), Qt::ForbiddenCursor);
}

TEST_F(ColourModes, DisplayDiagramsArePaintedWhereTheyBelong) {
  QWidget* display = w->findChild<QWidget*>("PicFrame3");
  const DiagramGeometry g = w->diagramGeometry();
  const LongColour colour = RGB(100, 150, 200);
  w->SetColor(colour);

  auto pixel = [&](int x, int y) { return display->grab().toImage().pixelColor(x, y); };
  const QColor face = ToQColor(kSysButtonFace);

  // Bars: visible in the RGB display, the area around them is button face.
  EXPECT_TRUE(w->findChild<QWidget*>("LblR")->isVisible());
  EXPECT_EQ(pixel(1, 50), face);

  w->mnuDisp_Click(2);
  EXPECT_FALSE(w->findChild<QWidget*>("LblR")->isVisible());
  EXPECT_EQ(w->findChild<QLabel*>("lblDisp")->text(), "CMYK Display");
  // Cyan alone (upper left), black alone (lower right), the colour in the centre.
  EXPECT_EQ(pixel(g.cx - 25, g.cy - 30), QColor(127, 255, 255));
  EXPECT_EQ(pixel(g.cx + 25, g.cy + 30), QColor(200, 200, 200));
  EXPECT_EQ(pixel(g.cx, g.cy), QColor(100, 150, 200));
  EXPECT_EQ(pixel(g.cx - 6, g.cy - 6), QColor(100, 150, 200));
  EXPECT_EQ(pixel(g.cx + 5, g.cy + 5), QColor(100, 150, 200));
  EXPECT_EQ(pixel(g.cx + 25, g.cy - 30), QColor(255, 191, 255));  // magenta alone
  EXPECT_EQ(pixel(g.cx + 32, g.cy - 30), face);                   // outside every ink

  w->mnuDisp_Click(1);
  // CMY of (100, 150, 200): cyan 155, magenta 105, yellow 55.
  EXPECT_EQ(pixel(g.cx, g.cy - 30), QColor(100, 255, 255));       // cyan alone
  EXPECT_EQ(pixel(g.cx - 25, g.cy + 30), QColor(255, 150, 255));  // magenta alone
  EXPECT_EQ(pixel(g.cx + 25, g.cy + 30), QColor(255, 255, 200));  // yellow alone
  EXPECT_EQ(pixel(g.cx, g.cy), QColor(100, 150, 200));
  EXPECT_TRUE(w->DispModeChanged);
}

TEST_F(ColourModes, WheelStepsTheFocusedEditorWhereverThePointerIs) {
  w->SetColor(RGB(10, 253, 30));
  Editor(1)->setFocus();
  QApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), Editor(1));
  QWidget* elsewhere = w->findChild<QWidget*>("Text1");
  auto wheel = [&](int delta) {
    QWheelEvent e(QPointF(5, 5), elsewhere->mapToGlobal(QPointF(5, 5)), QPoint(),
                  QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(elsewhere, &e);
  };
  wheel(120);  // away from the user: up
  EXPECT_EQ(GreenOf(w->CurrentColour()), 254);
  wheel(360);  // three notches, stopped at the limit
  EXPECT_EQ(GreenOf(w->CurrentColour()), 255);
  wheel(-240);
  EXPECT_EQ(GreenOf(w->CurrentColour()), 253);
  wheel(60);  // half a notch does nothing yet ...
  EXPECT_EQ(GreenOf(w->CurrentColour()), 253);
  wheel(60);  // ... the second half makes a step
  EXPECT_EQ(GreenOf(w->CurrentColour()), 254);

  // Without an editor in focus the wheel is left to the control under the pointer.
  w->findChild<QWidget*>("Text4")->setFocus();
  QApplication::processEvents();
  wheel(120);
  EXPECT_EQ(GreenOf(w->CurrentColour()), 254);
}

TEST_F(ColourModes, MenusOpenFromTheirCaptions) {
  auto* colourMenu = w->findChild<QMenu*>("mnuColor");
  QTest::mouseClick(w->findChild<QLabel*>("lblColor"), Qt::LeftButton);
  EXPECT_TRUE(colourMenu->isVisible());
  // Right under the selector, at its left edge.
  const QWidget* selector = w->findChild<QWidget*>("PicFrame2");
  EXPECT_EQ(colourMenu->pos().x(), selector->mapToGlobal(QPoint(0, 0)).x());
  EXPECT_GE(colourMenu->pos().y(), selector->mapToGlobal(QPoint(0, selector->height())).y());
  colourMenu->actions().at(3)->trigger();
  colourMenu->hide();
  EXPECT_EQ(w->ColorMode(), 3);
  EXPECT_TRUE(w->ColorModeChanged);

  auto* dispMenu = w->findChild<QMenu*>("mnuDispMode");
  QTest::mouseClick(w->findChild<QLabel*>("lblDisp"), Qt::LeftButton);
  EXPECT_TRUE(dispMenu->isVisible());
  dispMenu->actions().at(1)->trigger();
  dispMenu->hide();
  EXPECT_EQ(w->DispMode(), 1);
  EXPECT_EQ(w->findChild<QLabel*>("lblDisp")->text(), "CMY Display");
}

}  // namespace
}  // namespace hk
