// The ways out of and back into the window: the action labels, the tray icon with
// its menu, hiding and showing, the home page, the tools and the About box.
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QUrl>

#include "colour/modhslv.h"
#include "mainwindow/actionlabels.h"
#include "mainwindow/appicon.h"
#include "mainwindow/frmpickcolor.h"
#include "mainwindow/trayicon.h"
#include "widgets/widgets.h"
#include "tools/fmhex.h"
#include "tools/frmhls.h"
#include "tools/frmmeasure.h"

namespace hk {

namespace {
constexpr const char* kHomePage = "https://github.com/hue-keeper/hue-keeper";
}  // namespace

void FrmPickColor::BuildActions() {
  actions_ = new ActionLabels(this);
  connect(actions_, &ActionLabels::Clicked, this, [this](int index) { lblAction_Click(index); });

  Command1 = new QPushButton(this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setToolTip(QStringLiteral("About Hue Keeper"));
  Command1->setAccessibleName(QStringLiteral("About"));
  Command1->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
  Place(Command1, 4245, 2760, 360, 315);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

  // The HLS dialog: whatever colour it holds when closed becomes the current one.
  CmdOpen = new QPushButton(this);
  CmdOpen->setObjectName(QStringLiteral("CmdOpen"));
  CmdOpen->setToolTip(QStringLiteral("Open Standard Color Chooser"));
  CmdOpen->setAccessibleName(QStringLiteral("Hue, saturation and lightness"));
  CmdOpen->setIcon(AppIcon());
  Place(CmdOpen, 3090, 2760, 360, 315);
  connect(CmdOpen, &QPushButton::clicked, this, [this] { CmdOpen_Click(); });

  tray_ = new TrayIcon(this);
  connect(tray_, &TrayIcon::RestoreRequested, this, [this] { RestoreFromTray(); });
  connect(tray_, &TrayIcon::ForegroundRequested, this, [this] {
    if (!isVisible()) return;  // a hidden window stays in the tray
    raise();
    activateWindow();
  });
  connect(tray_, &TrayIcon::ShowHideRequested, this, [this] { mnuShow_Click(); });
  connect(tray_, &TrayIcon::HexRequested, this, [this] { mnuHex_Click(); });
  connect(tray_, &TrayIcon::HomePageRequested, this, [this] { mnuhp_Click(); });
  connect(tray_, &TrayIcon::ExitRequested, this, [this] { mnuExit_Click(); });
}

void FrmPickColor::PlaceActionLabels() {
  if (actions_ == nullptr || Option1[0] == nullptr) return;  // still building
  // Rename and delete act on a saved colour: shown with the saved list in view.
  actions_->Place(width(), height(), Option1[0]->isChecked() && tableTag_ == QStringLiteral("E"),
                  archive_->Count() > 0);
}

void FrmPickColor::lblAction_Click(int index) {
  switch (index) {
    case ActionLabels::Rename:
      RenameColor();
      break;
    case ActionLabels::Delete:
      DeleteColor();
      break;
    case ActionLabels::Exit:
      // Leave the label's handler before the window goes away.
      QTimer::singleShot(0, this, [this] { mnuExit_Click(); });
      break;
    case ActionLabels::HomePage:
      mnuhp_Click();
      break;
    case ActionLabels::HexConv:
      mnuHex_Click();
      break;
    case ActionLabels::Measure:
      OpenTool(ActionLabels::Measure);
      break;
    default:
      break;
  }
}

void FrmPickColor::mouseMoveEvent(QMouseEvent* event) {
  // Off the labels, none stays lit.
  if (actions_->AnyLit()) actions_->ResetActionLabels();
  QWidget::mouseMoveEvent(event);
}

void FrmPickColor::CmdOpen_Click() { SetColor(frmHLS::ShowColor(CurrentColour(), this, MaxHue)); }

void FrmPickColor::mnuhp_Click() {
  // A desktop without a browser simply opens nothing; there is nothing to tell.
  QDesktopServices::openUrl(QUrl(QString::fromLatin1(kHomePage)));
}

void FrmPickColor::mnuHex_Click() { OpenTool(ActionLabels::HexConv); }

void FrmPickColor::OpenTool(int action) {
  if (action == ActionLabels::HexConv) {
    FmHex::ShowConverter(this);  // one converter: a second click brings it forward
    return;
  }
  // One measure window for the life of the main window: later clicks show it again.
  if (frmMeasure_ == nullptr) frmMeasure_ = new frmMeasure(this);
  frmMeasure_->Open();
}

void FrmPickColor::Command1_Click() {
  const std::string title = "     **** About: Hue Keeper(" HK_VERSION ") ****";
  const std::string text =
      std::string("Hue Keeper, by the Hue Keeper developers\r\n") +
      "E-mail: through the home page\r\n" + "Home Page: " + kHomePage + "\r\n\r\n" +
      "Also in Hue Keeper: HexConv, the number base converter,\r\n" +
      "and Measure, the on-screen measuring tool.\r\n\r\n" + " Click Yes to visit website...";
  if (dialogs_->MsgBox(text, MsgButtons::YesNo, MsgIcon::Information, title) == MsgResult::Yes)
    mnuhp_Click();
}

bool FrmPickColor::CanHideToTray() const {
  // Hidden only where the icon can bring the window back.
  return tray_ != nullptr && tray_->icon()->isVisible() && TrayIcon::Available();
}

void FrmPickColor::mnuShow_Click() {
  QAction* show = tray_->mnuShow();
  if (show->text() == QStringLiteral("&Hide")) {
    // Hidden is out of the task bar too; a minimized state kept while hidden would
    // bring the window back minimized.
    show->setText(QStringLiteral("&Show"));
    hide();
  } else {
    showNormal();
    show->setText(QStringLiteral("&Hide"));
    activateWindow();
  }
}

void FrmPickColor::RestoreFromTray() {
  showNormal();
  raise();
  tray_->mnuShow()->setText(QStringLiteral("&Hide"));
  activateWindow();
}

}  // namespace hk
