// Picking on a real Wayland desktop: a headless sway of an ordinary user, the desktop portal
// and its wlroots backend, which reads the screen with grim at the point slurp returns. Only
// that click is played, by a slurp in PATH that prints the test's point or fails as on Escape.
// Keys come from wtype; grim, swaymsg and wl-paste read the screen, windows and clipboard.
#include <gtest/gtest.h>
#include <pwd.h>

#include <iostream>

#include "../e2e/process.h"

namespace hk::e2e {
namespace {

const std::string kSeaGreen = "#2E8B57", kOrange = "#C06010";
const std::string kWebField = "-M alt w -m alt";  // the access key of the web notation
const std::string kCopyWeb = kWebField + " -k Tab -k space";
// From the web notation along the tab order to the pick button: copy, Hex and its copy,
// Long and its copy, HTML and its copy, Search, its button, then the pick button.
const std::string kPick = kWebField +
                          " -k Tab -k Tab -k Tab -k Tab -k Tab -k Tab -k Tab -k Tab"
                          " -k Tab -k Tab -k space";

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (const char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// What is missing of what the session needs; gtk's Access portal lets Screenshot be offered.
constexpr const char* kMissing = R"(for tool in sway swaymsg grim wtype wl-paste wl-copy pipewire \
  dbus-run-session dbus-update-activation-environment setpriv; do
  command -v $tool >/dev/null || printf ' %s' $tool
done
for portal in wlr gtk; do
  [ -e /usr/share/xdg-desktop-portal/portals/$portal.portal ] || printf ' xdg-desktop-portal-%s' $portal
done)";

// Started in a process group of its own, which then holds all that the session starts.
constexpr const char* kSession = R"(cd "$HOME"
sway -c sway.conf >sway.log 2>&1 &
while sleep 0.05; do
  kill -0 $! 2>/dev/null || exit 1
  set -- run/wayland-? run/sway-ipc.*.sock
  [ -S "$1" ] && [ -S "$2" ] && break
done
export WAYLAND_DISPLAY=${1#run/} SWAYSOCK=$HOME/$2
dbus-update-activation-environment WAYLAND_DISPLAY XDG_CURRENT_DESKTOP XDG_RUNTIME_DIR SWAYSOCK PATH
pipewire >pipewire.log 2>&1 &
wtype -s 86400000 &  # a keyboard for the whole run: the headless seat has none of its own
echo "WAYLAND_DISPLAY=$WAYLAND_DISPLAY SWAYSOCK=$SWAYSOCK DBUS_SESSION_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS" >env
mv env session.env
wait)";

const std::string kPortal = "org.freedesktop.portal.Desktop";
const std::string kPortalVersion =
    "dbus-send --session --print-reply --dest=" + kPortal +
    " /org/freedesktop/portal/desktop org.freedesktop.DBus.Properties"
    ".Get string:org.freedesktop.portal.Screenshot string:version";

// The program's windows unframed at the screen's corner: each control at its design place.
const std::string kSwayConfig = "output HEADLESS-1 resolution 1280x1024 bg " + kSeaGreen +
                                " solid_color\ndefault_border none\ndefault_floating_border none\n"
                                "for_window [app_id=\"" HK_APP_ID "\"] move position 0 0\n";

constexpr const char* kSlurp = R"(#!/bin/sh
echo >>"$HOME/asked"
read -r point <"$HOME/click"
[ "$point" = cancel ] && { echo "selection cancelled" >&2; exit 1; }
[ "$point" = wait ] && exec sleep 60  # a user who takes their time
echo "$point 1x1")";

class Wayland : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string missing = Sh(kMissing).value_or(" sh");
    if (!missing.empty()) GTEST_SKIP() << "no Wayland session here, not installed:" << missing;
    if (geteuid() == 0) {  // sway will not run as root
      const passwd* user = getpwnam("nobody");
      if (user == nullptr) GTEST_SKIP() << "no Wayland session here: no ordinary user for sway";
      asUser_ = "setpriv --reuid=" + std::to_string(user->pw_uid) +
                " --regid=" + std::to_string(user->pw_gid) + " --clear-groups ";
      chown_ = std::to_string(user->pw_uid) + ":" + std::to_string(user->pw_gid);
    }
    // The user's own folder: the program, sway's configuration, slurp and the runtime folder.
    fs::create_directories(dir / "bin");
    fs::create_directory(dir / "run");
    testing::WriteBytes(dir / "sway.conf", kSwayConfig);
    testing::WriteBytes(dir / "bin/slurp", kSlurp);
    Click("1000,900");
    fs::copy_file(HK_BINARY, dir / "huekeeper");
    fs::copy_file(HK_SESSION_BUS_CONF, dir / "nothing-on-it.conf");  // a bus with no services
    ASSERT_TRUE(Sh("chmod 755 " + Quoted(dir) + " " + Quoted(dir / "bin/slurp") + " && chmod 700 " +
                   Quoted(dir / "run") + " && chown -R " + chown_ + " " + Quoted(dir)));
    env_ = "env -i HOME=" + Quoted(dir) + " XDG_RUNTIME_DIR=" + Quoted(dir / "run") +
           " PATH=" + Quoted(dir / "bin") + ":/usr/bin:/bin LANG=C.UTF-8 XDG_CURRENT_DESKTOP=sway" +
           " XDG_SESSION_TYPE=wayland ";
    // A sanitized build keeps the options it is tested with (no leak reports of the libraries).
    if (const char* asan = getenv("ASAN_OPTIONS")) env_ += "ASAN_OPTIONS=" + Quoted(asan) + " ";
    const std::string wlroots =
        "WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1";
    session_ = std::make_unique<Process>(
        asUser_ + env_ + wlroots + " dbus-run-session -- sh -c " + Quoted(kSession), true);
    std::optional<std::string> env;
    ASSERT_TRUE(WaitUntil([&] { return !!(env = Sh("cat " + Quoted(dir / "session.env"))); }))
        << "sway did not start: " << testing::ReadBytes(dir / "sway.log");
    env_ += env->substr(0, env->size() - 1) + " QT_QPA_PLATFORM=wayland ";
    // The bus starts the portal and its backends on the first call; this one waits for them.
    ASSERT_TRUE(WaitUntil([&] { return !!Run(kPortalVersion); }, 30s)) << "no Screenshot portal";
  }

  // `command` as the session's user, in the session, from its folder.
  std::string User(const std::string& command) const {
    return asUser_ + env_ + "sh -c " + Quoted("cd \"$HOME\" && " + command);
  }
  std::optional<std::string> Run(const std::string& command) const { return Sh(User(command)); }
  bool Keys(const std::string& keys) const { return !!Run("wtype " + keys); }
  // The slurp stand-in's answer: a point "x,y", or "cancel".
  void Click(const std::string& point) const { testing::WriteBytes(dir / "click", point + "\n"); }
  std::optional<std::string> Pixel(int x, int y) const {
    return Run("printf '#%02X%02X%02X' $(grim -g '" + std::to_string(x) + "," + std::to_string(y) +
               " 1x1' -t ppm - | tail -c 3 | od -An -tu1)");
  }
  // The swatch, at its design place (60, 45) twips plus a margin.
  std::optional<std::string> Swatch() const { return Pixel(21, 18); }
  bool Background(const std::string& colour) const {
    return Run("swaymsg output HEADLESS-1 bg '" + colour + "' solid_color") &&
           WaitUntil([&] { return Pixel(1279, 1023) == colour; });
  }
  int Windows() const {
    return std::stoi(Run("swaymsg -t get_tree | grep -o '\"app_id\": *\"" HK_APP_ID "\"' | wc -l")
                         .value_or("-1"));
  }
  // The program's window, once the desktop shows it.
  std::unique_ptr<Process> StartWindow(const std::string& wrapper = "") const {
    auto app = std::make_unique<Process>(User("exec " + wrapper + " ./huekeeper"), true);
    // Shown once its swatch is drawn, black.
    EXPECT_TRUE(WaitUntil([&] { return Windows() == 1 && Swatch() == "#000000"; })) << "no window";
    return app;
  }
  ::testing::AssertionResult ClipboardHolds(const std::string& text) const {
    return Holds([&] { return Run("timeout 2 wl-paste -n"); }, text);
  }

  const ScratchFolder dir;
  std::string asUser_, chown_ = std::to_string(geteuid()), env_;
  std::unique_ptr<Process> session_;
};

