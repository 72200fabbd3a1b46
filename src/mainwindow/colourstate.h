// The decomposition of the current colour that the channel editors edit, and the
// rules that turn an editor's value back into channels, for each colour mode.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "colour/longcolour.h"
#include "colour/modcmyk.h"

namespace hk {

enum ColorModes : int { kModeRGB = 0, kModeCMY = 1, kModeCMYK = 2, kModeHSL = 3, kModeHSV = 4 };

// Captions and limits of the three (four) editors in one colour mode.
struct EditorSetup {
  std::array<std::string_view, 3> captions;
  std::array<int, 3> max;  // the hue editor's maximum is the hue maximum
  bool showBlack;          // TxtK and lblBlack
  bool showHueOption;      // Picture3 with the 240/360 choice
  bool barsDraggable;
};
// The setup of `mode` (0-4) with the current hue maximum.
EditorSetup SetupFor(int mode);

class ColourState {
 public:
  // The current channels from a colour (its low three bytes).
  void SetChannels(LongColour colour);
  LongColour Colour() const { return RGB(red, green, blue); }
  void ComputeCMYK();

  // Computes the mode's values from the channels and gives what the editors show
  // (hue, saturation, lightness and value rounded, halves to even). Returns how
  // many editors are loaded: 3, 4 in CMYK mode, or 0 for an unknown mode.
  int EditorValues(int mode, std::array<int, 4>& out);

  // Recomputes the channels from the values last edited in `lastMode`.
  void CarryOver(std::optional<int> lastMode);

  // An editor (0-2 the three components, 3 black) now holds `v` in `mode`:
  // replace that component and convert back to the channels. Black acts only
  // in CMYK mode. Returns false when the edit does not apply.
  bool Edit(int mode, int editor, int v);

  // Recomputes the channels from the HSL or HSV triple (modes 3 and 4).
  void ChannelsFromHueTriple(int mode);

  std::int32_t red = 0, green = 0, blue = 0;
  CMYK cmyk;
  std::array<std::int32_t, 3> cmy{};
  std::array<float, 3> hsl{};
  std::array<float, 3> hsv{};
};

}  // namespace hk
