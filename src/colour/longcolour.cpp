#include "colour/longcolour.h"

namespace hk {

void cRGB::setRGB(LongColour value) {
  setR(RedOf(value));
  setG(GreenOf(value));
  setB(BlueOf(value));
}

}  // namespace hk
