// The colour table in the real window: adding through the Add button, the pad
// under the mouse and the keys, the two lists, tip sizes, and the archive bytes
// the window leaves behind.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "colour/modhslv.h"
#include "mainwindow/frmpickcolor.h"
#include "window_fixture.h"

namespace hk {
namespace {

std::string FileBytes(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), {});
}

// One 29-byte record as the file holds it, written out by hand.
std::string Record(std::uint32_t colour, const std::string& name) {
  std::string r;
  for (int i = 0; i < 4; ++i) r += static_cast<char>((colour >> (8 * i)) & 0xFF);
  r += name;
  r.resize(29, ' ');
  return r;
}

class ColourTableUi : public WindowTest {
 protected:
  QWidget* Pad() { return w->findChild<QWidget*>("PAD"); }
  QComboBox* LongField() { return w->findChild<QComboBox*>("txtCol"); }
  QString Caption() { return w->findChild<QLabel*>("lblCol")->text(); }
  // Centre of the cell at 0-based column and visible row, default tip size.
  QPoint Cell(int col, int row, int tip = 180) {
    const int pitch = tip + 60;
    return QPoint((45 + col * pitch + tip / 2) / 15, (45 + row * pitch + tip / 2) / 15);
  }
  void TypeLong(const QString& text) {
    QLineEdit* edit = LongField()->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }
  void Add(const QString& value, const std::string& name) {
    TypeLong(value);
    dialogs.texts.push_back(name);
    QTest::mouseClick(w->findChild<QPushButton*>("CmdAdd"), Qt::LeftButton);
  }

};

TEST_F(ColourTableUi, AddTwoColoursAndExitWritesTheirRecords) {
  Start();
  EXPECT_EQ(Caption(), "Custom Color &Table[0]");
  Add("4227327", "Orange Peel");
  Add("16711680", "Deep Blue");
  ASSERT_EQ(dialogs.asked.size(), 2u);
  EXPECT_EQ(dialogs.asked[0].prompt, "Specify color name (Max 25 characters).");
  EXPECT_EQ(dialogs.asked[0].title, "Color Name");
  EXPECT_TRUE(dialogs.asked[0].input);

  // The list, the pad caption and the current colour follow the new colour.
  EXPECT_EQ(LongField()->count(), 2);
  EXPECT_EQ(LongField()->itemText(0), "4227327");
  EXPECT_EQ(LongField()->itemText(1), "16711680");
  EXPECT_EQ(Caption(), "Custom Color &Table[2] Deep Blue");
  EXPECT_EQ(LongField()->currentIndex(), 1);
  EXPECT_EQ(w->CurrentColour(), 16711680);

  w->mnuExit_Click();
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(FileBytes(dir.filePath("Colorx.dat")),
            Record(0x4080FF, "Orange Peel") + Record(0xFF0000, "Deep Blue"));
}

