#include "picker/capturefile.h"

#include <QDir>
#include <QFile>

#include "picker/bmpfile.h"
#include "picker/screenpicker.h"
#include "platform/filewrite.h"

namespace hk {

QImage LoadCapture(const QString& folder) {
  // Read as the bitmap it is: guessing the format would load every image plugin at
  // start-up, even when there is no file.
  const QString path = QDir(folder).filePath(QString::fromLatin1(kCaptureFileName));
  if (!QFile::exists(path)) return {};
  QImage picture;
  if (!picture.load(path, "BMP")) return {};
  return picture;
}

WriteResult SaveCapture(const QString& folder, const QImage& picture) {
  if (picture.isNull()) return {};
  const QByteArray path =
      QFile::encodeName(QDir(folder).filePath(QString::fromLatin1(kCaptureFileName)));
  return WriteFileAtomically(std::filesystem::path(path.toStdString()),
                             EncodeBmp24(FromQImage(picture)));
}

}  // namespace hk
