// What the spin control paints at 96 dpi: its twip picture reaches the pixels
// where the geometry puts them, in the palette's system colours.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <cmath>
#include <memory>

#include "platform/colours.h"
#include "platform/twips.h"
#include "updowntext/updowntext.h"

namespace hk {
namespace {

// The pixel whose centre lies in the 15-twip stroke that starts at `twips`.
int Px(int twips) { return static_cast<int>(std::floor(twips / 15.0 + 0.5)); }

class UpDownTextRender : public ::testing::Test {
 protected:
  void SetUp() override {
    // Palette colours chosen apart, so each stroke tells which it is.
    QPalette pal = QApplication::palette();
    pal.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xF0));      // window background
    pal.setColor(QPalette::Text, QColor(0x10, 0x20, 0x30));      // window text
    pal.setColor(QPalette::Light, QColor(0xF0, 0xF0, 0xFF));     // 3D highlight
    pal.setColor(QPalette::Shadow, QColor(0x30, 0x30, 0x30));    // 3D dark shadow
    pal.setColor(QPalette::Midlight, QColor(0xD0, 0xD0, 0xD0));  // 3D light
    pal.setColor(QPalette::Button, QColor(0xC0, 0xC8, 0xD0));    // button face
    pal.setColor(QPalette::ButtonText, QColor(0x00, 0x00, 0x80));
    window = std::make_unique<QWidget>();
    window->setPalette(pal);
    window->resize(120, 60);
    editor = CreateMainWindowEditor(window.get(), QStringLiteral("TxtR"));
    editor->move(5, 5);
    editor->SetValue(5);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    editor->clearFocus();  // the tests give the focus when they need it
    ASSERT_EQ(editor->size(), QSize(42, 17));
  }

  QImage Render() {
    QImage img(editor->size(), QImage::Format_RGB32);
    img.fill(Qt::magenta);
    editor->render(&img);
    return img;
  }
  QRgb Colour(LongColour c) const { return ToQColor(c, editor->palette()).rgb(); }

  std::unique_ptr<QWidget> window;
  UpDownText* editor = nullptr;
};

TEST_F(UpDownTextRender, EdgesAtTheirTwips) {
  const QRgb base = Colour(kSysWindowBackground), light = Colour(kSys3DHighlight),
             shadow = Colour(kSys3DDarkShadow), face = Colour(kSysButtonFace);
  const QImage img = Render();
  QTest::mousePress(editor, Qt::LeftButton, {}, QPoint(Px(530), Px(45)));
  const QImage pressed = Render();
  QTest::mouseRelease(editor, Qt::LeftButton, {}, QPoint(Px(530), Px(45)));
  // Down a column (y from 15 to 112 twips) and along a row (x from 430 to 614).
  const struct { bool column; int at; QRgb want, wantPressed; const char* what; } lines[] = {
      {true, Px(430) - 2, base, base, "text area"},
      {true, Px(415), light, light, "text frame, right edge"},
      {true, Px(430), light, shadow, "up button, left edge: dark when sunk"},
      {true, Px(615), shadow, light, "up button, right edge"},
      {false, 0, light, shadow, "up button, top edge"},
      {false, Px(113), shadow, light, "up button, bottom edge"},
      {false, Px(128), light, light, "down button, top edge: stays raised"},
      {false, Px(240), shadow, shadow, "down button, bottom edge"},
  };
  for (const auto& l : lines) {
    for (int i = l.column ? Px(15) : Px(430); i < (l.column ? Px(113) : Px(615)); ++i) {
      const QPoint p = l.column ? QPoint(l.at, i) : QPoint(i, l.at);
      EXPECT_EQ(std::tuple(img.pixel(p), pressed.pixel(p)), std::tuple(l.want, l.wantPressed))
          << l.what << " at " << i;
    }
  }
  EXPECT_EQ(img.pixel(Px(430) + 1, Px(15)), face);
  EXPECT_EQ(img.pixel(Px(430) + 1, Px(128) + 1), face);
  // The text frame: dark shadow above and left, highlight below.
  EXPECT_EQ(std::tuple(img.pixel(Px(200), 0), img.pixel(0, Px(120)), img.pixel(Px(200), Px(240))),
            std::tuple(shadow, shadow, light));
}

TEST_F(UpDownTextRender, GlyphRowsGreyAtTheLimit) {
  const QRgb ink = Colour(kSysButtonText), grey = qRgb(0x80, 0x80, 0x80);
  // Whether pixel row `row` of the button column holds colour `c`.
  const auto rowHas = [](const QImage& img, int row, QRgb c) {
    for (int x = Px(430) + 1; x < Px(615); ++x) {
      if (img.pixel(x, row) == c) return true;
    }
    return false;
  };
  // Exactly the pixel rows whose centres fall on the up glyph's twip rows (38 to
  // 86) show it in the up button, and the down glyph's (161 to 216) below.
  for (const int value : {5, 255}) {
    editor->SetValue(value);
    const QImage img = Render();
    const QRgb up = value == 255 ? grey : ink;
    for (int row = 0; row < img.height(); ++row) {
      const int t = row * kTwipsPerPixel + kTwipsPerPixel / 2;
      const bool inUp = row < Px(128);
      EXPECT_EQ(rowHas(img, row, inUp ? up : ink), inUp ? t >= 38 && t <= 86 : t >= 161 && t <= 216)
          << value << ": row " << row;
    }
    EXPECT_EQ(rowHas(img, Px(60), ink), value != 255) << "no dark pixel left in a grey glyph";
  }
}

TEST_F(UpDownTextRender, NumberAndCursor) {
  const auto firstInk = [](const QImage& img) {  // the first column the number reaches
    for (int x = Px(30); x < Px(415); ++x) {
      for (int y = Px(30); y < Px(225); ++y) {
        if (QColor(img.pixel(x, y)).lightness() < 160) return x;
      }
    }
    return -1;
  };
  const QImage thin = Render();
  const int ink = firstInk(thin);
  EXPECT_GE(ink, Px(45)) << "printed from two pixels inside the frame";
  EXPECT_LE(ink, Px(45) + 2);
  editor->setBorderType(1);
  EXPECT_EQ(firstInk(Render()), ink + 1) << "the thick frame moves the number one pixel in";
  editor->setBorderType(0);

  // With the focus the cursor stands right after the number, in CursorColor.
  editor->setCursorColor(0x0000FF);
  editor->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([this] { return editor->model().CursorVisible(); }));
  const QImage focused = Render();
  const int x = Px(editor->model().CursorX());
  EXPECT_GT(x, ink) << "after the 5";
  for (int y = Px(45); y < Px(editor->model().CursorBottom()); ++y) {
    EXPECT_EQ(focused.pixel(x, y), qRgb(0xFF, 0, 0)) << y;
  }
  EXPECT_EQ(thin.pixel(x, Px(60)), Colour(kSysWindowBackground)) << "no cursor without the focus";
}

}  // namespace
}  // namespace hk
