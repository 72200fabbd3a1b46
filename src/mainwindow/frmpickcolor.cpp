#include "mainwindow/frmpickcolor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>
#include <utility>

#include "archive/palettecommand.h"
#include "archive/palettetransfer.h"
#include "archive/savedcoloursmodel.h"
#include "colour/modhslv.h"
#include "mainwindow/actionlabels.h"
#include "mainwindow/appicon.h"
#include "mainwindow/channeleditors.h"
#include "mainwindow/colourtablepanel.h"
#include "mainwindow/notationrows.h"
#include "mainwindow/pictures.h"
#include "mainwindow/trayicon.h"
#include "picker/eyedropper.h"
#include "picker/keyboardpick.h"
#include "picker/magnifier.h"
#include "picker/screenpicker.h"
#include "picker/x11screensource.h"
#include "platform/colours.h"
#include "platform/designedsize.h"
#include "platform/qtdialogs.h"
#include "platform/twips.h"
#include "tools/fmhex.h"
#include "tools/frmhls.h"
#include "tools/frmmeasure.h"
#include "widgets/designfont.h"
#include "widgets/keybutton.h"
#include "widgets/stickypin.h"
#include "widgets/widgets.h"

namespace hk {

namespace {

constexpr const char* kHomePage = "https://github.com/hue-keeper/hue-keeper";
constexpr int kSlideHeight = 105;  // ImgUP_DN

// A picture button of the button row below the notation rows, at its design left.
QPushButton* RowButton(QWidget* window, const char* name, const QString& tip, const QIcon& icon,
                       int left) {
  auto* b = Make<QPushButton>(window, name);
  b->setToolTip(tip);
  b->setAccessibleName(tip);
  b->setIcon(icon);
  Place(b, left, 2760, 360, 315);
  return b;
}

}  // namespace

QImage PixelSwatchImage(LongColour colour) {
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
  return image;
}

FrmPickColor::FrmPickColor(QWidget* parent)
    // A fixed single border: the user may minimize the window but never resize or
    // maximize it; only the program changes its height.
    : QWidget(parent, kFixedSingleBorder) {
  setObjectName(QStringLiteral("FrmPickColor"));
  setWindowTitle(QStringLiteral("Hue Keeper"));
  const QFont design = TahomaOrClosest(8);
  const ApplicationFontWhileBuilding building(design);
  setFont(design);
  setFixedSize(TwipsToPixels(kDesignWidthTwips), TwipsToPixels(kDesignHeightTwips));
  setMouseTracking(true);  // a move off the action labels puts their light out

  Label1 = Make<Swatch>(this, "Label1");
  Label1->setToolTip(QStringLiteral("Color Palette"));
  Label1->setAccessibleName(QStringLiteral("Current color"));
  Place(Label1, 60, 45, 525, 465);
  // The pixel swatch: a one-pixel border around an 8 x 8 inside.
  PicPX = new Swatch(this, true);
  PicPX->setObjectName(QStringLiteral("PicPX"));
  Place(PicPX, 60, 1425, 150, 150);

  notations_ = new NotationRows(this, web_);
  editors_ = new ChannelEditors(this, state_);
  archive_ = std::make_unique<ColourArchive>();
  table_ = std::make_unique<ColourTable>(*archive_, web_);
  qtDialogs_ = std::make_unique<QtDialogs>(this);
  savedModel_ = new SavedColoursModel(*archive_, this);
  archive_->SetListener(savedModel_);
  notations_->SetSavedList(savedModel_);
  tablePanel_ = new ColourTablePanel(this, *table_, *archive_, web_);
  SetDialogs(qtDialogs_.get());
  BuildButtons();
  WirePanels();
  // On a screen of another scale the magnifier shows its capture one to one again.
  connect(new DesignedSize(this), &DesignedSize::ScaleChanged, this, [this] {
    magnifier_->LayoutZoom();
    magnifier_->PaintZoom();
  });
  // While a channel editor has the focus, the wheel steps it wherever the pointer is;
  // the window's own keys work whichever control has the focus.
  qApp->installEventFilter(new EventRouter(
      this, [this](QWheelEvent* e) { return WheelStep(e); },
      [this](QKeyEvent* e) { return Form_KeyDown(e); }));

  // Ready with black in the colour mode and display chosen, the table laid out.
  editors_->Restore(kModeRGB, 0);
  SetColor(0);
  tablePanel_->ApplyPadUpdate(table_->Option1_Click(PadList::Saved));
}

FrmPickColor::~FrmPickColor() {
  // A label that goes while lit under the mouse is told the mouse left it; the light's
  // handler would then paint labels already gone. It goes before them.
  delete actions_;
  actions_ = nullptr;
  // The panels go before their controls: the focus moves among the controls as they go,
  // and no panel may paint one already gone. The controls and the list model read the
  // archive and the table: they go while those still exist.
  delete tablePanel_;
  delete editors_;
  delete notations_;
  tablePanel_ = nullptr;
  editors_ = nullptr;
  notations_ = nullptr;
  const QList<QWidget*> children = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
  qDeleteAll(children);
  archive_->SetListener(nullptr);
  delete savedModel_;
}

void FrmPickColor::BuildButtons() {
  CmdApply =
      RowButton(this, "CmdApply", QStringLiteral("Apply Color Value in ComboBox to Color Palette"),
                ApplyIcon(), 2325);
  connect(CmdApply, &QPushButton::clicked, this, [this] { CmdApply_Click(); });
  CmdAdd = RowButton(this, "CmdAdd", QStringLiteral("Add color value to file"), AddIcon(), 3480);
  connect(CmdAdd, &QPushButton::clicked, this, [this] { CmdAdd_Click(); });

  ImgUP_DN = Make<QLabel>(this, "ImgUP_DN");
  ImgUP_DN->setAlignment(Qt::AlignCenter);
  ImgUP_DN->setCursor(Qt::PointingHandCursor);
  ImgUP_DN->installEventFilter(this);
  ImgUP_DN->setPixmap(SlidePicture(true));
  ImgUP_DN->setToolTip(QStringLiteral("Slide Down"));
  KeyButton::Make(ImgUP_DN, [this] { ImgUP_DN_Click(); });
  Place(ImgUP_DN, 2100, kDesignHeightTwips - kSlideHeight - 30, 495, kSlideHeight);

  magnifier_ = new Magnifier(this);
  connect(magnifier_, &Magnifier::PixelPressed, this, [this](LongColour c) { SetColor(c); });
  Pixel = RowButton(this, "Pixel",
                    QStringLiteral("Press the left mouse button and drag to any part of screen "
                                   "and release"),
                    QIcon(EyedropperPicture()), 2715);
  Pixel->setAccessibleName(QStringLiteral("Pick a color from the screen"));
  Pixel->setAccessibleDescription(
      Pixel->toolTip() +
      QStringLiteral(". Or press Space: the arrow keys move the pointer (with Shift by 10 pixels), "
                     "Enter takes the color under it, Escape cancels."));
  picker_ = new ScreenPicker(Pixel, *magnifier_);
  connect(picker_, &ScreenPicker::ColourPicked, this, [this](LongColour c) { SetColor(c); });
  connect(picker_, &ScreenPicker::Unreadable, this, [this] {
    // Said once a run: after that the button quietly does nothing.
    if (std::exchange(unreadableSaid_, true)) return;
    dialogs_->MsgBox(
        "The screen cannot be read here. Picking a color from the screen needs an X11 session "
        "or a desktop portal.",
        MsgButtons::OK, MsgIcon::Information, QApplication::applicationName().toStdString());
  });
  picker_->SetSource(X11ScreenSource::Create());
  auto* keyboard = new KeyboardPick(*picker_, Pixel, [this] { return CurrentColour(); });
  connect(keyboard, &KeyboardPick::Cancelled, this, [this](LongColour c) { SetColor(c); });
  const QString copyTip = QStringLiteral("Copy a 8x8 Pixel image of current color");
  cmdCopyPIX = RowButton(this, "cmdCopyPIX", copyTip, CopyIcon(), 3855);
  cmdCopyPIX->setAccessibleName(QStringLiteral("Copy"));
  connect(cmdCopyPIX, &QPushButton::clicked, this, [this] { cmdCopyPIX_Click(); });
  PicPX->setToolTip(copyTip);
  PicPX->setAccessibleName(copyTip);
  PicPX->installEventFilter(this);

  actions_ = new ActionLabels(this);
  connect(actions_, &ActionLabels::Clicked, this, [this](int index) { lblAction_Click(index); });
  Command1 = RowButton(this, "Command1", QStringLiteral("About Hue Keeper"),
                       AboutIcon(), 4245);
  Command1->setAccessibleName(QStringLiteral("About"));
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  // The HLS dialog: whatever colour it holds when closed becomes the current one.
  CmdOpen =
      RowButton(this, "CmdOpen", QStringLiteral("Open Standard Color Chooser"), AppIcon(), 3090);
  CmdOpen->setAccessibleName(QStringLiteral("Hue, saturation and lightness"));
  connect(CmdOpen, &QPushButton::clicked, this, [this] { CmdOpen_Click(); });
  tray_ = new TrayIcon(this);
  connect(tray_, &TrayIcon::RestoreRequested, this, [this] { ShowAgain(); });
  connect(tray_, &TrayIcon::ForegroundRequested, this, [this] {
    if (!isVisible()) return;  // a hidden window stays in the tray
    raise();
    activateWindow();
  });
  connect(tray_, &TrayIcon::ShowHideRequested, this, [this] { mnuShow_Click(); });
  connect(tray_, &TrayIcon::HexRequested, this, [this] { mnuHex_Click(); });
  connect(tray_, &TrayIcon::HomePageRequested, this, [this] { mnuhp_Click(); });
  connect(tray_, &TrayIcon::ExitRequested, this, [this] { mnuExit_Click(); });

  // Decoration behind the controls: a band behind the notation rows and a strip along
  // the bottom edge; both let the mouse through to the window.
  Shape3 = Make<Swatch>(this, "Shape3");
  static_cast<Swatch*>(Shape3)->setColour(kSys3DLight);
  auto* strip = Make<Swatch>(this, "Shape4");
  strip->setColour(kSysButtonShadow);
  Place(strip, 0, 3090, 4665, 255);
  Shape4 = strip;
  for (QWidget* decoration : {Shape3, Shape4}) {
    decoration->lower();
    decoration->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  pin_ = new StickyPin(this, 90, 990);
  Form_Resize();

  // As the window reads: the zoom and the pin left of the magnifier, then the colour
  // mode, the display and the editors right of it, the notation rows, the button row,
  // the table and at last the slide button along the bottom edge.
  std::vector<QWidget*> order{magnifier_->ZoomButton(), pin_->ImgstickOff, pin_->ImgstickOn};
  const auto add = [&order](const std::vector<QWidget*>& stops) {
    order.insert(order.end(), stops.begin(), stops.end());
  };
  add(editors_->TabStops());
  add(notations_->TabStops());
  add(tablePanel_->SearchTabStops());
  add({CmdApply, Pixel, CmdOpen, CmdAdd, cmdCopyPIX, Command1});
  add(tablePanel_->TableTabStops());
  add({ImgUP_DN});
  hk::SetTabOrder(this, order);
}

void FrmPickColor::WirePanels() {
  // The swatches and the display tell the colour as the notation fields show it.
  const auto describe = [this] { return NotationsDescription(notations_->Texts()); };
  Label1->SetDescriber(describe);
  PicPX->SetDescriber(describe);
  editors_->SetDescriber(describe);

  const auto setColor = [this](LongColour c) { SetColor(c); };
  connect(notations_, &NotationRows::ColourTyped, this, setColor);
  connect(notations_, &NotationRows::InksTyped, this, [this](CMYK inks, LongColour c) {
    state_.cmyk = inks;  // kept as typed, not worked out again from the colour
    SetColor(c);
  });
  connect(notations_, &NotationRows::LongEntered, this, [this] { CmdApply_Click(); });
  connect(notations_, &NotationRows::SavedPicked, tablePanel_, &ColourTablePanel::txtCol_Click);
  connect(editors_, &ChannelEditors::ColourEdited, this, setColor);
  connect(tablePanel_, &ColourTablePanel::SavedSelected, notations_, &NotationRows::SelectSaved);
  connect(tablePanel_, &ColourTablePanel::ColourChosen, this, setColor);
  connect(tablePanel_, &ColourTablePanel::Updated, this, [this] { PlaceActionLabels(); });
  connect(tablePanel_, &ColourTablePanel::ExpandRequested, this, [this] { ImgUP_DN_Click(); });
  connect(tablePanel_, &ColourTablePanel::ImportRequested, this, [this] { ImportColors(); });
  connect(tablePanel_, &ColourTablePanel::ExportRequested, this, [this] { ExportColors(); });
}

void FrmPickColor::SetColor(const LongColour& nColor) {
  if (inSetColor_) return;
  const QScopedValueRollback<bool> setting(inSetColor_, true);
  Label1->setColour(nColor);
  PicPX->setColour(nColor);
  state_.SetChannels(nColor);
  notations_->Show(nColor, state_);
  editors_->Show();
  Label1->DescriptionChanged();
  PicPX->DescriptionChanged();
  editors_->DescriptionChanged();
}

void FrmPickColor::ImportColors() {
  const std::string file =
      dialogs_->OpenFileName("Import Colors",
                             "Palettes (*.gpl *.json *.txt);;GIMP, Inkscape and Krita palettes "
                             "(*.gpl);;JSON (*.json);;Text (*.txt)");
  if (file.empty()) return;
  const ImportReport report = ImportPalette(file, *archive_, web_);
  tablePanel_->ApplyPadUpdate(table_->ColoursImported());
  const bool read = report.status == ImportReport::Status::Read;
  dialogs_->MsgBox(report.Summary() + ".", MsgButtons::OK,
                   read ? MsgIcon::Information : MsgIcon::Exclamation, "Import Colors");
}

void FrmPickColor::ExportColors() {
  const std::string file = dialogs_->SaveFileName(
      "Export Saved Colors",
      "GIMP, Inkscape and Krita palettes (*.gpl);;CSS (*.css);;JSON (*.json);;Text (*.txt)");
  if (file.empty()) return;
  const ExportReport report = ExportPalette(file, *archive_);
  dialogs_->MsgBox(report.Summary() + (report.ok ? " to " + file + "." : "."), MsgButtons::OK,
                   report.ok ? MsgIcon::Information : MsgIcon::Exclamation, "Export Saved Colors");
}

std::string FrmPickColor::ImportHandedOver(const QString& file) {
  const CommandOutput output =
      ImportCommand(QFile::encodeName(file).toStdString(), *archive_, web_);
  tablePanel_->ApplyPadUpdate(table_->ColoursImported());
  return EncodeOutput(output);
}

void FrmPickColor::SetDialogs(Dialogs* dialogs) {
  dialogs_ = dialogs;
  tablePanel_->SetDialogs(dialogs);
}

void FrmPickColor::SetScreenSource(std::unique_ptr<ScreenSource> source) {
  picker_->SetSource(std::move(source));
}

void FrmPickColor::mnuColorMode_Click(int index) { editors_->mnuColorMode_Click(index); }
void FrmPickColor::mnuDisp_Click(int index) { editors_->mnuDisp_Click(index); }
void FrmPickColor::Option1_Click(int index) { tablePanel_->Option1_Click(index); }
void FrmPickColor::CmdSearch_Click() { tablePanel_->CmdSearch_Click(); }
void FrmPickColor::RenameColor() { tablePanel_->ApplyPadUpdate(table_->Rename(*dialogs_)); }
void FrmPickColor::DeleteColor() { tablePanel_->ApplyPadUpdate(table_->DeleteColor(*dialogs_)); }
bool FrmPickColor::Sticky() const { return pin_->Sticky(); }

void FrmPickColor::CmdApply_Click() {
  if (const auto c = ColourTable::Apply(notations_->LongText().toStdString())) SetColor(*c);
}

void FrmPickColor::CmdAdd_Click() {
  tablePanel_->ApplyPadUpdate(table_->CmdAdd(notations_->LongText().toStdString(), *dialogs_));
}

void FrmPickColor::ImgUP_DN_Click() {
  TableChanged = true;
  const int extra = TwipsToPixels(ColourTablePanel::kHeightTwips);
  const bool expand = tableTag_.isEmpty();
  tableTag_ = expand ? QStringLiteral("E") : QString();
  setFixedHeight(height() + (expand ? extra : -extra));
  ImgUP_DN->setPixmap(SlidePicture(!expand));
  ImgUP_DN->setToolTip(expand ? QStringLiteral("Slide Up") : QStringLiteral("Slide Down"));
  tablePanel_->SetExpanded(expand);
}

void FrmPickColor::PlaceActionLabels() {
  if (actions_ == nullptr || tablePanel_ == nullptr) return;  // building or going
  // Rename and delete act on a saved colour: shown with the saved list in view.
  actions_->Place(width(), height(),
                  tablePanel_->SavedListShown() && tableTag_ == QStringLiteral("E"),
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
    // Leave the label's handler before the window goes away.
    case ActionLabels::Exit:
      QTimer::singleShot(0, this, [this] { mnuExit_Click(); });
      break;
    case ActionLabels::HomePage:
      mnuhp_Click();
      break;
    case ActionLabels::HexConv:
      mnuHex_Click();
      break;
    case ActionLabels::Measure:
      // One measure window for the life of the main window: later clicks show it again.
      if (frmMeasure_ == nullptr) frmMeasure_ = new frmMeasure(this);
      frmMeasure_->Open();
      break;
    default:
      break;
  }
}

void FrmPickColor::CmdOpen_Click() { SetColor(frmHLS::ShowColor(CurrentColour(), this, MaxHue)); }

void FrmPickColor::mnuhp_Click() {
  // A desktop without a browser simply opens nothing; there is nothing to tell.
  QDesktopServices::openUrl(QUrl(QString::fromLatin1(kHomePage)));
}

// One converter: a second click brings it forward.
void FrmPickColor::mnuHex_Click() { FmHex::ShowConverter(this); }

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
  return tray_ != nullptr && tray_->Shown() && TrayIcon::Available();
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

void FrmPickColor::ShowAgain() {
  showNormal();
  raise();
  tray_->mnuShow()->setText(QStringLiteral("&Hide"));
  activateWindow();
}

void FrmPickColor::cmdCopyPIX_Click() {
  PicPX->raise();
  QClipboard* clipboard = QApplication::clipboard();
  if (clipboard == nullptr) return;
  clipboard->clear();
  clipboard->setImage(PixelSwatchImage(Label1->colour()));
}

bool FrmPickColor::PasteCapture() {
  const QClipboard* clipboard = QApplication::clipboard();
  const QMimeData* data = clipboard != nullptr ? clipboard->mimeData() : nullptr;
  if (data == nullptr || !data->hasImage()) return false;
  // A text field pastes text as usual when the clipboard offers both.
  QWidget* focus = QApplication::focusWidget();
  if (data->hasText() && (qobject_cast<QLineEdit*>(focus) != nullptr)) return false;
  // A picture that cannot be decoded, or a transfer that came back empty, changes nothing:
  // the capture, its view and the file saved at exit stay as they were.
  const QImage picture = qvariant_cast<QImage>(data->imageData());
  if (picture.isNull()) return false;
  magnifier_->SetPicture(picture);
  return true;
}

void FrmPickColor::mouseMoveEvent(QMouseEvent* event) {
  // Off the labels, none stays lit.
  if (actions_->AnyLit()) actions_->ResetActionLabels();
  QWidget::mouseMoveEvent(event);
}

void FrmPickColor::mousePressEvent(QMouseEvent* event) {
  if (childAt(event->position().toPoint()) == nullptr) editors_->StopWheel();  // the background
  QWidget::mousePressEvent(event);
}

bool FrmPickColor::WheelStep(QWheelEvent* event) {
  // Turning the wheel away from the user steps the focused editor up, one step a
  // notch; finer wheels add up to whole notches.
  // During a pick (and no editor focused) it zooms the magnifier instead.
  const bool editing = editors_->Editing();
  if (!editing && !picker_->Picking()) return false;
  wheelRemainder_ += event->angleDelta().y();
  const int notches = wheelRemainder_ / 120;
  wheelRemainder_ -= notches * 120;
  if (editing) {
    if (notches != 0) editors_->StepFocusedEditor(notches);
  } else {
    for (int i = 0; i < std::abs(notches); ++i) magnifier_->WheelZoom(notches > 0);
  }
  return true;
}

bool FrmPickColor::eventFilter(QObject* watched, QEvent* event) {
  // Picture controls act on a click: pressed and released over them.
  if (!ClickedOn(watched, event)) return QWidget::eventFilter(watched, event);
  if (watched == ImgUP_DN) {
    ImgUP_DN_Click();
  } else if (watched == PicPX) {
    cmdCopyPIX->setFocus();
    cmdCopyPIX_Click();
  } else {
    return QWidget::eventFilter(watched, event);
  }
  return true;
}

}  // namespace hk
