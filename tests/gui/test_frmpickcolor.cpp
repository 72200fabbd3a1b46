#include <gtest/gtest.h>

#include <tuple>

#include "mainwindow/frmpickcolor.h"
#include "platform/twips.h"

namespace hk {
namespace {

// The window's fixed size and where each control sits, in twips within its parent. A
// caption may widen its label or option button beyond the design width, never narrow it.
TEST(FrmPickColor, FixedSizeAndControlsAtTheirDesignPlaces) {
  const struct { const char* name; int index, left, top, width, height; } places[] = {
      {"Label1", -1, 60, 45, 525, 465},         {"PicFrame2", -1, 2325, 45, 1170, 270},
      {"lblRed", -1, 2340, 375, 285, 195},      {"lblGreen", -1, 2340, 675, 435, 195},
      {"lblBlue", -1, 2340, 975, 300, 195},     {"lblBlack", -1, 2340, 1275, 360, 195},
      {"TxtR", -1, 2835, 375, 630, 255},        {"TxtG", -1, 2835, 675, 630, 255},
      {"TxtB", -1, 2835, 975, 630, 255},        {"TxtK", -1, 2835, 1275, 630, 255},
      {"Picture3", -1, 2295, 1290, 1230, 240},  {"PicFrame3", -1, 3525, 45, 1080, 1500},
      {"LblR", -1, 60, 255, 255, 1155},
      {"LblG", -1, 390, 255, 255, 1155},        {"LblB", -1, 720, 255, 255, 1155},
      {"Label5", 5, 75, 1665, 510, 255},        {"Text4", -1, 630, 1620, 1290, 315},
      {"Label5", 6, 2400, 1665, 510, 255},      {"Text5", -1, 2940, 1620, 1305, 315},
      {"Label5", 2, 75, 2010, 510, 255},        {"Text2", -1, 630, 1995, 1290, 315},
      {"Label5", 1, 2385, 2025, 510, 255},      {"Text1", -1, 2940, 1995, 1305, 315},
      {"Label5", 0, 75, 2415, 510, 255},        {"txtCol", -1, 630, 2370, 1290, 315},
      {"Label5", 4, 2385, 2415, 510, 255},      {"txtHTML", -1, 2940, 2370, 1305, 315},
      {"Command2", 4, 1920, 1620, 360, 315},    {"Command2", 5, 4245, 1620, 360, 315},
      {"Command2", 2, 1920, 1995, 360, 315},    {"Command2", 0, 4245, 1995, 360, 315},
      {"Command2", 1, 1920, 2370, 360, 315},    {"Command2", 3, 4245, 2370, 360, 315},
      {"CmdApply", -1, 2325, 2760, 360, 315},   {"CmdAdd", -1, 3480, 2760, 360, 315},
      {"Pixel", -1, 2715, 2760, 360, 315},      {"cmdCopyPIX", -1, 3855, 2760, 360, 315},
      {"Command1", -1, 4245, 2760, 360, 315},   {"CmdOpen", -1, 3090, 2760, 360, 315},
      {"Label5", 3, 75, 2790, 510, 255},        {"Text3", -1, 630, 2745, 1290, 300},
      {"CmdSearch", -1, 1920, 2760, 360, 300},
      {"PicFrame1", -1, 60, 600, 525, 270},     {"Frame1", -1, 630, 45, 1650, 1530},
      {"Picture1", -1, 0, 0, 1650, 1530},       {"PicPX", -1, 60, 1425, 150, 150},
      {"lblCol", -1, 0, 3120, 4635, 255},       {"Option1", 0, 0, 3390, 1155, 315},
      // Placed by the resize rule: the band from 30 above the RGB row to 30 below the
      // buttons, the strip on the bottom edge and the slide button 30 above it.
      {"Shape3", -1, 0, 1590, 4650, 1515},      {"Shape4", -1, 0, 3120, 4665, 255},
      {"ImgUP_DN", -1, 2100, 3240, 495, 105},
  };
  FrmPickColor w;
  EXPECT_EQ(w.windowTitle(), "Hue Keeper");
  EXPECT_EQ(std::tuple(w.minimumSize(), w.maximumSize()), std::tuple(QSize(310, 225), QSize(310, 225)));
  EXPECT_EQ(w.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
            Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  for (const auto& p : places) {
    QWidget* found = nullptr;
    for (QWidget* c : w.findChildren<QWidget*>(p.name)) {
      if (p.index < 0 || c->property("index").toInt() == p.index) found = c;
    }
    ASSERT_NE(found, nullptr) << p.name << p.index;
    const QRect design(TwipsToPixels(p.left), TwipsToPixels(p.top), TwipsToPixels(p.width),
                       TwipsToPixels(p.height));
    QRect at = found->geometry();
    const bool captioned = found->inherits("QLabel") || found->inherits("QRadioButton");
    if (captioned && at.width() > design.width()) at.setWidth(design.width());
    EXPECT_EQ(at, design) << p.name << "(" << p.index << ")";
  }
}

}  // namespace
}  // namespace hk
