// The portal picker against a stand-in portal on the test's own session bus, one that
// can start no services.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QStringList>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "picker/portalpicker.h"

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
      {{"ended"}, "cancelled"},
      {{"garbled"}, "unavailable"},
      {{"vanish"}, "unavailable"},
      {{}, "unavailable"},
  };
  for (const PortalCase& c : cases) {
    SCOPED_TRACE(qPrintable(c.portal.join(' ')));
    std::unique_ptr<QProcess> portal;
    if (!c.portal.isEmpty()) {
      portal = std::make_unique<QProcess>();
      portal->setProcessChannelMode(QProcess::ForwardedErrorChannel);
      portal->start(QStringLiteral(HK_FAKEPORTAL), c.portal);
      QByteArray said;
      while (!(said += portal->readAllStandardOutput()).contains("ready"))
        ASSERT_TRUE(portal->waitForReadyRead(kDeadlineMs)) << "the stand-in portal never started";
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
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

#include "test_portalpicker.moc"
