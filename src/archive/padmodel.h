// The colour table pad's geometry and navigation, in twips, without any widget:
// columns and rows for a tip size and a pad size, the scroll range, the cells to
// paint, the selection marker, the mouse hit test and the arrow keys. The pad widget
// feeds it sizes and input and paints what it says.
//
// With S the tip size and the pitch P = S + 60, the cell at 0-based column c and
// visible row r is the square of side S at (45 + c*P, 45 + r*P); its colour fills the
// square inset by 30. The marker `Shape1` is S + 45 square and starts 15 before the
// cell, so it reaches 15 beyond it on the left and top and 30 on the right and bottom.
#pragma once

#include <optional>
#include <vector>

#include "colour/longcolour.h"

namespace hk {

enum class PadKey { Left, Up, Right, Down, Delete, Other };

struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const TwipRect&) const = default;
};

struct PadCell {
  int index = 0;    // 0-based position in the list shown
  TwipRect frame;   // the cell square, outlined in black
  TwipRect swatch;  // the colour square inside it
  LongColour colour = 0;
};

class PadModel {
 public:
  static constexpr int kMargin = 45;        // PadMargin, left and top of the grid
  static constexpr int kGap = 60;           // between cells: the pitch is S + 60
  static constexpr int kSwatchInset = 30;   // the colour square inside its cell
  static constexpr int kMarkerBefore = 15;  // the marker starts this far before its cell
  static constexpr int kMarkerGrowth = 45;  // and is this much larger
  static constexpr int kMinTipSize = 90;
  static constexpr int kMaxTipSize = 450;
  static constexpr int kTipStep = 15;
  static constexpr int kDefaultTipSize = 180;

  // ---- inputs ----
  // PAD's width (CNT's inner width less the scroll bar) and CNT's inner height.
  void SetPadSize(int width, int height);
  int PadWidth() const { return width_; }
  int PadHeight() const { return height_; }
  int TipSize() const { return tipSize_; }
  // 90..450 in steps of 15 from the buttons; a stored size off those steps is kept.
  void SetTipSize(int size);
  int Pitch() const { return tipSize_ + kGap; }

  // FixPad's geometry for a list of `count` colours: columns, rows, total rows and
  // the scroll range (the scroll value kept where it fits); hides the marker. When not
  // one whole column fits it returns false and changes nothing.
  bool Layout(int count);

  int PadCount() const { return count_; }
  int PadCols() const { return cols_; }
  int PadRows() const { return rows_; }  // whole rows that fit in the height
  int PadTotalRows() const { return totalRows_; }

  // The scroll bar `VS`: its value is the first visible row.
  int ScrollValue() const { return scroll_; }
  int ScrollMax() const { return scrollMax_; }
  bool ScrollEnabled() const { return scrollEnabled_; }
  // The user moved the scroll bar: redraw from the new row. False when unchanged.
  bool SetScrollValue(int value);

  // The selection, 1-based; 0 is none.
  int PadPos() const { return pos_; }
  void SetPadPos(int pos) { pos_ = pos; }

  // The keyboard cursor: 1-based column and absolute row.
  int CursorCol() const { return cursorCol_; }
  int CursorRow() const { return cursorRow_; }
  void SetCursor(int col, int row);

  // Set while a click or a key on the pad is handled: the pad then follows the
  // cursor row by row instead of hiding a marker that left the view.
  bool FollowMode() const { return follow_; }
  void SetFollowMode(bool on) { follow_ = on; }

  // ---- the selection marker `Shape1` ----
  bool MarkerVisible() const { return markerVisible_; }
  TwipRect MarkerRect() const { return marker_; }
  // Places or hides the marker for PadPos; in follow mode scrolls the cursor row into
  // view first.
  void ShowShape();
  // Scrolls until PadPos lies in the visible rows. True when the value changed.
  bool ScrollToSelection();

  // ---- mouse ----
  struct Hit {
    int col = 0;       // 1-based
    int row = 0;       // 1-based, absolute
    int position = 0;  // 1-based list position
  };
  // The colour a press at (x, y) selects. The 45-twip margin belongs to the first
  // column and row; empty cells and the space right of the last column select nothing.
  std::optional<Hit> HitTest(int x, int y) const;
  // 0-based index of the colour under (x, y) for the tool tip, or -1.
  int ItemAt(int x, int y) const;

  // ---- keys ----
  // Proc_Key without Delete: an arrow moves the cursor, and the cursor cell becomes
  // PadPos; any other key just selects the cursor cell again. False when the key is
  // ignored (row ends, the last colour); an ignored key changes nothing.
  bool MoveCursor(PadKey key);

  // ---- painting: only the rows in view, so the cost does not grow with the list ----
  int FirstVisibleIndex() const;
  int VisibleRowCount() const;                // rows at least partly in view
  TwipRect CellRect(int col, int row) const;  // 0-based column and visible row
  static TwipRect SwatchRect(const TwipRect& cell);
  // The cells of list positions in view (colour left 0), row by row.
  void VisibleCells(std::vector<PadCell>& out) const;

 private:
  void PlaceMarker();

  int width_ = 0;
  int height_ = 0;
  int tipSize_ = kDefaultTipSize;
  int count_ = 0;
  int cols_ = 0;
  int rows_ = 0;
  int totalRows_ = 0;
  int scroll_ = 0;
  int scrollMax_ = 0;
  bool scrollEnabled_ = false;
  int pos_ = 0;
  int cursorCol_ = 1;
  int cursorRow_ = 1;
  bool follow_ = false;
  bool markerVisible_ = false;
  TwipRect marker_;
};

}  // namespace hk
