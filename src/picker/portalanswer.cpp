#include "picker/portalanswer.h"

#include <algorithm>
#include <cmath>

namespace hk {

namespace {

std::optional<int> ChannelByte(double value) {
  if (std::isnan(value)) return std::nullopt;
  return static_cast<int>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

}  // namespace

PortalOutcome OutcomeOf(std::uint32_t response, bool hasColour) {
  switch (response) {
    case 0: return hasColour ? PortalOutcome::Picked : PortalOutcome::Unavailable;
    case 1:  // dismissed by the user
    case 2:  // ended some other way: still no colour, and nothing to report
      return PortalOutcome::Cancelled;
    default: return PortalOutcome::Unavailable;
  }
}

std::optional<LongColour> PortalColour(double red, double green, double blue) {
  const auto r = ChannelByte(red), g = ChannelByte(green), b = ChannelByte(blue);
  if (!r || !g || !b) return std::nullopt;
  return RGB(*r, *g, *b);
}

}  // namespace hk
