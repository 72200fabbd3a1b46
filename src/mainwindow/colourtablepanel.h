// The colour table of the main window: the caption bar, the choice of the saved or the
// web colours, the pad with its tips and scroll bar, the tip size pictures, and the
// search row that finds a colour by the beginning of its name.
#pragma once

#include <QObject>
#include <array>
#include <vector>

#include "archive/colourtable.h"
#include "colour/longcolour.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace hk {

class ColourArchive;
class Dialogs;
class PadWidget;
class WebColors;

class ColourTablePanel : public QObject {
  Q_OBJECT
 public:
  // The height the table adds to the window when shown, in twips.
  static constexpr int kHeightTwips = 255 + 315 + 1515;  // caption, options, pad

  // Creates the controls on `window` at their design places, over the lists of `table`.
  ColourTablePanel(QWidget* window, ColourTable& table, ColourArchive& archive,
                   const WebColors& web);
  // Where the Delete key's question goes.
  void SetDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }

  // Shows what an operation of the table changed: scroll bar, caption, tip buttons,
  // the selected saved colour and the colour it made current.
  void ApplyPadUpdate(const PadUpdate& update);
  // Shows or hides the table with the window's slide button.
  void SetExpanded(bool expanded);
  // Start-up: the list of the preferences, checked before the pad is laid out.
  void StartOn(PadList list);
  bool SavedListShown() const;

  void Option1_Click(int index);
  void Image3_Click();
  void Image2_Click();
  void lblCol_Click();
  void txtCol_Click(int index);
  // Selects the next colour whose name begins with the text of the search box.
  void CmdSearch_Click();

  std::vector<QWidget*> SearchTabStops() const;  // the search box and its button
  std::vector<QWidget*> TableTabStops() const;   // the options, the tip pictures, the pad

  // Dirty flags read when the preferences are saved.
  bool SizeChanged = false;
  bool TabChanged = false;

 signals:
  void SavedSelected(int index);  // the Long field's list item of the pad (-1: none)
  void ColourChosen(hk::LongColour colour);
  void Updated();          // the list or its size changed: the action row follows
  void ExpandRequested();  // a search found a colour while the table was hidden
  void ImportRequested();  // the pad's menu: "Import Colors..."
  void ExportRequested();  // and "Export Saved Colors..."

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildSearch(QWidget* window);
  void ShowTableFocus();
  void Text3_Change();
  // Shows `list` on the pad, as choosing its option button does, leaving the focus.
  void SearchShowList(PadList list);

  ColourTable& table_;
  ColourArchive& archive_;
  const WebColors& web_;
  Dialogs* dialogs_ = nullptr;
  bool expanded_ = false;
  QLabel* lblCol = nullptr;
  std::array<QRadioButton*, 2> Option1{};
  QWidget* CNT = nullptr;
  PadWidget* PAD = nullptr;
  QScrollBar* VS = nullptr;
  QLabel* Image2 = nullptr;
  QLabel* Image3 = nullptr;
  QLineEdit* Text3 = nullptr;
  QPushButton* CmdSearch = nullptr;
};

}  // namespace hk
