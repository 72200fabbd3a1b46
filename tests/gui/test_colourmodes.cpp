// Colour modes, the hue maximum, the drag bars, the wheel and the colour-space display
// through the real window: each event reaches its rule, the result reaches the screen.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QWheelEvent>

#include "mainwindow/frmpickcolor.h"
#include "platform/colours.h"
#include "updowntext/updowntext.h"
#include "window_fixture.h"

namespace hk {
namespace {

class ColourModes : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Open();
    Show();
  }
  UpDownText* Editor(int i) {
    static const char* names[4] = {"TxtR", "TxtG", "TxtB", "TxtK"};
    return w->findChild<UpDownText*>(names[i]);
  }
  std::array<int, 4> Values() {
    return {Editor(0)->value(), Editor(1)->value(), Editor(2)->value(), Editor(3)->value()};
  }
  QString Text(const char* label) { return w->findChild<QLabel*>(label)->text(); }
  bool Visible(const char* name) { return w->findChild<QWidget*>(name)->isVisible(); }
  // Opens a caption's menu with a click and picks one of its entries.
  QMenu* Pick(const char* caption, const char* menuName, int entry) {
    auto* menu = w->findChild<QMenu*>(menuName);
    QTest::mouseClick(w->findChild<QLabel*>(caption), Qt::LeftButton);
    EXPECT_TRUE(menu->isVisible()) << menuName;
    menu->actions().at(entry)->trigger();
    menu->hide();
    return menu;
  }
};

TEST_F(ColourModes, ColourMenuSetsTheModeItsEditorsAndTheirValues) {
  w->SetColor(RGB(100, 150, 200));
  const QMenu* menu = Pick("lblColor", "mnuColor", 2);
  const QWidget* selector = w->findChild<QWidget*>("PicFrame2");  // the menu opens under it
  EXPECT_EQ(menu->pos(), selector->mapToGlobal(QPoint(0, selector->height())));
  EXPECT_TRUE(w->ColorModeChanged);
  EXPECT_EQ((QStringList{Text("lblColor"), Text("lblRed"), Text("lblGreen"), Text("lblBlue")}),
            (QStringList{"C M Y K", "&Cyan", "&Magenta", "&Yellow"}));
  EXPECT_EQ(Values(), (std::array{128, 64, 0, 55}));
  EXPECT_EQ(Editor(3)->Max(), 255);
  EXPECT_TRUE(Visible("TxtK") && Visible("lblBlack"));
  EXPECT_FALSE(Visible("Picture3"));
  Editor(2)->setValue(100);  // an edit gives the colour, and the editors reload from it
  EXPECT_EQ(w->CurrentColour(), RGB(100, 150, 122));
  EXPECT_EQ(Values(), (std::array{85, 0, 48, 105}));

  w->mnuColorMode_Click(kModeRGB);
  EXPECT_EQ(Text("lblRed"), "Red");
  EXPECT_EQ(Values()[2], 122);
  EXPECT_EQ(w->CurrentColour(), RGB(100, 150, 122));
  EXPECT_EQ(w->findChild<QWidget*>("LblR")->cursor().shape(), Qt::SizeVerCursor);

  w->mnuColorMode_Click(kModeHSL);
  EXPECT_EQ(Text("lblRed"), "&Hue");
  EXPECT_FALSE(Visible("TxtK") || Visible("lblBlack"));
  EXPECT_TRUE(Visible("Picture3"));
  EXPECT_EQ(w->findChild<QWidget*>("LblR")->cursor().shape(), Qt::ForbiddenCursor);
}

TEST_F(ColourModes, HueMaximumRescalesTheHueAndKeepsTheColour) {
  const auto options = w->findChildren<QRadioButton*>("Option2");
  ASSERT_EQ(options.at(0)->text(), "360");
  EXPECT_TRUE(options.at(1)->isChecked());
  auto click = [&](int i) { QTest::mouseClick(options.at(i), Qt::LeftButton); };
  w->SetColor(RGB(255, 0, 255));  // hue 200 of 240, 300 of 360
  w->mnuColorMode_Click(kModeHSL);
  click(0);
  EXPECT_EQ(MaxHue, 360.0f);
  EXPECT_TRUE(w->MaxHueChanged);
  EXPECT_EQ((std::array{Editor(0)->Max(), Editor(0)->value()}), (std::array{360, 300}));
  w->mnuColorMode_Click(kModeRGB);
  w->mnuColorMode_Click(kModeHSL);  // the limit is raised before the value is loaded
  EXPECT_EQ((std::array{Editor(0)->Max(), Editor(0)->value()}), (std::array{360, 300}));
  click(1);
  EXPECT_EQ((std::array{Editor(0)->Max(), Editor(0)->value()}), (std::array{240, 200}));
  EXPECT_EQ(w->CurrentColour(), RGB(255, 0, 255));
}

