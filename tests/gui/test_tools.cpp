// The tool windows as the user drives them, and the desktop layer under the program.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "platform/singleinstance.h"
#include "tools/fmhex.h"
#include "tools/frmhls.h"
#include "tools/frmmeasure.h"
#include "window_fixture.h"

namespace hk {
namespace {

TEST(FmHex, EnterConvertsCancelEndsItAndItGoesWithItsOwner) {
  auto owner = std::make_unique<QWidget>();
  QPointer<FmHex> fm = FmHex::ShowConverter(owner.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(fm));
  QTest::mouseClick(fm->Option1[1], Qt::LeftButton);
  fm->Text1->setFocus();
  QTest::keyClicks(fm->Text1, "ff");
  QTest::keyClick(fm->Text1, Qt::Key_Return);
  EXPECT_EQ(std::pair(fm->Text1->text(), fm->lbl->text()),
            std::pair(QString("&HFF"), QString("255 ")));
  QTest::mouseClick(fm->Command1[1], Qt::LeftButton);  // Cancel ends it
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_TRUE(fm.isNull());
  fm = FmHex::ShowConverter(owner.get());
  owner.reset();  // the converter does not outlive the window that opened it
  EXPECT_TRUE(fm.isNull());
}

class HLSDialog : public ::testing::Test {
 protected:
  void TearDown() override { MaxHue = 240.0f; }

  LongColour Show(LongColour colour, float maxHue, std::function<void(frmHLS&)> act) {
    bool acted = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<frmHLS*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      act(*dialog);
      acted = true;
      dialog->close();
    });
    const LongColour result = frmHLS::ShowColor(colour, &owner, maxHue);
    EXPECT_TRUE(acted);
    return result;
  }
  static QString Fields(frmHLS& d, int first = 0, int last = 9) {
    QStringList texts;
    for (int i = first; i <= last; ++i)
      texts << Child<QLineEdit>(d, QString("Text1_%1").arg(i))->text();
    return texts.join(' ');
  }
  template <typename T = QWidget>
  static T* Child(frmHLS& d, const QString& name) {
    return d.findChild<T*>(name);
  }
  static void Press(frmHLS& d, const char* name, QPointF at) {
    Mouse(Child(d, name), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
  }
  static int Tip(frmHLS& d) { return Child(d, "Picture1")->y() + 6 - Child(d, "picLum")->y(); }

  QWidget owner;
};

TEST_F(HLSDialog, ShowsTheColourAndPicksWithTheLeftButtonAndTheArrowKeys) {
  // Red on the 360 scale: the cross at the top left corner, the marker halfway.
  const LongColour red = Show(RGB(255, 0, 0), 360, [](frmHLS& d) {
    const QImage plane = Child(d, "picHLS")->grab().toImage();
    EXPECT_EQ(std::tuple(plane.pixel(0, 0), plane.pixel(4, 0), plane.pixel(1, 13)),
              std::tuple(qRgb(255, 0, 0), qRgb(255, 255, 255), qRgb(255, 255, 255)));
    EXPECT_EQ(std::pair(Tip(d), Fields(d)),
              std::pair(120, QString("255 0 0 0 255 255 0 0 240 120")));
    const QRect marker = Child(d, "Picture1")->geometry();
    const QRect square = Child(d, "picHLS")->geometry();  // the values stand beside the plane
    EXPECT_EQ(std::pair(Child(d, "picColorSample")->y(), Child(d, "Frame1")->geometry().bottom()),
              std::pair(square.top(), square.bottom()));
    const QImage shown = d.grab().toImage();  // the arrow, its point reaching for the bar
    EXPECT_EQ(std::pair(shown.pixel(marker.left() + 6, marker.top() + 6),
                        shown.pixel(marker.right() - 2, marker.top() + 6)),
              std::pair(qRgb(0, 0, 0), qRgb(0, 0, 0)));
  });
  EXPECT_EQ(std::pair(red, MaxHue), std::pair(RGB(255, 0, 0), 240.0f)) << "the window's scale back";

  const LongColour picked = Show(RGB(90, 0, 0), 240, [](frmHLS& d) {
    // Hue 80 at full saturation keeps the bar's lightness 42; a drag outside is ignored.
    Press(d, "picHLS", {80, 0});
    Mouse(Child(d, "picHLS"), QEvent::MouseMove, {-1, 100}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(Fields(d, 0, 2), "0 89 0");
    // A click on the bar's bottom row is black, on its top row white, the marker at its end.
    Press(d, "picLum", {5, 239});
    EXPECT_EQ(std::pair(Tip(d), Fields(d, 0, 2)), std::pair(240, QString("0 0 0")));
    Press(d, "picLum", {5, 0});
    EXPECT_EQ(std::pair(Tip(d), Fields(d)), std::pair(0, QString("255 255 255 0 0 0 0 0 0 240")));
    // The marker dragged 130 pixels down: lightness 110 in the plane's hue; not past the bar.
    QWidget* marker = Child(d, "Picture1");
    Mouse(marker, QEvent::MouseButtonPress, {5, 6}, Qt::LeftButton, Qt::LeftButton);
    Mouse(marker, QEvent::MouseMove, {5, 136}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(std::pair(Tip(d), Fields(d, 9, 9)), std::pair(130, QString("110.1176")));
    Mouse(marker, QEvent::MouseMove, {5, 117}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(Tip(d), 130);
    const QImage bar = Child(d, "picLum")->grab().toImage();
    EXPECT_EQ(std::pair(bar.pixel(5, 0), bar.pixel(5, 239)),
              std::pair(qRgb(255, 255, 255), qRgb(0, 4, 0)));
  });
  EXPECT_EQ(picked, RGB(0, 234, 0));

  Show(RGB(90, 0, 0), 240, [](frmHLS& d) {
    // Lightness 42.35294 is placed as 42: (1 - 42 / 240) * 240 = 198 down the bar.
    EXPECT_EQ(std::pair(Tip(d), Fields(d)),
              std::pair(198, QString("90 0 0 0 255 255 165 0 240 42.35294")));
    // From the cross at the top left: ten right, one down; above the edge stays.
    QTest::keyClick(Child(d, "picHLS"), Qt::Key_Right, Qt::ShiftModifier);
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down})
      QTest::keyClick(Child(d, "picHLS"), key);
    const QString keyed = Fields(d);
    Press(d, "picHLS", {0, 0});
    EXPECT_NE(Fields(d), keyed);
    Press(d, "picHLS", {10, 1});
    EXPECT_EQ(Fields(d), keyed);
    for (int i = 0; i < 2; ++i) QTest::keyClick(Child(d, "picLum"), Qt::Key_Up);
    const QString lighter = Fields(d);
    EXPECT_EQ(std::pair(Tip(d), lighter == keyed), std::pair(196, false));
    Press(d, "picLum", {5, 196});
    EXPECT_EQ(Fields(d), lighter);
  });
}

TEST(FrmMeasure, MeasuresWithTheLeftButtonAndKeepsThePointWhenOpenedAfresh) {
  frmMeasure m;
  m.Open();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&m));
  const QSize designed = m.size();
  const QRect instruction = m.findChild<QLabel*>("Label1")->geometry();  // 615 twips high
  EXPECT_EQ(std::pair(instruction.height(), instruction.bottom() + 1),
            std::pair(41, designed.height()));
  QTest::mouseMove(&m, QPoint(100, 50));
  EXPECT_EQ(std::pair(m.windowTitle(), m.point()),
            std::pair(QString("Measure 1500, 750"), MeasuredPoint{0, 0}));
  QTest::mousePress(&m, Qt::LeftButton, {}, QPoint(150, 100));
  EXPECT_EQ(m.point(), (MeasuredPoint{2250, 1500}));
  // The box's right and bottom edges, not its inside nor below the point; grey behind "..".
  const QImage shown = m.grab().toImage();
  const auto red = [&](int x, int y) { return shown.pixelColor(x, y) == QColor(Qt::red); };
  EXPECT_EQ(
      std::tuple(red(150, 50), red(75, 100), red(100, 50), red(150, 120), shown.pixelColor(60, 8)),
      std::tuple(true, true, false, false, QColor(224, 224, 224)));
  m.resize(400, 300);
  m.close();
  m.Open();
  EXPECT_EQ(std::tuple(m.windowTitle(), m.size(), m.point()),
            std::tuple(QString("Measure"), designed, MeasuredPoint{2250, 1500}));
}

