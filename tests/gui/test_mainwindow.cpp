// The main window's life and commands, and what assistive technology and the keyboard find.
#include "mainwindow/actionlabels.h"
#include "mainwindow/preferences.h"
#include "mainwindow/trayicon.h"
#include "tools/fmhex.h"
#include "tools/frmhls.h"
#include "tools/frmmeasure.h"
#include "window_fixture.h"

namespace hk {
namespace {

class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  UrlCatcher() { QDesktopServices::setUrlHandler("https", this, "Open"); }
  ~UrlCatcher() override { QDesktopServices::unsetUrlHandler("https"); }
  QList<QUrl> opened;
 public slots:
  void Open(const QUrl& url) { opened << url; }
};

QString NameOf(const QObject* o) {
  const QVariant index = o->property("index");
  return o->objectName() + (index.isValid() ? QString("[%1]").arg(index.toInt()) : QString());
}

// A control without a name (a combo box is named by its label), one out of its parent or over
// a sibling, a tab stop up or left of the one before: Tab reads from top left to bottom right.
void Unnamed(QAccessibleInterface* node, QStringList& out) {
  static const QList<QAccessible::Role> kControls = {
      QAccessible::Button,      QAccessible::ButtonMenu,   QAccessible::CheckBox,
      QAccessible::RadioButton, QAccessible::EditableText, QAccessible::SpinBox,
      QAccessible::ComboBox,    QAccessible::List,         QAccessible::Table};
  const bool named =
      !node->text(QAccessible::Name).trimmed().isEmpty() &&
      (node->role() != QAccessible::ComboBox || !node->relations(QAccessible::Label).isEmpty());
  if ((node->state().focusable || kControls.contains(node->role())) && !named)
    out << "unnamed " + NameOf(node->object());
  if (node->role() == QAccessible::List || node->role() == QAccessible::Table) return;
  for (int i = 0; i < node->childCount(); ++i) Unnamed(node->child(i), out);
}

QStringList Faults(QWidget* window) {
  QStringList out;
  Unnamed(QAccessible::queryAccessibleInterface(window), out);
  QWidgetList parents = window->findChildren<QWidget*>();
  for (QWidget* parent : parents << window) {
    QWidgetList shown;
    for (QObject* o : parent->children())
      if (auto* c = qobject_cast<QWidget*>(o);
          c && !c->isWindow() && c->isVisibleTo(window) && !c->objectName().startsWith("Shape"))
        shown << c;
    for (QWidget* c : shown) {
      if (!parent->rect().contains(c->geometry())) out << "outside " + NameOf(c);
      for (QWidget* d : shown)
        if (c < d && c->geometry().adjusted(1, 1, -1, -1).intersects(d->geometry()))
          out << "covered " + NameOf(c) + "/" + NameOf(d);
    }
  }
  QPoint last(-1, -1);
  for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
    if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() != nullptr) continue;
    const QPoint at = w->mapTo(window, QPoint());
    if ((at.x() < last.x() && at.y() <= last.y()) || (at.y() < last.y() && at.x() <= last.x()))
      out << "tab back to " + NameOf(w);
    last = at;
  }
  return out;
}

class MainWindow : public WindowTest {
 protected:
  QLabel* Label(int index) { return w->actionLabels().label(index); }
};