TEST_F(Wayland, ThePickOptionPrintsThePixelClickedOrNothingOnACancelOrWhenThePortalLeaves) {
  for (const auto& [background, rgb] :
       {std::pair(kSeaGreen, "46, 139, 87"), std::pair(kOrange, "192, 96, 16")}) {
    SCOPED_TRACE(background);
    ASSERT_TRUE(Background(background));
    const auto web = Run("./huekeeper --pick --format web");
    EXPECT_EQ(web, background + "\n");
    EXPECT_EQ(Run("./huekeeper --pick --format rgb"), rgb + std::string("\n"));
    std::cout << "picked through the portal: " << web.value_or("nothing\n");
  }
  Click("cancel");
  EXPECT_EQ(Run("./huekeeper --pick; echo \"exit $?\""), "exit 1\n");

  // The portal leaves the bus while the user is still choosing: the pick ends and says why.
  Click("wait");
  const std::size_t asked = testing::ReadBytes(dir / "asked").size();
  const Process pick(User("./huekeeper --pick 2>pick.err; echo $? >pick.status"), true);
  ASSERT_TRUE(WaitUntil([&] { return testing::ReadBytes(dir / "asked").size() > asked; }));
  ASSERT_TRUE(
      Run("kill $(dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus / "
          "org.freedesktop.DBus.GetConnectionUnixProcessID string:" +
          kPortal + " | awk '{ print $2 }')"));
  EXPECT_TRUE(WaitUntil([&] { return testing::ReadBytes(dir / "pick.status") == "2\n"; }));
  EXPECT_EQ(testing::ReadBytes(dir / "pick.err"),
            "huekeeper: the screen cannot be read here and no desktop portal answered: picking a "
            "colour needs an X11 session or a desktop portal\n");
}

