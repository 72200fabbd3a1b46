// The number base converter's window: its controls, Get through Enter and the access
// keys, the pin, Cancel, and one window reopened afresh.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "mainwindow/widgets.h"
#include "platform/twips.h"
#include "tools/fmhex.h"

namespace hk {
namespace {

QRect Twips(int left, int top, int width, int height) {
  return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

QString Caption(QWidget* w) {
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  return static_cast<QGroupBox*>(w)->title();
}

TEST(FmHex, ControlsGetPinCancelAndOneWindowReopenedAfresh) {
  auto owner = std::make_unique<QWidget>();
  QPointer<FmHex> fm = FmHex::ShowConverter(owner.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(fm));
  EXPECT_EQ(fm->windowTitle(), "HexConv");
  EXPECT_EQ(fm->size(), Twips(0, 0, 2460, 3330).size());

  const struct {
    QWidget* control;
    const char* caption;
    QRect place;  // twips, in the control's parent
  } controls[] = {
      {fm->Frame1, "&Options", Twips(45, 30, 2355, 2100)},
      {fm->Option1[0], "Decimal to Hexadecimal", Twips(120, 270, 2175, 255)},
      {fm->Option1[1], "Hexadecimal to Decimal", Twips(120, 570, 2175, 255)},
      {fm->Option1[2], "Decimal to Octal", Twips(120, 870, 2175, 255)},
      {fm->Option1[3], "Octal to Decimal", Twips(120, 1170, 2175, 255)},
      {fm->Option1[4], "ASCII Value of left Char", Twips(120, 1470, 2175, 255)},
      {fm->Option1[5], "ASCII to Character ", Twips(120, 1770, 2175, 255)},
      {fm->Label1, "&Expression:", Twips(120, 2280, 1005, 255)},
      {fm->Label2, "&Result:", Twips(120, 2625, 1005, 255)},
      {fm->Command1[0], "&Get", Twips(450, 2940, 915, 330)},
      {fm->Command1[1], "&Cancel", Twips(1440, 2940, 915, 330)},
      {fm->ImgstickOff, "", Twips(90, 2985, 240, 240)},
      {fm->ImgstickOn, "", Twips(90, 2985, 240, 240)},
  };
  for (const auto& c : controls) {
    EXPECT_EQ(Caption(c.control), c.caption);
    EXPECT_EQ(c.control->geometry(), c.place) << c.caption;
  }
  EXPECT_EQ(fm->Text1->geometry().topLeft(), Twips(1155, 2235, 0, 0).topLeft());
  EXPECT_EQ(fm->lbl->geometry().topLeft(), Twips(1155, 2580, 0, 0).topLeft());
  EXPECT_TRUE(fm->Option1[0]->isChecked());
  EXPECT_EQ(fm->findChildren<QRadioButton*>().size(), kHexConversionCount);
  EXPECT_EQ(fm->ImgstickOn->pixmap().toImage(), PinPicture(true).toImage());
  EXPECT_EQ(fm->ImgstickOff->pixmap().toImage(), PinPicture(false).toImage());

  // The access keys reach the fields; Enter in the expression converts, as Get does.
  QTest::keyClick(fm, Qt::Key_R, Qt::AltModifier);
  EXPECT_TRUE(fm->lbl->hasFocus());
  QTest::keyClick(fm, Qt::Key_E, Qt::AltModifier);
  ASSERT_TRUE(fm->Text1->hasFocus());
  QTest::mouseClick(fm->Option1[1], Qt::LeftButton);
  fm->Text1->setFocus();
  QTest::keyClicks(fm->Text1, "ff");
  QTest::keyClick(fm->Text1, Qt::Key_Return);
  EXPECT_EQ(std::pair(fm->Text1->text(), fm->lbl->text()),
            std::pair(QString("&HFF"), QString("255 ")));
  fm->Option1[1]->setFocus();
  QTest::keyClick(fm->Option1[1], Qt::Key_Down);  // the arrow keys select too
  fm->Text1->setText("9");
  QTest::mouseClick(fm->Command1[0], Qt::LeftButton);
  EXPECT_EQ(fm->lbl->text(), "11 ");

  // The pin keeps the window on top, and lets it go.
  EXPECT_FALSE(fm->ImgstickOn->isVisibleTo(fm));
  QTest::mouseClick(fm->ImgstickOff, Qt::RightButton);
  QTest::mouseClick(fm->ImgstickOff, Qt::LeftButton, {}, QPoint(-1, -1));  // released off it
  EXPECT_FALSE(fm->Sticky());
  QTest::mouseClick(fm->ImgstickOff, Qt::LeftButton);
  EXPECT_TRUE(fm->Sticky());
  EXPECT_TRUE(fm->ImgstickOn->isVisibleTo(fm) && !fm->ImgstickOff->isVisibleTo(fm));
  EXPECT_EQ(fm->ImgstickOn->toolTip(), "Sticky");
  QTest::mouseClick(fm->ImgstickOn, Qt::LeftButton);
  EXPECT_TRUE(!fm->Sticky() && fm->ImgstickOff->isVisibleTo(fm) &&
              !fm->ImgstickOn->isVisibleTo(fm));
  QTest::mouseClick(fm->ImgstickOff, Qt::LeftButton);  // pinned while it is reopened

  // Opening again brings the same window forward.
  fm->showMinimized();
  EXPECT_EQ(FmHex::ShowConverter(owner.get()), fm.data());
  EXPECT_FALSE(fm->isMinimized());
  EXPECT_TRUE(fm->isVisible());

  // Cancel ends the window; the next one starts afresh, its selected option and the
  // conversion it makes in agreement.
  QTest::mouseClick(fm->Command1[1], Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_TRUE(fm.isNull());
  fm = FmHex::ShowConverter(owner.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(fm));
  EXPECT_TRUE(fm->Option1[0]->isChecked());
  EXPECT_FALSE(fm->Sticky());
  QTest::keyClicks(fm->Text1, "255");
  QTest::keyClick(fm->Text1, Qt::Key_Enter);
  EXPECT_EQ(fm->lbl->text(), "FF ");

  owner.reset();  // the converter does not outlive the window that opened it
  EXPECT_TRUE(fm.isNull());
}

}  // namespace
}  // namespace hk