TEST_F(MainWindow, SettingsFromStartToExitTheStoreOfAnInstalledCopyAndStartUpErrors) {
  const QByteArray colours = Record(1, "one") + Record(2, "two");
  // clang-format off
  const struct { QByteArray before; bool expanded; LongColour colour; const char *caption, *mode;
                 Preferences after; } cases[] = {
      // Collapsed, tips, HSL on 360, the web list on Azure; a display mode above 2 is 2.
      {"TAB=1\r\nCORORSIZE=255\r\nCOLORMODE=3\r\nDISPLAYMODE=7\r\nMAXHUE=360\r\nEXPANDED=\r\n"
       "LASTUSERCOLOR=1\r\nLASTWEBCOLOR=5\r\n", false, 16777200, "Web Color &Table[140] AZURE", "H S L",
       {1, 255, 3, 2, 360, "", 1, 5}},
      // The saved colour is selected first; black then becomes current, and stays.
      {"EXPANDED=E\r\nLASTUSERCOLOR=2\r\n", true, 0, "Custom Color &Table[2] two", "R G B",
       {0, 180, 0, 0, 240, "", 2, 1}}};
  // clang-format on
  for (const auto& c : cases) {
    Write("Colorx.dat", colours);
    Write("pref.ini", c.before);
    Start();
    EXPECT_EQ(std::tuple(w->height(), Shown("CNT"), w->CurrentColour(), Text("lblCol"),
                         Text("lblColor"), Child<UpDownText>("TxtR")->Max()),
              std::tuple(c.expanded ? 364 : 225, c.expanded, c.colour, QString(c.caption),
                         QString(c.mode), c.mode[0] == 'H' ? 360 : 255));
    w->mnuExit_Click();
    EXPECT_EQ(
        std::tuple(Read("pref.ini").toStdString(), Read("Colorx.dat"), exits),
        std::tuple(FormatPrefFile(c.after, c.expanded ? "E" : ""), colours, c.expanded ? 2 : 1));
  }
  // An installed copy keeps to the store, where a run that changed nothing writes little.
  Write("uninst-Huekeeper.exe", "x");
  Write("pref.ini", "TAB=1\r\nEXPANDED=\r\n");
  Write("Colorx.dat", "");
  Start();
  EXPECT_EQ(std::pair(w->TableState(), w->findChildren<QRadioButton*>("Option1")[1]->isChecked()),
            std::pair(QString(), false));
  w->mnuExit_Click();
  QSettings store(QSettings::IniFormat, QSettings::UserScope, "Hue Keeper", "Hue Keeper");
  EXPECT_EQ(std::pair(Read("pref.ini"), store.value("Preference/Selecton")),
            std::pair(QByteArray("TAB=1\r\nEXPANDED=\r\n"), QVariant("0/1")));
  store.setValue("Preference/Tab", "40000");  // beyond 16 bits: the rest of start-up is skipped
  store.sync();
  Start();
  EXPECT_EQ(
      std::pair(dialogs.calls, w->height()),
      std::pair(std::vector{testing::Msg("Overflow", "Hue Keeper", MsgButtons::OK, MsgIcon::None)},
                225));
  QFile::remove(dir.filePath("uninst-Huekeeper.exe"));
  QFile::remove(dir.filePath("Colorx.dat"));
  ASSERT_TRUE(QDir(dir.path()).mkdir("Colorx.dat"));  // an archive that cannot be read is named
  Start();
  EXPECT_THAT(dialogs.calls.back().prompt,
              ::testing::MatchesRegex("Some saved colors could not be read: .*Colorx.dat.*"));
}

TEST_F(MainWindow, AnExitWhoseSavesFailAsksForEachFileToRetryOrDiscardItAndEndsAfter) {
  const QByteArray pref = "EXPANDED=E\r\nLASTUSERCOLOR=1\r\n", colours = Record(255, "Red");
  Write("pref.ini", pref);
  Write("Colorx.dat", colours);
  Write("screen_tmp.bmp", "the capture of the last run");
  StartWithScreen();
  w->SetColor(65280);  // a colour added and a capture taken: every file is due at exit
  dialogs.typed = {"Lime"};
  w->CmdAdd_Click();
  const QImage captured = PickOnce();
  // A full disk till the fourth question: Retry, Discard; Discard; Retry after room is made.
  std::optional<testing::FileSizeLimit> full(std::in_place, 16);
  dialogs.calls.clear();
  dialogs.pressed = {MsgResult::Retry, MsgResult::Discard, MsgResult::Discard, MsgResult::Retry};
  dialogs.asked = [&] {
    EXPECT_EQ(exits, 0) << "the program runs on while it asks";
    if (dialogs.calls.size() == 4) full.reset();
  };
  QTest::keyClick(w.get(), Qt::Key_X, Qt::AltModifier);
  QApplication::processEvents();
  const auto asked = [&](std::string what, const char* file) {
    return testing::Msg(
        "Hue Keeper could not save " + what + ".\n\n" +
            dir.filePath(file).toStdString() +
            ": File too large\n\nRetry tries again; Discard leaves the file as it was.",
        "Not Saved", MsgButtons::RetryDiscard, MsgIcon::Critical);
  };
  EXPECT_EQ(dialogs.calls,
            (std::vector{asked("the preferences", "pref.ini"), asked("the preferences", "pref.ini"),
                         asked("the colors", "Colorx.dat"),
                         asked("the screen capture", "screen_tmp.bmp")}));
  EXPECT_EQ(std::tuple(exits, Read("pref.ini"), Read("Colorx.dat"), Read("screen_tmp.bmp"),
                       QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)),
            std::tuple(1, pref, colours, Bmp(captured),
                       QStringList({"Colorx.dat", "pref.ini", "screen_tmp.bmp"})))
      << "no temporary is left behind";
}

