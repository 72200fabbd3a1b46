// Channel editors, colour modes, the hue maximum, the drag bars and the
// colour-space display.
#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QMouseEvent>
#include <QWheelEvent>

#include "colour/modhslv.h"
#include "mainwindow/colourdisplay.h"
#include "mainwindow/frmpickcolor.h"
#include "picker/magnifier.h"
#include "picker/screenpicker.h"
#include "platform/qtdialogs.h"
#include "updowntext/updowntext.h"
#include "widgets/widgets.h"

namespace hk {

void FrmPickColor::mnuColorMode_Click(int index) {
  if (index == colorMode_ || index < 0 || index > 4) return;
  colorMode_ = index;
  lblColor->setText(mnuColorMode[static_cast<std::size_t>(index)]->text());
  ApplyColorMode();
  ColorModeChanged = true;
}

void FrmPickColor::mnuDisp_Click(int index) {
  if (index < 0 || index > 2) return;
  dispMode_ = index;
  lblDisp->setText(mnuDisp[static_cast<std::size_t>(index)]->text());
  DrawColorDisplay();
  DispModeChanged = true;
}

void FrmPickColor::PopUpColorMenu() {
  mnuColor->popup(mapToGlobal(PicFrame2->geometry().bottomLeft() + QPoint(0, 1)));
}

void FrmPickColor::PopUpDispMenu() {
  mnuDispMode->popup(mapToGlobal(PicFrame3->pos() + QPoint(0, ColourDisplay::kLineY)));
}

void FrmPickColor::ApplyColorMode() {
  const EditorSetup setup = SetupFor(colorMode_);
  editorLabels_[3]->setVisible(setup.showBlack);
  editors_[3]->setVisible(setup.showBlack);
  Picture3->setVisible(setup.showHueOption);

  state_.CarryOver(lastColorMode_);

  for (Swatch* bar : bars_) {
    bar->setCursor(setup.barsDraggable ? Qt::SizeVerCursor : Qt::ForbiddenCursor);
  }

  // Limits before values, so a value above the old maximum is not refused.
  for (std::size_t i = 0; i < 3; ++i) {
    editorLabels_[i]->setText(QString::fromLatin1(setup.captions[i].data(),
                                                  static_cast<qsizetype>(setup.captions[i].size())));
    FitLabel(editorLabels_[i]);
    editors_[i]->setMin(0);
    editors_[i]->setMax(setup.max[i]);
  }
  editors_[3]->setMin(0);
  editors_[3]->setMax(255);
  state_.ComputeCMYK();
  std::array<int, 4> values{};
  const int loaded = state_.EditorValues(colorMode_, values);
  for (int i = 0; i < loaded; ++i) {
    editors_[static_cast<std::size_t>(i)]->SetValue(values[static_cast<std::size_t>(i)]);
  }
  lastColorMode_ = colorMode_;
}

void FrmPickColor::EditorChanged(int editor) {
  if (inSetColor_) return;
  const int v = editors_[static_cast<std::size_t>(editor)]->value();
  if (!state_.Edit(colorMode_, editor, v)) return;
  SetColor(state_.Colour());
}

void FrmPickColor::DragBar(int bar, int y) {
  if (colorMode_ != kModeRGB) return;
  UpDownText* editor = editors_[static_cast<std::size_t>(bar)];
  const auto fy = static_cast<float>(y);
  const int value = editor->value();
  if (fy < lastDragY_ && value < 255) {
    editor->setValue(value + 1);
  } else if (fy > lastDragY_ && value > 0) {
    editor->setValue(value - 1);
  }
  lastDragY_ = fy;
  const int v = editor->value();
  bars_[static_cast<std::size_t>(bar)]->setColour(
      bar == 0 ? RGB(v, 0, 0) : bar == 1 ? RGB(0, v, 0) : RGB(0, 0, v));
}

void FrmPickColor::Option2_Click(int index) {
  if (MaxHue == 360.0f && index == 0) return;
  MaxHueChanged = true;
  if (colorMode_ == kModeHSL || colorMode_ == kModeHSV) state_.ChannelsFromHueTriple(colorMode_);
  MaxHue = index == 0 ? 360.0f : 240.0f;
  if (colorMode_ == kModeHSL || colorMode_ == kModeHSV) {
    editors_[0]->setMax(static_cast<int>(MaxHue));
  }
  SetColor(state_.Colour());
}

void FrmPickColor::DrawColorDisplay() {
  const bool bars = dispMode_ == 0;
  for (Swatch* bar : bars_) bar->setVisible(bars);
  PicFrame3->Draw(dispMode_, state_.Colour(), diagram_);
}

bool FrmPickColor::StepFocusedEditor(int steps) {
  QWidget* focus = QApplication::focusWidget();
  for (UpDownText* editor : editors_) {
    if (editor != focus || !editor->isVisible()) continue;
    for (; steps > 0 && editor->value() < editor->Max(); --steps)
      editor->setValue(editor->value() + 1);
    for (; steps < 0 && editor->value() > editor->Min(); ++steps)
      editor->setValue(editor->value() - 1);
    return true;
  }
  return false;
}

void FrmPickColor::mousePressEvent(QMouseEvent* event) {
  if (childAt(event->position().toPoint()) == nullptr) wheelStop_ = true;  // the background
  QWidget::mousePressEvent(event);
}

bool FrmPickColor::WheelStep(QWheelEvent* event) {
  // Turning the wheel away from the user steps the focused editor up, one step a
  // notch; finer wheels add up to whole notches.
  // During a pick (and no editor focused) it zooms the magnifier instead.
  QWidget* focus = QApplication::focusWidget();
  const bool editing = !wheelStop_ && focus != nullptr && focus->window() == this &&
                       std::find(editors_.begin(), editors_.end(), focus) != editors_.end();
  if (!editing && !picker_->Picking()) return false;
  wheelRemainder_ += event->angleDelta().y();
  const int notches = wheelRemainder_ / 120;
  wheelRemainder_ -= notches * 120;
  if (editing) {
    if (notches != 0) StepFocusedEditor(notches);
  } else {
    for (int i = 0; i < std::abs(notches); ++i) magnifier_->WheelZoom(notches > 0);
  }
  return true;
}

}  // namespace hk
