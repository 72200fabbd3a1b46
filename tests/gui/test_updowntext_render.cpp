// What the spin control paints, at 96 dpi: frame, buttons, glyphs, text and
// cursor where their twip geometry puts them. Also writes updowntext_states.png
// (normal, focused, pressed, at Max, a new control) into the build folder to look at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
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

QImage Render(QWidget* w) {
  QImage img(w->size(), QImage::Format_RGB32);
  img.setDevicePixelRatio(1.0);
  img.fill(Qt::magenta);
  w->render(&img);
  return img;
}

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
    // The window hands its focus to the control; the tests give it when they need it.
    editor->clearFocus();
    ASSERT_FALSE(editor->model().HasFocus());
    ASSERT_EQ(editor->size(), QSize(42, 17));
  }

  QRgb Colour(LongColour c) const { return ToQColor(c, editor->palette()).rgb(); }

  // The control rendered while the left button holds its up button down.
  QImage RenderUpPressed() {
    const QPoint up(Px(530), Px(45));
    QTest::mousePress(editor, Qt::LeftButton, {}, up);
    const QImage img = Render(editor);
    QTest::mouseRelease(editor, Qt::LeftButton, {}, up);
    return img;
  }

  // Whether pixel row `row` of the button columns holds colour `c`.
  static bool RowHas(const QImage& img, int row, QRgb c) {
    for (int x = Px(430) + 1; x < Px(615); ++x) {
      if (img.pixel(x, row) == c) return true;
    }
    return false;
  }

  // Exactly the pixel rows whose centres fall on the up glyph's twip rows (38 to
  // 86) show `up` in the up button, and the down glyph's (161 to 216) `down` below.
  static void CheckGlyphRows(const QImage& img, QRgb up, QRgb down) {
    int upRows = 0, downRows = 0;
    for (int row = 0; row < img.height(); ++row) {
      const int t = row * kTwipsPerPixel + kTwipsPerPixel / 2;
      const bool inUpButton = row < Px(128), upRow = t >= 38 && t <= 86,
                 downRow = t >= 161 && t <= 216;
      EXPECT_EQ(RowHas(img, row, inUpButton ? up : down), inUpButton ? upRow : downRow)
          << "row " << row;
      upRows += upRow;
      downRows += downRow;
    }
    EXPECT_EQ(upRows, 3);
    EXPECT_EQ(downRows, 3);
  }

  std::unique_ptr<QWidget> window;
  UpDownText* editor = nullptr;
};

TEST_F(UpDownTextRender, ButtonEdgesAtTheirTwips) {
  const QRgb base = Colour(kSysWindowBackground), light = Colour(kSys3DHighlight),
             shadow = Colour(kSys3DDarkShadow), face = Colour(kSysButtonFace);
  const QImage img = Render(editor), pressed = RenderUpPressed();
  // x = 430: the text frame's right edge ends there and the buttons begin.
  for (int y = Px(15); y < Px(113); ++y) {
    EXPECT_EQ(img.pixel(Px(430) - 2, y), base) << y;
    EXPECT_EQ(img.pixel(Px(415), y), light) << "text frame, right edge, row " << y;
    EXPECT_EQ(img.pixel(Px(430), y), light) << "up button, left edge, row " << y;
    EXPECT_EQ(img.pixel(Px(615), y), shadow) << "up button, right edge, row " << y;
    // Pressed, the up button sinks: its left edge turns dark.
    EXPECT_EQ(pressed.pixel(Px(415), y), light) << y;
    EXPECT_EQ(pressed.pixel(Px(430), y), shadow) << y;
  }
  for (int x = Px(430); x < Px(615); ++x) {
    EXPECT_EQ(img.pixel(x, 0), light) << "up button, top edge, column " << x;
    // y = 128: the up button's lower edge above it, the down button from it on.
    EXPECT_EQ(img.pixel(x, Px(113)), shadow) << "up button, bottom edge, column " << x;
    EXPECT_EQ(img.pixel(x, Px(128)), light) << "down button, top edge, column " << x;
    EXPECT_EQ(img.pixel(x, Px(240)), shadow) << "down button, bottom edge, column " << x;
  }
  EXPECT_EQ(img.pixel(Px(430) + 1, Px(15)), face);
  EXPECT_EQ(img.pixel(Px(430) + 1, Px(128) + 1), face);
  EXPECT_EQ(pressed.pixel(Px(430), Px(128)), light) << "the down button stays raised";
  // The text frame: dark shadow above and left, highlight below and right.
  EXPECT_EQ(img.pixel(Px(200), 0), shadow);
  EXPECT_EQ(img.pixel(0, Px(120)), shadow);
  EXPECT_EQ(img.pixel(Px(200), Px(240)), light);
}

