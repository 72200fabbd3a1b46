// The desktop layer: one copy per user and display, the program folder, the settings
// store, the desktop's named colours.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "colour/webcolors.h"
#include "platform/programfolder.h"
#include "platform/settingsstore.h"
#include "platform/singleinstance.h"
#include "window_fixture.h"

namespace hk {
namespace {

TEST(SingleInstance, ASecondCopyHandsOverToThePrivateSocketOfTheFirstOrOfADeadOnesHeir) {
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
  // A path too long for a socket address: the program still runs, only without hand-over.
  EXPECT_TRUE(SingleInstance(dir.filePath(QString(120, u'x'))).Claim());
}

TEST(SingleInstance, EachDisplayHasASocketOfItsOwnInThePrivateRuntimeFolder) {
  const QString x0 = SingleInstance::DefaultName(":0");
  EXPECT_EQ(SingleInstance::DefaultName(":0.1"), x0) << "one X server, one copy";
  const QStringList names = {
      x0, SingleInstance::DefaultName(":1"), SingleInstance::DefaultName("otherhost:0"),
      SingleInstance::DefaultName("wayland-0"), SingleInstance::DefaultName("")};
  EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), names.size())
      << names.join(' ').toStdString();
  // A Wayland display given as a path is still one file in the runtime folder.
  EXPECT_EQ(SingleInstance::DefaultName("/run/user/1000/wayland-1"),
            QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
                "/huekeeper-_run_user_1000_wayland-1.socket");
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

// A copy run from a plain folder keeps its files beside itself; an installed one, or one
// whose folder is read-only, keeps them per user. Root can write into /usr/bin, so the
// desktop entry installed with the program is what tells an installed copy there.
TEST(ProgramFolder, InstalledOrReadOnlyCopiesKeepTheirFilesPerUser) {
  const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  const QString entry = "share/applications/" HK_APP_ID ".desktop";
  const struct {
    QString file;
    QByteArray bytes;
    bool installed, perUser;
  } cases[] = {
      {"bin/huekeeper", "x", false, false},
      {"bin/uninst-Huekeeper.exe", "", false, false},  // an empty uninstaller counts as absent
      {"bin/uninst-Huekeeper.exe", "x", true, false},
      {entry, "[Desktop Entry]\n", true, true},
      {"share/applications/huekeeper.desktop", "[Desktop Entry]\n", false, false},
      {"bin/" + entry, "[Desktop Entry]\n", false, false},
  };
  for (const auto& c : cases) {
    QTemporaryDir root;
    const QString bin = root.filePath("bin");
    ASSERT_TRUE(QDir(root.path()).mkpath("bin") &&
                QDir(root.path()).mkpath(QFileInfo(c.file).path()));
    QFile f(root.filePath(c.file));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(c.bytes) == c.bytes.size());
    f.close();
    const ProgramFolder folder = ChooseProgramFolder(bin);
    EXPECT_EQ(std::tuple(CheckInstalled(bin), folder.path, folder.perUser, folder.writable),
              std::tuple(c.installed, c.perUser ? perUser : bin, c.perUser, true))
        << c.file.toStdString();
  }
  if (::geteuid() == 0) return;  // root may write anywhere
  QTemporaryDir dir;
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
  const ProgramFolder f = ChooseProgramFolder(dir.path());
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(std::pair(f.path, f.perUser), std::pair(perUser, true));
}

// QSettings tells only that it failed; the store finds the system's reason itself.
TEST(SettingsStore, AFailedWriteNamesTheFileAndWhyAndKeepsTheOldBytes) {
  QTemporaryDir dir;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
  QtSettingsStore store;
  ASSERT_TRUE(store.Save("Tab", "1").ok);
  const QString file = dir.filePath("Hue Keeper/Hue Keeper.ini");
  const std::string before = testing::ReadBytes(file.toStdString());
  WriteResult r;
  {
    testing::FileSizeLimit full(8);
    r = store.Save("Selecton", "12/34");
  }
  EXPECT_EQ(std::tuple(r.ok, r.error, testing::ReadBytes(file.toStdString())),
            std::tuple(false, file.toStdString() + ": File too large", before));
  EXPECT_EQ(QDir(dir.filePath("Hue Keeper")).entryList(QDir::Files | QDir::Hidden),
            QStringList{"Hue Keeper.ini"})
      << "nothing is left beside it";
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
