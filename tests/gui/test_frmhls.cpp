// The HLS picker dialog, driven while it is open: what it shows for the colour it
// is given, what the plane, the bar and the marker pick, and what it returns.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <functional>

#include "colour/modhslv.h"
#include "tools/frmhls.h"

namespace hk {
namespace {

class HLSDialogTest : public ::testing::Test {
 protected:
  void TearDown() override { MaxHue = 240.0f; }

  // ShowColor, with `act` run on the open dialog before it is closed.
  LongColour Show(LongColour colour, float maxHue, std::function<void(frmHLS&)> act) {
    bool acted = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<frmHLS*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      EXPECT_TRUE(dialog->isModal());
      EXPECT_EQ(dialog->windowTitle(), "Hue Saturation Lightness - Hue Keeper");
      act(*dialog);
      acted = true;
      dialog->close();
    });
    const LongColour result = frmHLS::ShowColor(colour, &owner, maxHue);
    EXPECT_TRUE(acted);
    return result;
  }

  static QStringList Fields(frmHLS& d) {
    QStringList texts;
    for (int i = 0; i < 10; ++i)
      texts << d.findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i))->text();
    return texts;
  }
  static void Mouse(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButton button,
                    Qt::MouseButtons held) {
    QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
  static QWidget* Child(frmHLS& d, const char* name) {
    return d.findChild<QWidget*>(QString::fromLatin1(name));
  }
  // The marker's tip, in pixels down the bar.
  static int Tip(frmHLS& d) { return Child(d, "Picture1")->y() + 6 - Child(d, "picLum")->y(); }

  QWidget owner;
};

TEST_F(HLSDialogTest, OpensOnTheColourAndReturnsItsRoundedPick) {
  // Red on the 360 scale: the cross at the top left corner, the marker halfway.
  const LongColour red = Show(RGB(255, 0, 0), 360, [](frmHLS& d) {
    const QImage plane = Child(d, "picHLS")->grab().toImage();
    EXPECT_EQ(plane.pixel(0, 0), qRgb(255, 0, 0));  // the gap leaves the point itself
    const QRgb white = qRgb(255, 255, 255);
    EXPECT_NE(plane.pixel(3, 0), white);
    EXPECT_EQ(plane.pixel(4, 0), white);
    EXPECT_EQ(plane.pixel(13, 1), white);
    EXPECT_NE(plane.pixel(14, 1), white);
    EXPECT_EQ(plane.pixel(1, 13), white);
    EXPECT_NE(plane.pixel(1, 14), white);
    EXPECT_NE(plane.pixel(2, 8), white);
    EXPECT_EQ(Tip(d), 120);
    EXPECT_EQ(Fields(d).join(' '), "255 0 0 0 255 255 0 0 240 120");
    // Side by side: the plane, the marker, the bar, 6 pixels apart the values.
    const QRect hls = Child(d, "picHLS")->geometry(), marker = Child(d, "Picture1")->geometry(),
                bar = Child(d, "picLum")->geometry(), values = Child(d, "Frame1")->geometry();
    EXPECT_EQ(marker.left(), hls.right() + 1);
    EXPECT_EQ(bar.left(), marker.right() + 1);
    EXPECT_EQ(values.left(), bar.right() + 7);
    EXPECT_TRUE(d.rect().contains(hls | bar | values | Child(d, "picColorSample")->geometry()));
    for (int i = 0; i < 10; ++i) {  // each value and its label whole inside the frame
      const QRect field = Child(d, qPrintable(QStringLiteral("Text1_%1").arg(i)))->geometry();
      const QRect label = Child(d, qPrintable(QStringLiteral("Label1_%1").arg(i)))->geometry();
      EXPECT_TRUE(QRect(QPoint(), values.size()).contains(field | label)) << i;
      EXPECT_FALSE(field.intersects(label)) << i;
    }
    EXPECT_EQ(d.grab().toImage().pixel(marker.left() + 6, marker.top() + 6), qRgb(0, 0, 0));
    // Dragging with the right button picks nothing.
    for (const char* name : {"picHLS", "picLum"}) {
      Mouse(Child(d, name), QEvent::MouseButtonPress, {30, 200}, Qt::RightButton, Qt::RightButton);
      Mouse(Child(d, name), QEvent::MouseMove, {40, 210}, Qt::NoButton, Qt::RightButton);
    }
    EXPECT_EQ(Fields(d).join(' '), "255 0 0 0 255 255 0 0 240 120");
  });
  EXPECT_EQ(red, RGB(255, 0, 0));
  EXPECT_EQ(MaxHue, 240.0f);  // the window's own scale is back

  // Lightness 42.35294 is placed as 42: the fields show the colour given, the
  // dialog returns the colour of the rounded values.
  const LongColour dark = Show(RGB(90, 0, 0), 240, [](frmHLS& d) {
    EXPECT_EQ(Fields(d).join(' '), "90 0 0 0 255 255 165 0 240 42.35294");
    EXPECT_EQ(Tip(d), 198);  // (1 - 42 / 240) * 240 = 198
    auto* field = d.findChild<QLineEdit*>(QStringLiteral("Text1_9"));
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(field, &focus);
    QApplication::processEvents();
    EXPECT_EQ(field->selectedText(), "42.35294");
  });
  EXPECT_EQ(dark, RGB(89, 0, 0));
}

