// The magnifier beside the pick button: the last capture (or a pasted picture)
// enlarged 1x to 16x in a viewport with scroll bars, the zoom box with its menu, and
// the marker on the picked pixel.
#pragma once

#include <QImage>
#include <QObject>
#include <QWidget>
#include <array>

#include "colour/longcolour.h"
#include "picker/zoomlayout.h"

class QLabel;
class QMenu;
class QScrollBar;

namespace hk {

// Picture1: draws the held picture stretched over the enlarged view, each picture
// pixel a crisp block of device pixels.
class MagnifierView : public QWidget {
  Q_OBJECT
 public:
  explicit MagnifierView(QWidget* parent);
  void SetPicture(const QImage* picture) { picture_ = picture; }
  // The drawn area in device pixels: the picture covers exactly this much.
  void SetDrawnSize(QSize devicePixels) { drawn_ = devicePixels; }
  // The picture pixel under a point of the view; nothing off the picture.
  std::optional<QPoint> PictureAt(QPointF viewPoint) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QImage* picture_ = nullptr;
  QSize drawn_;
};

class Magnifier : public QObject {
  Q_OBJECT
 public:
  // Builds the controls on `window` at their design places.
  explicit Magnifier(QWidget* window);

  int Zoom() const { return zoom_; }
  // How far the capture reaches left of and above the pointer, in device pixels:
  // half the view's size at 1x, so the view shows the capture one to one.
  int CaptureHalfWidth() const;
  int CaptureHalfHeight() const;

  // The held picture (hidden Picture2); an empty image when none.
  const QImage& Picture() const { return picture_; }
  void SetPicture(const QImage& picture);

  void mnuZm_Click(int index);
  // One wheel step during a pick: up zooms in, down out, within 1x to 16x.
  void WheelZoom(bool up);
  void PopUpZoomMenu();
  // The zoom box, a button for the keyboard too.
  QWidget* ZoomButton() const { return PicFrame1; }
  void LayoutZoom();
  void PaintZoom();
  // A pick starts: centre the enlarged view and show the marker; and ends.
  void PickStarted();
  void PickEnded();

 signals:
  // A press on the view while no pick runs: the colour of the pixel under it.
  void PixelPressed(hk::LongColour colour);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetZoom(int zoom, const QString& caption);
  void Pan();

  QWidget* window_;
  QWidget* Frame1 = nullptr;
  MagnifierView* Picture1 = nullptr;
  QWidget* Shape2 = nullptr;
  QScrollBar* HsP = nullptr;
  QScrollBar* VsP = nullptr;
  QWidget* PicFrame1 = nullptr;
  QLabel* lblZoom = nullptr;
  QLabel* Image4 = nullptr;
  QMenu* mnuZoom = nullptr;
  std::array<QAction*, kMaxZoom> mnuZm{};

  QImage picture_;
  int zoom_ = 1;
  bool picking_ = false;
  bool hsTag_ = false;  // while set, moving a bar does not pan
  bool vsTag_ = false;
};

}  // namespace hk
