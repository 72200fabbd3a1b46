// The measure window: its controls, the instruction kept along the bottom, the
// caption and the box following real mouse events, and the compositor check that
// decides whether it may be translucent.
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QLabel>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <tuple>

#include "tools/compositor.h"
#include "tools/frmmeasure.h"
#include "tools/modtransluency.h"

namespace hk {
namespace {

bool Red(const QImage& image, int x, int y) { return image.pixelColor(x, y) == QColor(255, 0, 0); }

TEST(FrmMeasure, ShowsOpaqueAndMeasuresWithTheLeftButton) {
  frmMeasure m;
  m.Open();  // offscreen nothing composites: the window stays opaque
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&m));
  EXPECT_EQ(m.windowOpacity(), 1.0);
  EXPECT_TRUE(m.windowFlags().testFlag(Qt::Tool));
  EXPECT_EQ(m.size(), QSize(312, 206));
  auto* label1 = m.findChild<QLabel*>(QStringLiteral("Label1"));
  auto* label2 = m.findChild<QLabel*>(QStringLiteral("Label2"));
  ASSERT_TRUE(label1 && label2 && m.findChild<QWidget*>(QStringLiteral("Shape1")));
  EXPECT_EQ(label1->text(), QString::fromLatin1(frmMeasure::kInstruction));
  EXPECT_EQ(label2->text(), QStringLiteral(".."));
  EXPECT_EQ(label2->geometry(), QRect(0, 1, 66, 15));
  // Along the bottom at every size, at least its designed 41 pixels high and high
  // enough for every line of the instruction.
  for (const QSize size : {QSize(500, 120), QSize(312, 206)}) {
    m.resize(size);
    EXPECT_EQ(std::make_tuple(label1->x(), label1->geometry().bottom() + 1, label1->width()),
              std::make_tuple(0, size.height(), size.width()));
    EXPECT_GE(label1->height(), std::max(41, label1->heightForWidth(size.width())));
  }

  QTest::mouseMove(&m, QPoint(100, 50));
  EXPECT_EQ(m.windowTitle(), QStringLiteral("Measure 1500, 750"));
  EXPECT_EQ(m.point(), (MeasuredPoint{0, 0}));
  QTest::mousePress(&m, Qt::RightButton, {}, QPoint(60, 40));
  QTest::mouseRelease(&m, Qt::RightButton, {}, QPoint(60, 40));
  EXPECT_EQ(m.point(), (MeasuredPoint{0, 0}));
  QTest::mousePress(&m, Qt::LeftButton, {}, QPoint(150, 100));
  EXPECT_EQ(m.windowTitle(), QStringLiteral("Measure 2250, 1500"));
  EXPECT_EQ(m.point(), (MeasuredPoint{2250, 1500}));

  const QImage shown = m.grab().toImage();
  EXPECT_TRUE(Red(shown, 150, 50));                           // right edge, down from the top
  EXPECT_TRUE(Red(shown, 75, 100));                           // bottom edge, across from the left
  EXPECT_FALSE(Red(shown, 100, 50));                          // inside the box
  EXPECT_FALSE(Red(shown, 150, 120));                         // below the point
  EXPECT_EQ(shown.pixelColor(60, 8), QColor(224, 224, 224));  // the grey behind ".."

  // Closed and opened again: loaded afresh, the point kept.
  m.resize(400, 300);
  m.close();
  m.Open();
  EXPECT_EQ(m.windowTitle(), QStringLiteral("Measure"));
  EXPECT_EQ(m.size(), QSize(312, 206));
  EXPECT_EQ(m.point(), (MeasuredPoint{2250, 1500}));
}

// The alpha goes to the window reached through shown parents; a hidden parent ends
// the climb below any window, where there is nothing to set.
TEST(FrmMeasure, TranslucencyGoesToTheShownTopLevelWindow) {
  QWidget window, hidden;
  QWidget* inShown = new QWidget(new QWidget(&window));
  QWidget* inHidden = new QWidget(&hidden);
  auto* tool = new frmMeasure(&window);  // a window of its own, not its opener's
  window.show();
  EXPECT_EQ(GetTopLevelWindow(tool), tool);
  EXPECT_FALSE(SetTranslucency(inShown, 178, false));
  EXPECT_EQ(window.windowOpacity(), 1.0);
  for (int i = 0; i < 2; ++i) {  // twice: the same alpha, the same answer
    EXPECT_TRUE(SetTranslucency(inShown, 178, true));
    EXPECT_NEAR(window.windowOpacity(), 178 / 255.0, 1e-3);
  }
  EXPECT_FALSE(SetTranslucency(inHidden, 51, true));
  EXPECT_EQ(hidden.windowOpacity(), 1.0);
}

TEST(FrmMeasure, CompositorIsTheOwnerOfTheScreenSelection) {
  // A private X server: its process id, then its display number once it is ready.
  FILE* xvfb = ::popen("Xvfb -displayfd 1 -nolisten tcp 2>/dev/null & echo $!", "r");
  int pid = 0, display = -1;
  const bool started = xvfb && std::fscanf(xvfb, "%d %d", &pid, &display) == 2;
  if (xvfb) ::pclose(xvfb);
  if (!started) GTEST_SKIP() << "no Xvfb";
  const std::unique_ptr<int, void (*)(int*)> stop(&pid, [](int* p) { ::kill(*p, SIGTERM); });
  const std::string name = ":" + std::to_string(display);
  xcb_connection_t* c = xcb_connect(name.c_str(), nullptr);
  ASSERT_EQ(xcb_connection_has_error(c), 0);
  EXPECT_FALSE(CompositorRunning(c, 0));

  // Stand in for a compositing manager: own _NET_WM_CM_S0 with a window of ours.
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const xcb_window_t owner = xcb_generate_id(c);
  xcb_create_window(c, XCB_COPY_FROM_PARENT, owner, screen->root, 0, 0, 1, 1, 0,
                    XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
  xcb_intern_atom_reply_t* atom =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 13, "_NET_WM_CM_S0"), nullptr);
  ASSERT_NE(atom, nullptr);
  xcb_set_selection_owner(c, owner, atom->atom, XCB_CURRENT_TIME);
  std::free(atom);
  EXPECT_TRUE(CompositorRunning(c, 0));
  EXPECT_FALSE(CompositorRunning(c, 1));  // another screen's selection
  xcb_disconnect(c);
  EXPECT_FALSE(CompositorRunning(nullptr, 0));
}

}  // namespace
}  // namespace hk
