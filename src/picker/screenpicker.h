// Picking from the screen: a left press on the pick button grabs the pointer with the
// eyedropper, a timer polls it ten times a second while the button is held, and the
// release ends the pick wherever it happens.
#pragma once

#include <QObject>
#include <QTimer>
#include <memory>

#include "colour/longcolour.h"
#include "picker/picksession.h"

class QAbstractButton;

namespace hk {

class Magnifier;
class PortalPicker;

class ScreenPicker : public QObject {
  Q_OBJECT
 public:
  static constexpr int kIntervalMs = 100;

  ScreenPicker(QAbstractButton* pixel, Magnifier& magnifier);
  ~ScreenPicker() override;

  // What reads the screen; none where it cannot be read, and the desktop portal is
  // asked for a colour instead.
  void SetSource(std::unique_ptr<ScreenSource> source);
  ScreenSource* Source() const { return source_.get(); }

  void Pixel_MouseDown();
  void Pixel_MouseUp();
  void Timer1_Timer();

  bool Picking() const { return Timer1.isActive(); }
  bool CaptureTaken() const { return session_.CaptureTaken(); }
  const PickSession& Session() const { return session_; }

 signals:
  // A tick read the pixel under the pointer, or the portal answered with a colour.
  void ColourPicked(hk::LongColour colour);
  // Neither the screen nor a portal can be read here: the press did nothing.
  void Unreadable();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AskPortal();

  QAbstractButton* Pixel;
  Magnifier& magnifier_;
  std::unique_ptr<ScreenSource> source_;
  PickSession session_;
  PortalPicker* portal_ = nullptr;
  QTimer Timer1;
};

// The 0x00RRGGBB pixels of a capture as an image, and back.
QImage ToQImage(const PixelImage& image);
PixelImage FromQImage(const QImage& image);

}  // namespace hk
