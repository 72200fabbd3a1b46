// What the end-to-end tests know of Hue Keeper itself: where its controls sit, the
// user's steps through its dialogs, and its files as bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "harness.h"

namespace hk::e2e {

inline const std::string kMainTitle = "Hue Keeper";

// Centre of a control from its design rectangle in twips.
constexpr int Cx(int left, int width) { return Px(left) + Px(width) / 2; }
constexpr int Cy(int top, int height) { return Px(top) + Px(height) / 2; }

// The Long field (txtCol), the Apply and Add buttons, the Web field (Text2) and the
// copy button of the Hex field.
inline constexpr int kLongX = Cx(630, 1290), kLongY = Cy(2370, 315);
inline constexpr int kApplyX = Cx(2325, 360), kApplyY = Cy(2760, 315);
inline constexpr int kAddX = Cx(3480, 360), kAddY = Cy(2760, 315);
inline constexpr int kWebX = Cx(630, 1290), kWebY = Cy(1995, 315);
inline constexpr int kCopyHexX = Cx(4245, 360), kCopyHexY = Cy(1995, 315);

// The pad: the table box CNT (a 1-pixel border) with the grid PAD inside it. At the
// default tip size of 180 twips the pitch is 240: 16 pixels, 17 columns.
inline constexpr int kPadLeft = Px(0) + 1, kPadTop = Px(3705) + 1;
inline constexpr int kPadColumns = 17;
// Top left corner of cell `index` (0-based, first visible row on top), and its centre,
// in window pixels.
constexpr int CellLeft(int index) { return kPadLeft + Px(45 + (index % kPadColumns) * 240); }
constexpr int CellTop(int index) { return kPadTop + Px(45 + (index / kPadColumns) * 240); }
constexpr int CellX(int index) { return CellLeft(index) + Px(90); }
constexpr int CellY(int index) { return CellTop(index) + Px(90); }
// A point of the grid's left margin, which only ever shows the pad's background.
inline constexpr int kPadBackgroundX = kPadLeft + 1, kPadBackgroundY = kPadTop + 1;

// The colour a cell shows when its inner square (the tip inset by 30 twips, less a
// pixel on each side for rounding) is one colour; nothing when it is not uniform.
std::optional<Rgb> CellColour(const Screenshot& shot, int index);

// One archive record: the Long colour little-endian, then the name (already in
// Windows-1252) cut or padded with spaces to 25 bytes.
std::string Record(std::uint32_t colour, std::string_view name1252);

// The preference file a first run leaves: defaults, the table expanded.
std::string PrefFile(int lastUserColor, int lastWebColor);

// Replaces the Long field's text with `typed` (the window must have the focus).
void TypeIntoLong(const std::string& window, const std::string& typed);
// Presses Add with `typed` in the Long field and answers the name box with `name`
// and Return; returns once the box has gone. Fails the test when the box does not
// come or go. A name with letters outside ASCII is pasted, not typed: xdotool types
// those by remapping a key for a moment, and a busy program reads the key after the
// mapping is back and loses the letter.
void AddThroughNameBox(App& app, const std::string& window, const std::string& typed,
                       const std::string& name);
// Clicks the Hex field's copy button and waits for that text on the clipboard; returns
// what the clipboard last held when it did not come.
std::string CopiedHex(const std::string& window, const std::string& expected);
// Waits for a message box with this title, presses `key` on it and waits until it
// has gone.
void Answer(App& app, const std::string& title, const std::string& key);

}  // namespace hk::e2e
