// The main window's life and commands: start-up from the saved settings, the exit that
// saves them (or asks what to do when a save fails), the window keys, the slide
// button, the pin, the close box and Show/Hide, the action row and the About box.
#include "mainwindow/actionlabels.h"
#include "mainwindow/preferences.h"
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

using Lifecycle = WindowTest;

TEST_F(Lifecycle, SettingsAndTheFirstColourFromStartToExit) {
  Open();  // one size: it minimizes, never maximizes
  EXPECT_EQ(std::tuple(w->windowTitle(), w->minimumSize(), w->maximumSize()),
            std::tuple(QString("Hue Keeper"), QSize(310, 225), QSize(310, 225)));
  EXPECT_EQ(w->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint |
                                Qt::WindowCloseButtonHint),
            Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  const QByteArray colours = Record(1, "one") + Record(2, "two");
  const struct {
    QByteArray archive, before;
    bool expanded;
    LongColour colour;
    const char *caption, *mode;
    Preferences after;
  } cases[] = {
      // A first run opens expanded; with no saved colour none is remembered.
      {"", "", true, 0, "Custom Color &Table[0]", "R G B", {0, 180, 0, 0, 240, "", 0, 1}},
      // Collapsed, tips, HSL on 360, the web list on its fifth colour, Azure; a display
      // mode above 2 is taken as 2.
      {colours,
       "TAB=1\r\nCORORSIZE=255\r\nCOLORMODE=3\r\nDISPLAYMODE=7\r\nMAXHUE=360\r\nEXPANDED=\r\n"
       "LASTUSERCOLOR=1\r\nLASTWEBCOLOR=5\r\n",
       false,
       16777200,
       "Web Color &Table[140] AZURE",
       "H S L",
       {1, 255, 3, 2, 360, "", 1, 5}},
      // The saved colour is selected first; black then becomes current, and stays.
      {colours,
       "EXPANDED=E\r\nLASTUSERCOLOR=2\r\n",
       true,
       0,
       "Custom Color &Table[2] two",
       "R G B",
       {0, 180, 0, 0, 240, "", 2, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before.toStdString());
    Write("Colorx.dat", c.archive);
    Write("pref.ini", c.before);
    Start();
    EXPECT_EQ(std::tuple(w->height(), Shown("CNT"), w->CurrentColour(), Text("lblCol"),
                         Text("lblColor"), Child<UpDownText>("TxtR")->Max()),
              std::tuple(c.expanded ? 364 : 225, c.expanded, c.colour, QString(c.caption),
                         QString(c.mode), c.mode[0] == 'H' ? 360 : 255));
    const QByteArray after =
        QByteArray::fromStdString(FormatPrefFile(c.after, c.expanded ? "E" : ""));
    w->mnuExit_Click();
    EXPECT_EQ(Read("pref.ini"), after);
    EXPECT_EQ(Read("Colorx.dat"), c.archive) << "nothing was added";
    w->mnuExit_Click();
    EXPECT_EQ(Read("pref.ini"), after) << "a second Exit ends again but saves nothing twice";
    w.reset();
  }
  EXPECT_EQ(exits, 6);
}

TEST_F(Lifecycle, InstalledCopyUsesTheSettingsStoreOnly) {
  Write("uninst-Huekeeper.exe", "x");
  Write("pref.ini", "TAB=1\r\nEXPANDED=\r\n");
  const QByteArray pref = Read("pref.ini");
  Start();
  EXPECT_FALSE(w->findChildren<QRadioButton*>("Option1").at(1)->isChecked())
      << "pref.ini is not read when installed";
  EXPECT_EQ(w->TableState(), "") << "an empty store starts collapsed";
  w->mnuExit_Click();
  EXPECT_EQ(Read("pref.ini"), pref) << "nor written";
  QSettings store(QSettings::IniFormat, QSettings::UserScope, "Hue Keeper", "Hue Keeper");
  store.beginGroup("Preference");
  // Nothing changed in the run: only the selection and the table state are written.
  EXPECT_EQ(store.childKeys(), QStringList({"Selecton", "Table"}));
  EXPECT_EQ(store.value("Selecton").toString(), "0/1");
  EXPECT_EQ(store.value("Table").toString(), "");
}

TEST_F(Lifecycle, StartUpErrorsAreShownAndAnOverflowStopsTheSequence) {
  Write("uninst-Huekeeper.exe", "x");
  QSettings(QSettings::IniFormat, QSettings::UserScope, "Hue Keeper", "Hue Keeper")
      .setValue("Preference/Tab", "40000");  // beyond 16 bits
  Start();
  EXPECT_EQ(dialogs.calls,
            std::vector{testing::Msg("Overflow", "Hue Keeper", MsgButtons::OK, MsgIcon::None)});
  EXPECT_EQ(w->height(), 225) << "the rest of start-up, the table toggle among it, is skipped";

  // An archive that cannot be read is named, not shown as empty; start-up goes on.
  QFile::remove(dir.filePath("uninst-Huekeeper.exe"));
  ASSERT_TRUE(QDir(dir.path()).mkdir("Colorx.dat"));
  dialogs.calls.clear();
  Start();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  const QString said = QString::fromStdString(dialogs.calls[0].prompt);
  EXPECT_TRUE(said.startsWith("Some saved colors could not be read: ") &&
              said.contains("Colorx.dat"))
      << said.toStdString();
  EXPECT_EQ(w->height(), 364);
}

TEST_F(Lifecycle, AnExitWhoseSavesFailAsksForEachFileToRetryOrDiscardItAndEndsAfter) {
  const QByteArray pref = "EXPANDED=E\r\nLASTUSERCOLOR=1\r\n", colours = Record(255, "Red");
  Write("pref.ini", pref);
  Write("Colorx.dat", colours);
  Write("screen_tmp.bmp", "the capture of the last run");
  StartWithScreen();
  // A colour added and a capture taken: every file is due at exit.
  w->SetColor(65280);
  dialogs.typed = {"Lime"};
  w->CmdAdd_Click();
  const QImage captured = PickOnce();
  ASSERT_FALSE(captured.isNull());

  // No file may grow past 16 bytes, as on a full disk, until the room is made at the
  // fourth question. The preferences fail twice and are given up, the colours are given
  // up, and the capture is tried again after the room is made.
  std::optional<testing::FileSizeLimit> full(std::in_place, 16);
  std::vector<int> exitsWhileAsked;
  dialogs.calls.clear();
  dialogs.pressed = {MsgResult::Retry, MsgResult::Discard, MsgResult::Discard, MsgResult::Retry};
  dialogs.asked = [&] {
    exitsWhileAsked.push_back(exits);
    if (dialogs.calls.size() == 4) full.reset();
  };
  QTest::keyClick(w.get(), Qt::Key_X, Qt::AltModifier);
  QApplication::processEvents();

  const auto asked = [&](const char* what, const char* file) {
    return testing::Msg(
        "Hue Keeper could not save " + std::string(what) + ".\n\n" +
            QDir(w->ProgramFolder()).filePath(file).toStdString() +
            ": File too large\n\nRetry tries again; Discard leaves the file as it was.",
        "Not Saved", MsgButtons::RetryDiscard, MsgIcon::Critical);
  };
  EXPECT_EQ(dialogs.calls,
            (std::vector{asked("the preferences", "pref.ini"), asked("the preferences", "pref.ini"),
                         asked("the colors", "Colorx.dat"),
                         asked("the screen capture", "screen_tmp.bmp")}));
  EXPECT_EQ(exitsWhileAsked, std::vector(4, 0)) << "the program runs on while it asks";
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(std::tuple(Read("pref.ini"), Read("Colorx.dat"), Read("screen_tmp.bmp")),
            std::tuple(pref, colours, Bmp(captured)));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList({"Colorx.dat", "pref.ini", "screen_tmp.bmp"}))
      << "no temporary is left behind";
}

