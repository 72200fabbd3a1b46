// The windows' design font: Tahoma, which Linux rarely has, or the installed face closest
// to it.
#pragma once

#include <QFont>
#include <QList>
#include <QString>

class QWidget;

namespace hk {

// Tahoma where installed, otherwise the installed sans-serif closest to it, at
// `points` points.
QFont TahomaOrClosest(double points);

// Whether a font family is installed, ignoring case.
bool FontInstalled(const QString& family);

// For as long as it lives, `font` is the application's font; then the desktop's font
// is back. A window's widgets are built under it when the window has a font of its own:
// a line edit first lays out its empty text in the application's font, and a face
// loaded only for that costs milliseconds at start. (Qt then no longer follows a change
// of the desktop's font while the program runs; the windows keep their own anyway.)
class ApplicationFontWhileBuilding {
 public:
  explicit ApplicationFontWhileBuilding(const QFont& font);
  ~ApplicationFontWhileBuilding();
  ApplicationFontWhileBuilding(const ApplicationFontWhileBuilding&) = delete;
  ApplicationFontWhileBuilding& operator=(const ApplicationFontWhileBuilding&) = delete;

 private:
  QFont desktop_;
  QList<QWidget*> windowsBefore_;
};

}  // namespace hk
