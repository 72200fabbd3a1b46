// The yardstick of the start-up benchmark (startup.sh): an empty Qt Widgets window of
// the main window's size, with nothing of Hue Keeper in it. With --text it shows one
// line of text, so that it also pays for loading the fonts.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare Window"));
  window.resize(310, 364);
  if (QApplication::arguments().contains(QStringLiteral("--text"))) {
    auto* label = new QLabel(QStringLiteral("Bare Window"), &window);
    label->move(10, 10);
  }
  window.show();
  return QApplication::exec();
}
