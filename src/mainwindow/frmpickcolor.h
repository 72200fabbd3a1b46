// The main window: holds the current colour and shows it everywhere at once. It composes
// its panels (the notation rows, the channel editors, the colour table) with the picker,
// the magnifier, the action labels and the tray icon, and carries every colour the user
// chooses through SetColor to all of them.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "archive/colourarchive.h"
#include "archive/colourtable.h"
#include "colour/webcolors.h"
#include "mainwindow/colourstate.h"
#include "platform/filewrite.h"

class QImage;
class QLabel;
class QPushButton;

namespace hk {

class ActionLabels;
class ChannelEditors;
class ColourTablePanel;
class Magnifier;
class NotationRows;
class QtDialogs;
class SavedColoursModel;
class ScreenPicker;
class ScreenSource;
class StickyPin;
class Swatch;
class TrayIcon;
class frmMeasure;

// The 8 x 8 image of a colour that the pixel swatch puts on the clipboard.
QImage PixelSwatchImage(LongColour colour);

class FrmPickColor : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kDesignWidthTwips = 4650;  // the collapsed window's inside, in twips
  static constexpr int kDesignHeightTwips = 3375;
  explicit FrmPickColor(QWidget* parent = nullptr);
  ~FrmPickColor() override;
  // The one road for colours: makes `nColor` current and shows it everywhere.
  void SetColor(const LongColour& nColor);
  LongColour CurrentColour() const { return state_.Colour(); }
  ChannelEditors& editors() { return *editors_; }
  ColourTablePanel& tablePanel() { return *tablePanel_; }
  ColourTable& table() { return *table_; }
  Magnifier& magnifier() { return *magnifier_; }
  ScreenPicker& picker() { return *picker_; }
  ActionLabels& actionLabels() { return *actions_; }
  TrayIcon& tray() { return *tray_; }
  // Where the questions go, and what reads the screen for a pick; tests put their own in.
  void SetDialogs(Dialogs* dialogs);
  void SetScreenSource(std::unique_ptr<ScreenSource> source);

  // The design's commands, the window's own and those a panel does.
  void mnuColorMode_Click(int index);
  void mnuDisp_Click(int index);
  void Option1_Click(int index);
  void CmdApply_Click();
  void CmdAdd_Click();
  void RenameColor();
  void DeleteColor();
  void CmdSearch_Click();
  void ImgUP_DN_Click();  // the slide button: expands or collapses the table
  void lblAction_Click(int index);
  void mnuShow_Click();  // to the tray and back
  void mnuhp_Click();
  void mnuHex_Click();
  void Command1_Click();
  void CmdOpen_Click();
  void cmdCopyPIX_Click();
  bool Sticky() const;
  const QString& TableState() const { return tableTag_; }  // "E" expanded, "" collapsed
  bool TableChanged = false;
  // ---- start-up and shutdown ----
  void Form_Load(const QString& executableFolder);  // where the program lies
  // Exit: saves every file (asking to retry or give up one that fails), then ends.
  void mnuExit_Click();
  // Exit where nobody can answer (a signal): a failed save is told on standard error.
  void ExitUnattended();
  void Shutdown();  // once, however the program is asked to end
  // Saves every file now, as the desktop asks when the session may end; it may go on.
  void SaveAll();
  bool ShutdownDone() const { return shutdownDone_; }
  // What ends the process after the shutdown; tests put their own in.
  void SetExitHook(std::function<void()> hook) { exitHook_ = std::move(hook); }
  void ShowAgain();  // in front again: a second copy asked for it
  // An import from the command line, handed over: its output and exit status, encoded.
  std::string ImportHandedOver(const QString& file);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildButtons();
  void WirePanels();
  void ImportColors();
  void ExportColors();  // the pad menu's items
  void Form_Resize();
  bool Form_KeyDown(QKeyEvent* event);
  bool WheelStep(QWheelEvent* event);
  void PlaceActionLabels();
  bool CanHideToTray() const;
  bool PasteCapture();  // Ctrl+V: a picture on the clipboard into the magnifier
  // Runs `save` until it succeeds or is given up; `what` as the user knows it ("the colors").
  void SaveOrAsk(std::string_view what, const std::function<WriteResult()>& save);
  void EndProgram();
  ColourState state_;
  WebColors web_;
  int wheelRemainder_ = 0;
  std::unique_ptr<ColourArchive> archive_;
  std::unique_ptr<ColourTable> table_;
  std::filesystem::path archiveFile_;
  std::unique_ptr<QtDialogs> qtDialogs_;
  Dialogs* dialogs_ = nullptr;
  SavedColoursModel* savedModel_ = nullptr;
  QString tableTag_;
  bool inSetColor_ = false, prefsInStore_ = false, shutdownDone_ = false, saving_ = false;
  bool unreadableSaid_ = false, mayAsk_ = false;  // a failed save may ask: only during Exit
  std::function<void()> exitHook_;
  QString programFolder_;
  NotationRows* notations_ = nullptr;
  ChannelEditors* editors_ = nullptr;
  ColourTablePanel* tablePanel_ = nullptr;
  Magnifier* magnifier_ = nullptr;
  ScreenPicker* picker_ = nullptr;
  ActionLabels* actions_ = nullptr;
  TrayIcon* tray_ = nullptr;
  StickyPin* pin_ = nullptr;
  frmMeasure* frmMeasure_ = nullptr;
  Swatch *Label1 = nullptr, *PicPX = nullptr;    // the current colour, the pixel swatch
  QWidget *Shape3 = nullptr, *Shape4 = nullptr;  // the band and the bottom strip
  QLabel* ImgUP_DN = nullptr;
  QPushButton *CmdApply = nullptr, *CmdAdd = nullptr, *Pixel = nullptr, *cmdCopyPIX = nullptr,
              *CmdOpen = nullptr, *Command1 = nullptr;
};

}  // namespace hk
