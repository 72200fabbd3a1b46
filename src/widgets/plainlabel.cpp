#include "widgets/plainlabel.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <cmath>

namespace hk {

namespace {

QString WithoutMarks(const QString& caption) {
  QString text;
  text.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
    text += caption[i];
  }
  return text;
}

}  // namespace

PlainLabel::PlainLabel(const QString& caption, QWidget* parent)
    : QLabel(WithoutMarks(caption), parent), caption_(caption), plain_(text()) {
  setTextFormat(Qt::PlainText);
}

bool PlainLabel::event(QEvent* event) {
  // On polish QLabel makes the document for a label that can take the focus.
  if (event->type() == QEvent::Polish) return QFrame::event(event);
  return QLabel::event(event);
}

void PlainLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawFrame(&painter);
  QStyleOption option;
  option.initFrom(this);  // the palette's colours for the label's state
  const bool keyed = text() == plain_;
  int flags = static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment()));
  if (keyed) flags |= Qt::TextShowMnemonic;
  // Placed and greyed as QLabel draws a one-line document: the line's height centred
  // and the top rounded down; in the text colour of a disabled widget.
  QRect area = contentsRect();
  if (flags & Qt::AlignVCenter) {
    const QFontMetricsF metrics(font());
    const qreal spare = area.height() - (metrics.ascent() + metrics.descent());
    area.setTop(area.top() + static_cast<int>(std::floor(std::max(spare / 2, 0.0))));
    flags = (flags & ~Qt::AlignVCenter) | Qt::AlignTop;
  }
  style()->drawItemText(&painter, area, flags, option.palette, isEnabled(),
                        keyed ? caption_ : text(), isEnabled() ? foregroundRole() : QPalette::Text);
}

void PlainLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }
void PlainLabel::mouseMoveEvent(QMouseEvent* event) { event->accept(); }
void PlainLabel::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

}  // namespace hk
