// The measure tool: a small translucent tool window. The user lays its inner
// top-left corner over an element's top-left corner and drags with the left
// button to the element's bottom-right; the window draws the box to the mouse and
// its caption follows the mouse, in twips.
#pragma once

#include <QWidget>

#include "tools/measure.h"

class QLabel;
class QFrame;

namespace hk {

class frmMeasure : public QWidget {
  Q_OBJECT
 public:
  // The instruction along the bottom edge.
  static constexpr const char* kInstruction =
      "Measure element by keeping the top-left of transparent area exactly over the element's "
      "top-left position and move the mouse over this form, keep left mouse button pressed.";
  // The inner area as designed, and the instruction's height (twips).
  static constexpr int kWidth = 4680, kHeight = 3090, kLabel1Height = 615;
  // The alpha the main window shows it with: 70 % of 255, halves to even.
  static constexpr int kAlpha = 178;

  explicit frmMeasure(QWidget* parent = nullptr);

  // Makes the window translucent and shows it without blocking its opener. After
  // a close it comes back as newly loaded; the measured point stays with the object.
  void Open();

  MeasuredPoint point() const { return point_; }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Form_Mouse(QMouseEvent* event);

  QLabel* Label1;
  QLabel* Label2;
  QFrame* Shape1;
  MeasuredPoint point_;
};

}  // namespace hk
