// The palette files the saved colours travel in: GIMP/Inkscape/Krita palettes (.gpl), CSS
// custom properties (.css, written only), JSON design tokens (.json) and plain text (.txt),
// chosen by the file's suffix. Text is UTF-8 both ways.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "colour/longcolour.h"

namespace hk {

class WebColors;

enum class PaletteFormat { Gpl, Css, Json, Txt };

// The format of a file by its suffix, in any case; nothing for another suffix.
std::optional<PaletteFormat> PaletteFormatOf(const std::filesystem::path& file);
bool Readable(PaletteFormat format);  // every format but CSS

struct PaletteEntry {
  LongColour colour = 0;  // red, green and blue only
  std::string name;       // as the file has it; may be empty
  bool operator==(const PaletteEntry&) const = default;
};

struct PaletteReading {
  bool palette = true;  // false: not a file of this format at all (no GIMP header, no JSON)
  std::vector<PaletteEntry> entries;  // in the file's order
  std::vector<int> badLines;          // lines (from 1) that hold something not a colour
};

// The whole file for `entries`, each colour by its red, green and blue.
std::string WritePalette(PaletteFormat format, const std::vector<PaletteEntry>& entries);
// The colours of a file's text; CSS reads as nothing.
PaletteReading ReadPalette(PaletteFormat format, std::string_view text, const WebColors& web);

// A line of the plain text palette before its tab: any notation the window's fields read.
// "#..." is web; "cmyk..." or four numbers CMYK; "rgb..." or three numbers RGB; a name is
// an HTML colour; digits alone a Long; anything else hexadecimal.
std::optional<LongColour> ReadAnyNotation(std::string_view text, const WebColors& web);

}  // namespace hk