TEST_F(MainWindow, SlideCloseBoxAndHideChangeOnlyTheWindowAndTheExitKeysEndIt) {
  Start();
  auto* slide = Child<QLabel>("ImgUP_DN");
  const int expanded = w->height();
  for (const bool open : {false, true}) {  // back to the exact height
    QTest::mouseClick(slide, Qt::LeftButton);
    EXPECT_EQ(std::pair(w->height(), slide->toolTip()),
              std::pair(open ? expanded : 225, QString(open ? "Slide Up" : "Slide Down")));
    for (const char* name : {"CNT", "lblCol", "Image2", "Image3"}) EXPECT_EQ(Shown(name), open);
    // Slide button, strip and band keep to the bottom edge and the rows they frame.
    EXPECT_EQ(std::tuple(slide->geometry().bottom(), Child("Shape4")->geometry().bottom(),
                         Child("Shape3")->geometry()),
              std::tuple(w->height() - 3, w->height() - 1,
                         QRect(QPoint(0, Child("Text4")->y() - 2),
                               QPoint(w->frameGeometry().width() - 1,
                                      Child("CmdApply")->geometry().bottom() + 2))));
  }

  QAction* show = w->tray().mnuShow();
  const auto shown = [&] { return std::tuple(show->text(), w->isVisible(), w->isMinimized()); };
  w->mnuShow_Click();
  EXPECT_EQ(shown(), std::tuple(QString("&Show"), false, false));
  w->mnuShow_Click();
  EXPECT_EQ(shown(), std::tuple(QString("&Hide"), true, false));
  EXPECT_FALSE(w->close());
  QApplication::processEvents();
  EXPECT_EQ(
      std::tuple(shown(), exits, w->ShutdownDone(), Read("pref.ini")),
      std::tuple(std::tuple(QString("&Hide"), true, true), 0, false, QByteArray("<missing>")));
  w->ShowAgain();
  EXPECT_EQ(shown(), std::tuple(QString("&Hide"), true, false));
  w->SaveAll();  // the desktop asks to save; the session then goes on, and its exit saves
  EXPECT_EQ(std::pair(Read("pref.ini").isEmpty(), w->ShutdownDone()), std::pair(false, false));

  // clang-format off
  const std::tuple<Qt::KeyboardModifiers, Qt::Key, int> keys[] = {
      {Qt::ControlModifier, Qt::Key_X, 1}, {Qt::AltModifier, Qt::Key_X, 1},
      {Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_X, 0}, {Qt::AltModifier, Qt::Key_V, 0},
      {Qt::NoModifier, Qt::Key_X, 0}};
  // clang-format on
  for (const char* focus : {"Text1", "TxtR", "PAD"}) {
    for (const auto& [mods, key, ends] : keys) {
      Child(focus)->setFocus();
      const int before = exits;
      QTest::keyClick(Child(focus), key, mods);
      QApplication::processEvents();
      EXPECT_EQ(exits - before, ends) << focus << " " << key << " " << mods.toInt();
    }
  }
}

