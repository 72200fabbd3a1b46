#include <gtest/gtest.h>

#include <QTest>

#include "mainwindow/frmpickcolor.h"

namespace hk {
namespace {

TEST(FrmPickColor, CaptionAndFixedDesignSize) {
  FrmPickColor w;
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  EXPECT_EQ(w.windowTitle(), "Hue Keeper");
  EXPECT_EQ(w.objectName(), "FrmPickColor");
  // 4650 x 3375 twips at 15 twips a pixel.
  EXPECT_EQ(w.size(), QSize(310, 225));
  EXPECT_EQ(w.minimumSize(), w.maximumSize()) << "the user cannot resize it";
  const Qt::WindowFlags f = w.windowFlags();
  EXPECT_FALSE(f.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(f.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(f.testFlag(Qt::WindowCloseButtonHint));
}

}  // namespace
}  // namespace hk
