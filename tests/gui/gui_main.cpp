// GUI tests run the real widgets on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Hue Keeper"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