TEST_F(MainWindow, TheActionRowItsLightAndEachActionAboutAndTheColourChooser) {
  Start();
  const int measureX = Label(ActionLabels::Measure)->x();
  auto place = [&] {
    return std::tuple(Label(0)->isVisible(), Label(1)->isVisible(), Label(0)->isEnabled(),
                      Label(ActionLabels::Measure)->x());
  };
  EXPECT_EQ(place(), std::tuple(true, true, false, measureX)) << "empty saved list";
  QImage exit = Label(ActionLabels::Exit)->grab().toImage(), blank = exit;
  blank.fill(exit.pixel(0, 0));
  EXPECT_NE(exit, blank) << "its caption is painted";
  w->ImgUP_DN_Click();
  EXPECT_EQ(place(), std::tuple(false, false, false, measureX)) << "collapsed, saved list";
  // Along the bottom edge: rename, delete, measure ... HexConv, home, exit.
  EXPECT_EQ(std::pair(Label(ActionLabels::Exit)->geometry().bottomRight(), Label(0)->x()),
            std::pair(QPoint(w->width() - 7, w->height() - 3), 4));
  QTest::keyClick(w.get(), Qt::Key_N, Qt::AltModifier);  // a hidden label's key does nothing
  EXPECT_TRUE(dialogs.calls.empty());

  UrlCatcher browser;          // where the home page label goes
  w->SetColor(RGB(90, 0, 0));  // 42.35294 lightness: the chooser gives back (89, 0, 0)
  QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
  QTest::mouseClick(Child("CmdOpen"), Qt::LeftButton);
  EXPECT_EQ(w->CurrentColour(), RGB(89, 0, 0));

  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
  w->ImgUP_DN_Click();
  dialogs.typed = {"one", "two"};
  w->CmdAdd_Click();
  const auto lit = [&] {  // the labels' backgrounds: active border, 3-D light under the mouse
    std::vector<QColor> lit;
    for (int i = 0; i < ActionLabels::kCount; ++i)
      lit.push_back(Label(i)->palette().color(QPalette::Window));
    return lit;
  };
  const QColor plain = qApp->palette().window().color(), light = qApp->palette().midlight().color();
  QTest::mouseMove(Label(ActionLabels::Measure));
  QTest::mouseMove(Label(ActionLabels::HomePage));
  EXPECT_EQ(std::tuple(place(), lit(),
                       Label(ActionLabels::HomePage)->palette().color(QPalette::WindowText)),
            std::tuple(std::tuple(true, true, true, measureX),
                       std::vector({plain, plain, plain, light, plain, plain}), QColor(Qt::blue)));
  QTest::mouseMove(w.get(), QPoint(5, w->height() - 20));
  EXPECT_EQ(lit(), std::vector<QColor>(6, plain));
  dialogs.calls.clear();
  dialogs.pressed = {MsgResult::No};  // keep the colour when asked to delete it
  QTest::mouseClick(Label(ActionLabels::Exit), Qt::RightButton);  // only the left button acts
  QTest::keyClick(w.get(), Qt::Key_N, Qt::AltModifier);           // the rename label's access key
  QTest::mouseClick(Label(ActionLabels::Delete), Qt::LeftButton);
  for (Qt::Key key : {Qt::Key_P, Qt::Key_E, Qt::Key_E, Qt::Key_A, Qt::Key_A})
    QTest::keyClick(w.get(), key, Qt::AltModifier);
  QStringList tools;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->isVisible() && top != w.get()) tools << top->objectName();
  tools.sort();
  EXPECT_EQ(tools, QStringList({"fmHex", "frmMeasure"}));
  QTest::mouseClick(Label(ActionLabels::Exit), Qt::LeftButton);
  QApplication::processEvents();
  ASSERT_EQ(dialogs.calls.size(), 2u);  // rename asks for the new name, delete asks first
  EXPECT_EQ(std::tuple(dialogs.calls[0].input, dialogs.calls[1].buttons, browser.opened.size(),
                       exits, Read("Colorx.dat")),
            std::tuple(true, MsgButtons::YesNo, 1, 1, Record(RGB(89, 0, 0), "two")));
  // With a label lit the window goes quietly: no light is painted on a label already gone.
  QTest::mouseMove(Label(ActionLabels::Measure));
  ASSERT_TRUE(w->actionLabels().Lit(ActionLabels::Measure));
  EXPECT_EXIT((w.reset(), std::exit(0)), ::testing::ExitedWithCode(0), "");
}

