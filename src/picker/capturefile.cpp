#include "picker/capturefile.h"

#include <QDir>
#include <QFile>

#include "picker/bmpfile.h"
#include "picker/screenpicker.h"
#include "platform/filewrite.h"

namespace hk {

QImage LoadCapture(const QString& folder) {
  QImage picture;
  if (!picture.load(QDir(folder).filePath(QString::fromLatin1(kCaptureFileName)))) return {};
  return picture;
}

bool SaveCapture(const QString& folder, const QImage& picture) {
  if (picture.isNull()) return false;
  const QByteArray path =
      QFile::encodeName(QDir(folder).filePath(QString::fromLatin1(kCaptureFileName)));
  return WriteFileAtomically(std::filesystem::path(path.toStdString()),
                             EncodeBmp24(FromQImage(picture)));
}

}  // namespace hk
