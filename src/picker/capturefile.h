// The capture kept between runs: "screen_tmp.bmp" in the program folder.
#pragma once

#include <QImage>
#include <QString>

namespace hk {

inline constexpr const char* kCaptureFileName = "screen_tmp.bmp";

// The picture in `folder`; an empty image when it is missing or unreadable.
QImage LoadCapture(const QString& folder);
// Writes `picture` whole or not at all; answers whether the new file is in place.
bool SaveCapture(const QString& folder, const QImage& picture);

}  // namespace hk