TEST_F(ColourModes, DragBarsStepOnePerMoveUpTo255InRGBModeOnly) {
  QWidget* bar = w->findChild<QWidget*>("LblG");
  w->SetColor(RGB(0, 250, 0));
  auto move = [&](int y) {
    QMouseEvent e(QEvent::MouseMove, QPointF(5, y), bar->mapToGlobal(QPointF(5, y)),
                  Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &e);
    return w->CurrentColour();
  };
  for (int y = 70; y > 56; --y) move(y);
  EXPECT_EQ(move(56), RGB(0, 255, 0)) << "14 moves up, stopped at 255";
  EXPECT_EQ(move(70), RGB(0, 254, 0)) << "one step down, however far";
  EXPECT_EQ(move(70), RGB(0, 254, 0)) << "no step without a vertical move";
  w->mnuColorMode_Click(kModeCMY);
  move(10);
  EXPECT_EQ(move(5), RGB(0, 254, 0)) << "bars do not drag outside RGB mode";
}

TEST_F(ColourModes, DisplayMenuPaintsTheDiagramOfTheColour) {
  QWidget* display = w->findChild<QWidget*>("PicFrame3");
  const DiagramGeometry g = w->diagramGeometry();
  w->SetColor(RGB(100, 150, 200));
  auto pixel = [&](int x, int y) { return display->grab().toImage().pixelColor(x, y); };
  EXPECT_EQ(pixel(1, 50), ToQColor(kSysButtonFace));
  for (const auto& [bar, colour] : {std::pair{"LblR", QColor(100, 0, 0)},
                                    {"LblG", QColor(0, 150, 0)}, {"LblB", QColor(0, 0, 200)}})
    EXPECT_EQ(w->findChild<QWidget*>(bar)->grab().toImage().pixelColor(0, 0), colour) << bar;
  Pick("lblDisp", "mnuDispMode", 2);
  EXPECT_TRUE(w->DispModeChanged);
  EXPECT_EQ(Text("lblDisp"), "CMYK Display");
  EXPECT_FALSE(Visible("LblR"));
  EXPECT_EQ(pixel(g.cx - 25, g.cy - 30), QColor(127, 255, 255));  // cyan alone
  EXPECT_EQ(pixel(g.cx + 5, g.cy + 5), QColor(100, 150, 200));    // the colour, centre
  EXPECT_EQ(pixel(g.cx + 32, g.cy - 30), ToQColor(kSysButtonFace));
  w->mnuDisp_Click(1);
  EXPECT_EQ(pixel(g.cx, g.cy - 30), QColor(100, 255, 255));  // the CMY diagram's cyan
}

TEST_F(ColourModes, WheelStepsTheFocusedEditorWhereverThePointerIs) {
  w->SetColor(RGB(10, 253, 30));
  Editor(1)->setFocus();
  QApplication::processEvents();
  QWidget* elsewhere = w->findChild<QWidget*>("Text1");
  auto wheel = [&](int delta) {
    QWheelEvent e(QPointF(5, 5), elsewhere->mapToGlobal(QPointF(5, 5)), QPoint(),
                  QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(elsewhere, &e);
    return GreenOf(w->CurrentColour());
  };
  EXPECT_EQ(wheel(120), 254);  // away from the user: up
  EXPECT_EQ(wheel(360), 255);  // three notches, stopped at the limit
  EXPECT_EQ(wheel(-240), 253);
  EXPECT_EQ(wheel(60), 253);  // half a notch does nothing yet ...
  EXPECT_EQ(wheel(60), 254);  // ... the second half makes a step
  // Without an editor in focus the wheel is left to the control under the pointer.
  w->findChild<QWidget*>("Text4")->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(wheel(120), 254);
}

}  // namespace
}  // namespace hk
