// The main window: holds the current colour and shows it everywhere at once: the
// swatches, six notations, the channel editors and the colour-space display.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "archive/colourarchive.h"
#include "archive/colourtable.h"

#include "colour/longcolour.h"
#include "colour/notations.h"
#include "colour/webcolors.h"
#include "mainwindow/colourdiagram.h"
#include "mainwindow/colourstate.h"
#include "platform/filewrite.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWheelEvent;
class QKeyEvent;
class QCloseEvent;
class QResizeEvent;
class QMouseEvent;

namespace hk {

class Swatch;
class ColourDisplay;
class UpDownText;
class PadWidget;
class SavedColoursModel;
class QtDialogs;
class ActionLabels;
class Magnifier;
class ScreenPicker;
class TrayIcon;
class StickyPin;
class frmMeasure;
class ScreenSource;

// The 8 x 8 image of a colour that the pixel swatch puts on the clipboard.
QImage PixelSwatchImage(LongColour colour);

// Widens a caption label to its text when the text is wider than its design.
void FitLabel(QLabel* label);

class FrmPickColor : public QWidget {
  Q_OBJECT

 public:
  // Designed inner area of the collapsed window, in twips.
  static constexpr int kDesignWidthTwips = 4650;
  static constexpr int kDesignHeightTwips = 3375;

  explicit FrmPickColor(QWidget* parent = nullptr);
  ~FrmPickColor() override;

  // The one road for colours: makes `nColor` current and shows it everywhere.
  void SetColor(const LongColour& nColor);
  // Writes the hexadecimal and web notations.
  void HexVal();
  LongColour DecodeFromWeb(const QString& webVal) const;
  // The current colour: what SetColor last made current.
  LongColour CurrentColour() const { return state_.Colour(); }

  // Colour and display modes.
  int ColorMode() const { return colorMode_; }
  int DispMode() const { return dispMode_; }
  void mnuColorMode_Click(int index);
  void mnuDisp_Click(int index);
  void Option2_Click(int index);
  void Command2_Click(int index);


  // ---- the archive and the colour table ----
  // Loads the archive file of `folder` (Colorx.dat) into the saved colour lists.
  LoadResult LoadColors(const std::filesystem::path& folder);
  // Writes the run's changes to the archive file.
  SaveResult SaveColors();
  ColourArchive& archive() { return *archive_; }
  ColourTable& table() { return *table_; }
  // Where the questions of add, rename and delete go; tests answer them.
  void SetDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }
  void CmdApply_Click();
  void CmdAdd_Click();
  void RenameColor();
  void DeleteColor();
  void Option1_Click(int index);
  void Image3_Click();
  void Image2_Click();
  void lblCol_Click();
  void txtCol_Click(int index);
  // The slide button: expands or collapses the table.
  void ImgUP_DN_Click();
  // The table state, the tag of ImgUP_DN: "E" expanded, "" collapsed.
  const QString& TableState() const { return tableTag_; }
  void SetTableState(const QString& tag) { tableTag_ = tag; }
  bool TableChanged = false;
  bool SizeChanged = false;
  bool TabChanged = false;

  // ---- start-up and shutdown ----
  // The start-up sequence; `executableFolder` is where the program lies.
  void Form_Load(const QString& executableFolder);
  // Exit: saves the preferences, the archive and the capture, then ends the program.
  // A save that fails asks the user to retry it or to give it up (Discard); the
  // program ends once every file is saved or given up.
  void mnuExit_Click();
  // Ends the program as Exit does where nobody can answer (a signal): a save that
  // fails, even one the user is being asked about, is told on standard error.
  void ExitUnattended();
  // Runs the shutdown once, however the program is asked to end.
  void Shutdown();
  // Saves the preferences, the archive and the capture now; the desktop asks for
  // this when the session may end, and the session may still go on afterwards. A
  // save that fails asks only during an Exit; otherwise it is told on standard error.
  void SaveAll();
  bool ShutdownDone() const { return shutdownDone_; }
  // What ends the process after the shutdown; tests put their own in.
  void SetExitHook(std::function<void()> hook) { exitHook_ = std::move(hook); }
  // The sticky pins: keep the window above all others, or let it go.
  void ImgstickOff_Click();
  void ImgstickOn_Click();
  bool Sticky() const;
  // Re-places the bottom row and the bands after every change of the window size.
  void Form_Resize();
  // Shows the window again, in front (a second copy asked for it).
  void ShowAgain();
  bool Installed() const { return installed_; }
  const QString& ProgramFolder() const { return programFolder_; }
  // The keys of the whole window; answers whether the key was used up.
  bool Form_KeyDown(QKeyEvent* event);

