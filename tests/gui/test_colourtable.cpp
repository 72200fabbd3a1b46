// The colour table in the real window: the Add button, clicks and keys on the pad,
// Delete and Rename from there, the scroll bar, the tip size buttons and the lists.
// The rules themselves are held by the table's unit tests; here each path through
// the window is walked once and checked by what the user sees.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "mainwindow/frmpickcolor.h"
#include "window_fixture.h"

namespace hk {
namespace {

// One 29-byte record as the file holds it, written out by hand.
QByteArray Record(std::uint32_t colour, const std::string& name) {
  QByteArray r;
  for (int i = 0; i < 4; ++i) r += static_cast<char>((colour >> (8 * i)) & 0xFF);
  r += QByteArray::fromStdString(name);
  return r.leftJustified(29, ' ');
}

class ColourTableUi : public WindowTest {
 protected:
  QWidget* Pad() { return w->findChild<QWidget*>("PAD"); }
  QComboBox* LongField() { return w->findChild<QComboBox*>("txtCol"); }
  QLabel* Label(const char* name) { return w->findChild<QLabel*>(name); }
  QString Caption() { return Label("lblCol")->text(); }
  // Centre of the cell at 0-based column and visible row.
  QPoint Cell(int col, int row) {
    const int tip = w->table().Pad().TipSize(), pitch = tip + 60;
    return QPoint((45 + col * pitch + tip / 2) / 15, (45 + row * pitch + tip / 2) / 15);
  }
  // An archive of `count` colours 1000, 1001 ... named c0, c1 ...
  void Archive(int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i) bytes += Record(1000 + i, "c" + std::to_string(i));
    Write("Colorx.dat", bytes);
  }
  void Key(Qt::Key key) { QTest::keyClick(Pad(), key); }
};

TEST_F(ColourTableUi, TheAddButtonAsksForANameAndExitWritesTheRecord) {
  Start();
  QLineEdit* edit = LongField()->lineEdit();
  edit->selectAll();
  QTest::keyClicks(edit, "4227327");
  dialogs.typed.push_back("Orange Peel");
  QTest::mouseClick(w->findChild<QPushButton*>("CmdAdd"), Qt::LeftButton);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].title, "Color Name");
  EXPECT_EQ(LongField()->itemText(0), "4227327");
  EXPECT_EQ(Caption(), "Custom Color &Table[1] Orange Peel");
  EXPECT_EQ(w->CurrentColour(), 4227327);
  QTest::mouseClick(w->findChild<QPushButton*>("CmdAdd"), Qt::LeftButton);
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[1].title, "Duplicate..");
  w->mnuExit_Click();
  EXPECT_EQ(Read("Colorx.dat"), Record(0x4080FF, "Orange Peel"));
}

TEST_F(ColourTableUi, KeysStartFromTheCursorCellAndDeleteKeepsTheSelectionTogether) {
  Archive(20);
  Write("pref.ini", "TAB=0\r\nLASTUSERCOLOR=20\r\n");
  Start();
  EXPECT_EQ(LongField()->count(), 20);
  EXPECT_EQ(Caption(), "Custom Color &Table[20] c19");
  Key(Qt::Key_Right);  // the keys reach the pad's rules: from the cursor cell
  EXPECT_EQ(w->CurrentColour(), 1001);
  EXPECT_EQ(Caption(), "Custom Color &Table[20] c1");
  QTest::mouseMove(Pad(), Cell(2, 0));
  EXPECT_EQ(Pad()->toolTip(), "c2");

  // The last colour by click, then the Delete key: the new last colour is selected
  // and current, and Rename then asks about it.
  const int cols = w->table().Pad().PadCols();
  QTest::mouseClick(Pad(), Qt::LeftButton, {}, Cell(19 % cols, 19 / cols));
  dialogs.pressed.push_back(MsgResult::Yes);
  Key(Qt::Key_Delete);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].prompt, "Delete this color 'c19' ?");
  EXPECT_EQ(Caption(), "Custom Color &Table[19] c18");
  EXPECT_EQ(LongField()->count(), 19);
  EXPECT_EQ(LongField()->currentText(), "1018");
  EXPECT_EQ(w->CurrentColour(), 1018);
  dialogs.typed.push_back("eighteen");
  w->RenameColor();
  EXPECT_EQ(dialogs.calls[1].prompt,
            "Specify new color name (Max 25 characters).\r\n( Old name: c18 )");
  EXPECT_EQ(Caption(), "Custom Color &Table[19] eighteen");
  w->mnuExit_Click();
  EXPECT_EQ(Read("Colorx.dat").size(), 19 * 29);
  EXPECT_EQ(Read("Colorx.dat").right(29), Record(1018, "eighteen"));
}

TEST_F(ColourTableUi, TipButtonsOffTheStepsAndTheWebColourAppliedAgain) {
  Write("pref.ini", "TAB=1\r\nCORORSIZE=100\r\nLASTWEBCOLOR=5\r\n");
  Start();
  QLabel* bigger = Label("Image3");
  QLabel* smaller = Label("Image2");
  w->SetColor(255);
  QTest::mouseClick(bigger, Qt::LeftButton);
  EXPECT_EQ(w->CurrentColour(), 16777200) << "the web colour is applied again";
  for (int i = 0; i < 30; ++i) QTest::mouseClick(bigger, Qt::LeftButton);
  EXPECT_EQ(w->table().Pad().TipSize(), 460);
  EXPECT_TRUE(bigger->isVisible());
  EXPECT_TRUE(smaller->isVisible());
  // The scroll bar moves the rows a click lands on.
  w->findChild<QScrollBar*>("VS")->setValue(1);
  QTest::mouseClick(Pad(), Qt::LeftButton, {}, Cell(0, 0));
  EXPECT_EQ(w->table().Pad().PadPos(), w->table().Pad().PadCols() + 1);
  for (int i = 0; i < 30; ++i) QTest::mouseClick(smaller, Qt::LeftButton);
  EXPECT_EQ(w->table().Pad().TipSize(), 85);
  EXPECT_TRUE(smaller->isVisible());
  EXPECT_TRUE(w->SizeChanged);
}

}  // namespace
}  // namespace hk
