#include "archive/padmodel.h"

#include <algorithm>
#include <cstdint>

namespace hk {

void PadModel::SetPadSize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
}

void PadModel::SetTipSize(int size) { tipSize_ = size; }

bool PadModel::Layout(int count) {
  const int pitch = Pitch();
  const int cols = width_ / pitch;
  if (cols < 1) return false;
  count_ = std::max(count, 0);
  cols_ = cols;
  rows_ = height_ / pitch;
  // Always one row more than the full rows, even when the last one is full.
  totalRows_ = count_ / cols_ + 1;
  if (rows_ > totalRows_) {
    scroll_ = 0;
    scrollMax_ = 0;
    scrollEnabled_ = false;
  } else {
    scrollMax_ = totalRows_ - rows_;
    scroll_ = std::min(scroll_, scrollMax_);
    scrollEnabled_ = true;
  }
  markerVisible_ = false;
  marker_ = {0, 0, tipSize_ + kMarkerGrowth, tipSize_ + kMarkerGrowth};
  return true;
}

bool PadModel::SetScrollValue(int value) {
  value = std::clamp(value, 0, scrollMax_);
  if (value == scroll_) return false;
  scroll_ = value;
  ShowShape();
  return true;
}

void PadModel::SetCursor(int col, int row) {
  cursorCol_ = col;
  cursorRow_ = row;
}

void PadModel::PlaceMarker() {
  // Visible row and column of PadPos; a position at a row's end belongs to that row.
  int row = pos_ / cols_ - scroll_;
  int col = pos_ % cols_;
  if (col == 0) {
    col = cols_;
  } else {
    ++row;
  }
  const int pitch = Pitch();
  const int side = tipSize_ + kMarkerGrowth;
  marker_ = {(col - 1) * pitch + kMargin - kMarkerBefore,
             (row - 1) * pitch + kMargin - kMarkerBefore, side, side};
  markerVisible_ = true;
}

void PadModel::ShowShape() {
  if (cols_ < 1) return;
  if (pos_ < 1) {
    markerVisible_ = false;  // nothing selected: nothing to frame
    return;
  }
  if (follow_) {
    // Scroll just far enough that the cursor row shows: one row per key press when
    // the cursor walks off an edge. A pad lower than one row still shows one.
    const int shown = std::max(rows_, 1);
    if (cursorRow_ - scroll_ < 1) {
      scroll_ = std::max(cursorRow_ - 1, 0);
    } else if (cursorRow_ - scroll_ > shown) {
      const int wanted = cursorRow_ - shown;
      if (wanted > scrollMax_) {
        scroll_ = scrollMax_;
        markerVisible_ = false;
        return;
      }
      scroll_ = wanted;
    }
    PlaceMarker();
    return;
  }
  const int row = (pos_ - 1) / cols_ + 1 - scroll_;
  // A partly visible last row still shows its marker.
  if (row < 1 || row > rows_ + 1) {
    markerVisible_ = false;
    return;
  }
  PlaceMarker();
}

bool PadModel::ScrollToSelection() {
  if (cols_ < 1) return false;
  const int before = scroll_;
  const std::int64_t cols = cols_;
  // Above the first visible row: up until its row is the first.
  if (pos_ <= cols * scroll_ && scroll_ > 0) scroll_ = pos_ < 1 ? 0 : (pos_ - 1) / cols_;
  // Below the last whole visible row: down until its row is the last whole one.
  if (pos_ > cols * (scroll_ + rows_) && scroll_ < scrollMax_) {
    const auto needed = static_cast<int>((pos_ + cols - 1) / cols) - rows_;
    scroll_ = std::min(scrollMax_, std::max(scroll_, needed));
  }
  return scroll_ != before;
}

std::optional<PadModel::Hit> PadModel::HitTest(int x, int y) const {
  if (cols_ < 1 || x < 0 || y < 0) return std::nullopt;
  const int pitch = Pitch();
  // Division toward zero: the margin before the first column and row counts as them.
  const int col = (x - kMargin) / pitch + 1;
  const int row = (y - kMargin) / pitch + 1 + scroll_;
  // Right of the last column the column count would run on into the next row's
  // first colour and leave the cursor in a column that does not exist: nothing there.
  if (col > cols_) return std::nullopt;
  const std::int64_t position = std::int64_t{row - 1} * cols_ + col;
  if (position < 1 || position > count_) return std::nullopt;
  return Hit{col, row, static_cast<int>(position)};
}

int PadModel::ItemAt(int x, int y) const {
  const auto hit = HitTest(x, y);
  return hit ? hit->position - 1 : -1;
}

bool PadModel::MoveCursor(PadKey key) {
  if (cols_ < 1) return false;
  // The keys move from the cursor cell, which only clicks and the arrows set: after a
  // list has shrunk it may lie beyond the last colour, and the cell it selects is then
  // empty.
  const int c = cols_;
  int col = cursorCol_;
  int row = cursorRow_;
  const auto at = [c](int r, int k) { return std::int64_t{r - 1} * c + k; };
  switch (key) {
    case PadKey::Left:
      if (col != 1) {
        --col;
      } else if (row == 1) {
        return false;
      } else {
        --row;
        col = c;
      }
      break;
    case PadKey::Right:
      if (col != c) {
        if (at(row, col) + 1 > count_) return false;
        ++col;
      } else {
        if (row >= totalRows_ || std::int64_t{c} * row + 1 > count_) return false;
        ++row;
        col = 1;
      }
      break;
    case PadKey::Up:
      if (row == 1) return false;
      --row;
      break;
    case PadKey::Down:
      if (row >= totalRows_ || std::int64_t{c} * row + col > count_) return false;
      ++row;
      break;
    default:
      break;  // any other key selects the cursor cell again
  }
  cursorCol_ = col;
  cursorRow_ = row;
  pos_ = static_cast<int>(at(row, col));
  return true;
}

int PadModel::FirstVisibleIndex() const { return scroll_ * cols_; }

int PadModel::VisibleRowCount() const {
  if (cols_ < 1 || height_ <= kMargin) return 0;
  const int pitch = Pitch();
  return (height_ - kMargin + pitch - 1) / pitch;
}

TwipRect PadModel::CellRect(int col, int row) const {
  const int pitch = Pitch();
  return {kMargin + col * pitch, kMargin + row * pitch, tipSize_, tipSize_};
}

TwipRect PadModel::SwatchRect(const TwipRect& cell) {
  return {cell.left + kSwatchInset, cell.top + kSwatchInset, cell.width - 2 * kSwatchInset,
          cell.height - 2 * kSwatchInset};
}

void PadModel::VisibleCells(std::vector<PadCell>& out) const {
  out.clear();
  const int rows = VisibleRowCount();
  std::int64_t index = std::int64_t{scroll_} * cols_;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols_; ++c, ++index) {
      if (index >= count_) return;
      const TwipRect frame = CellRect(c, r);
      out.push_back({static_cast<int>(index), frame, SwatchRect(frame), 0});
    }
  }
}

}  // namespace hk
