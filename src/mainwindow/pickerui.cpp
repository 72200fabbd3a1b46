// The screen picker, the magnifier and the pixel swatch, wired into the window.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>

#include "mainwindow/frmpickcolor.h"
#include "widgets/widgets.h"
#include "picker/capturefile.h"
#include "picker/eyedropper.h"
#include "picker/keyboardpick.h"
#include "picker/magnifier.h"
#include "picker/screenpicker.h"
#include "picker/x11screensource.h"

namespace hk {

void FrmPickColor::BuildPicker() {
  magnifier_ = new Magnifier(this);
  connect(magnifier_, &Magnifier::PixelPressed, this, [this](LongColour c) { PickedColour(c); });

  Pixel = new QPushButton(this);
  Pixel->setObjectName(QStringLiteral("Pixel"));
  Pixel->setToolTip(
      QStringLiteral("Press the left mouse button and drag to any part of screen and release"));
  Pixel->setAccessibleName(QStringLiteral("Pick a color from the screen"));
  Pixel->setAccessibleDescription(
      Pixel->toolTip() +
      QStringLiteral(". Or press Space: the arrow keys move the pointer (with Shift by 10 pixels), "
                     "Enter takes the color under it, Escape cancels."));
  Pixel->setIcon(QIcon(EyedropperPicture()));
  Place(Pixel, 2715, 2760, 360, 315);
  picker_ = new ScreenPicker(Pixel, *magnifier_);
  connect(picker_, &ScreenPicker::ColourPicked, this, [this](LongColour c) { PickedColour(c); });
  connect(picker_, &ScreenPicker::Unreadable, this, [this] { ScreenUnreadable(); });
  picker_->SetSource(X11ScreenSource::Create());
  auto* keyboard = new KeyboardPick(*picker_, Pixel, [this] { return CurrentColour(); });
  connect(keyboard, &KeyboardPick::Cancelled, this, [this](LongColour c) { PickedColour(c); });

  cmdCopyPIX = new QPushButton(this);
  cmdCopyPIX->setObjectName(QStringLiteral("cmdCopyPIX"));
  cmdCopyPIX->setToolTip(QStringLiteral("Copy a 8x8 Pixel image of current color"));
  cmdCopyPIX->setAccessibleName(QStringLiteral("Copy"));
  cmdCopyPIX->setIcon(Command2[0]->icon());
  Place(cmdCopyPIX, 3855, 2760, 360, 315);
  connect(cmdCopyPIX, &QPushButton::clicked, this, [this] { cmdCopyPIX_Click(); });
  PicPX->setToolTip(QStringLiteral("Copy a 8x8 Pixel image of current color"));
  PicPX->setAccessibleName(PicPX->toolTip());
  PicPX->installEventFilter(this);
}

void FrmPickColor::SetScreenSource(std::unique_ptr<ScreenSource> source) {
  picker_->SetSource(std::move(source));
}

void FrmPickColor::PickedColour(LongColour colour) {
  SetColor(colour);
  txtCol->setEditText(QString::number(Label1->colour()));
}

void FrmPickColor::ScreenUnreadable() {
  // Said once a run: after that the button quietly does nothing.
  if (unreadableSaid_) return;
  unreadableSaid_ = true;
  dialogs_->MsgBox(
      "The screen cannot be read here. Picking a color from the screen needs an X11 session "
      "or a desktop portal.",
      MsgButtons::OK, MsgIcon::Information, QApplication::applicationName().toStdString());
}

QImage PixelSwatchImage(LongColour colour) {
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
  return image;
}

void FrmPickColor::cmdCopyPIX_Click() {
  PicPX->raise();
  QClipboard* clipboard = QApplication::clipboard();
  if (clipboard == nullptr) return;
  clipboard->clear();
  clipboard->setImage(PixelSwatchImage(Label1->colour()));
}

void FrmPickColor::PicPX_Click() {
  cmdCopyPIX->setFocus();
  cmdCopyPIX_Click();
}

bool FrmPickColor::PasteCapture() {
  const QClipboard* clipboard = QApplication::clipboard();
  const QMimeData* data = clipboard != nullptr ? clipboard->mimeData() : nullptr;
  if (data == nullptr || !data->hasImage()) return false;
  // A text field pastes text as usual when the clipboard offers both.
  QWidget* focus = QApplication::focusWidget();
  if (data->hasText() && (qobject_cast<QLineEdit*>(focus) != nullptr)) return false;
  // A picture that cannot be decoded, or a transfer that came back empty, changes nothing:
  // the capture, its view and the file saved at exit stay as they were.
  const QImage picture = qvariant_cast<QImage>(data->imageData());
  if (picture.isNull()) return false;
  magnifier_->SetPicture(picture);
  return true;
}

void FrmPickColor::LoadCapturePicture() {
  magnifier_->SetPicture(LoadCapture(programFolder_));
  magnifier_->LayoutZoom();
  magnifier_->PaintZoom();
}

WriteResult FrmPickColor::SaveCapturePicture() {
  // Only a capture taken in this run is new; a pasted picture alone is not kept.
  if (!picker_->CaptureTaken()) return {};
  return SaveCapture(programFolder_, magnifier_->Picture());
}

}  // namespace hk
