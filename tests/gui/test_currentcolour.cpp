// The current colour through the real widgets: typing a notation and pressing
// Enter, the error highlight, the copy buttons and the clipboard.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "colour/modhslv.h"
#include "mainwindow/frmpickcolor.h"
#include "window_fixture.h"
#include "platform/colours.h"
#include "updowntext/updowntext.h"

namespace hk {
namespace {

class CurrentColour : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Open();
    Show();
    w->SetColor(0);
  }

  QLineEdit* Field(const char* name) { return w->findChild<QLineEdit*>(name); }
  QComboBox* LongField() { return w->findChild<QComboBox*>("txtCol"); }
  UpDownText* Editor(const char* name) { return w->findChild<UpDownText*>(name); }

  // Types into a field as the user does: focus, replace the text, press Enter.
  void TypeAndEnter(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
  }

  bool Highlighted(QLineEdit* field) {
    return field->palette().color(QPalette::Base) == ToQColor(kErrorHighlight);
  }

  struct Shown {
    QString longText, hex, web, html, rgb, cmyk;
    int r, g, b;
  };
  Shown Fields() {
    return {LongField()->currentText(), Field("Text1")->text(), Field("Text2")->text(),
            Field("txtHTML")->text(),   Field("Text4")->text(), Field("Text5")->text(),
            Editor("TxtR")->value(),    Editor("TxtG")->value(), Editor("TxtB")->value()};
  }

};

TEST_F(CurrentColour, EnterInEachFieldShowsTheColourEverywhere) {
  struct Case {
    const char* field;
    const char* typed;
    const char* longText;
    const char* hex;
    const char* web;
    const char* html;
    const char* rgb;
    const char* cmyk;
  };
  const Case cases[] = {
      {"Text2", "#ff8040", "4227327", "4080FF", "#FF8040", "", "255, 128, 64", "0, 127, 191, 0"},
      {"Text1", "FF", "255", "FF", "#FF0000", "Red", "255, 0, 0", "0, 255, 255, 0"},
      {"Text1", "", "0", "0", "#000000", "Black", "0, 0, 0", "255, 255, 255, 255"},
      {"txtHTML", "cyan", "16776960", "FFFF00", "#00FFFF", "Aqua", "0, 255, 255", "255, 0, 0, 0"},
      {"txtHTML", "LIGHTGREY", "13882323", "D3D3D3", "#D3D3D3", "LightGrey", "211, 211, 211",
       "0, 0, 0, 44"},
      {"Text4", "12.5, 13.5, 0", "3596", "E0C", "#0C0E00", "", "12, 14, 0", "36, 0, 255, 241"},
      {"Text4", "rgb(255,128,64)", "4227327", "4080FF", "#FF8040", "", "255, 128, 64",
       "0, 127, 191, 0"},
      {"Text5", "cmyk(0, 0, 0, 255)", "0", "0", "#000000", "Black", "0, 0, 0",
       "255, 255, 255, 255"},
      {"Text5", "100,100,100,0", "10197915", "9B9B9B", "#9B9B9B", "", "155, 155, 155",
       "0, 0, 0, 100"},
  };
  for (const Case& c : cases) {
    w->SetColor(RGB(1, 2, 3));
    TypeAndEnter(Field(c.field), QString::fromLatin1(c.typed));
    const Shown s = Fields();
    EXPECT_EQ(s.longText, c.longText) << c.field << " " << c.typed;
    EXPECT_EQ(s.hex, c.hex) << c.field << " " << c.typed;
    EXPECT_EQ(s.web, c.web) << c.field << " " << c.typed;
    EXPECT_EQ(s.html, c.html) << c.field << " " << c.typed;
    EXPECT_EQ(s.rgb, c.rgb) << c.field << " " << c.typed;
    EXPECT_EQ(s.cmyk, c.cmyk) << c.field << " " << c.typed;
    const LongColour current = w->CurrentColour();
    EXPECT_EQ(RGB(s.r, s.g, s.b), current) << "RGB editors follow";
    EXPECT_EQ(QString::number(current), s.longText);
  }
}

