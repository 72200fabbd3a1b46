#include "platform/designedsize.h"

#include <QEvent>
#include <QWidget>

namespace hk {

DesignedSize::DesignedSize(QWidget* window) : QObject(window), window_(window) {
  window->installEventFilter(this);
}

bool DesignedSize::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_ || event->type() != QEvent::Resize) return false;
  const qreal scale = window_->devicePixelRatioF();
  const bool moved = scale_ != 0 && scale != scale_;
  scale_ = scale;
  if (moved && size_.isValid() && window_->size() != size_) {
    window_->resize(size_);  // the move kept the size in device pixels: back to logical
  } else {
    size_ = window_->size();
  }
  if (moved) emit ScaleChanged();
  return false;
}

}  // namespace hk
