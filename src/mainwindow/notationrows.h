// The notation rows of the main window: the Long, hexadecimal, web, HTML, RGB and CMYK
// fields with their labels and copy buttons. They show the current colour and read
// what the user types; a text that is not understood gets the error highlight.
#pragma once

#include <QObject>
#include <array>
#include <vector>

#include "colour/longcolour.h"
#include "colour/modcmyk.h"
#include "colour/notations.h"
#include "colour/webcolors.h"

class QAbstractItemModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace hk {

class ColourState;

class NotationRows : public QObject {
  Q_OBJECT
 public:
  // Creates the rows on `window` at their design places.
  NotationRows(QWidget* window, const WebColors& web);

  // Shows `colour`, whose channels `state` holds, in every field; clears the highlights.
  void Show(LongColour colour, const ColourState& state);
  // The texts of the colour shown, as assistive technology reads them.
  const NotationTexts& Texts() const { return texts_; }
  // The top of the first row (RGB), in pixels of the window.
  int Top() const;

  // The Long field holds the saved colours' list too.
  QString LongText() const;
  void SetSavedList(QAbstractItemModel* model);
  // Selects item `index` (-1: none) of the list, keeping the text shown.
  void SelectSaved(int index);

  // Writes the hexadecimal and web notations.
  void HexVal(LongColour colour, const ColourState& state);
  static LongColour DecodeFromWeb(const QString& webVal);
  // A copy button: the notation of its row on the clipboard.
  void Command2_Click(int index);

  // The tab stops, as the rows read: RGB, CMYK, Web, Hex, Long, HTML, each with its copy.
  std::vector<QWidget*> TabStops() const;

 signals:
  void ColourTyped(hk::LongColour colour);
  // Enter in the CMYK field: the inks as typed, and their colour.
  void InksTyped(hk::CMYK inks, hk::LongColour colour);
  void LongEntered();           // Enter in the Long field
  void SavedPicked(int index);  // an item of the Long field's list picked

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Text1_Enter();
  void Text2_Enter();
  void txtHTML_Enter();
  void Text4_Enter();
  void Text5_Enter();
  void SetErrorHighlight(QLineEdit* field, bool on);

  const WebColors& web_;
  NotationTexts texts_;
  QComboBox* txtCol = nullptr;
  QLineEdit* Text1 = nullptr;  // hexadecimal
  QLineEdit* Text2 = nullptr;  // web
  QLineEdit* txtHTML = nullptr;
  QLineEdit* Text4 = nullptr;       // RGB
  QLineEdit* Text5 = nullptr;       // CMYK
  std::array<QLabel*, 7> Label5{};  // 3, the search row's, is not one of these rows
  std::array<QPushButton*, 6> Command2{};
  std::array<QLineEdit*, 5> highlightable_{};
  std::array<bool, 5> highlighted_{};
};

}  // namespace hk