TEST_F(ColourTableUi, RefusalsShowTheirMessages) {
  Start();
  Add("255", "Red One");
  dialogs.asked.clear();

  Add("255", "Other");  // the same colour again
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].prompt, "This color is already in file..");
  EXPECT_EQ(dialogs.asked[0].title, "Duplicate..");
  EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Exclamation);
  dialogs.texts.clear();
  dialogs.asked.clear();

  Add("256", "RED ONE");  // the same name in other capitals
  ASSERT_EQ(dialogs.asked.size(), 2u);
  EXPECT_EQ(dialogs.asked[1].prompt,
            "The supplied name already exists. Please specify different name.");
  EXPECT_EQ(dialogs.asked[1].title, "Name Exists!");
  EXPECT_EQ(LongField()->count(), 1);

  dialogs.asked.clear();
  TypeLong("");  // an empty Long field adds nothing and asks nothing
  QTest::mouseClick(w->findChild<QPushButton*>("CmdAdd"), Qt::LeftButton);
  EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(ColourTableUi, PadFollowsMouseAndKeys) {
  Start();
  for (int i = 0; i < 20; ++i) {
    dialogs.texts.push_back("c" + std::to_string(i));
    TypeLong(QString::number(1000 + i));
    QTest::mouseClick(w->findChild<QPushButton*>("CmdAdd"), Qt::LeftButton);
  }
  ASSERT_EQ(LongField()->count(), 20);
  const int cols = w->table().Pad().PadCols();
  ASSERT_GT(cols, 2);

  QTest::mouseClick(Pad(), Qt::LeftButton, {}, Cell(2, 0));
  EXPECT_EQ(w->CurrentColour(), 1002);
  EXPECT_EQ(Caption(), "Custom Color &Table[20] c2");
  EXPECT_EQ(LongField()->currentIndex(), 2);

  // Twenty colours make one full row and a short second one.
  ASSERT_TRUE(cols > 10 && cols < 19) << cols;
  const int second = 20 - cols;  // colours in the second row
  QTest::keyClick(Pad(), Qt::Key_Right);
  EXPECT_EQ(w->CurrentColour(), 1003);
  QTest::keyClick(Pad(), Qt::Key_Down);  // the short row does not reach column 4
  EXPECT_EQ(w->CurrentColour(), second >= 4 ? 1003 + cols : 1003);
  for (int i = 0; i < 3; ++i) QTest::keyClick(Pad(), Qt::Key_Left);
  EXPECT_EQ(w->CurrentColour(), second >= 4 ? 1000 + cols : 1000);
  if (second < 4) QTest::keyClick(Pad(), Qt::Key_Down);
  EXPECT_EQ(w->CurrentColour(), 1000 + cols);
  QTest::keyClick(Pad(), Qt::Key_Down);  // no third row: ignored
  EXPECT_EQ(w->CurrentColour(), 1000 + cols);
  for (int i = 0; i < second + 2; ++i) QTest::keyClick(Pad(), Qt::Key_Right);
  EXPECT_EQ(w->CurrentColour(), 1019) << "Right stops at the last colour";
  QTest::keyClick(Pad(), Qt::Key_Left);
  QTest::keyClick(Pad(), Qt::Key_Up);
  EXPECT_EQ(w->CurrentColour(), 1019 - 1 - cols);

  // A click in the left margin belongs to the first column.
  QTest::mouseClick(Pad(), Qt::LeftButton, {}, QPoint(1, Cell(0, 0).y()));
  EXPECT_EQ(w->CurrentColour(), 1000);
  // An empty cell after the last colour selects nothing.
  QTest::mouseClick(Pad(), Qt::LeftButton, {}, Cell(cols - 1, 20 / cols));
  EXPECT_EQ(w->CurrentColour(), 1000);

  // Picking from the drop-down list selects on the pad too.
  LongField()->activated(5);
  EXPECT_EQ(w->CurrentColour(), 1005);
  EXPECT_EQ(w->table().Pad().PadPos(), 6);
}

TEST_F(ColourTableUi, DeleteKeyOnTheLastColourRewritesTheFile) {
  Start();
  Add("1", "one");
  Add("2", "two");
  Add("3", "three");
  w->mnuExit_Click();
  const std::string before = FileBytes(dir.filePath("Colorx.dat"));
  ASSERT_EQ(before, Record(1, "one") + Record(2, "two") + Record(3, "three"));

  w.reset();
  Start();
  ASSERT_EQ(LongField()->count(), 3);
  QTest::mouseClick(Pad(), Qt::LeftButton, {}, Cell(2, 0));
  dialogs.asked.clear();
  dialogs.answers.push_back(MsgResult::Yes);
  QTest::keyClick(Pad(), Qt::Key_Delete);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].prompt, "Delete this color 'three' ?");
  EXPECT_EQ(dialogs.asked[0].title, "Delete ?");
  EXPECT_EQ(dialogs.asked[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Question);
  EXPECT_EQ(LongField()->count(), 2);
  EXPECT_EQ(Caption(), "Custom Color &Table[2] two");
  EXPECT_EQ(w->CurrentColour(), 2);

  w->mnuExit_Click();
  EXPECT_EQ(FileBytes(dir.filePath("Colorx.dat")), Record(1, "one") + Record(2, "two"));
}

