// The pick for scripts (huekeeper --pick): the eyedropper over the whole screen until one
// click. A left click takes the pixel under its tip; Escape or a right click cancels.
// Where the screen cannot be read, the desktop portal's own picker answers instead.
#pragma once

#include <QObject>
#include <QString>
#include <QWindow>
#include <memory>
#include <optional>

#include "colour/longcolour.h"
#include "colour/notations.h"
#include "picker/screensource.h"

namespace hk {

class CommandLinePick : public QObject {
  Q_OBJECT
 public:
  // `source` reads the screen; none where it cannot be read.
  explicit CommandLinePick(std::unique_ptr<ScreenSource> source, QObject* parent = nullptr);
  ~CommandLinePick() override;

  // Answers with exactly one of the signals below, possibly before it returns.
  void Start();

 signals:
  void Picked(hk::LongColour colour);
  void Cancelled();
  void Failed(const QString& reason);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AskPortal();
  std::optional<LongColour> ReadPointerPixel();
  void Release();

  std::unique_ptr<ScreenSource> source_;
  // Holds the grab: one pixel off the screen, so that it covers nothing a click could read.
  QWindow grabber_;
  // The button whose press began the click; the pick ends on its release, so that the
  // release reaches no other program either.
  Qt::MouseButton pressed_ = Qt::NoButton;
  std::optional<LongColour> read_;  // the pixel under the left button's press
};

// A whole pick from the command line on the running application: the colour in `format`
// on standard output, or the reason on standard error. Returns the exit status.
int PickFromCommandLine(Notation format);

}  // namespace hk