TEST_F(CurrentColour, BadInputHighlightsOnlyThatFieldUntilTheNextColour) {
  struct Case {
    const char* field;
    const char* typed;
  };
  const Case bad[] = {{"Text2", "#FG0000"}, {"Text2", ""},        {"Text1", "XYZ"},
                      {"txtHTML", "Grey"},  {"txtHTML", "RebeccaPurple"},
                      {"Text4", "256, 0, 0"}, {"Text4", "0, 0"},  {"Text5", "0, 0, 300, 0"},
                      {"Text5", "1,2,3"}};
  for (const Case& c : bad) {
    w->SetColor(4227327);
    TypeAndEnter(Field(c.field), QString::fromLatin1(c.typed));
    EXPECT_EQ(w->CurrentColour(), 4227327) << c.field << " " << c.typed;
    for (const char* name : {"Text1", "Text2", "txtHTML", "Text4", "Text5"}) {
      EXPECT_EQ(Highlighted(Field(name)), std::string(name) == c.field)
          << name << " after " << c.field << " " << c.typed;
    }
    // The typed text stays for the user to mend.
    EXPECT_EQ(Field(c.field)->text(), QString::fromLatin1(c.typed));
  }

  // A success from another field clears the highlight everywhere.
  TypeAndEnter(Field("Text4"), "256, 0, 0");
  ASSERT_TRUE(Highlighted(Field("Text4")));
  TypeAndEnter(Field("Text2"), "#00ff00");
  EXPECT_FALSE(Highlighted(Field("Text4")));
  EXPECT_EQ(Field("Text4")->text(), "0, 255, 0");

  // So does a colour that arrives from anywhere else.
  TypeAndEnter(Field("Text5"), "x");
  ASSERT_TRUE(Highlighted(Field("Text5")));
  w->SetColor(255);
  EXPECT_FALSE(Highlighted(Field("Text5")));
}

TEST_F(CurrentColour, LongFieldAcceptsOnlyDigitsAndAppliesOnEnter) {
  // Keys go to the focused combo box, which hands them on to its line edit.
  QComboBox* combo = LongField();
  QLineEdit* edit = combo->lineEdit();
  combo->setFocus();
  edit->selectAll();
  QTest::keyClick(combo, Qt::Key_Delete);
  QTest::keyClicks(combo, "-1a2.5x");  // "-", "a" and "x" are dropped
  EXPECT_EQ(edit->text(), "12.5");
  QTest::keyClick(combo, Qt::Key_A, Qt::ControlModifier);  // shortcuts still work
  EXPECT_EQ(edit->selectedText(), "12.5");
  QTest::keyClick(combo, Qt::Key_End);
  QTest::keyClick(combo, Qt::Key_Return);
  EXPECT_EQ(w->CurrentColour(), 12);  // halves to even
  EXPECT_EQ(Field("Text4")->text(), "12, 0, 0");

  edit->setText("99999999999");  // beyond 32 bits: nothing happens
  QTest::keyClick(combo, Qt::Key_Return);
  EXPECT_EQ(w->CurrentColour(), 12);
}

TEST_F(CurrentColour, LongFieldDoesNotCompleteToASavedValue) {
  dialogs.texts.push_back("white");
  w->table().AddColor(16777215, dialogs);
  QComboBox* combo = LongField();
  combo->setFocus();
  combo->lineEdit()->selectAll();
  QTest::keyClick(combo, Qt::Key_Delete);
  QTest::keyClicks(combo, "1677");
  EXPECT_EQ(combo->lineEdit()->text(), "1677");
  QTest::keyClick(combo, Qt::Key_Return);
  EXPECT_EQ(w->CurrentColour(), 1677);
}

TEST_F(CurrentColour, WholeTextSelectedOnFocus) {
  w->SetColor(4227327);
  for (const char* name : {"Text1", "Text2", "Text4", "Text5"}) {
    QLineEdit* f = Field(name);
    Field(std::string(name) == "Text1" ? "Text2" : "Text1")->setFocus();
    f->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(f->selectedText(), f->text()) << name;
  }
}

TEST_F(CurrentColour, CopyButtonsPutReadableTextOnTheClipboard) {
  struct Case {
    int index;
    LongColour colour;
    const char* copied;
    const char* pasteInto;  // the field whose reader takes the text back
  };
  const Case cases[] = {
      {0, 4227327, "4080FF", "Text1"},
      {1, 4227327, "4227327", nullptr},
      {2, 4227327, "#FF8040", "Text2"},
      {3, 16776960, "Aqua", "txtHTML"},
      {3, 4227327, "", nullptr},
      {4, RGB(1, 2, 3), "RGB(1, 2, 3)", "Text4"},
      {5, 4227327, "CMYK(0, 127, 191, 0)", "Text5"},
  };
  QClipboard* clipboard = QApplication::clipboard();
  for (const Case& c : cases) {
    clipboard->setText("stale");
    w->SetColor(c.colour);
    auto* button = w->findChildren<QPushButton*>("Command2").at(0);
    for (QPushButton* b : w->findChildren<QPushButton*>("Command2")) {
      if (b->property("index").toInt() == c.index) button = b;
    }
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clipboard->text(), c.copied) << c.index;
    if (c.pasteInto == nullptr) continue;
    w->SetColor(RGB(9, 9, 9));
    TypeAndEnter(Field(c.pasteInto), clipboard->text());
    EXPECT_EQ(w->CurrentColour(), c.colour) << "read back through " << c.pasteInto;
  }
}

}  // namespace
}  // namespace hk
