// The colour table pad: the grid of colour tips (PAD) with its selection marker,
// and its container (CNT) with the scroll bar (VS). The rules are ColourTable's;
// these widgets paint what it says and pass the mouse and keys on.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "archive/colourtable.h"

class QScrollBar;

namespace hk {

class PadWidget : public QWidget {
  Q_OBJECT
 public:
  PadWidget(QWidget* parent, ColourTable& table);

  // Positions on the pad in twips, as the table measures them.
  std::function<void(int x, int y)> onMouseDown;
  std::function<void(PadKey key)> onKey;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 signals:
  void FocusChanged();

 private:
  ColourTable& table_;
  mutable std::vector<PadCell> cells_;
};

}  // namespace hk
