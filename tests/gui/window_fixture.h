// The main window under test: its dialogs scripted, its exit counted, its files its own.
#pragma once

#include <gmock/gmock.h>

#include <QtTest>
#include <QtWidgets>

#include "../test_support.h"
#include "colour/modhslv.h"
#include "mainwindow/channeleditors.h"
#include "mainwindow/colourtablepanel.h"
#include "mainwindow/frmpickcolor.h"
#include "picker/bmpfile.h"
#include "picker/magnifier.h"
#include "picker/screenpicker.h"
#include "platform/colours.h"
#include "updowntext/updowntext.h"

namespace hk {

inline QByteArray Record(std::uint32_t colour, std::string_view name) {
  return QByteArray::fromStdString(testing::Record(colour, name));
}

inline void Mouse(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButton button,
                  Qt::MouseButtons held) {
  QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

inline void Wheel(QWidget* w, int delta) {
  QWheelEvent e(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(w, &e);
}

// A screen whose every pixel tells where it is: red the column, green the row.
struct FakeScreen : ScreenSource {
  static std::uint32_t At(int x, int y) { return (x & 0xFF) << 16 | (y & 0xFF) << 8 | 0x40; }
  static LongColour LongAt(int x, int y) { return RGB(x & 0xFF, y & 0xFF, 0x40); }
  std::optional<ScreenPoint> PointerPosition() override { return pointer; }
  void MovePointer(int dx, int dy) override { pointer = {pointer.x + dx, pointer.y + dy}; }
  std::optional<PixelImage> Capture(const PixelRect& area) override {
    PixelImage image(area.width, area.height);
    for (int y = 0; y < area.height; ++y)
      for (int x = 0; x < area.width; ++x) image.at(x, y) = At(area.left + x, area.top + y);
    return image;
  }
  ScreenPoint pointer{300, 200};
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath("store"));
  }
  void TearDown() override { MaxHue = 240.0f; }

  void Start(bool load = true) {
    w = std::make_unique<FrmPickColor>();
    w->SetDialogs(&dialogs);
    w->SetExitHook([this] { ++exits; });
    if (load) w->Form_Load(dir.path());
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
  }
  void StartWithScreen() {
    Start();
    w->SetScreenSource(std::unique_ptr<ScreenSource>(screen = new FakeScreen));
  }
  QImage PickOnce() {
    QTest::mousePress(Child("Pixel"), Qt::LeftButton);
    w->picker().Timer1_Timer();
    QTest::mouseRelease(Child("Pixel"), Qt::LeftButton);
    return w->magnifier().Picture();
  }

  template <typename T = QWidget>
  T* Child(const char* name) {
    return w->findChild<T*>(name);
  }
  QString Text(const char* label) { return Child<QLabel>(label)->text(); }
  bool Shown(const char* name) { return Child(name)->isVisible(); }
  void Write(const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
  }
  QByteArray Read(const QString& name) {
    QFile f(dir.filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
  }
  static QByteArray Bmp(const QImage& image) {
    return QByteArray::fromStdString(EncodeBmp24(FromQImage(image)));
  }

  QTemporaryDir dir;
  testing::ScriptedDialogs dialogs;
  std::unique_ptr<FrmPickColor> w;
  FakeScreen* screen = nullptr;
  int exits = 0;
};

}  // namespace hk
