// The capture file: a Windows bitmap, 24 bits a pixel, rows bottom-up and
// padded to four bytes, the way every picture program reads it.
#pragma once

#include <string>

#include "picker/pixelimage.h"

namespace hk {

std::string EncodeBmp24(const PixelImage& image);

}  // namespace hk
