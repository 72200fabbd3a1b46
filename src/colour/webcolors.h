// The 140 named web colours: names and their Long colours as decimal text, in
// alphabetical order. Every lookup scans from index 0 and takes the first match,
// so "Aqua" wins over "Cyan" and "Fuchsia" over "Magenta".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "colour/longcolour.h"

namespace hk {

class WebColors {
 public:
  WebColors() { LoadWebColors(); }

  // Fills both lists afresh, entry by entry in index order.
  void LoadWebColors();

  int Count() const { return static_cast<int>(WebNames.size()); }
  // The colour of entry `index`, converted from its stored text.
  LongColour ColourAt(int index) const;

  // Name to colour: whole text against whole name, ignoring case. -1 if none.
  int FindName(std::string_view typed) const;
  // Colour to name: the colour's decimal text against the stored text. -1 if none.
  int FindColour(LongColour colour) const;
  // The first entry from `start` on whose name begins with `prefix`, ignoring case.
  int FindPrefix(std::string_view prefix, int start = 0) const;

  std::vector<std::string> WebNames;
  std::vector<std::string> WebValues;
};

// ASCII upper-casing, as the name comparisons use it.
std::string UpperAscii(std::string_view text);

}  // namespace hk
