// A caption that looks as a rich-text QLabel but is drawn as plain text. QLabel builds a
// whole text document for a caption with an underlined letter and, when it is polished,
// for a label that can take the keyboard focus (a key button); that costs a font and a
// layout at start. This one draws its text itself, the access key marked by "&"
// underlined, placed and greyed as the document would be. (QLabel may still build the
// document later, when the text changes or the focus comes; it is never drawn.)
#pragma once

#include <QLabel>

namespace hk {

class PlainLabel : public QLabel {
  Q_OBJECT
 public:
  // `caption` may mark its access key with "&" ("&&" for an ampersand); text() and the
  // accessible name are the caption without the marks, and the key shows underlined
  // for as long as the label keeps that text.
  PlainLabel(const QString& caption, QWidget* parent);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // The mouse over the caption stays with it, as with a document's caption: a move
  // does not pass on to the window below.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QString caption_;  // as given, with its marks
  QString plain_;    // without them
};

}  // namespace hk
