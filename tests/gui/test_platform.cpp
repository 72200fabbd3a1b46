// The desktop layer: one copy per user, the program folder, the settings store.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/programfolder.h"
#include "platform/settingsstore.h"
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
  SingleInstance second(name);
  EXPECT_FALSE(second.Claim()) << "a second copy must end";
  EXPECT_TRUE(shown.wait(2000));
  EXPECT_EQ(shown.count(), 1);
}

TEST(SingleInstance, SocketLeftByADeadCopyDoesNotStopTheNext) {
  QTemporaryDir dir;
  const QString name = dir.filePath("hk.socket");
  // A bound socket nobody listens on: what a crashed copy leaves behind.
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  const QByteArray path = QFile::encodeName(name);
  std::memcpy(addr.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  ::close(fd);
  SingleInstance next(name);
  EXPECT_TRUE(next.Claim());
  SingleInstance another(name);
  EXPECT_FALSE(another.Claim()) << "the new copy now answers";
}

TEST(ProgramFolder, ReadOnlyInstallFallsBackToTheUserDataFolder) {
  QTemporaryDir dir;
  const ProgramFolder own = ChooseProgramFolder(dir.path());
  EXPECT_EQ(std::pair(own.path, own.perUser), std::pair(dir.path(), false));
  if (::geteuid() == 0) return;  // root may write anywhere
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
  const ProgramFolder f = ChooseProgramFolder(dir.path());
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(std::pair(f.path, f.perUser),
            std::pair(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), true));
}

TEST(ProgramFolder, InstalledOnlyWithANonEmptyUninstaller) {
  QTemporaryDir dir;
  EXPECT_FALSE(CheckInstalled(dir.path()));
  QFile f(dir.filePath("uninst-Huekeeper.exe"));
  for (const char* bytes : {"", "x"}) {
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    EXPECT_EQ(CheckInstalled(dir.path()), *bytes != 0) << "an empty file counts as absent";
  }
}

TEST(SettingsStore, KeysLiveInThePreferenceSection) {
  QTemporaryDir dir;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
  QtSettingsStore store(QStringLiteral("Hue Keeper Test"));
  EXPECT_EQ(store.Get("Selecton", "1/1"), "1/1");
  EXPECT_TRUE(store.Save("Selecton", "12/3"));
  EXPECT_EQ(QtSettingsStore(QStringLiteral("Hue Keeper Test")).Get("Selecton", "1/1"), "12/3");
  QFile ini(dir.filePath("Hue Keeper Test/Hue Keeper Test.ini"));
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  EXPECT_TRUE(ini.readAll().contains("[Preference]\nSelecton=12/3"));
}

}  // namespace
}  // namespace hk
