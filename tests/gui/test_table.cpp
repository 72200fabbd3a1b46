// The colour table and the search row in the real window: the Add button, clicks and
// keys on the pad, Delete and Rename from there, the scroll bar, the tip size buttons,
// the search by Enter or button and the caption's focus look. The rules themselves are
// the table's and the search's unit tests'; here each path is walked once.
#include "window_fixture.h"

namespace hk {
namespace {

class ColourTableUi : public WindowTest {
 protected:
  QWidget* Pad() { return Child("PAD"); }
  QComboBox* LongField() { return Child<QComboBox>("txtCol"); }
  // Centre of the cell at 0-based column and visible row.
  QPoint Cell(int col, int row) {
    const int tip = w->table().Pad().TipSize(), pitch = tip + 60;
    return QPoint((45 + col * pitch + tip / 2) / 15, (45 + row * pitch + tip / 2) / 15);
  }
  // Saved colours 1000, 1001 ... under these names.
  void Archive(const QStringList& names) {
    QByteArray bytes;
    for (int i = 0; i < names.size(); ++i) bytes += Record(1000 + i, names[i].toStdString());
    Write("Colorx.dat", bytes);
  }
};

TEST_F(ColourTableUi, TheAddButtonAsksForANameAndExitWritesTheRecord) {
  Start();
  LongField()->lineEdit()->selectAll();
  QTest::keyClicks(LongField()->lineEdit(), "4227327");
  dialogs.typed.push_back("Orange Peel");
  QTest::mouseClick(Child("CmdAdd"), Qt::LeftButton);
  EXPECT_EQ(std::tuple(LongField()->itemText(0), Text("lblCol"), w->CurrentColour()),
            std::tuple(QString("4227327"), QString("Custom Color &Table[1] Orange Peel"), 4227327));
  QTest::mouseClick(Child("CmdAdd"), Qt::LeftButton);
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(std::pair(dialogs.calls[0].title, dialogs.calls[1].title),
            std::pair(std::string("Color Name"), std::string("Duplicate..")));
  w->mnuExit_Click();
  EXPECT_EQ(Read("Colorx.dat"), Record(0x4080FF, "Orange Peel"));
}

TEST_F(ColourTableUi, PadKeysClicksDeleteAndRenameReachTheTableAndTheFile) {
  QStringList names;
  for (int i = 0; i < 20; ++i) names << QString("c%1").arg(i);
  Archive(names);
  Write("pref.ini", "TAB=0\r\nLASTUSERCOLOR=20\r\n");
  Start();
  EXPECT_EQ(std::pair(LongField()->count(), Text("lblCol")),
            std::pair(20, QString("Custom Color &Table[20] c19")));
  QTest::keyClick(Pad(), Qt::Key_Right);  // from the cursor cell
  EXPECT_EQ(std::pair(w->CurrentColour(), Text("lblCol")),
            std::pair(1001, QString("Custom Color &Table[20] c1")));
  QTest::mouseMove(Pad(), Cell(2, 0));
  EXPECT_EQ(Pad()->toolTip(), "c2");

  // The last colour by click, then the Delete key: the new last colour is selected
  // and current, and Rename then asks about it.
  const int cols = w->table().Pad().PadCols();
  QTest::mouseClick(Pad(), Qt::LeftButton, {}, Cell(19 % cols, 19 / cols));
  dialogs.pressed.push_back(MsgResult::Yes);
  QTest::keyClick(Pad(), Qt::Key_Delete);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].prompt, "Delete this color 'c19' ?");
  EXPECT_EQ(std::tuple(Text("lblCol"), LongField()->count(), LongField()->currentText(),
                       w->CurrentColour()),
            std::tuple(QString("Custom Color &Table[19] c18"), 19, QString("1018"), 1018));
  dialogs.typed.push_back("eighteen");
  w->RenameColor();
  EXPECT_EQ(Text("lblCol"), "Custom Color &Table[19] eighteen");
  w->mnuExit_Click();
  EXPECT_EQ(std::tuple(Read("Colorx.dat").size(), Read("Colorx.dat").right(29)),
            std::tuple(19 * 29, Record(1018, "eighteen")));
}