TEST_F(HLSDialogTest, PlaneBarAndMarkerPickWithTheLeftButton) {
  const LongColour picked = Show(RGB(90, 0, 0), 240, [](frmHLS& d) {
    QWidget* plane = Child(d, "picHLS");
    // Hue 80 at full saturation keeps the bar's lightness 42.
    Mouse(plane, QEvent::MouseButtonPress, {80, 0}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(Fields(d).mid(0, 3).join(' '), "0 89 0");
    // A drag outside the plane is ignored.
    Mouse(plane, QEvent::MouseMove, {-1, 100}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(Fields(d).mid(0, 3).join(' '), "0 89 0");
    // A click at the very top of the bar is white, the marker at its top.
    Mouse(Child(d, "picLum"), QEvent::MouseButtonPress, {5, 0}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(Fields(d).join(' '), "255 255 255 0 0 0 0 0 0 240");
    EXPECT_EQ(Tip(d), 0);
    // The marker held at its tip and dragged 130 pixels down: lightness 110, with
    // the plane's hue, not the white's.
    QWidget* marker = Child(d, "Picture1");
    Mouse(marker, QEvent::MouseButtonPress, {5, 6}, Qt::LeftButton, Qt::LeftButton);
    Mouse(marker, QEvent::MouseMove, {5, 136}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(Tip(d), 130);
    EXPECT_EQ(Fields(d)[9], "110.1176");  // as (0, 234, 0) has it
    // Past the bottom of the bar it stays where it was.
    Mouse(marker, QEvent::MouseMove, {5, 117}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(Tip(d), 130);
    // The bar shows the plane's hue from white down to lightness 2.
    const QImage bar = Child(d, "picLum")->grab().toImage();
    EXPECT_EQ(bar.pixel(5, 0), qRgb(255, 255, 255));
    EXPECT_EQ(bar.pixel(5, 239), qRgb(0, 4, 0));
  });
  EXPECT_EQ(picked, RGB(0, 234, 0));
}

TEST_F(HLSDialogTest, ArrowKeysPickOnThePlaneAndTheBarAsTheMouseDoes) {
  Show(RGB(90, 0, 0), 240, [](frmHLS& d) {
    QWidget* plane = Child(d, "picHLS");
    // From the cross at the top left: ten right, one down; left of the edge stays.
    QTest::keyClick(plane, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(plane, Qt::Key_Down);
    QTest::keyClick(plane, Qt::Key_Up);
    QTest::keyClick(plane, Qt::Key_Up);
    QTest::keyClick(plane, Qt::Key_Down);
    const QStringList keyed = Fields(d);
    Mouse(plane, QEvent::MouseButtonPress, {0, 0}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_NE(Fields(d), keyed);
    Mouse(plane, QEvent::MouseButtonPress, {10, 1}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(Fields(d), keyed);
    // Up on the bar is lighter, one pixel a press.
    QTest::keyClick(Child(d, "picLum"), Qt::Key_Up);
    QTest::keyClick(Child(d, "picLum"), Qt::Key_Up);
    EXPECT_EQ(Tip(d), 196);
    const QStringList lighter = Fields(d);
    EXPECT_NE(lighter, keyed);
    Mouse(Child(d, "picLum"), QEvent::MouseButtonPress, {5, 196}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(Fields(d), lighter);
    // The sample tells its colour in the notations.
    const QString rgb = QStringLiteral("; RGB ") + Fields(d).mid(0, 3).join(QStringLiteral(", "));
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(Child(d, "picColorSample"))
                    ->text(QAccessible::Description)
                    .contains(rgb));
  });
}

}  // namespace
}  // namespace hk