TEST(SingleInstance, ASecondCopyHandsOverToThePrivateSocketOfTheFirstOnItsDisplay) {
  QTemporaryDir dir;
  const QString name = dir.filePath("hk.socket");
  SingleInstance first(name);
  ASSERT_TRUE(first.Claim());
  EXPECT_FALSE(QFileInfo(name).permissions() &
               (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther));
  QSignalSpy shown(&first, &SingleInstance::ShowRequested);
  EXPECT_FALSE(SingleInstance(name).Claim()) << "a second copy must end";
  EXPECT_TRUE(shown.wait(2000));
  EXPECT_EQ(shown.count(), 1);
  // A bound socket nobody listens on, what a crashed copy leaves behind, stops nobody.
  const QByteArray path = QFile::encodeName(dir.filePath("dead.socket"));
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  std::memcpy(addr.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  ::close(fd);
  SingleInstance next(QFile::decodeName(path));
  EXPECT_TRUE(next.Claim());
  EXPECT_FALSE(SingleInstance(QFile::decodeName(path)).Claim()) << "the new copy now answers";
  EXPECT_TRUE(SingleInstance(dir.filePath(QString(120, u'x'))).Claim());

  // Each display has a socket of its own in the private runtime folder; one X server, one.
  EXPECT_NE(SingleInstance::DefaultName(":0"), SingleInstance::DefaultName(":1"));
  EXPECT_EQ(std::pair(SingleInstance::DefaultName(":0.1"),
                      SingleInstance::DefaultName("/run/user/1000/wayland-1")),
            std::pair(SingleInstance::DefaultName(":0"),
                      QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
                          "/huekeeper-_run_user_1000_wayland-1.socket"));
}

}  // namespace
}  // namespace hk