TEST_F(ColourTableUi, RenameAsksWithTheOldNameAndRewritesTheFile) {
  Start();
  Add("10", "ten");
  Add("20", "twenty");
  QTest::mouseClick(Pad(), Qt::LeftButton, {}, Cell(0, 0));
  dialogs.asked.clear();

  dialogs.texts.push_back("ten");  // unchanged
  w->RenameColor();
  ASSERT_EQ(dialogs.asked.size(), 2u);
  EXPECT_EQ(dialogs.asked[0].title, "Edit Color Name");
  EXPECT_EQ(dialogs.asked[0].prompt, "Specify new color name (Max 25 characters).\r\n( Old name: ten )");
  EXPECT_EQ(dialogs.defaults.back(), "ten");
  EXPECT_EQ(dialogs.asked[1].prompt, "New name is same as old name.");
  EXPECT_EQ(dialogs.asked[1].title, "Information");
  EXPECT_EQ(dialogs.asked[1].icon, MsgIcon::Information);

  dialogs.asked.clear();
  dialogs.texts.push_back("TWENTY");  // another colour's name
  w->RenameColor();
  ASSERT_EQ(dialogs.asked.size(), 2u);
  EXPECT_EQ(dialogs.asked[1].title, "Name Exists!");

  dialogs.texts.push_back("Ten Again");
  w->RenameColor();
  EXPECT_EQ(Caption(), "Custom Color &Table[2] Ten Again");
  w->mnuExit_Click();
  EXPECT_EQ(Read("Colorx.dat"), QByteArray::fromStdString(Record(10, "Ten Again") +
                                                          Record(20, "twenty")));
}

TEST_F(ColourTableUi, WebListTipSizesAndToolTips) {
  Start();
  auto* web = w->findChildren<QRadioButton*>("Option1").at(1);
  QTest::mouseClick(web, Qt::LeftButton);
  EXPECT_EQ(Caption(), "Web Color &Table[140] ALICEBLUE");
  EXPECT_EQ(w->CurrentColour(), 16775408);
  EXPECT_TRUE(w->TabChanged);

  // The hover tip names the colour in its own capitals.
  QTest::mouseMove(Pad(), Cell(1, 0));
  EXPECT_EQ(Pad()->toolTip(), "AntiqueWhite");

  const PadModel& pad = w->table().Pad();
  auto* scroll = w->findChild<QScrollBar*>("VS");
  EXPECT_EQ(pad.PadTotalRows(), 140 / pad.PadCols() + 1);
  EXPECT_EQ(scroll->maximum(), pad.PadTotalRows() - pad.PadRows());
  EXPECT_TRUE(scroll->isEnabled());
  scroll->setValue(1);  // the user scrolls one row
  QTest::mouseClick(Pad(), Qt::LeftButton, {}, Cell(0, 0));
  EXPECT_EQ(pad.PadPos(), pad.PadCols() + 1);

  auto* bigger = w->findChild<QLabel*>("Image3");
  auto* smaller = w->findChild<QLabel*>("Image2");
  for (int i = 0; i < 30 && bigger->isVisible(); ++i) QTest::mouseClick(bigger, Qt::LeftButton);
  EXPECT_EQ(pad.TipSize(), 450);
  EXPECT_FALSE(bigger->isVisible());
  EXPECT_TRUE(smaller->isVisible());
  for (int i = 0; i < 30 && smaller->isVisible(); ++i) QTest::mouseClick(smaller, Qt::LeftButton);
  EXPECT_EQ(pad.TipSize(), 90);
  EXPECT_FALSE(smaller->isVisible());
  EXPECT_TRUE(bigger->isVisible());
  EXPECT_TRUE(w->SizeChanged);
}

TEST_F(ColourTableUi, RunThatChangesNothingLeavesTheArchiveAlone) {
  {
    std::ofstream out(dir.filePath("Colorx.dat").toStdString(), std::ios::binary);
    out << Record(7, "seven") << Record(8, "eight");
  }
  const QFileInfo before(dir.filePath("Colorx.dat"));
  const QDateTime stamp = before.lastModified();
  Start();
  EXPECT_EQ(LongField()->count(), 2);
  QTest::mouseClick(Pad(), Qt::LeftButton, {}, Cell(1, 0));
  EXPECT_EQ(w->CurrentColour(), 8);
  w->mnuExit_Click();
  const QFileInfo after(dir.filePath("Colorx.dat"));
  EXPECT_EQ(after.lastModified(), stamp);
  EXPECT_EQ(FileBytes(dir.filePath("Colorx.dat")), Record(7, "seven") + Record(8, "eight"));
}

}  // namespace
}  // namespace hk
