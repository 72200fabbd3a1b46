#include "platform/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace hk {

QFont TahomaFont(double pointSize) {
  // Tahoma first; then the narrow humanist sans-serifs closest to it in width.
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    for (const char* name : {"Tahoma", "Verdana", "Liberation Sans", "Arimo", "Arial",
                             "Noto Sans", "DejaVu Sans"}) {
      if (installed.contains(QString::fromLatin1(name), Qt::CaseInsensitive))
        return QString::fromLatin1(name);
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  }();
  QFont font(family);
  font.setPointSizeF(pointSize);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace hk