TEST_F(Lifecycle, SlideButtonReturnsToTheExactHeightAndTheBandsKeepToTheEdges) {
  Start();
  auto* slide = Child<QLabel>("ImgUP_DN");
  const int expanded = w->height();
  EXPECT_EQ(slide->toolTip(), "Slide Up");
  for (const bool open : {false, true}) {
    QTest::mouseClick(slide, Qt::LeftButton);
    EXPECT_EQ(std::pair(w->height(), slide->toolTip()),
              std::pair(open ? expanded : 225, QString(open ? "Slide Up" : "Slide Down")));
    for (const char* name : {"CNT", "lblCol", "Image2", "Image3"}) EXPECT_EQ(Shown(name), open);
    // The slide button 2 pixels above the bottom edge, the strip on it, and the band
    // from 2 pixels above the RGB row to 2 below the button row.
    EXPECT_EQ(slide->geometry().bottom() + 1, w->height() - 2);
    EXPECT_EQ(Child("Shape4")->geometry().bottom() + 1, w->height());
    EXPECT_EQ(
        Child("Shape3")->geometry(),
        QRect(QPoint(0, Child("Text4")->y() - 2),
              QPoint(w->frameGeometry().width() - 1, Child("CmdApply")->geometry().bottom() + 2)));
  }
  EXPECT_TRUE(w->TableChanged);
}

