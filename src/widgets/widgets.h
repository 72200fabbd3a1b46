// Small widgets and helpers the windows share: design places, tab order, swatches that
// tell assistive technology their colour, the drop-down mark and the pin pictures.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <vector>

#include "colour/longcolour.h"
#include "colour/notations.h"

class QEvent;
class QLabel;
class QLineEdit;
class QString;

namespace hk {

// The small black triangle pointing down that marks a drop-down, 7 x 5 pixels.
QPixmap DropMark();

// The sticky pin, 16 x 16 pixels: standing (the window may be covered) or pressed
// in (kept on top). The main window and the tools share one picture.
QPixmap PinPicture(bool pressed);

// A window with a fixed single border: it can be minimized and closed, never resized
// or maximized by the user.
inline constexpr Qt::WindowFlags kFixedSingleBorder =
    Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
    Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint;

// A control of `parent` under its designer name.
template <typename T>
T* Make(QWidget* parent, const char* name) {
  auto* w = new T(parent);
  w->setObjectName(QString::fromLatin1(name));
  return w;
}

// Positions a control by its design rectangle in twips.
void Place(QWidget* w, int left, int top, int width, int height);

// Tab visits the controls of `order` in turn, the first of them first after the window
// opens.
void SetTabOrder(QWidget* window, const std::vector<QWidget*>& order);

// Widens a caption label to its text when the text is wider than its design.
void FitLabel(QLabel* label);

// Whether `event` ends a click on `watched`: the left button released over it. Picture
// controls and labels act on that.
bool ClickedOn(QObject* watched, QEvent* event);

// A text field's background: the error highlight of a text that was not understood
// or found, else the system window colour.
void ShowErrorHighlight(QLineEdit* field, bool on);

// What a swatch tells assistive technology: the colour in the six notations.
QString NotationsDescription(const NotationTexts& texts);

// A widget that shows a colour. Assistive technology reads its description, which is
// put into words only when it is read: showing a colour costs nothing more.
class ColourView : public QWidget {
  Q_OBJECT
 public:
  explicit ColourView(QWidget* parent);
  void SetDescriber(std::function<QString()> describe);
  QString Description() const;
  // The colour changed: tells assistive technology, where one listens.
  void DescriptionChanged();

 private:
  std::function<QString()> describe_;
};

// A plain area painted in one Long colour, optionally with a one-pixel border.
class Swatch : public ColourView {
  Q_OBJECT
 public:
  explicit Swatch(QWidget* parent, bool border = false);
  void setColour(LongColour colour);
  LongColour colour() const { return colour_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  LongColour colour_ = 0;
  bool border_;
};

// Hands every wheel event and key press of the application to the window first;
// each handler answers whether it took the event.
class EventRouter : public QObject {
  Q_OBJECT
 public:
  EventRouter(QWidget* window, std::function<bool(QWheelEvent*)> wheel,
              std::function<bool(QKeyEvent*)> key)
      : QObject(window), window_(window), wheel_(std::move(wheel)), key_(std::move(key)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  std::function<bool(QWheelEvent*)> wheel_;
  std::function<bool(QKeyEvent*)> key_;
};

}  // namespace hk
