#include "widgets/designfont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>
#include <QWidget>

namespace hk {

namespace {

QString ClosestToTahoma() {
  // Tahoma's wider sister first, then the plain humanist and grotesque faces by
  // how close their widths come to it.
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    for (const char* name :
         {"Tahoma", "Verdana", "Liberation Sans", "Arimo", "Arial", "Noto Sans", "DejaVu Sans"}) {
      const QString f = QString::fromLatin1(name);
      if (installed.contains(f, Qt::CaseInsensitive)) return f;
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  }();
  return family;
}

}  // namespace

bool FontInstalled(const QString& family) {
  return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

QFont TahomaOrClosest(double points) {
  QFont font(ClosestToTahoma());
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  return font;
}

ApplicationFontWhileBuilding::ApplicationFontWhileBuilding(const QFont& font)
    : desktop_(QApplication::font()), windowsBefore_(QApplication::topLevelWidgets()) {
  QApplication::setFont(font);
}

ApplicationFontWhileBuilding::~ApplicationFontWhileBuilding() {
  QApplication::setFont(desktop_);
  // A window made meanwhile with no font of its own (a menu) keeps the font it was
  // made with; it is given the desktop's.
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!windowsBefore_.contains(window) && !window->testAttribute(Qt::WA_SetFont))
      window->setFont(QFont());
  }
}

}  // namespace hk
