// The portal picker against a stand-in portal on the test's own session bus, one that
// can start no services.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "../test_support.h"
#include "mainwindow/frmpickcolor.h"
#include "picker/portalpicker.h"
#include "picker/screenpicker.h"

namespace hk {
namespace {

// A hang guard only: every answer here comes within milliseconds.
constexpr int kDeadlineMs = 20000;

// Every answer the picker gives, as text, so that one spy waits for whichever comes
// and a wrong answer shows plainly.
class Answers : public QObject {
  Q_OBJECT
 public:
  explicit Answers(PortalPicker& picker) {
    connect(&picker, &PortalPicker::ColourPicked, this,
            [this](LongColour c) { Add(QString::asprintf("colour %06X", unsigned(c))); });
    connect(&picker, &PortalPicker::Cancelled, this, [this] { Add(QStringLiteral("cancelled")); });
    connect(&picker, &PortalPicker::Unavailable, this,
            [this] { Add(QStringLiteral("unavailable")); });
  }
  QStringList got;
 signals:
  void Answered();

 private:
  void Add(const QString& answer) {
    got << answer;
    emit Answered();
  }
};

std::unique_ptr<QProcess> StartPortal(const QStringList& arguments) {
  auto portal = std::make_unique<QProcess>();
  portal->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  portal->start(QStringLiteral(HK_FAKEPORTAL), arguments);
  QByteArray said;
  while (!(said += portal->readAllStandardOutput()).contains("ready"))
    if (!portal->waitForReadyRead(kDeadlineMs)) return nullptr;
  return portal;
}

struct PortalCase {
  QStringList portal;  // the stand-in's arguments; none: no portal on the bus
  QString answer;
};

TEST(PortalPicker, AnswersAsThePortalDid) {
  const PortalCase cases[] = {
      // 0.5 of full scale is 127.5: halves round up.
      {{"1", "0.5", "0"}, "colour 0080FF"},
      {{"0.2", "0.4", "0.6"}, "colour 996633"},
      // A little past either end is the end itself.
      {{"1.5", "-0.2", "0.998"}, "colour FE00FF"},
      {{"nan", "0", "0"}, "unavailable"},
      {{"cancel"}, "cancelled"},
      {{"vanish"}, "unavailable"},
      {{}, "unavailable"},
  };
  for (const PortalCase& c : cases) {
    SCOPED_TRACE(qPrintable(c.portal.join(' ')));
    std::unique_ptr<QProcess> portal;
    if (!c.portal.isEmpty()) {
      portal = StartPortal(c.portal);
      ASSERT_TRUE(portal) << "the stand-in portal never started";
    }

    PortalPicker picker;
    Answers answers(picker);
    QSignalSpy answered(&answers, &Answers::Answered);
    picker.Request();
    EXPECT_TRUE(picker.Busy());
    ASSERT_TRUE(answered.wait(kDeadlineMs)) << "no answer";
    EXPECT_EQ(answers.got, QStringList{c.answer});
    EXPECT_FALSE(picker.Busy());

    if (portal) {
      portal->kill();
      portal->waitForFinished(kDeadlineMs);
    }
  }
}

// Where the screen cannot be read, the pick button asks the portal and applies its
// colour as a pick would; with no portal it says so once and changes nothing.
TEST(PortalPicker, ThePickButtonUsesThePortalWhereTheScreenCannotBeRead) {
  testing::ScriptedDialogs dialogs;
  FrmPickColor window;
  window.SetDialogs(&dialogs);
  auto* pixel = window.findChild<QPushButton*>("Pixel");
  auto* text = window.findChild<QComboBox*>("txtCol");
  {
    const auto portal = StartPortal({"0.2", "0.4", "0.6"});
    ASSERT_TRUE(portal);
    QTest::mouseClick(pixel, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.CurrentColour() == 0x996633; }, kDeadlineMs));
    EXPECT_EQ(text->currentText(), QString::number(0x996633));
    portal->kill();
    portal->waitForFinished(kDeadlineMs);
  }
  QSignalSpy unreadable(&window.picker(), &ScreenPicker::Unreadable);
  for (int press = 1; press <= 2; ++press) {
    QTest::mouseClick(pixel, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return unreadable.count() == press; }, kDeadlineMs));
  }
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_NE(dialogs.calls[0].prompt.find("X11"), std::string::npos);
  EXPECT_EQ(window.CurrentColour(), 0x996633);
}

}  // namespace
}  // namespace hk

int main(int argc, char** argv) {
  // The stand-in takes the portal's name, so the test belongs on a bus of its own. CTest
  // starts it on one; started any other way, it starts itself again on one.
  if (qEnvironmentVariableIsEmpty("HK_PRIVATE_SESSION_BUS")) {
    qputenv("HK_PRIVATE_SESSION_BUS", "1");
    std::vector<std::string> words{"dbus-run-session", "--config-file=" HK_SESSION_BUS_CONF, "--"};
    words.insert(words.end(), argv, argv + argc);
    std::vector<char*> command;
    for (std::string& word : words) command.push_back(word.data());
    command.push_back(nullptr);
    execvp(command[0], command.data());
    std::perror("dbus-run-session");
    return 1;
  }
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

#include "test_portalpicker.moc"
