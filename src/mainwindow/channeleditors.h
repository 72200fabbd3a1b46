// The channel editors of the main window: the colour mode and display selectors with
// their menus, the four spin editors, the hue maximum's options, the colour-space
// display with its three drag bars, and the wheel that steps the focused editor.
#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "colour/longcolour.h"
#include "mainwindow/colourdiagram.h"
#include "mainwindow/colourstate.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QRadioButton;
class QString;
class QWidget;

namespace hk {

class ColourDisplay;
class Swatch;
class UpDownText;

class ChannelEditors : public QObject {
  Q_OBJECT
 public:
  // Creates the controls on `window` at their design places; `state` is the current
  // colour's decomposition, which the editors show and edit.
  ChannelEditors(QWidget* window, ColourState& state);

  // Shows the colour of the state in the bars, the editors and the display.
  void Show();
  void DrawColorDisplay();
  // Assistive technology reads the display's colour through `describe`.
  void SetDescriber(std::function<QString()> describe);
  void DescriptionChanged();

  int ColorMode() const { return colorMode_; }
  int DispMode() const { return dispMode_; }
  void mnuColorMode_Click(int index);
  void mnuDisp_Click(int index);
  void Option2_Click(int index);
  // The modes from the preferences, at start-up: the editors set up afresh.
  void Restore(int colorMode, int dispMode);
  // Zeroes the three component editors, as start-up does before the first colour.
  void ClearEditors();
  bool HueMaximum360() const;

  // The wheel steps an editor from its focus on, until the focus leaves it or
  // StopWheel (a press on the window's background).
  bool Editing() const;
  void StopWheel() { wheelStop_ = true; }
  // Steps the focused editor by whole notches; answers whether one has the focus.
  bool StepFocusedEditor(int steps);

  const DiagramGeometry& diagramGeometry() const { return diagram_; }
  // The tab stops: the mode selector, the display selector, the editors, the options.
  std::vector<QWidget*> TabStops() const;

  // Dirty flags read when the preferences are saved.
  bool ColorModeChanged = false;
  bool DispModeChanged = false;
  bool MaxHueChanged = false;

 signals:
  // An editor, a drag bar or the hue maximum changed the colour.
  void ColourEdited(hk::LongColour colour);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildEditors(QWidget* window);
  void BuildDisplay(QWidget* window);
  void BuildMenus(QWidget* window);
  void ApplyColorMode();
  void EditorChanged(int editor);
  void DragBar(int bar, int y);
  void PopUpColorMenu();
  void PopUpDispMenu();

  QWidget* window_;
  ColourState& state_;
  bool showing_ = false;  // editor values set by Show, not by the user
  int colorMode_ = kModeRGB;
  std::optional<int> lastColorMode_;
  int dispMode_ = 0;
  float lastDragY_ = 0.0f;
  bool wheelStop_ = true;
  DiagramGeometry diagram_;

  std::array<UpDownText*, 4> editors_{};   // TxtR, TxtG, TxtB, TxtK
  std::array<QLabel*, 4> editorLabels_{};  // lblRed, lblGreen, lblBlue, lblBlack
  QFrame* PicFrame2 = nullptr;
  QLabel* lblColor = nullptr;
  QLabel* Image5 = nullptr;
  ColourDisplay* PicFrame3 = nullptr;
  QLabel* lblDisp = nullptr;
  QLabel* Image6 = nullptr;
  std::array<Swatch*, 3> bars_{};  // LblR, LblG, LblB
  QWidget* Picture3 = nullptr;
  std::array<QRadioButton*, 2> Option2{};
  QMenu* mnuColor = nullptr;
  std::array<QAction*, 5> mnuColorMode{};
  QMenu* mnuDispMode = nullptr;
  std::array<QAction*, 3> mnuDisp{};
};

}  // namespace hk
