// What the spin control paints at 96 dpi: its twip picture reaches the pixels
// where the geometry puts them, in the palette's system colours.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <cmath>

#include "platform/colours.h"
#include "updowntext/updowntext.h"

namespace hk {
namespace {

// The pixel whose centre lies in the 15-twip stroke that starts at `twips`.
int Px(int twips) { return static_cast<int>(std::floor(twips / 15.0 + 0.5)); }

TEST(UpDownTextRender, StrokesGlyphsNumberAndCursorAtTheirPixels) {
  QPalette pal;  // system colours chosen apart, so each stroke tells which it is
  const QRgb base = qRgb(255, 255, 240), light = qRgb(240, 240, 255), shadow = qRgb(48, 48, 48),
             face = qRgb(192, 200, 208), ink = qRgb(0, 0, 128), grey = qRgb(128, 128, 128);
  for (auto [role, c] : {std::pair(QPalette::Base, base), std::pair(QPalette::Light, light),
                         std::pair(QPalette::Shadow, shadow), std::pair(QPalette::Button, face),
                         std::pair(QPalette::ButtonText, ink), std::pair(QPalette::Text, shadow)}) {
    pal.setColor(role, QColor(c));
  }
  QWidget window;
  window.setPalette(pal);
  UpDownText* editor = CreateMainWindowEditor(&window, QStringLiteral("TxtR"));
  editor->SetValue(5);
  editor->setCursorColor(0x0000FF);  // red, from the next focus on
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  editor->clearFocus();
  const auto render = [editor] {
    QImage img(editor->size(), QImage::Format_RGB32);
    img.fill(Qt::magenta);
    editor->render(&img);
    return img;
  };
  const QImage img = render();
  QTest::mousePress(editor, Qt::LeftButton, {}, QPoint(Px(530), Px(45)));
  const QImage pressed = render();
  QTest::mouseRelease(editor, Qt::LeftButton, {}, QPoint(Px(530), Px(45)));

  // Down a column (y 15 to 112 twips) or along a row (x 430 to 614): released, pressed.
  // clang-format off
  const struct { bool column; int at; QRgb want, wantPressed; } lines[] = {
      {true, Px(430) - 2, base, base}, {true, Px(415), light, light},  // text area, its right edge
      {true, Px(430), light, shadow}, {true, Px(615), shadow, light},   // up button, left and right
      {true, Px(430) + 1, face, face}, {false, 0, light, shadow},        // its face, top edge
      {false, Px(113), shadow, light}, {false, Px(128), light, light},   // bottom; down button top
      {false, Px(240), shadow, shadow},                                  // its bottom
  };
  // clang-format on
  for (const auto& l : lines) {
    for (int i = l.column ? Px(15) : Px(430); i < (l.column ? Px(113) : Px(615)); ++i) {
      const QPoint p = l.column ? QPoint(l.at, i) : QPoint(i, l.at);
      EXPECT_EQ(std::pair(img.pixel(p), pressed.pixel(p)), std::pair(l.want, l.wantPressed))
          << l.at << " " << i;
    }
  }
  // Exactly the pixel rows whose centres fall on the up glyph's twip rows (38 to
  // 86) show it, and the down glyph's (161 to 216); at Max the up glyph is grey.
  for (const int value : {5, 255}) {
    editor->SetValue(value);
    const QImage glyphs = render();
    for (int row = 0, t = 7; row < glyphs.height(); ++row, t += 15) {
      const QRgb want = row < Px(128) && value == 255 ? grey : ink;
      bool has = false;
      for (int x = Px(430) + 1; x < Px(615); ++x) has = has || glyphs.pixel(x, row) == want;
      EXPECT_EQ(has, row < Px(128) ? t >= 38 && t <= 86 : t >= 161 && t <= 216) << row;
    }
  }
  // The number from two pixels inside the frame; with the focus the cursor after it.
  const auto firstInk = [](const QImage& from) {
    for (int x = Px(30); x < Px(415); ++x) {
      for (int y = Px(30); y < Px(225); ++y) {
        if (QColor(from.pixel(x, y)).lightness() < 160) return x;
      }
    }
    return -1;
  };
  EXPECT_LE(std::abs(firstInk(img) - Px(45) - 1), 1);
  editor->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([editor] { return editor->model().CursorVisible(); }));
  const QImage focused = render();
  const int x = Px(editor->model().CursorX());
  EXPECT_EQ(std::tuple(x > firstInk(img), img.pixel(x, Px(60))), std::tuple(true, base));
  for (int y = Px(45); y < Px(editor->model().CursorBottom()); ++y) {
    EXPECT_EQ(focused.pixel(x, y), qRgb(255, 0, 0)) << "CursorColor, row " << y;
  }
}

}  // namespace
}  // namespace hk
