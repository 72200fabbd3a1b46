// The current colour, its fields and modes, the colour table and the search, one path each.
#include "window_fixture.h"

namespace hk {
namespace {

class Colour : public WindowTest {
 protected:
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
  QStringList Marked() {  // the fields with the error highlight
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
  QComboBox* LongField() { return Child<QComboBox>("txtCol"); }
  QPoint Cell(int col, int row) {  // the centre of a cell of the pad in view
    const int tip = w->table().Pad().TipSize(), pitch = tip + 60;
    return QPoint((45 + col * pitch + tip / 2) / 15, (45 + row * pitch + tip / 2) / 15);
  }
  void Archive(const QStringList& names) {  // saved colours 1000, 1001 ...
    QByteArray bytes;
    for (int i = 0; i < names.size(); ++i) bytes += Record(1000 + i, names[i].toStdString());
    Write("Colorx.dat", bytes);
  }
};

TEST_F(Colour, EachFieldAppliesOnEnterOrMarksBadInputFocusSelectsItAndCopyCopiesIt) {
  Start(false);
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
  QStringList shown{LongField()->currentText()};
  for (const char* name : {"Text1", "Text2", "txtHTML", "Text4", "Text5"})
    shown << Child<QLineEdit>(name)->text();
  for (int i = 0; i < 3; ++i) shown << QString::number(Editor(i)->value());
  EXPECT_EQ(shown, (QStringList{"16776960", "FFFF00", "#00FFFF", "Aqua", "0, 255, 255",
                                "255, 0, 0, 0", "0", "255", "255"}));

  // The Long field takes only digits (and Ctrl+A); a saved value must not complete "1677".
  dialogs.typed.push_back("white");
  w->table().AddColor(16777215, dialogs);
  TypeAndEnter(LongField(), "-1a6x77.4");
  EXPECT_EQ(
      std::tuple(LongField()->currentText(), w->CurrentColour(), Child<QLineEdit>("Text4")->text()),
      std::tuple(QString("1677"), 1677, QString("141, 6, 0")));

  w->SetColor(16776960);
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
  const char* const copied[] = {"FFFF00", "16776960",         "#00FFFF",
                                "Aqua",   "RGB(0, 255, 255)", "CMYK(255, 0, 0, 0)"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(copy(i), copied[i]) << i;
}

TEST_F(Colour, ColourMenuHueMaximumAndDisplayMenuSetTheEditorsAndPaintTheDiagram) {
  Start(false);
  w->SetColor(RGB(100, 150, 200));
  const QMenu* menu = Pick("lblColor", "mnuColor", 2);
  EXPECT_EQ(menu->pos(), Child("PicFrame2")->mapToGlobal(QPoint(0, Child("PicFrame2")->height())));
  EXPECT_EQ(std::tuple(Text("lblColor"), Text("lblBlue"), Values(), Editor(3)->Max()),
            std::tuple(QString("C M Y K"), QString("&Yellow"), std::array{128, 64, 0, 55}, 255));
  EXPECT_TRUE(w->editors().ColorModeChanged && Shown("TxtK") && Shown("lblBlack") && !Shown("Picture3"));
  Editor(2)->setValue(100);  // an edit gives the colour, and the editors reload from it
  EXPECT_EQ(std::pair(w->CurrentColour(), Values()),
            std::pair(RGB(100, 150, 122), std::array{85, 0, 48, 105}));
  w->mnuColorMode_Click(kModeRGB);
  EXPECT_EQ(std::pair(Values()[2], Child("LblR")->cursor().shape()),
            std::pair(122, Qt::SizeVerCursor));
  w->mnuColorMode_Click(kModeHSL);
  EXPECT_TRUE(!Shown("TxtK") && !Shown("lblBlack") && Shown("Picture3"));
  EXPECT_EQ(Child("LblR")->cursor().shape(), Qt::ForbiddenCursor);

  const auto options = w->findChildren<QRadioButton*>("Option2");
  ASSERT_TRUE(options.at(0)->text() == "360" && options.at(1)->isChecked());
  EXPECT_EQ(std::pair(options.at(0)->geometry().right() + 1, options.at(1)->geometry().right() + 1),
            std::pair(options.at(1)->x(), Child("Picture3")->width()));  // halves, side by side
  const LongColour colour = RGB(255, 0, 255);  // hue 200 of 240, 300 of 360
  auto hue = [&] { return std::tuple(Editor(0)->Max(), Editor(0)->value(), w->CurrentColour()); };
  w->SetColor(colour);
  QTest::mouseClick(options.at(0), Qt::LeftButton);
  EXPECT_EQ(std::tuple(hue(), MaxHue, w->editors().MaxHueChanged),
            std::tuple(std::tuple(360, 300, colour), 360.0f, true));
  w->mnuColorMode_Click(kModeRGB);
  w->mnuColorMode_Click(kModeHSL);  // the limit is raised before the value is loaded
  EXPECT_EQ(hue(), std::tuple(360, 300, colour));
  QTest::mouseClick(options.at(1), Qt::LeftButton);
  EXPECT_EQ(hue(), std::tuple(240, 200, colour));
}

TEST_F(Colour, DragBarsAndTheWheelStepTheChannelsWithinTheirLimits) {
  Start(false);
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

  w->SetColor(RGB(10, 253, 30));
  Editor(1)->setFocus();
  QApplication::processEvents();
  auto wheel = [&](int delta) {
    Wheel(Child("Text1"), delta);
    return GreenOf(w->CurrentColour());
  };
  std::vector<int> greens;
  for (const int delta : {360, -240, 60, 60}) greens.push_back(wheel(delta));
  EXPECT_EQ(greens, (std::vector{255, 253, 253, 254}));
  QTest::mousePress(w.get(), Qt::LeftButton, {}, QPoint(1, 1));  // the window's background
  EXPECT_EQ(wheel(120), 254) << "a press on the background stops the wheel";
  Child("Text1")->setFocus();  // without an editor in focus the wheel is left to the control
  QApplication::processEvents();
  EXPECT_EQ(wheel(120), 254);
  w->mnuColorMode_Click(kModeCMY);
  move(10);
  EXPECT_EQ(move(5), RGB(10, 254, 30)) << "bars do not drag outside RGB mode";

  const DiagramGeometry g = w->editors().diagramGeometry();
  w->SetColor(RGB(100, 150, 200));
  auto pixel = [&](const char* name, int x, int y) {
    return Child(name)->grab().toImage().pixelColor(x, y);
  };
  EXPECT_EQ(std::tuple(pixel("PicFrame3", 1, 50), pixel("LblR", 0, 0), pixel("LblG", 0, 0),
                       pixel("LblB", 0, 0)),
            std::tuple(ToQColor(kSysButtonFace), QColor(100, 0, 0), QColor(0, 150, 0),
                       QColor(0, 0, 200)));
  Pick("lblDisp", "mnuDispMode", 2);
  EXPECT_TRUE(w->editors().DispModeChanged && Text("lblDisp") == "CMYK Display" && !Shown("LblR"));
  EXPECT_EQ(
      std::pair(pixel("PicFrame3", g.cx - 25, g.cy - 30), pixel("PicFrame3", g.cx + 5, g.cy + 5)),
      std::pair(QColor(127, 255, 255), QColor(100, 150, 200)));
}

TEST_F(Colour, PadKeysClicksDeleteRenameAndAddReachTheTableAndTheFile) {
  QStringList names;
  for (int i = 0; i < 20; ++i) names << QString("c%1").arg(i);
  Archive(names);
  Write("pref.ini", "TAB=0\r\nLASTUSERCOLOR=20\r\n");
  Start();
  QWidget* pad = Child("PAD");
  const TwipRect first = w->table().Pad().CellRect(0, 0);  // each tip outlined in black
  EXPECT_EQ(pad->grab().toImage().pixelColor(Cell(0, 0).x(), (first.top + first.height) / 15 - 1),
            QColor(Qt::black));
  EXPECT_EQ(std::pair(LongField()->count(), Text("lblCol")),
            std::pair(20, QString("Custom Color &Table[20] c19")));
  QTest::keyClick(pad, Qt::Key_Right);  // from the cursor cell
  EXPECT_EQ(std::pair(w->CurrentColour(), Text("lblCol")),
            std::pair(1001, QString("Custom Color &Table[20] c1")));
  QTest::mouseMove(pad, Cell(2, 0));
  EXPECT_EQ(pad->toolTip(), "c2");
  // The last colour by click, then Delete: the new last is current, but the selection goes
  // back to the empty cursor cell, where Rename asks nothing; Add, Add again.
  const int cols = w->table().Pad().PadCols();
  QTest::mouseClick(pad, Qt::LeftButton, {}, Cell(19 % cols, 19 / cols));
  dialogs.typed = {"Orange Peel"};
  QTest::keyClick(pad, Qt::Key_Delete);
  w->RenameColor();
  EXPECT_EQ(std::tuple(dialogs.calls.size(), dialogs.calls.at(0).prompt, Text("lblCol"),
                       LongField()->count(), LongField()->currentText(), w->CurrentColour(),
                       w->table().Pad().PadPos()),
            std::tuple(1u, std::string("Delete this color 'c19' ?"),
                       QString("Custom Color &Table[19] c18"), 19, QString("1018"), 1018, 20));
  LongField()->lineEdit()->selectAll();
  QTest::keyClicks(LongField()->lineEdit(), "4227327");
  QTest::mouseClick(Child("CmdAdd"), Qt::LeftButton);
  EXPECT_EQ(
      std::tuple(LongField()->itemText(19), Text("lblCol"), w->CurrentColour()),
      std::tuple(QString("4227327"), QString("Custom Color &Table[20] Orange Peel"), 4227327));
  QTest::mouseClick(Child("CmdAdd"), Qt::LeftButton);
  ASSERT_EQ(dialogs.calls.size(), 3u);
  EXPECT_EQ(std::pair(dialogs.calls[1].title, dialogs.calls[2].title),
            std::pair(std::string("Color Name"), std::string("Duplicate..")));
  w->mnuExit_Click();
  EXPECT_EQ(Read("Colorx.dat").right(2 * 29),
            Record(1018, "c18") + Record(0x4080FF, "Orange Peel"));
}

TEST_F(Colour, ThePadsMenuImportsAPaletteAndExportsTheSavedColours) {
  Archive({"Dune", "Dusk"});
  Write("in.txt", "#FF0000\tRed\n#FF0000\tAgain\nnot a colour\n");
  Start();
  QWidget* pad = Child("PAD");
  QTest::mousePress(pad, Qt::RightButton, {}, Cell(1, 0));  // the press selects, as any does
  QContextMenuEvent opened(QContextMenuEvent::Mouse, Cell(1, 0), pad->mapToGlobal(Cell(1, 0)));
  QApplication::sendEvent(pad, &opened);
  QTest::mouseRelease(pad, Qt::RightButton, {}, Cell(1, 0));
  auto* menu = Child<QMenu>("mnuPalette");
  ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
  dialogs.typed = {dir.filePath("in.txt").toStdString(), dir.filePath("out.txt").toStdString()};
  for (QAction* item : menu->actions()) item->trigger();
  menu->hide();
  ASSERT_EQ(dialogs.calls.size(), 4u);  // each file dialog, then what it did
  EXPECT_EQ(std::tuple(dialogs.calls[1].prompt, Text("lblCol"), LongField()->count()),
            std::tuple(std::string("1 colour imported, 1 already saved, 1 line not read (line 3)."),
                       QString("Custom Color &Table[3] Dusk"), 3));
  EXPECT_EQ(Read("out.txt"), "#E80300\tDune\n#E90300\tDusk\n#FF0000\tRed\n");
}

TEST_F(Colour, TipButtonsScrollBarAndTheWebColourAppliedAgain) {
  Write("pref.ini", "TAB=1\r\nCORORSIZE=450\r\nLASTWEBCOLOR=5\r\n");
  Start();
  const PadModel& pad = w->table().Pad();
  const auto tips = [&] { return std::tuple(pad.TipSize(), Shown("Image2"), Shown("Image3")); };
  EXPECT_EQ(tips(), std::tuple(450, true, false)) << "no bigger tips";
  QTest::mouseClick(Child("Image2"), Qt::LeftButton);
  EXPECT_EQ(std::pair(tips(), w->tablePanel().SizeChanged), std::pair(std::tuple(435, true, true), true));
  for (const char* sign : {"Image2", "Image3"}) {  // each sign in the middle of its button
    const QImage drawn = Child(sign)->grab().toImage();
    EXPECT_EQ(drawn, drawn.mirrored(true, true)) << sign;
  }
  w->SetColor(255);
  QTest::mouseClick(Child("Image3"), Qt::LeftButton);
  EXPECT_EQ(std::pair(tips(), w->CurrentColour()),
            std::pair(std::tuple(450, true, false), 16777200));
  Child<QScrollBar>("VS")->setValue(1);  // the scroll bar moves the rows a click lands on
  QTest::mouseClick(Child("PAD"), Qt::LeftButton, {}, Cell(0, 0));
  EXPECT_EQ(pad.PadPos(), pad.PadCols() + 1);
}

TEST_F(Colour, SearchSelectsTheMatchOrMarksTheBoxAndFocusLightsTheCaption) {
  const QColor window = ToQColor(kSysWindowBackground), error = ToQColor(kErrorHighlight);
  // List (1 web), selection, table in view, text, button (else Enter); then what is shown.
  // clang-format off
  const struct { int tab, last; bool expanded; const char* text; bool button; LongColour colour;
                 const char* caption; int item; bool saved, expandedAfter; QColor mark; } cases[] = {
      // In view: from the selection (DarkCyan, Dark Sea) on, in the list shown only.
      {1, 23, true, "dark", false, 755384, "Web Color &Table[140] DARKGOLDENROD", -1, false, true, window},
      {0, 2, true, "DARK", true, 1003, "Custom Color &Table[5] dark night", 3, true, true, window},
      // Hidden: both lists from their first entry; a saved match shows the saved list.
      {1, 23, false, "du", true, 1000, "Custom Color &Table[5] Dune", 0, true, true, window},
      // A match in both lists (Amber, AliceBlue) ends on the web colour.
      {0, 2, false, "a", false, 16775408, "Web Color &Table[140] ALICEBLUE", 4, false, true, window},
      {0, 1, false, "zz", true, 0, "Custom Color &Table[5] Dune", 0, true, false, error},
      // Blanks alone are nothing to search for: the button is off and Enter does nothing.
      {0, 1, false, "  ", false, 0, "Custom Color &Table[5] Dune", 0, true, false, window}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + (c.expanded ? " in view" : " hidden"));
    Archive({"Dune", "Dark Sea", "Dusk", "dark night", "Amber"});
    Write("pref.ini", QString::asprintf("TAB=%d\r\nLAST%sCOLOR=%d\r\nEXPANDED=%s\r\n", c.tab,
                                        c.tab ? "WEB" : "USER", c.last, c.expanded ? "E" : "")
                          .toLatin1());
    Start();
    auto* box = Child<QLineEdit>("Text3");
    auto* button = Child<QPushButton>("CmdSearch");
    EXPECT_EQ(std::pair(w->TableState() == "E", button->isEnabled()), std::pair(c.expanded, false));
    QTest::keyClicks(box, c.text);
    EXPECT_EQ(button->isEnabled(), c.text[0] != ' ');
    c.button ? QTest::mouseClick(button, Qt::LeftButton) : QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(std::tuple(w->CurrentColour(), Text("lblCol"), LongField()->currentIndex(),
                         LongField()->currentText()),
              std::tuple(c.colour, QString(c.caption), c.item, QString::number(c.colour)));
    EXPECT_EQ(std::tuple(w->findChildren<QRadioButton*>("Option1")[0]->isChecked(), w->tablePanel().TabChanged,
                         w->TableState(), box->isVisible(), box->palette().color(QPalette::Base)),
              std::tuple(c.saved, c.saved != (c.tab != 1), QString(c.expandedAfter ? "E" : ""),
                         true, c.mark));
    QTest::keyClick(box, Qt::Key_Backspace);  // any change of the text clears the mark
    EXPECT_EQ(box->palette().color(QPalette::Base), window);
  }

  const QPalette platform = QApplication::palette();
  QPalette distinct = platform;
  distinct.setColor(QPalette::Active, QPalette::Highlight, Qt::darkBlue);
  distinct.setColor(QPalette::Inactive, QPalette::Highlight, Qt::gray);
  distinct.setColor(QPalette::Active, QPalette::HighlightedText, Qt::yellow);
  distinct.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::green);
  QApplication::setPalette(distinct);
  Write("pref.ini", "");
  Start();
  auto* box = Child<QLineEdit>("Text3");
  box->setText("a");  // the button takes the focus only while there is a text
  box->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(box->selectedText(), "a") << "so typing replaces it";
  const auto caption = [&] {  // an active title's colours while the table has the focus
    const QPalette p = Child<QLabel>("lblCol")->palette();
    return std::pair(p.color(QPalette::Window), p.color(QPalette::WindowText));
  };
  const QWidgetList lists = w->findChildren<QWidget*>("Option1");
  for (QWidget* table : {Child("CmdSearch"), Child("Text3"), Child("PAD"), lists[0], lists[1]}) {
    Child("Text1")->setFocus();
    const auto away = caption();
    table->setFocus();
    EXPECT_EQ(std::pair(away, caption()),
              std::pair(std::pair(QColor(Qt::gray), QColor(Qt::green)),
                        std::pair(QColor(Qt::darkBlue), QColor(Qt::yellow))))
        << table->objectName().toStdString();
  }
  QApplication::setPalette(platform);
}

}  // namespace
}  // namespace hk
