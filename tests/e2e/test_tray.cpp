// The notification-area icon in a real tray (trayer on the test display): the close box
// hides the window there, a click on the icon brings it back, and its menu's Exit saves
// and ends. Without a tray the close box only minimizes, so nothing is out of reach.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <sstream>

#include "harness.h"

namespace hk::e2e {
namespace {

bool Xdotool(const std::string& args) { return Sh("xdotool " + args).has_value(); }

// The tray icon's window: a small one titled "Hue Keeper", embedded in the tray (xdotool's
// search does not look inside it, so the whole tree is read).
std::optional<std::string> TrayIcon() {
  std::istringstream tree(Sh("xwininfo -root -tree").value_or(""));
  for (std::string line; std::getline(tree, line);) {
    if (line.find("\"Hue Keeper\": (\"huekeeper\"") == std::string::npos) continue;
    std::istringstream in(line);
    std::string id, rest;
    int width = 0;
    in >> id;
    std::getline(in, rest);
    const auto size = rest.find(")  ");
    if (size != std::string::npos) width = std::atoi(rest.c_str() + size + 3);
    if (width > 1 && width <= 48) return id;
  }
  return std::nullopt;
}
bool Viewable(const std::string& id) {
  return Sh("xwininfo -id " + id + " | grep -q IsViewable").has_value();
}
std::string WmState(const std::string& id) {
  return Sh("xprop -id " + id + " WM_STATE").value_or("");
}

TEST(Tray, TheCloseBoxHidesToTheTrayWhereThereIsOneAndToTheTaskBarWhereNot) {
  App app;
  {
    // No tray: the close box minimizes, and the window stays on the task bar.
    auto run = app.Start();
    const auto window = Window("^Hue Keeper$", run.get());
    ASSERT_TRUE(window);
    ASSERT_TRUE(Xdotool("windowactivate --sync " + *window + " key alt+F4"));
    EXPECT_TRUE(WaitUntil([&] { return WmState(*window).find("Iconic") != std::string::npos; }))
        << WmState(*window);
    EXPECT_EQ(run->Wait(SIGTERM), 0);
  }
  fs::remove(app.dir / "pref.ini");

  Process tray("trayer --edge bottom --align right --widthtype request --height 24");
  ASSERT_TRUE(WaitUntil([] {
    return Sh("xdotool search --onlyvisible --class trayer").has_value();
  })) << "trayer did not start";
  auto run = app.Start();
  const auto window = Window("^Hue Keeper$", run.get());
  ASSERT_TRUE(window);
  std::optional<std::string> icon;
  ASSERT_TRUE(WaitUntil([&] { return (icon = TrayIcon()).has_value(); })) << "no tray icon";
  ASSERT_TRUE(Xdotool("windowactivate --sync " + *window + " key alt+F4"));
  EXPECT_TRUE(WaitUntil([&] { return !Viewable(*window); })) << "the close box hides the window";
  EXPECT_EQ(app.Read("pref.ini"), std::nullopt) << "and saves nothing";

  ASSERT_TRUE(Xdotool("mousemove --window " + *icon + " 11 11 click 1"));
  EXPECT_TRUE(WaitUntil([&] { return Viewable(*window); })) << "a click on the icon brings it back";

  // The icon's menu: E&xit saves and ends.
  const auto windows = [] {
    const auto ids = Sh("xwininfo -root -children | grep -c '(\"huekeeper\"'");
    return ids ? std::stoi(*ids) : 0;
  };
  const int before = windows();
  ASSERT_TRUE(Xdotool("mousemove --window " + *icon + " 11 11 click 3"));
  ASSERT_TRUE(WaitUntil([&] { return windows() > before; })) << "no menu";
  ASSERT_TRUE(Xdotool("key x"));
  EXPECT_EQ(run->Wait(), 0);
  EXPECT_TRUE(app.Read("pref.ini").has_value());
}

}  // namespace
}  // namespace hk::e2e
