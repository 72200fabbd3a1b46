// The channel editors during a screen pick: SetColor loads four of them ten
// times a second and each repaints, so loading and painting one must stay far
// below a millisecond. Typing goes through the same road key by key.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>

#include "updowntext/updowntext.h"

namespace {

void BM_SetValue(benchmark::State& state) {
  QWidget host;
  hk::UpDownText* editor = hk::CreateMainWindowEditor(&host, QStringLiteral("TxtR"));
  int v = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(editor->SetValue(v));
    v = (v + 97) % 256;
  }
}
BENCHMARK(BM_SetValue);

void BM_PictureOfTheControl(benchmark::State& state) {
  QWidget host;
  hk::UpDownText* editor = hk::CreateMainWindowEditor(&host, QStringLiteral("TxtR"));
  editor->SetValue(128);
  for (auto _ : state) {
    hk::UpDownPicture p = editor->model().Picture();
    benchmark::DoNotOptimize(p);
  }
}
BENCHMARK(BM_PictureOfTheControl);

void BM_PaintAt96Dpi(benchmark::State& state) {
  QWidget host;
  hk::UpDownText* editor = hk::CreateMainWindowEditor(&host, QStringLiteral("TxtR"));
  editor->SetValue(128);
  QImage image(editor->size(), QImage::Format_RGB32);
  for (auto _ : state) {
    editor->render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_PaintAt96Dpi);

// A digit typed at the end and taken back with Backspace, as key events.
void BM_TypeDigitAndBackspace(benchmark::State& state) {
  QWidget host;
  hk::UpDownText* editor = hk::CreateMainWindowEditor(&host, QStringLiteral("TxtR"));
  editor->SetValue(12);
  QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
  QApplication::sendEvent(editor, &end);
  QKeyEvent digit(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
  QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
  for (auto _ : state) {
    QApplication::sendEvent(editor, &digit);
    QApplication::sendEvent(editor, &back);
  }
  if (editor->value() != 12) state.SkipWithError("typing went wrong");
}
BENCHMARK(BM_TypeDigitAndBackspace);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
