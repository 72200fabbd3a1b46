// The current colour through the real widgets: Enter in each notation field, the
// error highlight, the Long field's keys, focus selection and the copy buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "mainwindow/frmpickcolor.h"
#include "platform/colours.h"
#include "updowntext/updowntext.h"
#include "window_fixture.h"

namespace hk {
namespace {

const char* const kFields[] = {"Text1", "Text2", "txtHTML", "Text4", "Text5"};

class CurrentColour : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Open();
    Show();
  }
  QLineEdit* Field(const char* name) { return w->findChild<QLineEdit*>(name); }
  // Types into a field as the user does: focus, replace the text, press Enter.
  void TypeAndEnter(const char* name, const QString& text) {
    QLineEdit* field = Field(name);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
  }
  bool Highlighted(const char* name) {
    return Field(name)->palette().color(QPalette::Base) == ToQColor(kErrorHighlight);
  }
  // Every text the window shows for the current colour: Long, the five fields, R G B.
  QStringList Shown() {
    QStringList out{w->findChild<QComboBox*>("txtCol")->currentText()};
    for (const char* name : kFields) out << Field(name)->text();
    for (const char* name : {"TxtR", "TxtG", "TxtB"})
      out << QString::number(w->findChild<UpDownText*>(name)->value());
    return out;
  }
};

TEST_F(CurrentColour, EnterInEachFieldShowsTheColourEverywhere) {
  const std::tuple<const char*, const char*, LongColour> typed[] = {
      {"Text1", "FF", 255},        {"Text2", "#ff8040", 4227327}, {"txtHTML", "cyan", 16776960},
      {"Text4", "12.5, 13.5, 0", RGB(12, 14, 0)}, {"Text5", "100,100,100,0", RGB(155, 155, 155)}};
  for (const auto& [field, text, colour] : typed) {
    w->SetColor(RGB(1, 2, 3));
    TypeAndEnter(field, QString::fromLatin1(text));
    EXPECT_EQ(w->CurrentColour(), colour) << field << " " << text;
  }
  TypeAndEnter("txtHTML", "AQUA");
  EXPECT_EQ(Shown(), (QStringList{"16776960", "FFFF00", "#00FFFF", "Aqua", "0, 255, 255",
                                  "255, 0, 0, 0", "0", "255", "255"}));
  const QImage pixel = w->findChild<QWidget*>("PicPX")->grab().toImage();  // framed in black
  EXPECT_EQ(std::pair(pixel.pixelColor(0, 0), pixel.pixelColor(1, 1)),
            std::pair(QColor(Qt::black), QColor(0, 255, 255)));
}

TEST_F(CurrentColour, BadInputHighlightsOnlyThatFieldUntilTheNextColour) {
  const std::pair<const char*, const char*> bad[] = {
      {"Text1", "XYZ"}, {"Text2", "#FG0000"}, {"txtHTML", "Grey"}, {"Text4", "256, 0, 0"},
      {"Text5", "1,2,3"}};
  for (const auto& [field, text] : bad) {
    w->SetColor(4227327);
    TypeAndEnter(field, QString::fromLatin1(text));
    EXPECT_EQ(w->CurrentColour(), 4227327) << field;
    for (const char* name : kFields)
      EXPECT_EQ(Highlighted(name), std::string(name) == field) << name << " after " << field;
    EXPECT_EQ(Field(field)->text(), QString::fromLatin1(text)) << "left for the user to mend";
  }
  // A colour from another field, or from anywhere else, clears the highlight.
  TypeAndEnter("Text2", "#00ff00");
  EXPECT_FALSE(Highlighted("Text5"));
  EXPECT_EQ(Field("Text5")->text(), "255, 0, 255, 0");
  TypeAndEnter("Text4", "x");
  w->SetColor(255);
  EXPECT_FALSE(Highlighted("Text4"));
}

TEST_F(CurrentColour, LongFieldTakesOnlyDigitsAndAppliesOnEnter) {
  dialogs.typed.push_back("white");
  w->table().AddColor(16777215, dialogs);  // a saved value must not complete "1677"
  // Keys go to the focused combo box, which hands them on to its line edit.
  QComboBox* combo = w->findChild<QComboBox*>("txtCol");
  QLineEdit* edit = combo->lineEdit();
  combo->setFocus();
  edit->selectAll();
  QTest::keyClick(combo, Qt::Key_Delete);
  QTest::keyClicks(combo, "-1a6x77");  // "-", "a" and "x" are dropped
  EXPECT_EQ(edit->text(), "1677");
  QTest::keyClick(combo, Qt::Key_A, Qt::ControlModifier);  // shortcuts still work
  EXPECT_EQ(edit->selectedText(), "1677");
  QTest::keyClick(combo, Qt::Key_End);
  QTest::keyClicks(combo, ".4");
  QTest::keyClick(combo, Qt::Key_Return);
  EXPECT_EQ(w->CurrentColour(), 1677);
  EXPECT_EQ(Field("Text4")->text(), "141, 6, 0");
  edit->setText("99999999999");  // beyond 32 bits: nothing happens
  QTest::keyClick(combo, Qt::Key_Return);
  EXPECT_EQ(w->CurrentColour(), 1677);
}

TEST_F(CurrentColour, WholeTextSelectedOnFocus) {
  w->SetColor(4227327);
  for (const char* name : {"Text1", "Text2", "Text4", "Text5"}) {
    Field(std::string(name) == "Text1" ? "Text2" : "Text1")->setFocus();
    Field(name)->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(Field(name)->selectedText(), Field(name)->text()) << name;
  }
}

TEST_F(CurrentColour, CopyButtonsPutReadableTextOnTheClipboard) {
  auto copy = [&](int index) {
    QApplication::clipboard()->setText("stale");
    for (QPushButton* b : w->findChildren<QPushButton*>("Command2")) {
      if (b->property("index").toInt() == index) QTest::mouseClick(b, Qt::LeftButton);
    }
    return QApplication::clipboard()->text();
  };
  const char* const copied[] = {"4080FF", "4227327", "#FF8040", "", "RGB(255, 128, 64)",
                                "CMYK(0, 127, 191, 0)"};
  w->SetColor(4227327);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(copy(i), copied[i]) << i;
  w->SetColor(16776960);
  EXPECT_EQ(copy(3), "Aqua");
}

}  // namespace
}  // namespace hk