TEST_F(UpDownTextRender, GlyphRowsAndTheGreyedUpGlyphAtMax) {
  const QRgb glyph = Colour(kSysButtonText);
  CheckGlyphRows(Render(editor), glyph, glyph);
  ASSERT_TRUE(editor->SetValue(255));
  const QImage atMax = Render(editor);
  CheckGlyphRows(atMax, qRgb(0x80, 0x80, 0x80), glyph);
  EXPECT_FALSE(RowHas(atMax, Px(60), glyph)) << "no dark pixel left in the up glyph";
  // Held on at Max, the up button stays raised with its grey glyph.
  const QRect buttons(Px(430), 0, Px(630) - Px(430), Px(255));
  EXPECT_EQ(RenderUpPressed().copy(buttons), atMax.copy(buttons));
}

TEST_F(UpDownTextRender, NumberCursorAndThickFrame) {
  const QRgb light = Colour(kSys3DHighlight), shadow = Colour(kSys3DDarkShadow);
  // The first column the number's ink reaches, left to right.
  const auto firstInk = [](const QImage& img) {
    for (int x = Px(30); x < Px(415); ++x) {
      for (int y = Px(30); y < Px(225); ++y) {
        if (QColor(img.pixel(x, y)).lightness() < 160) return x;
      }
    }
    return -1;
  };
  const QImage thin = Render(editor);
  const int ink = firstInk(thin);
  EXPECT_GE(ink, Px(45)) << "printed from two pixels inside the frame";
  EXPECT_LE(ink, Px(45) + 2);

  editor->setBorderType(1);
  const QImage thick = Render(editor);
  EXPECT_EQ(firstInk(thick), ink + 1) << "the thick frame moves the number one pixel in";
  EXPECT_EQ(thick.pixel(Px(200), 0), Colour(kSys3DLight)) << "outer top edge";
  EXPECT_EQ(thick.pixel(Px(200), 1), shadow) << "inner top edge";
  EXPECT_EQ(thick.pixel(Px(200), Px(240)), shadow) << "outer bottom edge";
  EXPECT_EQ(thick.pixel(Px(200), Px(225)), light) << "inner bottom edge";
  editor->setBorderType(0);

  // With the focus the cursor stands right after the number, in CursorColor.
  editor->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([this] { return editor->model().CursorVisible(); }));
  const QImage focused = Render(editor);
  const int x = Px(editor->model().CursorX());
  EXPECT_GT(x, ink) << "after the 5";
  for (int y = Px(45); y < Px(editor->model().CursorBottom()); ++y) {
    EXPECT_EQ(focused.pixel(x, y), qRgb(0, 0, 0)) << y;
  }
  EXPECT_EQ(thin.pixel(x, Px(60)), Colour(kSysWindowBackground)) << "no cursor without the focus";
}

TEST_F(UpDownTextRender, PictureOfTheStates) {
  window->setPalette(QApplication::palette());  // the program's own, as a user sees it
  editor->SetValue(128);
  std::vector<QImage> states{Render(editor)};
  editor->setFocus();
  QTest::keyClick(editor, Qt::Key_End);
  ASSERT_TRUE(QTest::qWaitFor([this] { return editor->model().CursorVisible(); }));
  states.push_back(Render(editor));
  states.push_back(RenderUpPressed());
  editor->SetValue(255);
  states.push_back(Render(editor));
  auto* fresh = new UpDownText(window.get());  // a new instance's own colours
  fresh->setBorderType(1);
  fresh->SetValue(42);
  states.push_back(Render(fresh));
  EXPECT_NE(states[0], states[1]) << "the focus shows the cursor";
  EXPECT_NE(states[1], states[2]) << "a pressed button looks different";
  EXPECT_NE(states[0], states[3]);

  // Each state eight times enlarged, and as it is below it.
  constexpr int kZoom = 8, kGap = 4;
  const QSize one = states.front().size();
  QImage sheet((one.width() + kGap) * static_cast<int>(states.size()) * kZoom,
               one.height() * kZoom + one.height() + kGap * 2, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter p(&sheet);
  for (std::size_t i = 0; i < states.size(); ++i) {
    const int x = static_cast<int>(i) * (one.width() + kGap) * kZoom;
    p.drawImage(QRect(x, 0, one.width() * kZoom, one.height() * kZoom), states[i]);
    p.drawImage(QPoint(x, one.height() * kZoom + kGap), states[i]);
  }
  p.end();
  const QString path = QStringLiteral(HK_TEST_OUTPUT_DIR "/updowntext_states.png");
  EXPECT_TRUE(sheet.save(path)) << path.toStdString();
}

}  // namespace
}  // namespace hk