TEST_F(Wayland, TheEyedropperAsksThePortalAndTheWindowShowsThePickedColourButNotACancel) {
  const auto app = StartWindow();
  ASSERT_TRUE(Background(kOrange));
  ASSERT_TRUE(Keys(kPick));
  EXPECT_TRUE(WaitUntil([&] { return Swatch() == kOrange; })) << Swatch().value_or("no swatch");
  ASSERT_TRUE(Keys(kCopyWeb));
  EXPECT_TRUE(ClipboardHolds(kOrange));

  // Escape in the portal's picker: the colour stays, though the screen under the point changed.
  Click("cancel");
  ASSERT_TRUE(Background(kSeaGreen));
  ASSERT_TRUE(Keys(kPick));
  ASSERT_TRUE(WaitUntil([&] { return testing::ReadBytes(dir / "asked") == "\n\n"; }))
      << "the portal asked for " << testing::ReadBytes(dir / "asked").size() << " clicks";
  ASSERT_TRUE(Run("wl-copy nothing >/dev/null 2>&1"));
  ASSERT_TRUE(Keys(kCopyWeb));
  EXPECT_TRUE(ClipboardHolds(kOrange));
  EXPECT_EQ(Swatch(), kOrange);
}

TEST_F(Wayland, WithNoPortalOnTheBusTheWindowSaysOnceThatPickingNeedsOne) {
  const auto app = StartWindow("dbus-run-session --config-file=nothing-on-it.conf --");
  ASSERT_TRUE(Keys(kPick));
  EXPECT_TRUE(WaitUntil([&] { return Windows() == 2; })) << "no message";
  ASSERT_TRUE(Keys("-k Return"));
  EXPECT_TRUE(WaitUntil([&] { return Windows() == 1; }));
  // Asked again, the window says nothing: the keys after it reach the window, not a message.
  ASSERT_TRUE(Keys(kPick));
  ASSERT_TRUE(Keys(kCopyWeb));
  EXPECT_TRUE(ClipboardHolds("#000000"));
  EXPECT_EQ(Windows(), 1);
}

}  // namespace
}  // namespace hk::e2e