TEST_F(ColourTableUi, TipButtonsScrollBarAndTheWebColourAppliedAgain) {
  Write("pref.ini", "TAB=1\r\nCORORSIZE=450\r\nLASTWEBCOLOR=5\r\n");
  Start();
  const PadModel& pad = w->table().Pad();
  const auto tips = [&] { return std::tuple(pad.TipSize(), Shown("Image2"), Shown("Image3")); };
  EXPECT_EQ(tips(), std::tuple(450, true, false)) << "no bigger tips";
  QTest::mouseClick(Child("Image2"), Qt::LeftButton);
  EXPECT_EQ(std::pair(tips(), w->SizeChanged), std::pair(std::tuple(435, true, true), true));
  w->SetColor(255);
  QTest::mouseClick(Child("Image3"), Qt::LeftButton);
  EXPECT_EQ(std::pair(tips(), w->CurrentColour()),
            std::pair(std::tuple(450, true, false), 16777200))
      << "the web colour applied again";
  // The scroll bar moves the rows a click lands on.
  Child<QScrollBar>("VS")->setValue(1);
  QTest::mouseClick(Pad(), Qt::LeftButton, {}, Cell(0, 0));
  EXPECT_EQ(pad.PadPos(), pad.PadCols() + 1);
}

using SearchUi = ColourTableUi;

TEST_F(SearchUi, SearchSelectsTheMatchOrMarksTheBox) {
  const QColor window = ToQColor(kSysWindowBackground), error = ToQColor(kErrorHighlight);
  // The list (1 web) and its selection, the table in view, the text, by button else Enter;
  // then the current colour, the caption, txtCol's item, the list, the table in view, the mark.
  // clang-format off
  const struct { int tab, last; bool expanded; const char* text; bool button; LongColour colour;
                 const char* caption; int item; bool saved, expandedAfter; QColor mark; } cases[] = {
      // In view: from the selection (DarkCyan, Dark Sea) on, in the list shown only.
      {1, 23, true, "dark", false, 755384, "Web Color &Table[140] DARKGOLDENROD", -1, false, true, window},
      {0, 2, true, "DARK", true, 1003, "Custom Color &Table[5] dark night", 3, true, true, window},
      {1, 23, true, "dusk", false, 9145088, "Web Color &Table[140] DARKCYAN", -1, false, true, error},
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
    Write("pref.ini", QString("TAB=%1\r\nLAST%2COLOR=%3\r\nEXPANDED=%4\r\n")
                          .arg(c.tab)
                          .arg(c.tab ? "WEB" : "USER")
                          .arg(c.last)
                          .arg(c.expanded ? "E" : "")
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
    // The list shown is remembered; the box stays in view.
    EXPECT_EQ(std::tuple(w->findChildren<QRadioButton*>("Option1")[0]->isChecked(), w->TabChanged,
                         w->TableState(), box->isVisible(), box->palette().color(QPalette::Base)),
              std::tuple(c.saved, c.saved != (c.tab != 1), QString(c.expandedAfter ? "E" : ""),
                         true, c.mark));
    QTest::keyClick(box, Qt::Key_Backspace);  // any change of the text clears the mark
    EXPECT_EQ(box->palette().color(QPalette::Base), window);
  }
}

TEST_F(SearchUi, FocusOnTheTableOrTheSearchRowLightsTheCaptionAndSelectsTheText) {
  // Captions of active and inactive windows told apart, whatever the platform's colours.
  const QPalette platform = QApplication::palette();
  QPalette distinct = platform;
  distinct.setColor(QPalette::Active, QPalette::Highlight, Qt::darkBlue);
  distinct.setColor(QPalette::Inactive, QPalette::Highlight, Qt::gray);
  QApplication::setPalette(distinct);
  Start();
  auto* box = Child<QLineEdit>("Text3");
  box->setText("a");  // the button takes the focus only while there is a text
  box->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(box->selectedText(), "a") << "so typing replaces it";
  const auto caption = [&] { return Child<QLabel>("lblCol")->palette().color(QPalette::Window); };
  const QWidgetList lists = w->findChildren<QWidget*>("Option1");
  for (QWidget* table : {Child("CmdSearch"), Child("Text3"), Child("PAD"), lists[0], lists[1]}) {
    Child("Text1")->setFocus();
    const QColor away = caption();
    table->setFocus();
    EXPECT_EQ(std::pair(away, caption()), std::pair(ToQColor(TableCaptionColours(false).background),
                                                    ToQColor(TableCaptionColours(true).background)))
        << table->objectName().toStdString();
  }
  QApplication::setPalette(platform);
}

}  // namespace
}  // namespace hk
