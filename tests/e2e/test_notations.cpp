// Typing notations into the real program and reading its copy buttons back
// from the X clipboard.
#include <gtest/gtest.h>

#include <csignal>
#include <thread>

#include "harness.h"

namespace hk::e2e {
namespace {

// Centre of a control from its design rectangle in twips.
int Cx(int left, int width) { return Px(left) + Px(width) / 2; }
int Cy(int top, int height) { return Px(top) + Px(height) / 2; }

// Replaces a field's text and presses Enter.
void Enter(const std::string& window, int x, int y, const std::string& text) {
  ASSERT_TRUE(ClickAt(window, x, y));
  ASSERT_TRUE(PressKeys("ctrl+a"));
  ASSERT_TRUE(TypeText(text));
  ASSERT_TRUE(PressKeys("Return"));
}

std::string CopiedBy(const std::string& window, int x, int y) {
  // The clipboard changes hands asynchronously: wait for the new text.
  EXPECT_TRUE(ClickAt(window, x, y));
  std::optional<std::string> text;
  for (int i = 0; i < 40; ++i) {
    text = ClipboardText();
    if (text) break;
    std::this_thread::sleep_for(50ms);
  }
  return text.value_or("<no text>");
}

TEST(Notations, TypedColoursComeBackThroughTheCopyButtons) {
  App app;
  ASSERT_TRUE(app.Start());
  const auto window = app.WaitForWindow("Hue Keeper");
  ASSERT_TRUE(window.has_value());
  ASSERT_TRUE(FocusWindow(*window));

  // Web field (Text2), then the RGB copy button Command2(4).
  Enter(*window, Cx(630, 1290), Cy(1995, 315), "#ff8040");
  EXPECT_EQ(CopiedBy(*window, Cx(1920, 360), Cy(1620, 315)), "RGB(255, 128, 64)");

  // HTML field, then its copy button Command2(3): the table's first name.
  Enter(*window, Cx(2940, 1305), Cy(2370, 315), "cyan");
  EXPECT_EQ(CopiedBy(*window, Cx(4245, 360), Cy(2370, 315)), "Aqua");

  EXPECT_TRUE(app.StopWith(SIGKILL).has_value());
}

}  // namespace
}  // namespace hk::e2e
