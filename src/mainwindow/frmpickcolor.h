// The main window: holds the current colour and shows it everywhere at once: the
// swatches, six notations, the channel editors and the colour-space display.
#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "colour/longcolour.h"
#include "colour/notations.h"
#include "colour/webcolors.h"
#include "mainwindow/colourdiagram.h"
#include "mainwindow/colourstate.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QWheelEvent;

namespace hk {

class Swatch;
class ColourDisplay;
class UpDownText;

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

  // Applies the text of the Long field (the combo box's edit text).
  void ApplyLongText();

  const WebColors& webColors() const { return web_; }
  const ColourState& colourState() const { return state_; }
  const DiagramGeometry& diagramGeometry() const { return diagram_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildNotationRows();
  void BuildEditors();
  void BuildDisplay();
  void BuildMenus();

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

  QMenu* mnuColor = nullptr;
  std::array<QAction*, 5> mnuColorMode{};
  QMenu* mnuDispMode = nullptr;
  std::array<QAction*, 3> mnuDisp{};
};

}  // namespace hk
