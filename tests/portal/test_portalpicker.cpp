// The portal picker against a stand-in portal on the test's own session bus, one that
// can start no services: the answers that a real portal does not give here (halves,
// values past either end, answers of the wrong shape, a portal that leaves mid-request).
// The real one, under sway, is asked in the Wayland test.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTestEventLoop>
#include <cstdio>
#include <memory>
#include <vector>

#include "../test_support.h"
#include "mainwindow/frmpickcolor.h"
#include "picker/portalpicker.h"
#include "picker/screenpicker.h"

namespace hk {
namespace {

constexpr int kDeadlineMs = 20000;  // a hang guard only: every answer comes within milliseconds

// The stand-in portal giving `answers` to the calls in turn, once it holds the name.
std::unique_ptr<QProcess> StartPortal(const QStringList& answers) {
  auto portal = std::make_unique<QProcess>();
  portal->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  portal->start(QStringLiteral(HK_FAKEPORTAL), answers);
  // Its only output is "ready", once the name is its own.
  return portal->waitForReadyRead(kDeadlineMs) ? std::move(portal) : nullptr;
}

TEST(PortalPicker, AnswersAsThePortalDid) {
  const std::pair<QString, std::string> cases[] = {
      {"0 1 0.5 0", "colour 0080FF"},         // 127.5 of 255: halves round up
      {"0 1.5 -0.2 0.998", "colour FE00FF"},  // a little past either end is the end
      {"0 nan 0 0", "unavailable"},           // a channel that is not a number
      {"0 1 1 1 more", "unavailable"},        // an answer of another shape
      {"0", "unavailable"},                   // no colour at all
      {"1", "cancelled"},                     // dismissed by the user
      {"3 1 1 1", "unavailable"},             // a code no portal sends
      {"vanish", "unavailable"},
      {"", "unavailable"},  // no portal on the bus any more
  };
  QStringList answers;
  for (const auto& c : cases) answers << c.first;
  const auto portal = StartPortal(answers);
  ASSERT_TRUE(portal) << "no stand-in portal";
  for (const auto& [answer, expected] : cases) {
    SCOPED_TRACE(qPrintable(answer));
    PortalPicker picker;
    QStringList got;  // every answer as text, so that a wrong one shows plainly
    const auto take = [&](QString t) {
      got << t;
      QTestEventLoop::instance().exitLoop();
    };
    QObject::connect(&picker, &PortalPicker::ColourPicked,
                     [&](LongColour c) { take(QString::asprintf("colour %06X", unsigned(c))); });
    QObject::connect(&picker, &PortalPicker::Cancelled, [&] { take("cancelled"); });
    QObject::connect(&picker, &PortalPicker::Unavailable, [&] { take("unavailable"); });
    picker.Request();
    EXPECT_TRUE(picker.Busy());
    QTestEventLoop::instance().enterLoopMSecs(kDeadlineMs);
    EXPECT_EQ(got.join(", ").toStdString(), expected);
    EXPECT_FALSE(picker.Busy());
  }
  portal->kill();
  portal->waitForFinished();
}

// Where neither the screen nor a portal can be read, the pick button says what picking
// needs.
TEST(PortalPicker, WithNoPortalThePickButtonSaysWhatPickingNeeds) {
  testing::ScriptedDialogs dialogs;
  FrmPickColor window;
  window.SetDialogs(&dialogs);
  QSignalSpy unreadable(&window.picker(), &ScreenPicker::Unreadable);
  QTest::mouseClick(window.findChild<QPushButton*>("Pixel"), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return unreadable.count() == 1; }, kDeadlineMs));
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].prompt,
            "The screen cannot be read here. Picking a color from the screen needs an X11 "
            "session or a desktop portal.");
}

}  // namespace
}  // namespace hk

int main(int argc, char** argv) {
  // The stand-in takes the portal's name, so the test belongs on a bus of its own:
  // started any other way than by CTest, it starts itself again on one.
  if (qEnvironmentVariableIsEmpty("HK_PRIVATE_SESSION_BUS")) {
    qputenv("HK_PRIVATE_SESSION_BUS", "1");
    std::vector<char*> command{const_cast<char*>("dbus-run-session"),
                               const_cast<char*>("--config-file=" HK_SESSION_BUS_CONF),
                               const_cast<char*>("--")};
    command.insert(command.end(), argv, argv + argc + 1);  // with argv's closing null
    execvp(command[0], command.data());
    std::perror("dbus-run-session");
    return 1;
  }
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