TEST_F(Lifecycle, ExitKeysMatchExactlyWhereverTheFocusIs) {
  Start();
  const struct {
    Qt::KeyboardModifiers mods;
    Qt::Key key;
    bool exits;
  } cases[] = {
      {Qt::ControlModifier, Qt::Key_X, true},
      {Qt::AltModifier, Qt::Key_X, true},
      {Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_X, false},
      {Qt::AltModifier, Qt::Key_V, false},
      {Qt::NoModifier, Qt::Key_X, false},
  };
  for (const char* focus : {"Text1", "TxtR", "PAD"}) {
    for (const auto& c : cases) {
      Child(focus)->setFocus();
      const int before = exits;
      QTest::keyClick(Child(focus), c.key, c.mods);
      QApplication::processEvents();
      EXPECT_EQ(exits - before, c.exits ? 1 : 0) << focus << " " << c.key << " " << c.mods.toInt();
    }
  }
}

TEST_F(Lifecycle, CloseBoxAndHideKeepTheProgramAndThePinKeepsTheWindowOnTop) {
  Start();
  QAction* show = w->tray().mnuShow();
  EXPECT_EQ(show->text(), "&Hide");
  w->mnuShow_Click();
  EXPECT_EQ(std::pair(show->text(), w->isVisible()), std::pair(QString("&Show"), false));
  w->mnuShow_Click();
  EXPECT_EQ(show->text(), "&Hide");
  EXPECT_TRUE(w->isVisible() && !w->isMinimized());
  // With no tray to bring it back, the close box leaves the window on the task bar.
  EXPECT_FALSE(w->close());
  QApplication::processEvents();
  EXPECT_TRUE(w->isVisible() && w->isMinimized());
  EXPECT_EQ(std::tuple(show->text(), exits, w->ShutdownDone(), Read("pref.ini")),
            std::tuple(QString("&Hide"), 0, false, QByteArray("<missing>")));
  w->ShowAgain();
  EXPECT_TRUE(w->isVisible() && !w->isMinimized());
  w->SaveAll();  // the desktop asks to save; the session then goes on
  EXPECT_NE(Read("pref.ini"), "<missing>");
  EXPECT_FALSE(w->ShutdownDone()) << "the real exit still saves";

  auto* off = Child<QLabel>("ImgstickOff");
  auto* on = Child<QLabel>("ImgstickOn");
  EXPECT_EQ(on->toolTip(), "Sticky");
  for (const bool pinned : {true, false}) {
    QTest::mouseClick(pinned ? off : on, Qt::LeftButton);
    EXPECT_EQ(std::tuple(w->Sticky(), w->isVisible(), on->isVisible(), off->isVisible()),
              std::tuple(pinned, true, pinned, !pinned));
  }
}

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
  Write("Colorx.dat", Record(1, "one"));
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
  EXPECT_EQ(std::tuple(browser.opened.size(), exits, Read("Colorx.dat")),
            std::tuple(1, 1, Record(1, "two")));
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
  const int measureX = Label(ActionLabels::Measure)->x();
  auto place = [&] {
    return std::tuple(Label(0)->isVisible(), Label(1)->isVisible(), Label(0)->isEnabled(),
                      Label(ActionLabels::Measure)->x());
  };
  EXPECT_EQ(place(), std::tuple(true, true, false, measureX)) << "empty saved list";
  w->findChildren<QRadioButton*>("Option1").at(1)->click();
  EXPECT_EQ(place(), std::tuple(false, false, false, measureX)) << "web colours";
  w->ImgUP_DN_Click();
  w->Option1_Click(0);
  EXPECT_EQ(place(), std::tuple(false, false, false, measureX)) << "collapsed";
  // The row keeps to the bottom edge, the exit label to the right; 4 pixels apart,
  // left to right: rename, delete, measure ... HexConv, home page, exit.
  EXPECT_EQ(Label(ActionLabels::Exit)->geometry().bottomRight() + QPoint(1, 1),
            QPoint(w->width() - 6, w->height() - 2));
  EXPECT_EQ(Label(0)->x(), 4);
  const int neighbours[][2] = {{0, 1}, {1, 5}, {4, 3}, {3, 2}};
  for (const auto& [left, right] : neighbours)
    EXPECT_EQ(Label(right)->x() - Label(left)->geometry().right() - 1, 4) << left;
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
  QTest::mouseClick(Child("CmdOpen"), Qt::LeftButton);
  EXPECT_EQ(w->CurrentColour(), RGB(89, 0, 0));
}

}  // namespace
}  // namespace hk

#include "test_mainwindow.moc"
