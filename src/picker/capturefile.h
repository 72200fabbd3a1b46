// The capture kept between runs: "screen_tmp.bmp" in the program folder.
#pragma once

#include <QImage>
#include <QString>

#include "platform/filewrite.h"

namespace hk {

inline constexpr const char* kCaptureFileName = "screen_tmp.bmp";

// The picture in `folder`; an empty image when it is missing or unreadable.
QImage LoadCapture(const QString& folder);
// Writes `picture` whole or not at all; a failure says why. An empty picture writes nothing.
WriteResult SaveCapture(const QString& folder, const QImage& picture);

}  // namespace hk
