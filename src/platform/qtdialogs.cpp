#include "platform/qtdialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

namespace hk {

namespace {
QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
}  // namespace

MsgResult QtDialogs::MsgBox(std::string_view prompt, MsgButtons buttons, MsgIcon icon,
                            std::string_view title) {
  QMessageBox box(parent_);
  box.setWindowTitle(Q(title));
  box.setText(Q(prompt));
  switch (icon) {
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::None: break;
  }
  switch (buttons) {
    case MsgButtons::OK: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OKCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
    case MsgButtons::RetryDiscard:
      // No Escape button: only a choice closes the box.
      box.setStandardButtons(QMessageBox::Retry | QMessageBox::Discard);
      box.setDefaultButton(QMessageBox::Retry);
      break;
  }
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok: return MsgResult::OK;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    case QMessageBox::Retry: return MsgResult::Retry;
    case QMessageBox::Discard: return MsgResult::Discard;
    default: return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Cancel;
  }
}

std::string QtDialogs::InputBox(std::string_view prompt, std::string_view title,
                                std::string_view defaultText) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(parent_, Q(title), Q(prompt), QLineEdit::Normal, Q(defaultText), &ok);
  return ok ? text.toStdString() : std::string();
}

std::string QtDialogs::OpenFileName(std::string_view title, std::string_view filter) {
  return QFile::encodeName(QFileDialog::getOpenFileName(parent_, Q(title), QString(), Q(filter)))
      .toStdString();
}

std::string QtDialogs::SaveFileName(std::string_view title, std::string_view filter) {
  QString chosen;
  QString file = QFileDialog::getSaveFileName(parent_, Q(title), QString(), Q(filter), &chosen);
  const qsizetype star = chosen.indexOf(QStringLiteral("(*."));
  if (!file.isEmpty() && QFileInfo(file).suffix().isEmpty() && star >= 0)
    file += chosen.mid(star + 2, chosen.indexOf(QLatin1Char(')'), star) - star - 2);
  return QFile::encodeName(file).toStdString();
}

}  // namespace hk
