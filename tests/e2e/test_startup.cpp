#include <gtest/gtest.h>

#include <csignal>

#include "harness.h"

namespace hk::e2e {
namespace {

TEST(Startup, ShowsTheMainWindowFromAFreshFolder) {
  App app;
  ASSERT_TRUE(app.Start());
  const auto window = app.WaitForWindow("Hue Keeper");
  ASSERT_TRUE(window.has_value()) << "no window titled \"Hue Keeper\" appeared";

  const auto geometry = RunTool({"xdotool", "getwindowgeometry", *window});
  ASSERT_TRUE(geometry.has_value());
  // A first start (no saved settings) opens with the colour table slid down:
  // 3375 twips plus the table's 2085, at 15 twips a pixel.
  EXPECT_NE(geometry->find("Geometry: 310x364"), std::string::npos) << *geometry;

  EXPECT_TRUE(app.StopWith(SIGKILL).has_value());
}

}  // namespace
}  // namespace hk::e2e