using Accessibility = WindowTest;

TEST_F(Accessibility, EveryWindowNamesAndPlacesItsControlsAndTheKeyboardWorksTheMouses) {
  std::unique_ptr<QWidget> windows[] = {std::make_unique<FrmPickColor>(), std::make_unique<FmHex>(),
                                        std::make_unique<frmHLS>(nullptr, 240.0f),
                                        std::make_unique<frmMeasure>()};
  for (auto& window : windows) {
    window->show();
    EXPECT_EQ(Faults(window.get()).join(", ").toStdString(), "")
        << window->objectName().toStdString();
  }
  Write("pref.ini", "EXPANDED=E\r\nCOLORMODE=4\r\n");  // the table and the HSV editors shown
  Start();
  EXPECT_EQ(Faults(w.get()).join(", ").toStdString(), "");

  const auto description = [this](const char* swatch) {
    return QAccessible::queryAccessibleInterface(Child(swatch))->text(QAccessible::Description);
  };
  w->SetColor(RGB(0, 0, 255));
  EXPECT_EQ(
      description("Label1"),
      "Long 16711680; Hex FF0000; Web #0000FF; HTML Blue; RGB 0, 0, 255; CMYK 255, 255, 0, 0");
  w->SetColor(RGB(1, 2, 3));  // a colour without a web name has no HTML part
  for (const char* swatch : {"Label1", "PicPX", "PicFrame3"})
    EXPECT_EQ(description(swatch),
              "Long 197121; Hex 30201; Web #010203; RGB 1, 2, 3; CMYK 170, 85, 0, 252");
  w->mnuColorMode_Click(kModeRGB);
  w->SetColor(RGB(12, 0, 0));
  auto* red = Child<UpDownText>("TxtR");
  QAccessibleInterface* spin = QAccessible::queryAccessibleInterface(red);
  EXPECT_EQ(std::tuple(spin->role(), spin->text(QAccessible::Name), spin->text(QAccessible::Value)),
            std::tuple(QAccessible::SpinBox, QString("Red"), QString("12")));
  QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), red->mapToGlobal(QPoint()));
  QApplication::sendEvent(red, &menuKey);
  EXPECT_TRUE(red->mnuMain()->isVisible());
  red->mnuMain()->hide();

  const QString table = w->TableState();
  QTest::keyClick(Child("ImgUP_DN"), Qt::Key_Space);
  EXPECT_NE(w->TableState(), table);
  Child("ImgstickOff")->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Child("ImgstickOff"), Qt::Key_Return);
  EXPECT_EQ(std::tuple(w->Sticky(), w->focusWidget(), w->isVisible()),
            std::tuple(true, Child("ImgstickOn"), true));
  QTest::keyClick(w->focusWidget(), Qt::Key_Space);
  EXPECT_FALSE(w->Sticky());
  QTest::keyClick(Child("PicFrame2"), Qt::Key_Enter, Qt::KeypadModifier);
  auto* menu = Child<QMenu>("mnuColor");
  ASSERT_TRUE(menu->isVisible());
  for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}) QTest::keyClick(menu, key);
  EXPECT_EQ(w->editors().ColorMode(), 1);
  QAccessibleInterface* zoom = QAccessible::queryAccessibleInterface(Child("PicFrame1"));
  EXPECT_EQ(std::pair(zoom->role(), zoom->text(QAccessible::Name)),
            std::pair(QAccessible::Button, QString("Toggle zoom level")));
  zoom->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(Child<QMenu>("mnuZoom")->pos(),
            Child("PicFrame1")->mapToGlobal(QPoint(0, Child("PicFrame1")->height())));
}

}  // namespace
}  // namespace hk

#include "test_mainwindow.moc"

int main(int argc, char** argv) {  // the widgets run on the offscreen platform
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Hue Keeper"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
