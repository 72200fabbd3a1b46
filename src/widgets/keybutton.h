// A picture or caption that acts on a click, made a button for the keyboard too: Tab
// reaches it, a focus frame shows where the focus is, Space or Enter acts, and
// assistive technology sees a button named by its accessible name or else its tool tip.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace hk {

class KeyButton : public QObject {
  Q_OBJECT
 public:
  // `widget` does `press` from the keyboard; a `checkable` one is a toggle that shows
  // `checked` (the two pictures of a pin).
  static KeyButton* Make(QWidget* widget, std::function<void()> press, bool checkable = false,
                         bool checked = false);
  // The key button made of `widget`, or null.
  static KeyButton* Of(const QObject* widget);

  void Press() { press_(); }
  bool Checkable() const { return checkable_; }
  bool Checked() const { return checked_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  KeyButton(QWidget* widget, std::function<void()> press, bool checkable, bool checked);

  QWidget* widget_;
  std::function<void()> press_;
  bool checkable_;
  bool checked_;
};

}  // namespace hk
