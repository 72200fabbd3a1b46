// The HLS picker: a modal dialog in which the user picks a colour on a
// hue-saturation plane and a lightness bar. Closing it applies its colour.
#pragma once

#include <QDialog>
#include <QImage>
#include <array>
#include <optional>

#include "colour/longcolour.h"
#include "colour/webcolors.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace hk {

class Swatch;

class frmHLS : public QDialog {
  Q_OBJECT
 public:
  // Shows `colour` in the dialog, modal over `owner`, with hues on the scale of
  // `maxHue`; returns the colour the dialog holds when the user closes it.
  static LongColour ShowColor(LongColour colour, QWidget* owner, float maxHue);

  frmHLS(QWidget* owner, float maxHue);

  LongColour Colour() const { return RGB(red_, green_, blue_); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void PaintPlane();
  void Load(LongColour colour);
  void UpdateColor(LongColour colour, bool recompute);
  void ShowChosen(float lightness);
  // Arrow keys on the plane and the bar: one pixel a press, ten with Shift.
  bool MoveByKey(QObject* picture, int key, Qt::KeyboardModifiers modifiers);

  void picHLS_MouseDown(double x, double y);
  void picLum_MouseDown(double y);
  void Picture1_MouseDown(double y);
  void Picture1_MouseMove(double y);

  QWidget* picHLS = nullptr;
  QWidget* picLum = nullptr;
  QLabel* Picture1 = nullptr;
  Swatch* picColorSample = nullptr;
  QGroupBox* Frame1 = nullptr;
  std::array<QLineEdit*, 10> Text1{};
  std::array<QLabel*, 10> Label1{};

  // The conversions read the program-wide hue maximum: the dialog's own scale
  // holds while it lives, and the old one comes back after.
  struct HueScale {
    explicit HueScale(float maxHue);
    ~HueScale();
    HueScale(const HueScale&) = delete;
    HueScale& operator=(const HueScale&) = delete;
    float saved;
  } scale_;
  WebColors web_;  // the HTML names the sample's description gives
  QImage plane_;  // painted once: the plane only changes with the hue maximum
  std::optional<QPoint> cross_;
  // The plane's chosen hue and saturation, and the bar's chosen lightness.
  float planeHue_ = 0, planeSat_ = 0;
  std::optional<float> lumTag_;
  // The dialog's own values: hue, saturation and lightness as last computed, and
  // the colour it returns.
  float hue_ = 0, saturation_ = 0, lightness_ = 0;
  std::int32_t red_ = 0, green_ = 0, blue_ = 0;
  int markerTop_ = 0;  // twips
  int grip_ = 0;       // twips below the marker's top where the drag took hold
};

}  // namespace hk
