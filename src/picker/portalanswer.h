// What an answer of the desktop portal's colour picker means, as plain values: its
// response code and the channels of the colour it carries.
#pragma once

#include <cstdint>
#include <optional>

#include "colour/longcolour.h"

namespace hk {

enum class PortalOutcome { Picked, Cancelled, Unavailable };

// Response 0 with a colour is a pick; 1 (dismissed by the user) and 2 (ended some other
// way) are a cancel; any other code, or 0 without a usable colour, gives nothing.
PortalOutcome OutcomeOf(std::uint32_t response, bool hasColour);

// Red, green and blue of 0..1 as a Long colour, each to the nearest of 256 steps with
// halves up (0.5 is 128). Slightly out-of-range values are clamped; a channel that is
// not a number makes the whole colour unusable rather than a made-up black.
std::optional<LongColour> PortalColour(double red, double green, double blue);

}  // namespace hk
