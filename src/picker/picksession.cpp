#include "picker/picksession.h"

namespace hk {

PickSession::Tick PickSession::Timer1_Timer() {
  Tick tick;
  const std::optional<ScreenPoint> at =
      source_ != nullptr ? source_->PointerPosition() : std::nullopt;
  if (!at) {
    tick.result = TickResult::Unreadable;
    return tick;
  }
  if (at->x == LastCursorX && at->y == LastCursorY) return tick;
  std::optional<PixelImage> image =
      source_->Capture({at->x - halfWidth_, at->y - halfHeight_, 2 * halfWidth_, 2 * halfHeight_});
  if (!image || image->width != 2 * halfWidth_ || image->height != 2 * halfHeight_) {
    tick.result = TickResult::Unreadable;
    return tick;
  }
  captureTaken_ = true;
  LastCursorX = at->x;
  LastCursorY = at->y;
  tick.result = TickResult::Captured;
  tick.colour = image->ColourAt(halfWidth_, halfHeight_);
  tick.image = std::move(*image);
  return tick;
}

}  // namespace hk