  // ---- action labels, tray icon and About ----
  void lblAction_Click(int index);
  // Show/Hide: to the tray and back; closing and minimizing do the same where a
  // tray can bring the window back.
  void mnuShow_Click();
  void mnuhp_Click();
  void mnuHex_Click();
  void Command1_Click();
  void CmdOpen_Click();
  ActionLabels& actionLabels() { return *actions_; }
  TrayIcon& tray() { return *tray_; }

  // ---- picking and the magnifier ----
  // What reads the screen for a pick; tests put their own in.
  void SetScreenSource(std::unique_ptr<ScreenSource> source);
  Magnifier& magnifier() { return *magnifier_; }
  ScreenPicker& picker() { return *picker_; }
  void cmdCopyPIX_Click();
  void PicPX_Click();
  // Ctrl+V: a picture on the clipboard goes into the magnifier; answers whether it did.
  bool PasteCapture();

  const WebColors& webColors() const { return web_; }
  const ColourState& colourState() const { return state_; }
  const DiagramGeometry& diagramGeometry() const { return diagram_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void BuildControls();
  void BuildNotationRows();
  void BuildEditors();
  void BuildDisplay();
  void BuildMenus();
  void BuildTable();
  void BuildBands();
  void SetTabOrder();
  void ApplyPadUpdate(const PadUpdate& update);
  void ShowTableFocus();
  void PlaceBottomRow();
  void BuildPicker();
  void BuildActions();
  void PlaceActionLabels();
  void OpenTool(int action);
  void RestoreFromTray();
  bool CanHideToTray() const;
  void PickedColour(LongColour colour);
  void ScreenUnreadable();
  void LoadCapturePicture();
  WriteResult SaveCapturePicture();
  // Runs `save` until it succeeds or the user gives it up; `what` is the file's
  // content as the user knows it ("the colors").
  void SaveOrAsk(std::string_view what, const std::function<WriteResult()>& save);
  void EndProgram();

  // Enter in a notation field.
  void Text1_Enter();
  void Text2_Enter();
  void txtHTML_Enter();
  void Text4_Enter();
  void Text5_Enter();
  void SetErrorHighlight(QLineEdit* field, bool on);

  void ApplyColorMode();
  void EditorChanged(int editor);
  void DragBar(int bar, int y);
  void DrawColorDisplay();
  void PopUpColorMenu();
  void PopUpDispMenu();
  bool StepFocusedEditor(int steps);
  bool WheelStep(QWheelEvent* event);

  // State of the current colour.
  ColourState state_;
  WebColors web_;
  NotationTexts texts_;
  bool inSetColor_ = false;
  int colorMode_ = kModeRGB;
  std::optional<int> lastColorMode_;
  int dispMode_ = 0;
  float lastDragY_ = 0.0f;
  DiagramGeometry diagram_;
  int wheelRemainder_ = 0;
  bool wheelStop_ = true;  // the wheel steps the focused editor only while this is false

 public:
  // Dirty flags read when the preferences are saved.
  bool ColorModeChanged = false;
  bool DispModeChanged = false;
  bool MaxHueChanged = false;

 private:
  // Controls, by their designer names.
  Swatch* Label1 = nullptr;
  Swatch* PicPX = nullptr;
  QComboBox* txtCol = nullptr;
  QLineEdit* Text1 = nullptr;
  QLineEdit* Text2 = nullptr;
  QLineEdit* txtHTML = nullptr;
  QLineEdit* Text4 = nullptr;
  QLineEdit* Text5 = nullptr;
  std::array<QLabel*, 7> Label5{};
  std::array<QPushButton*, 6> Command2{};
  std::array<QLineEdit*, 5> highlightable_{};
  std::array<bool, 5> highlighted_{};

  std::array<UpDownText*, 4> editors_{};  // TxtR, TxtG, TxtB, TxtK
  std::array<QLabel*, 4> editorLabels_{};  // lblRed, lblGreen, lblBlue, lblBlack

  QFrame* PicFrame2 = nullptr;
  QLabel* lblColor = nullptr;
  QLabel* Image5 = nullptr;
  ColourDisplay* PicFrame3 = nullptr;
  QLabel* lblDisp = nullptr;
  QLabel* Image6 = nullptr;
  QLabel* Label6 = nullptr;
  std::array<Swatch*, 3> bars_{};  // LblR, LblG, LblB
  QWidget* Picture3 = nullptr;
  std::array<QRadioButton*, 2> Option2{};

  // Start-up state.
  bool installed_ = false;
  bool prefsInStore_ = false;
  bool shutdownDone_ = false;
  bool tearingDown_ = false;
  // Whether a failed save may ask the user: only during an Exit from the window.
  bool mayAsk_ = false;
  bool saving_ = false;
  std::function<void()> exitHook_;
  QWidget* Shape3 = nullptr;
  QWidget* Shape4 = nullptr;
  StickyPin* pin_ = nullptr;
  QLabel* ImgstickOff = nullptr;
  QLabel* ImgstickOn = nullptr;
  QString programFolder_;
  QString executableFolder_;

  // The archive and the colour table.
  std::unique_ptr<ColourArchive> archive_;
  std::unique_ptr<ColourTable> table_;
  std::filesystem::path archiveFile_;
  std::unique_ptr<QtDialogs> qtDialogs_;
  Dialogs* dialogs_ = nullptr;
  SavedColoursModel* savedModel_ = nullptr;
  QString tableTag_;
  QLabel* lblCol = nullptr;
  std::array<QRadioButton*, 2> Option1{};
  QWidget* CNT = nullptr;
  PadWidget* PAD = nullptr;
  QScrollBar* VS = nullptr;
  QLabel* Image2 = nullptr;
  QLabel* Image3 = nullptr;
  QLabel* ImgUP_DN = nullptr;
  QPushButton* CmdApply = nullptr;
  QPushButton* CmdAdd = nullptr;

  // The picker and the magnifier.
  Magnifier* magnifier_ = nullptr;
  ScreenPicker* picker_ = nullptr;
  QPushButton* Pixel = nullptr;
  QPushButton* cmdCopyPIX = nullptr;
  bool unreadableSaid_ = false;

  // The action row, the About button and the tray icon.
  ActionLabels* actions_ = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* CmdOpen = nullptr;
  TrayIcon* tray_ = nullptr;
  frmMeasure* frmMeasure_ = nullptr;

  QMenu* mnuColor = nullptr;
  std::array<QAction*, 5> mnuColorMode{};
  QMenu* mnuDispMode = nullptr;
  std::array<QAction*, 3> mnuDisp{};

  // ---- search by name ----
 public:
  // Selects the next colour whose name begins with the text of Text3.
  void CmdSearch_Click();

 private:
  void BuildSearch();
  void Text3_Change();
  void Text3_KeyDown(int key);
  void Text3_GotFocus();
  void Text3_LostFocus();
  void CmdSearch_GotFocus();
  void CmdSearch_LostFocus();
  // Shows `list` on the pad, as choosing its option button does, leaving the focus.
  void SearchShowList(PadList list);
  QLineEdit* Text3 = nullptr;
  QPushButton* CmdSearch = nullptr;
};

}  // namespace hk
