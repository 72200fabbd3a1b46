// The action row, the About box and the Show/Hide command, through the real window.
#include <gtest/gtest.h>

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "mainwindow/actionlabels.h"
#include "mainwindow/trayicon.h"
#include "window_fixture.h"

namespace hk {
namespace {

// Catches what the program asks the desktop to open.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open"); }
  ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
  QList<QUrl> opened;
 public slots:
  void Open(const QUrl& url) { opened << url; }
};

class Actions : public WindowTest {
 protected:
  QLabel* Label(int index) { return w->actionLabels().label(index); }
  std::vector<bool> Lit() {
    std::vector<bool> lit;
    for (int i = 0; i < ActionLabels::kCount; ++i) lit.push_back(w->actionLabels().Lit(i));
    return lit;
  }
};

TEST_F(Actions, OneLabelLightsAtATimeAndEachDoesItsAction) {
  Write("Colorx.dat", QByteArray("\x01\0\0\0one", 7).leftJustified(29));
  Write("pref.ini", "EXPANDED=E\r\nLASTUSERCOLOR=1\r\n");
  Start();
  // Moving from label to label moves the light; a move over the window puts it out.
  QTest::mouseMove(Label(ActionLabels::Measure));
  QTest::mouseMove(Label(ActionLabels::HomePage));
  EXPECT_EQ(Lit(), std::vector<bool>({false, false, false, true, false, false}));
  EXPECT_EQ(Label(ActionLabels::HomePage)->palette().color(QPalette::WindowText),
            QColor(0, 0, 255));
  QTest::mouseMove(w.get(), QPoint(5, w->height() - 20));
  EXPECT_EQ(Lit(), std::vector<bool>(6, false));

  UrlCatcher browser;
  dialogs.pressed = {MsgResult::No};  // keep the colour when asked to delete it
  dialogs.typed = {"two"};
  QTest::mouseClick(Label(ActionLabels::Exit), Qt::RightButton);  // only the left button acts
  QTest::keyClick(w.get(), Qt::Key_N, Qt::AltModifier);           // the rename label's access key
  QTest::mouseClick(Label(ActionLabels::Delete), Qt::LeftButton);
  // The labels without an access key have keys of their own: home page, HexConv and
  // Measure. The tools open once each, however often they are asked for.
  for (Qt::Key key : {Qt::Key_P, Qt::Key_E, Qt::Key_E, Qt::Key_A, Qt::Key_A})
    QTest::keyClick(w.get(), key, Qt::AltModifier);
  for (const char* tool : {"fmHex", "frmMeasure"}) {
    QWidgetList shown;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->objectName() == tool && top->isVisible()) shown << top;
    EXPECT_EQ(shown.size(), 1) << tool;
  }
  QTest::mouseClick(Label(ActionLabels::Exit), Qt::LeftButton);
  QApplication::processEvents();
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[0].input, true) << "rename asks for the new name";
  EXPECT_EQ(dialogs.calls[1].buttons, MsgButtons::YesNo) << "delete asks first";
  EXPECT_EQ(browser.opened.size(), 1);
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(Read("Colorx.dat"), QByteArray("\x01\0\0\0two", 7).leftJustified(29));
}

TEST_F(Actions, TheWindowGoesQuietlyWithALabelLitUnderTheMouse) {
  Start();
  QTest::mouseMove(Label(ActionLabels::Measure));
  ASSERT_TRUE(w->actionLabels().Lit(ActionLabels::Measure));
  // Its labels go one by one; the light's handler must not paint the ones already gone.
  EXPECT_EXIT((w.reset(), std::exit(0)), ::testing::ExitedWithCode(0), "");
}

TEST_F(Actions, RenameAndDeleteShowWithTheSavedListOpenAndWorkOnlyWithColours) {
  Write("pref.ini", "EXPANDED=E\r\n");
  Start();
  auto place = [this] {
    return std::vector<int>({Label(0)->isVisible(), Label(1)->isVisible(), Label(0)->isEnabled(),
                             Label(ActionLabels::Measure)->x()});
  };
  const int measureX = Label(ActionLabels::Measure)->x();
  EXPECT_EQ(place(), std::vector<int>({true, true, false, measureX})) << "empty saved list";
  w->findChildren<QRadioButton*>("Option1").at(1)->click();
  EXPECT_EQ(place(), std::vector<int>({false, false, false, measureX})) << "web colours";
  w->ImgUP_DN_Click();
  w->Option1_Click(0);
  EXPECT_EQ(place(), std::vector<int>({false, false, false, measureX})) << "collapsed";
  // The row keeps to the bottom edge, the exit label to the right; 4 pixels apart,
  // left to right: rename, delete, measure ... HexConv, home page, exit.
  EXPECT_EQ(Label(ActionLabels::Exit)->geometry().bottom() + 1, w->height() - 2);
  EXPECT_EQ(Label(ActionLabels::Exit)->geometry().right() + 1, w->width() - 6);
  const int order[] = {0, 1, 5, -1, 4, 3, 2};
  for (int i = 0; i + 1 < 7; ++i) {
    if (order[i] < 0 || order[i + 1] < 0) continue;
    EXPECT_EQ(Label(order[i + 1])->x() - Label(order[i])->geometry().right() - 1, 4) << order[i];
  }
  EXPECT_EQ(Label(0)->x(), 4);
  // A hidden label's access key does nothing.
  QTest::keyClick(w.get(), Qt::Key_N, Qt::AltModifier);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(Actions, AboutNamesTheVersionAndYesVisitsTheHomePage) {
  Start();
  UrlCatcher browser;
  dialogs.pressed = {MsgResult::No, MsgResult::Yes};
  w->Command1_Click();
  w->Command1_Click();
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[0].title, "     **** About: Hue Keeper(" HK_VERSION ") ****");
  EXPECT_EQ(std::make_pair(dialogs.calls[0].buttons, dialogs.calls[0].icon),
            std::make_pair(MsgButtons::YesNo, MsgIcon::Information));
  EXPECT_NE(dialogs.calls[0].prompt.find("\r\nHome Page: https://"), std::string::npos);
  ASSERT_EQ(browser.opened.size(), 1);
  EXPECT_NE(dialogs.calls[0].prompt.find(browser.opened[0].toString().toStdString()),
            std::string::npos);
}

TEST_F(Actions, TheColourChooserAppliesWhatItHoldsWhenClosed) {
  Start();
  w->SetColor(RGB(90, 0, 0));  // 42.35294 lightness: the dialog gives back (89, 0, 0)
  QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
  QTest::mouseClick(w->findChild<QWidget*>("CmdOpen"), Qt::LeftButton);
  EXPECT_EQ(w->CurrentColour(), RGB(89, 0, 0));
}

TEST_F(Actions, ShowHideSaysWhatItWillDo) {
  Start();
  QAction* show = w->tray().mnuShow();
  EXPECT_EQ(show->text(), "&Hide");
  w->mnuShow_Click();
  EXPECT_EQ(show->text(), "&Show");
  EXPECT_FALSE(w->isVisible());
  w->mnuShow_Click();
  EXPECT_EQ(show->text(), "&Hide");
  EXPECT_TRUE(w->isVisible() && !w->isMinimized());
  // With no tray to bring it back, the close box leaves the window on the task bar.
  EXPECT_FALSE(w->close());
  EXPECT_TRUE(w->isVisible() && w->isMinimized());
  EXPECT_EQ(show->text(), "&Hide");
}

}  // namespace
}  // namespace hk

#include "test_actions.moc"
