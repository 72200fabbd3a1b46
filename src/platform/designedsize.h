// Keeps a window at its size in logical pixels when it moves to a screen of another
// scale. Qt 6.4 on X11 keeps a window's size in device pixels across that move, so a
// window laid out for one scale would show half, or twice, its contents on the other.
#pragma once

#include <QObject>
#include <QSize>

class QWidget;

namespace hk {

class DesignedSize : public QObject {
  Q_OBJECT
 public:
  explicit DesignedSize(QWidget* window);

 signals:
  // The window now shows at another scale, at its size in logical pixels.
  void ScaleChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  QSize size_;       // the last size chosen at the scale below
  qreal scale_ = 0;  // the device pixel ratio that size was chosen at
};

}  // namespace hk
