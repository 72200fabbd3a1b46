// Writes the program's icon into a hicolor icon theme folder, from the drawing the
// program itself shows: icongen <folder> <id> <size>...
#include <cstdio>
#include <cstdlib>

#include <QDir>
#include <QFile>
#include <QString>

#include "mainwindow/appicon.h"

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fputs("usage: icongen <folder> <id> <size>...\n", stderr);
    return 2;
  }
  const QDir theme(QFile::decodeName(argv[1]));
  const QString name = QString::fromUtf8(argv[2]);
  const auto fail = [](const QString& path) {
    std::fprintf(stderr, "icongen: cannot write %s\n", qPrintable(path));
    return 1;
  };
  const QString svg = theme.filePath("scalable/apps/" + name + ".svg");
  QFile file(svg);
  if (!theme.mkpath("scalable/apps") || !file.open(QIODevice::WriteOnly) ||
      file.write(hk::AppIconSvg()) < 0 || !file.flush())
    return fail(svg);
  for (int i = 3; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    const QString folder = QStringLiteral("%1x%1/apps").arg(size);
    const QString png = theme.filePath(folder + "/" + name + ".png");
    if (size < 1 || !theme.mkpath(folder) || !hk::AppIconImage(size).save(png, "PNG"))
      return fail(png);
  }
  return 0;
}
