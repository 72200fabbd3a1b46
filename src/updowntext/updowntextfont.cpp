#include "updowntext/updowntextfont.h"

#include <QFontInfo>
#include <QStringList>

namespace hk {

namespace {

bool IsWindowsInterfaceFace(const QString& family) {
  for (const char* name :
       {"Tahoma", "Verdana", "MS Sans Serif", "Microsoft Sans Serif", "Segoe UI", "Arial"}) {
    if (family.compare(QString::fromLatin1(name), Qt::CaseInsensitive) == 0) return true;
  }
  return false;
}

}  // namespace

QFont ToQFont(const FontSpec& stored) {
  const QString family = QString::fromStdString(stored.name);
  QFont font = !FontInstalled(family) && IsWindowsInterfaceFace(family)
                   ? TahomaOrClosest(stored.points)
                   : QFont(family);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(stored.points);
  font.setBold(stored.bold);
  font.setItalic(stored.italic);
  font.setUnderline(stored.underline);
  font.setStrikeOut(stored.strikethrough);
  return font;
}

FontSpec ToFontSpec(const QFont& font) {
  FontSpec stored;
  stored.name = font.family().toStdString();
  stored.points = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
  stored.bold = font.bold();
  stored.italic = font.italic();
  stored.underline = font.underline();
  stored.strikethrough = font.strikeOut();
  return stored;
}

}  // namespace hk
