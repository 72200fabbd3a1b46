// The desktop layer: one copy per user and display, the program folder, the desktop's
// named colours.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <utility>

#include <QColor>
#include <QFile>
#include <QSet>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "colour/longcolour.h"
#include "colour/webcolors.h"
#include "platform/programfolder.h"
#include "platform/singleinstance.h"

namespace hk {
namespace {

TEST(SingleInstance, SecondCopyHandsOverToThePrivateSocketOfTheFirst) {
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
}

TEST(SingleInstance, SocketLeftByADeadCopyDoesNotStopTheNext) {
  QTemporaryDir dir;
  const QByteArray path = QFile::encodeName(dir.filePath("hk.socket"));
  // A bound socket nobody listens on: what a crashed copy leaves behind.
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  std::memcpy(addr.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  ::close(fd);
  SingleInstance next(QFile::decodeName(path));
  EXPECT_TRUE(next.Claim());
  EXPECT_FALSE(SingleInstance(QFile::decodeName(path)).Claim()) << "the new copy now answers";
}

TEST(SingleInstance, EachDisplayHasASocketOfItsOwnInThePrivateRuntimeFolder) {
  const QString x0 = SingleInstance::DefaultName(":0");
  EXPECT_EQ(SingleInstance::DefaultName(":0.1"), x0) << "one X server, one copy";
  const QStringList names = {
      x0, SingleInstance::DefaultName(":1"), SingleInstance::DefaultName("otherhost:0"),
      SingleInstance::DefaultName("wayland-0"), SingleInstance::DefaultName("")};
  EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), names.size()) << names.join(' ').toStdString();
  // A Wayland display given as a path is still one file in the runtime folder.
  const QFileInfo path(SingleInstance::DefaultName("/run/user/1000/wayland-1"));
  EXPECT_EQ(path.path(), QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
  EXPECT_EQ(path.fileName(), "huekeeper-_run_user_1000_wayland-1.socket");

  // The session's display: Wayland's, which a copy on XWayland shares, else X's.
  const QByteArray wayland = qgetenv("WAYLAND_DISPLAY"), x = qgetenv("DISPLAY");
  qputenv("WAYLAND_DISPLAY", "wayland-0");
  qputenv("DISPLAY", ":0");
  EXPECT_EQ(SingleInstance::DefaultName(), SingleInstance::DefaultName("wayland-0"));
  qunsetenv("WAYLAND_DISPLAY");
  EXPECT_EQ(SingleInstance::DefaultName(), x0);
  for (const auto& [name, value] : {std::pair("WAYLAND_DISPLAY", wayland), std::pair("DISPLAY", x)})
    value.isEmpty() ? qunsetenv(name) : qputenv(name, value);
}

TEST(ProgramFolder, ReadOnlyInstallFallsBackToTheUserDataFolder) {
  QTemporaryDir dir;
  ASSERT_TRUE(QFile(dir.filePath("uninst-Huekeeper.exe")).open(QIODevice::WriteOnly));
  EXPECT_FALSE(CheckInstalled(dir.path())) << "an empty uninstaller counts as absent";
  const ProgramFolder own = ChooseProgramFolder(dir.path());
  EXPECT_EQ(std::pair(own.path, own.perUser), std::pair(dir.path(), false));
  if (::geteuid() == 0) return;  // root may write anywhere
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
  const ProgramFolder f = ChooseProgramFolder(dir.path());
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(std::pair(f.path, f.perUser),
            std::pair(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), true));
}

// Qt carries its own table of the same named colours, written apart from ours.
TEST(WebColoursTable, EveryNameHasTheDesktopsValue) {
  const WebColors web;
  ASSERT_EQ(web.Count(), 140);
  for (int i = 0; i < web.Count(); ++i) {
    const QColor q(QString::fromStdString(web.WebNames[static_cast<std::size_t>(i)]));
    EXPECT_EQ(web.ColourAt(i), RGB(q.red(), q.green(), q.blue())) << web.WebNames[i];
  }
}

}  // namespace
}  // namespace hk
