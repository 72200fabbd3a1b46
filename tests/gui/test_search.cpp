// The search row in the real window: Enter in Text3 and the search button reach the
// search, and its result reaches the pad, txtCol, the caption, the current colour and
// the colour of the search box. The match rule and the order are the unit tests'.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <vector>

#include "mainwindow/frmpickcolor.h"
#include "platform/colours.h"
#include "window_fixture.h"

namespace hk {
namespace {

// Saved colours 1000, 1001 ... under these names, as Colorx.dat holds them.
QByteArray Archive(const std::vector<const char*>& names) {
  QByteArray bytes;
  for (std::size_t i = 0; i < names.size(); ++i) {
    QByteArray r;
    for (int k = 0; k < 4; ++k) r += static_cast<char>(((1000 + i) >> (8 * k)) & 0xFF);
    bytes += (r + names[i]).leftJustified(29, ' ');
  }
  return bytes;
}

class SearchUi : public WindowTest {
 protected:
  template <typename T>
  T* Child(const char* name) {
    return w->findChild<T*>(name);
  }
  QColor Background() { return Child<QLineEdit>("Text3")->palette().color(QPalette::Base); }
};

TEST_F(SearchUi, SearchSelectsTheMatchOrMarksTheBox) {
  const QColor window = ToQColor(kSysWindowBackground), error = ToQColor(kErrorHighlight);
  const std::vector<const char*> names = {"Dune", "Dark Sea", "Dusk", "dark night", "Amber"};
  struct Case {
    const char* prefs;
    bool expanded;
    const char* text;
    bool button;  // the search button, else Enter
    LongColour colour;
    const char* caption;
    int txtColIndex;
    bool savedShown;
    bool expandedAfter;
    QColor background;
  };
  const Case cases[] = {
      // In view: from the selection (DarkCyan, Dark Sea) on, in the list shown only.
      {"TAB=1\r\nLASTWEBCOLOR=23\r\n", true, "dark", false, 755384,
       "Web Color &Table[140] DARKGOLDENROD", -1, false, true, window},
      {"TAB=0\r\nLASTUSERCOLOR=2\r\n", true, "DARK", true, 1003,
       "Custom Color &Table[5] dark night", 3, true, true, window},
      {"TAB=1\r\nLASTWEBCOLOR=23\r\n", true, "dusk", false, 9145088,
       "Web Color &Table[140] DARKCYAN", -1, false, true, error},
      // Hidden: both lists from their first entry; a saved match shows the saved list.
      {"TAB=1\r\nLASTWEBCOLOR=23\r\n", false, "du", true, 1000, "Custom Color &Table[5] Dune", 0,
       true, true, window},
      // A match in both lists (Amber, AliceBlue) ends on the web colour.
      {"TAB=0\r\nLASTUSERCOLOR=2\r\n", false, "a", false, 16775408,
       "Web Color &Table[140] ALICEBLUE", 4, false, true, window},
      {"TAB=0\r\nLASTUSERCOLOR=1\r\n", false, "zz", true, 0, "Custom Color &Table[5] Dune", 0, true,
       false, error},
      // Blanks alone are nothing to search for: the button is off and Enter does nothing.
      {"TAB=0\r\nLASTUSERCOLOR=1\r\n", false, "  ", false, 0, "Custom Color &Table[5] Dune", 0,
       true, false, window},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + (c.expanded ? " in view" : " hidden"));
    w.reset();
    Write("Colorx.dat", Archive(names));
    Write("pref.ini", c.prefs);
    Start();
    if ((w->TableState() == "E") != c.expanded)
      QTest::mouseClick(Child<QLabel>("ImgUP_DN"), Qt::LeftButton);
    ASSERT_EQ(w->TableState() == "E", c.expanded);
    auto* savedOption = w->findChildren<QRadioButton*>("Option1")[0];
    const bool savedBefore = savedOption->isChecked();
    auto* box = Child<QLineEdit>("Text3");
    auto* button = Child<QPushButton>("CmdSearch");
    EXPECT_FALSE(button->isEnabled());
    QTest::keyClicks(box, c.text);
    EXPECT_EQ(button->isEnabled(), c.text[0] != ' ');
    if (c.button) {
      QTest::mouseClick(button, Qt::LeftButton);
    } else {
      QTest::keyClick(box, Qt::Key_Return);
    }
    EXPECT_EQ(w->CurrentColour(), c.colour);
    EXPECT_EQ(Child<QLabel>("lblCol")->text(), c.caption);
    EXPECT_EQ(Child<QComboBox>("txtCol")->currentIndex(), c.txtColIndex);
    EXPECT_EQ(Child<QComboBox>("txtCol")->currentText(), QString::number(c.colour));
    EXPECT_EQ(savedOption->isChecked(), c.savedShown);
    EXPECT_EQ(w->TabChanged, savedBefore != c.savedShown) << "the list shown is remembered";
    EXPECT_EQ(w->TableState(), c.expandedAfter ? "E" : "");
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(Background(), c.background);
    QTest::keyClick(box, Qt::Key_Backspace);  // any change of the text clears the mark
    EXPECT_EQ(Background(), window);
  }
}

TEST_F(SearchUi, FocusOnTheSearchRowLightsTheCaptionAndSelectsTheText) {
  // Captions of active and inactive windows told apart, whatever the platform's colours.
  const QPalette platform = QApplication::palette();
  QPalette distinct = platform;
  distinct.setColor(QPalette::Active, QPalette::Highlight, Qt::darkBlue);
  distinct.setColor(QPalette::Inactive, QPalette::Highlight, Qt::gray);
  QApplication::setPalette(distinct);
  Start();
  // The box selects its text when it takes the focus, so typing replaces it.
  auto* box = Child<QLineEdit>("Text3");
  box->setText("a");  // the button takes the focus only while there is a text
  box->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(box->selectedText(), "a");
  const auto captionColour = [this] {
    return Child<QLabel>("lblCol")->palette().color(QPalette::Window);
  };
  const QColor active = ToQColor(TableCaptionColours(true).background);
  const QColor inactive = ToQColor(TableCaptionColours(false).background);
  EXPECT_EQ(captionColour(), active);
  const std::pair<const char*, QColor> focus[] = {
      {"Text1", inactive}, {"CmdSearch", active}, {"Text2", inactive}, {"Text3", active}};
  for (const auto& [name, colour] : focus) {
    Child<QWidget>(name)->setFocus();
    EXPECT_EQ(captionColour(), colour) << name;
  }
  for (QRadioButton* list : w->findChildren<QRadioButton*>("Option1")) {  // the list options
    Child<QWidget>("Text1")->setFocus();
    list->setFocus();
    EXPECT_EQ(captionColour(), active) << list->text().toStdString();
  }
  QApplication::setPalette(platform);
}

}  // namespace
}  // namespace hk
