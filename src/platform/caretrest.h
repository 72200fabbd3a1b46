// Text carets blink for a while after the last key or click and then rest, shown
// but still, so that an idle program never wakes up (as GTK desktops do it).
#pragma once

#include <QObject>
#include <QTimer>

namespace hk {

class CaretRest : public QObject {
  Q_OBJECT
 public:
  static constexpr int kBlinkForMs = 10000;

  explicit CaretRest(QObject* parent = nullptr);
  // Carets stop blinking now; the next key or click starts them again.
  void Rest();
  bool Resting() const { return resting_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTimer restTimer_;
  int flashTime_;
  bool resting_ = false;
};

}  // namespace hk
