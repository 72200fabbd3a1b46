#include "platform/messages.h"

#include <QApplication>
#include <QMessageBox>

#include "colour/modhslv.h"

namespace hk {

void InstallMessageBoxSink() {
  SetMessageSink([](std::string_view message) {
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(),
                             QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
  });
}

}  // namespace hk
