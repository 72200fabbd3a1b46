// The current colour, its notation fields and the colour modes through the real window.
#include "window_fixture.h"

namespace hk {
namespace {

class ColourModes : public WindowTest {
 protected:
  void SetUp() override { WindowTest::SetUp(), Start(false); }
  UpDownText* Editor(int i) { return w->findChild<UpDownText*>(QString("Txt") + "RGBK"[i]); }
  std::array<int, 4> Values() {
    return {Editor(0)->value(), Editor(1)->value(), Editor(2)->value(), Editor(3)->value()};
  }
  void TypeAndEnter(QWidget* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
  }
  // The fields with the error highlight.
  QStringList Marked() {
    QStringList marked;
    for (const char* name : {"Text1", "Text2", "txtHTML", "Text4", "Text5"})
      if (Child(name)->palette().color(QPalette::Base) == ToQColor(kErrorHighlight)) marked << name;
    return marked;
  }
  QMenu* Pick(const char* caption, const char* menuName, int entry) {
    auto* menu = Child<QMenu>(menuName);
    QTest::mouseClick(Child(caption), Qt::LeftButton);
    EXPECT_TRUE(menu->isVisible()) << menuName;
    menu->actions().at(entry)->trigger();
    menu->hide();
    return menu;
  }
};

TEST_F(ColourModes, EnterInEachFieldShowsTheColourEverywhereAndBadInputMarksOnlyThatField) {
  // clang-format off
  const std::tuple<const char*, const char*, const char*, LongColour> typed[] = {
      {"Text1", "XYZ", "FF", 255}, {"Text2", "#FG0000", "#000000", 0},
      {"txtHTML", "Grey", "cyan", 16776960}, {"Text4", "256, 0, 0", "12.5, 13.5, 0", RGB(12, 14, 0)},
      {"Text5", "1,2,3", "100,100,100,0", RGB(155, 155, 155)}};
  // clang-format on
  for (const auto& [field, bad, good, colour] : typed) {
    w->SetColor(4227327);
    TypeAndEnter(Child(field), bad);
    EXPECT_EQ(std::pair(w->CurrentColour(), Marked()), std::pair(4227327, QStringList{field}));
    TypeAndEnter(Child(field), good);  // a colour clears the mark
    EXPECT_EQ(std::pair(w->CurrentColour(), Marked()), std::pair(colour, QStringList()));
  }
  TypeAndEnter(Child("txtHTML"), "AQUA");  // every text shown: Long, the five fields, R G B
  QStringList shown{Child<QComboBox>("txtCol")->currentText()};
  for (const char* name : {"Text1", "Text2", "txtHTML", "Text4", "Text5"})
    shown << Child<QLineEdit>(name)->text();
  for (int i = 0; i < 3; ++i) shown << QString::number(Editor(i)->value());
  EXPECT_EQ(shown, (QStringList{"16776960", "FFFF00", "#00FFFF", "Aqua", "0, 255, 255",
                                "255, 0, 0, 0", "0", "255", "255"}));
  const QImage pixel = Child("PicPX")->grab().toImage();  // framed in black
  EXPECT_EQ(std::pair(pixel.pixelColor(0, 0), pixel.pixelColor(1, 1)),
            std::pair(QColor(Qt::black), QColor(0, 255, 255)));
}

TEST_F(ColourModes, LongFieldTakesOnlyDigitsAndAppliesOnEnter) {
  dialogs.typed.push_back("white");
  w->table().AddColor(16777215, dialogs);  // a saved value must not complete "1677"
  w->SetColor(5);
  auto* combo = Child<QComboBox>("txtCol");
  TypeAndEnter(combo, "-1a6x77.4");  // "-", "a" and "x" are dropped; Ctrl+A still selects
  EXPECT_EQ(std::tuple(combo->currentText(), w->CurrentColour(), Child<QLineEdit>("Text4")->text()),
            std::tuple(QString("1677"), 1677, QString("141, 6, 0")));
}

TEST_F(ColourModes, FocusSelectsTheTextAndCopyButtonsPutItOnTheClipboard) {
  w->SetColor(4227327);
  for (const char* name : {"Text1", "Text2", "Text4", "Text5"}) {
    Child(std::string(name) == "Text1" ? "Text2" : "Text1")->setFocus();
    Child(name)->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(Child<QLineEdit>(name)->selectedText(), Child<QLineEdit>(name)->text()) << name;
  }
  auto copy = [&](int index) {
    QApplication::clipboard()->setText("stale");
    for (QPushButton* b : w->findChildren<QPushButton*>("Command2"))
      if (b->property("index").toInt() == index) QTest::mouseClick(b, Qt::LeftButton);
    return QApplication::clipboard()->text();
  };
  const char* const copied[] = {"4080FF", "4227327",           "#FF8040",
                                "",       "RGB(255, 128, 64)", "CMYK(0, 127, 191, 0)"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(copy(i), copied[i]) << i;
  w->SetColor(16776960);
  EXPECT_EQ(copy(3), "Aqua");
}

TEST_F(ColourModes, ColourMenuSetsTheModeItsEditorsAndTheirValues) {
  w->SetColor(RGB(100, 150, 200));
  const QMenu* menu = Pick("lblColor", "mnuColor", 2);
  const QWidget* selector = Child("PicFrame2");  // the menu opens under it
  EXPECT_EQ(menu->pos(), selector->mapToGlobal(QPoint(0, selector->height())));
  EXPECT_EQ(std::tuple(Text("lblColor"), Text("lblBlue"), Values(), Editor(3)->Max()),
            std::tuple(QString("C M Y K"), QString("&Yellow"), std::array{128, 64, 0, 55}, 255));
  EXPECT_TRUE(w->ColorModeChanged && Shown("TxtK") && Shown("lblBlack") && !Shown("Picture3"));
  Editor(2)->setValue(100);  // an edit gives the colour, and the editors reload from it
  EXPECT_EQ(std::pair(w->CurrentColour(), Values()),
            std::pair(RGB(100, 150, 122), std::array{85, 0, 48, 105}));
  w->mnuColorMode_Click(kModeRGB);
  EXPECT_EQ(std::pair(Values()[2], Child("LblR")->cursor().shape()),
            std::pair(122, Qt::SizeVerCursor));
  w->mnuColorMode_Click(kModeHSL);
  EXPECT_TRUE(!Shown("TxtK") && !Shown("lblBlack") && Shown("Picture3"));
  EXPECT_EQ(Child("LblR")->cursor().shape(), Qt::ForbiddenCursor);
}

TEST_F(ColourModes, HueMaximumRescalesTheHueAndKeepsTheColour) {
  const auto options = w->findChildren<QRadioButton*>("Option2");
  ASSERT_TRUE(options.at(0)->text() == "360" && options.at(1)->isChecked());
  const LongColour colour = RGB(255, 0, 255);  // hue 200 of 240, 300 of 360
  auto hue = [&] { return std::tuple(Editor(0)->Max(), Editor(0)->value(), w->CurrentColour()); };
  w->SetColor(colour);
  w->mnuColorMode_Click(kModeHSL);
  QTest::mouseClick(options.at(0), Qt::LeftButton);
  EXPECT_TRUE(MaxHue == 360.0f && w->MaxHueChanged);
  EXPECT_EQ(hue(), std::tuple(360, 300, colour));
  w->mnuColorMode_Click(kModeRGB);
  w->mnuColorMode_Click(kModeHSL);  // the limit is raised before the value is loaded
  EXPECT_EQ(hue(), std::tuple(360, 300, colour));
  QTest::mouseClick(options.at(1), Qt::LeftButton);
  EXPECT_EQ(hue(), std::tuple(240, 200, colour));
}

TEST_F(ColourModes, DragBarsStepOnePerMoveWithin0To255InRGBModeOnly) {
  auto move = [&](int y) {
    Mouse(Child("LblG"), QEvent::MouseMove, QPointF(5, y), Qt::NoButton, Qt::LeftButton);
    return w->CurrentColour();
  };
  w->SetColor(RGB(0, 250, 0));
  for (int y = 70; y > 56; --y) move(y);
  EXPECT_EQ(move(56), RGB(0, 255, 0)) << "14 moves up, stopped at 255";
  move(70);  // one step down, however far; none without a vertical move
  EXPECT_EQ(move(70), RGB(0, 254, 0));
  w->SetColor(RGB(0, 1, 0));
  move(80);
  EXPECT_EQ(move(90), RGB(0, 0, 0)) << "down to 0, and no further";
  w->mnuColorMode_Click(kModeCMY);
  move(10);
  EXPECT_EQ(move(5), RGB(0, 0, 0)) << "bars do not drag outside RGB mode";
}

TEST_F(ColourModes, DisplayMenuPaintsTheDiagramOfTheColour) {
  const DiagramGeometry g = w->diagramGeometry();
  w->SetColor(RGB(100, 150, 200));
  auto pixel = [&](const char* name, int x, int y) {
    return Child(name)->grab().toImage().pixelColor(x, y);
  };
  EXPECT_EQ(std::tuple(pixel("PicFrame3", 1, 50), pixel("LblR", 0, 0), pixel("LblG", 0, 0),
                       pixel("LblB", 0, 0)),
            std::tuple(ToQColor(kSysButtonFace), QColor(100, 0, 0), QColor(0, 150, 0),
                       QColor(0, 0, 200)));
  Pick("lblDisp", "mnuDispMode", 2);
  EXPECT_TRUE(w->DispModeChanged && Text("lblDisp") == "CMYK Display" && !Shown("LblR"));
  // Cyan alone, and the colour at the centre; then the CMY diagram's cyan.
  EXPECT_EQ(
      std::pair(pixel("PicFrame3", g.cx - 25, g.cy - 30), pixel("PicFrame3", g.cx + 5, g.cy + 5)),
      std::pair(QColor(127, 255, 255), QColor(100, 150, 200)));
  w->mnuDisp_Click(1);
  EXPECT_EQ(pixel("PicFrame3", g.cx, g.cy - 30), QColor(100, 255, 255));
}

TEST_F(ColourModes, WheelStepsTheFocusedEditorWhereverThePointerIs) {
  w->SetColor(RGB(10, 253, 30));
  Editor(1)->setFocus();
  QApplication::processEvents();
  auto wheel = [&](int delta) {
    Wheel(Child("Text1"), delta);
    return GreenOf(w->CurrentColour());
  };
  EXPECT_EQ(wheel(360), 255);  // away from the user: up, three notches, stopped at the limit
  EXPECT_EQ(wheel(-240), 253);
  EXPECT_EQ(wheel(60), 253);   // half a notch does nothing yet ...
  EXPECT_EQ(wheel(60), 254);   // ... the second half makes a step
  Child("Text1")->setFocus();  // without an editor in focus the wheel is left to the control
  QApplication::processEvents();
  EXPECT_EQ(wheel(120), 254);
}

}  // namespace
}  // namespace hk
