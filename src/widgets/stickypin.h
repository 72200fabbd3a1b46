// The "Sticky" pin of a window: two pictures on one spot, exactly one shown. Pressing
// the standing pin keeps the window above all others; pressing it in again lets go.
#pragma once

#include <QObject>

class QLabel;
class QWidget;

namespace hk {

class StickyPin : public QObject {
  Q_OBJECT
 public:
  // The pin at (`left`, `top`) twips of `window`.
  StickyPin(QWidget* window, int left, int top);

  void ImgstickOff_Click();  // keep the window on top
  void ImgstickOn_Click();   // let it go
  bool Sticky() const;

  QLabel* ImgstickOff;  // standing: the window may be covered
  QLabel* ImgstickOn;   // pressed in: the window stays on top

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Swap(QLabel* from, QLabel* to);

  QWidget* window_;
};

}  // namespace hk
