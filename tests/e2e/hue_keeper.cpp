#include "hue_keeper.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace hk::e2e {

std::optional<Rgb> CellColour(const Screenshot& shot, int index) {
  // The colour fills the tip inset by 30 twips: 8 of its 12 pixels each way.
  const int left = CellLeft(index) + Px(30) + 1;
  const int top = CellTop(index) + Px(30) + 1;
  const Rgb first = shot.At(left, top);
  for (int y = top; y < top + 6; ++y) {
    for (int x = left; x < left + 6; ++x) {
      if (!(shot.At(x, y) == first)) return std::nullopt;
    }
  }
  return first;
}

std::string Record(std::uint32_t colour, std::string_view name1252) {
  std::string bytes;
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((colour >> shift) & 0xFF);
  bytes += name1252.substr(0, 25);
  bytes.resize(29, ' ');
  return bytes;
}

std::string PrefFile(int lastUserColor, int lastWebColor) {
  return "TAB=0\r\nCORORSIZE=180\r\nCOLORMODE=0\r\nDISPLAYMODE=0\r\nMAXHUE=240\r\nEXPANDED=E\r\n"
         "LASTUSERCOLOR=" +
         std::to_string(lastUserColor) + "\r\nLASTWEBCOLOR=" + std::to_string(lastWebColor) +
         "\r\n";
}

void TypeIntoLong(const std::string& window, const std::string& typed) {
  ASSERT_TRUE(ClickAt(window, kLongX, kLongY));
  ASSERT_TRUE(PressKeys("ctrl+a"));
  ASSERT_TRUE(TypeText(typed));
}

void AddThroughNameBox(App& app, const std::string& window, const std::string& typed,
                       const std::string& name) {
  ASSERT_NO_FATAL_FAILURE(TypeIntoLong(window, typed));
  ASSERT_TRUE(ClickAt(window, kAddX, kAddY));
  const auto box = app.WaitForWindow("Color Name");
  ASSERT_TRUE(box.has_value()) << "no name box after Add with " << typed;
  ASSERT_TRUE(FocusWindow(*box));
  const bool ascii = std::all_of(name.begin(), name.end(),
                                 [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
  if (!ascii) {
    ASSERT_TRUE(SetClipboardText(name));
    ASSERT_TRUE(PressKeys("ctrl+v"));
  } else if (!name.empty()) {
    ASSERT_TRUE(TypeText(name));
  }
  ASSERT_TRUE(PressKeys("Return"));
  ASSERT_TRUE(WaitForNoWindow("Color Name")) << "the name box stayed open";
  ASSERT_TRUE(FocusWindow(window));
}

std::string CopiedHex(const std::string& window, const std::string& expected) {
  if (!ClickAt(window, kCopyHexX, kCopyHexY)) return "<no click>";
  std::optional<std::string> text;
  WaitUntil([&] {
    text = ClipboardText();
    return text == expected;
  });
  return text.value_or("<no text>");
}

void Answer(App& app, const std::string& title, const std::string& key) {
  const auto box = app.WaitForWindow(title);
  ASSERT_TRUE(box.has_value()) << "no message box titled \"" << title << "\"";
  ASSERT_TRUE(FocusWindow(*box));
  ASSERT_TRUE(PressKeys(key));
  ASSERT_TRUE(WaitForNoWindow(title)) << "the box \"" << title << "\" stayed open";
}

}  // namespace hk::e2e
