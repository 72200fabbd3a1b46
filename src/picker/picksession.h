// One pick from the screen: the polling rule of each timer tick, independent of
// the widgets that show its result.
#pragma once

#include <optional>

#include "picker/screensource.h"

namespace hk {

class PickSession {
 public:
  // `halfWidth` and `halfHeight`: the capture reaches that far left and up of
  // the pointer and is twice as wide and high, so the pointer's pixel is at
  // their point.
  // `source` may be null: every tick is then Unreadable.
  PickSession(ScreenSource* source, int halfWidth, int halfHeight)
      : source_(source), halfWidth_(halfWidth), halfHeight_(halfHeight) {}

  void SetSource(ScreenSource* source) { source_ = source; }
  bool CanRead() const { return source_ != nullptr; }

  void SetHalfSize(int halfWidth, int halfHeight) {
    halfWidth_ = halfWidth;
    halfHeight_ = halfHeight;
  }
  int CaptureHalfWidth() const { return halfWidth_; }
  int CaptureHalfHeight() const { return halfHeight_; }

  enum class TickResult {
    Still,       // the pointer has not moved since the last capture: nothing to do
    Captured,    // a new capture, and the colour under the pointer
    Unreadable,  // the screen cannot be read: nothing changes
  };
  struct Tick {
    TickResult result = TickResult::Still;
    PixelImage image;       // the capture, when Captured
    LongColour colour = 0;  // the pixel under the pointer, when Captured
  };
  // One poll of the pointer; captures around it when it has moved.
  Tick Timer1_Timer();

  // Where the last capture was taken; kept from one pick to the next.
  int LastCursorX = 0;
  int LastCursorY = 0;
  // Whether any capture was taken in this run.
  bool CaptureTaken() const { return captureTaken_; }

 private:
  ScreenSource* source_;
  int halfWidth_;
  int halfHeight_;
  bool captureTaken_ = false;
};

}  // namespace hk
