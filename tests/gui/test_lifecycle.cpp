// Start-up from the saved settings, the exit that saves them (or asks what to do
// when a save fails), the window keys, the slide button and the sticky pin, through
// the real window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "colour/modhslv.h"
#include "mainwindow/frmpickcolor.h"
#include "picker/bmpfile.h"
#include "picker/magnifier.h"
#include "picker/screenpicker.h"
#include "window_fixture.h"
#include "updowntext/updowntext.h"

namespace hk {
namespace {

class Lifecycle : public WindowTest {
 protected:
  bool Shown(const char* name) { return w->findChild<QWidget*>(name)->isVisible(); }
};

TEST_F(Lifecycle, SettingsAndTheFirstColourFromStartToExit) {
  const QByteArray colours = QByteArray("\x01\0\0\0one", 7).leftJustified(29) +
                             QByteArray("\x02\0\0\0two", 7).leftJustified(29);
  const struct {
    QByteArray archive, before;
    int height;
    LongColour colour;
    const char *caption, *mode, *after;
  } cases[] = {
      // A first run opens expanded; with no saved colour none is remembered.
      {"", "", 364, 0, "Custom Color &Table[0]", "R G B",
       "TAB=0\r\nCORORSIZE=180\r\nCOLORMODE=0\r\nDISPLAYMODE=0\r\nMAXHUE=240\r\nEXPANDED=E\r\n"
       "LASTUSERCOLOR=0\r\nLASTWEBCOLOR=1\r\n"},
      // Collapsed, tips, HSL on 360, the web list on its fifth colour, Azure; a display
      // mode above 2 is taken as 2.
      {colours,
       "TAB=1\r\nCORORSIZE=255\r\nCOLORMODE=3\r\nDISPLAYMODE=7\r\nMAXHUE=360\r\nEXPANDED=\r\n"
       "LASTUSERCOLOR=1\r\nLASTWEBCOLOR=5\r\n",
       225, 16777200, "Web Color &Table[140] AZURE", "H S L",
       "TAB=1\r\nCORORSIZE=255\r\nCOLORMODE=3\r\nDISPLAYMODE=2\r\nMAXHUE=360\r\nEXPANDED=\r\n"
       "LASTUSERCOLOR=1\r\nLASTWEBCOLOR=5\r\n"},
      // The saved colour is selected first; black then becomes current, and stays.
      {colours, "EXPANDED=E\r\nLASTUSERCOLOR=2\r\n", 364, 0, "Custom Color &Table[2] two", "R G B",
       "TAB=0\r\nCORORSIZE=180\r\nCOLORMODE=0\r\nDISPLAYMODE=0\r\nMAXHUE=240\r\nEXPANDED=E\r\n"
       "LASTUSERCOLOR=2\r\nLASTWEBCOLOR=1\r\n"},
  };
  for (const auto& c : cases) {
    Write("Colorx.dat", c.archive);
    Write("pref.ini", c.before);
    Start();
    EXPECT_EQ(w->height(), c.height) << c.before.toStdString();
    EXPECT_EQ(Shown("CNT"), c.height == 364);
    EXPECT_EQ(w->CurrentColour(), c.colour) << c.before.toStdString();
    EXPECT_EQ(w->findChild<QLabel*>("lblCol")->text(), c.caption);
    EXPECT_EQ(w->findChild<QLabel*>("lblColor")->text(), c.mode);
    EXPECT_EQ(w->findChild<UpDownText*>("TxtR")->Max(), c.mode[0] == 'H' ? 360 : 255);
    w->mnuExit_Click();
    EXPECT_EQ(Read("pref.ini"), c.after);
    EXPECT_EQ(Read("Colorx.dat"), c.archive) << "nothing was added";
    w->mnuExit_Click();
    EXPECT_EQ(Read("pref.ini"), c.after) << "a second Exit ends again but saves nothing twice";
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

TEST_F(Lifecycle, StartUpErrorIsShownAndStopsTheSequence) {
  Write("uninst-Huekeeper.exe", "x");
  {
    QSettings store(QSettings::IniFormat, QSettings::UserScope, "Hue Keeper", "Hue Keeper");
    store.setValue("Preference/Tab", "40000");  // beyond 16 bits
  }
  Start();
  EXPECT_EQ(dialogs.calls, std::vector{testing::Msg("Overflow", "Hue Keeper", MsgButtons::OK,
                                                    MsgIcon::None)});
  EXPECT_EQ(w->height(), 225) << "the rest of start-up, the table toggle among it, is skipped";
}

TEST_F(Lifecycle, AnUnreadableArchiveIsNamedNotShownAsEmpty) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("Colorx.dat"));
  Start();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  const QString said = QString::fromStdString(dialogs.calls[0].prompt);
  EXPECT_TRUE(said.startsWith("Some saved colors could not be read: ") && said.contains("Colorx.dat"))
      << said.toStdString();
  EXPECT_EQ(w->height(), 364) << "start-up goes on";
}

TEST_F(Lifecycle, AnExitWhoseSavesFailAsksForEachFileToRetryOrDiscardItAndEndsAfter) {
  const QByteArray pref = "EXPANDED=E\r\nLASTUSERCOLOR=1\r\n";
  const QByteArray colours = QByteArray("\xFF\0\0\0Red", 7).leftJustified(29);
  const QByteArray picture = "the capture of the last run";
  Write("pref.ini", pref);
  Write("Colorx.dat", colours);
  Write("screen_tmp.bmp", picture);
  Start();
  // A colour added and a capture taken: every file is due at exit.
  w->SetColor(65280);
  dialogs.typed = {"Lime"};
  w->CmdAdd_Click();
  struct GreyScreen : ScreenSource {
    std::optional<ScreenPoint> PointerPosition() override { return ScreenPoint{300, 200}; }
    std::optional<PixelImage> Capture(const PixelRect& a) override {
      return PixelImage(a.width, a.height, 0x808080);
    }
  };
  w->SetScreenSource(std::make_unique<GreyScreen>());
  QWidget* pick = w->findChild<QWidget*>("Pixel");
  QTest::mousePress(pick, Qt::LeftButton);
  w->picker().Timer1_Timer();
  QTest::mouseRelease(pick, Qt::LeftButton);
  const QImage captured = w->magnifier().Picture();
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
  EXPECT_EQ(Read("pref.ini"), pref);
  EXPECT_EQ(Read("Colorx.dat"), colours);
  EXPECT_EQ(Read("screen_tmp.bmp"), QByteArray::fromStdString(EncodeBmp24(FromQImage(captured))));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList({"Colorx.dat", "pref.ini", "screen_tmp.bmp"}))
      << "no temporary is left behind";
}

TEST_F(Lifecycle, SlideButtonReturnsToTheExactHeight) {
  Start();
  QLabel* slide = w->findChild<QLabel*>("ImgUP_DN");
  const int expanded = w->height();
  EXPECT_EQ(slide->toolTip(), "Slide Up");
  QTest::mouseClick(slide, Qt::LeftButton);
  EXPECT_EQ(w->height(), 225);
  EXPECT_EQ(slide->toolTip(), "Slide Down");
  for (const char* hidden : {"CNT", "lblCol", "Image2", "Image3"}) EXPECT_FALSE(Shown(hidden));
  // The slide button sits 30 twips above the bottom edge.
  EXPECT_EQ(slide->geometry().bottom() + 1, w->height() - 2);
  QTest::mouseClick(slide, Qt::LeftButton);
  EXPECT_EQ(w->height(), expanded);
  EXPECT_TRUE(Shown("CNT"));
  EXPECT_TRUE(w->TableChanged);
  EXPECT_EQ(slide->geometry().bottom() + 1, w->height() - 2);
}

TEST_F(Lifecycle, ExitKeysMatchExactlyWhereverTheFocusIs) {
  Start();
  const struct { Qt::KeyboardModifiers mods; Qt::Key key; bool exits; } cases[] = {
      {Qt::ControlModifier, Qt::Key_X, true}, {Qt::AltModifier, Qt::Key_X, true},
      {Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_X, false},
      {Qt::AltModifier, Qt::Key_V, false}, {Qt::NoModifier, Qt::Key_X, false},
  };
  for (const char* focus : {"Text1", "TxtR", "PAD"}) {
    QWidget* target = w->findChild<QWidget*>(focus);
    for (const auto& c : cases) {
      target->setFocus();
      const int before = exits;
      QTest::keyClick(target, c.key, c.mods);
      QApplication::processEvents();
      EXPECT_EQ(exits - before, c.exits ? 1 : 0)
          << focus << " key " << c.key << " mods " << c.mods.toInt();
    }
  }
}

TEST_F(Lifecycle, TheCloseBoxSavesNothingAndThePinKeepsTheWindowOnTop) {
  Start();
  EXPECT_FALSE(w->close());
  QApplication::processEvents();
  EXPECT_EQ(exits, 0);
  EXPECT_FALSE(w->ShutdownDone());
  EXPECT_EQ(Read("pref.ini"), "<missing>");
  w->ShowAgain();
  EXPECT_TRUE(w->isVisible() && !w->isMinimized());
  w->SaveAll();  // the desktop asks to save; the session then goes on
  EXPECT_NE(Read("pref.ini"), "<missing>");
  EXPECT_FALSE(w->ShutdownDone()) << "the real exit still saves";

  QLabel* off = w->findChild<QLabel*>("ImgstickOff");
  QLabel* on = w->findChild<QLabel*>("ImgstickOn");
  EXPECT_EQ(on->toolTip(), "Sticky");
  for (const bool pinned : {true, false}) {
    QTest::mouseClick(pinned ? off : on, Qt::LeftButton);
    EXPECT_EQ(w->Sticky(), pinned);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(on->isVisible(), pinned);
    EXPECT_EQ(off->isVisible(), !pinned);
  }
}

}  // namespace
}  // namespace hk
