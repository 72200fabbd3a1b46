#include "picker/commandlinepick.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cstdio>

#include "colour/webcolors.h"
#include "picker/eyedropper.h"
#include "picker/portalpicker.h"
#include "picker/x11screensource.h"
#include "platform/commandline.h"

namespace hk {

CommandLinePick::CommandLinePick(std::unique_ptr<ScreenSource> source, QObject* parent)
    : QObject(parent), source_(std::move(source)) {
  grabber_.setFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint |
                    Qt::WindowDoesNotAcceptFocus);
  grabber_.setGeometry(-10, -10, 1, 1);
  grabber_.installEventFilter(this);
}

CommandLinePick::~CommandLinePick() = default;

void CommandLinePick::Start() {
  if (!source_) {
    AskPortal();
    return;
  }
  grabber_.setCursor(EyedropperCursor(grabber_.devicePixelRatio()));
  grabber_.show();
  // The grab brings every click and key here and shows the eyedropper over every window.
  if (!grabber_.setMouseGrabEnabled(true) || !grabber_.setKeyboardGrabEnabled(true)) {
    Release();
    emit Failed(QStringLiteral("another program holds the pointer or the keyboard"));
  }
}

void CommandLinePick::AskPortal() {
  auto* portal = new PortalPicker(this);
  connect(portal, &PortalPicker::ColourPicked, this, &CommandLinePick::Picked);
  connect(portal, &PortalPicker::Cancelled, this, &CommandLinePick::Cancelled);
  connect(portal, &PortalPicker::Unavailable, this, [this] {
    emit Failed(QStringLiteral(
        "the screen cannot be read here and no desktop portal answered: picking a colour "
        "needs an X11 session or a desktop portal"));
  });
  portal->Request();
}

std::optional<LongColour> CommandLinePick::ReadPointerPixel() {
  const std::optional<ScreenPoint> at = source_->PointerPosition();
  if (!at) return std::nullopt;
  const std::optional<PixelImage> pixel = source_->Capture({at->x, at->y, 1, 1});
  if (!pixel || pixel->width != 1 || pixel->height != 1) return std::nullopt;
  return pixel->ColourAt(0, 0);
}

void CommandLinePick::Release() {
  // Events already on their way are not a second answer.
  grabber_.removeEventFilter(this);
  grabber_.setKeyboardGrabEnabled(false);
  grabber_.setMouseGrabEnabled(false);
  grabber_.hide();
}

bool CommandLinePick::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &grabber_) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
      if (pressed_ == Qt::NoButton && (button == Qt::LeftButton || button == Qt::RightButton)) {
        pressed_ = button;
        if (button == Qt::LeftButton) read_ = ReadPointerPixel();
      }
      return true;
    }
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() != pressed_) return true;
      Release();
      if (pressed_ == Qt::RightButton) {
        emit Cancelled();
      } else if (read_) {
        emit Picked(*read_);
      } else {
        emit Failed(QStringLiteral("the screen could not be read"));
      }
      return true;
    case QEvent::KeyPress:
      if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) return true;
      Release();
      emit Cancelled();
      return true;
    default:
      return QObject::eventFilter(watched, event);
  }
}

int PickFromCommandLine(Notation format) {
  CommandLinePick pick(X11ScreenSource::Create());
  QObject::connect(&pick, &CommandLinePick::Picked, &pick, [format](LongColour colour) {
    NotationTexts texts;
    FormatAll(colour, WebColors(), texts);
    std::printf("%s\n", texts.Of(format).c_str());
    QCoreApplication::exit(kExitDone);
  });
  QObject::connect(&pick, &CommandLinePick::Cancelled, &pick,
                   [] { QCoreApplication::exit(kExitCancelled); });
  QObject::connect(&pick, &CommandLinePick::Failed, &pick, [](const QString& reason) {
    std::fprintf(stderr, "huekeeper: %s\n", qPrintable(reason));
    QCoreApplication::exit(kExitFailed);
  });
  // Once the loop runs, so that an answer given at once still ends it.
  QMetaObject::invokeMethod(&pick, &CommandLinePick::Start, Qt::QueuedConnection);
  return QCoreApplication::exec();
}

}  // namespace hk
