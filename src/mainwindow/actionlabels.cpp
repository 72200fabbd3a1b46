#include "mainwindow/actionlabels.h"

#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMouseEvent>
#include <QShortcut>

#include "mainwindow/frmpickcolor.h"
#include "platform/colours.h"
#include "platform/twips.h"
#include "widgets/plainlabel.h"
#include "widgets/widgets.h"

namespace hk {

namespace {

struct Design {
  const char* caption;
  const char* tip;
  int width;        // twips; a caption never gets cut short
  const char* key;  // what runs it from the keyboard
};
// A label takes no focus, so a key runs it as an access key runs a button. Exit's
// Alt+X is the window's own key; Measure's M belongs to the magenta editor in the ink
// modes, and the home page and the converter show no access key: theirs are letters
// no other control of the window uses.
constexpr Design kDesign[ActionLabels::kCount] = {
    {"Re&name", "Rename the selected color", 555, "Alt+N"},
    {"&Delete", "Delete the selected color", 435, "Alt+D"},
    {"E&xit", "Close the application (Not just minimize)", 255, "Alt+X"},
    {"Home Page", "Visit my homepage...", 765, "Alt+P"},
    {"HexConv", "Convert between ASCII / Decimal / Hex / Octal ...", 615, "Alt+E"},
    {"&Measure", "On screen element measurement tool", 555, "Alt+A"},
};
constexpr int kHeightTwips = 180;
constexpr LongColour kLitText = 0xFF0000;  // pure blue

}  // namespace

ActionLabels::ActionLabels(QWidget* window) : QObject(window) {
  for (int i = 0; i < kCount; ++i) {
    auto* l = new PlainLabel(QString::fromLatin1(kDesign[i].caption), window);
    l->setObjectName(QStringLiteral("lblAction"));
    l->setProperty("index", i);
    l->setProperty("caption", QString::fromLatin1(kDesign[i].caption));
    l->setToolTip(QString::fromLatin1(kDesign[i].tip));
    const QKeySequence key(QString::fromLatin1(kDesign[i].key));
    l->setAccessibleDescription(l->toolTip() + QStringLiteral(" (") +
                                key.toString(QKeySequence::NativeText) + QLatin1Char(')'));
    l->setAutoFillBackground(true);
    l->setAlignment(Qt::AlignCenter);
    l->setMouseTracking(true);
    l->setCursor(Qt::PointingHandCursor);
    l->resize(TwipsToPixels(kDesign[i].width), TwipsToPixels(kHeightTwips));
    FitLabel(l);
    l->installEventFilter(this);
    lblAction[static_cast<std::size_t>(i)] = l;
    if (i != Exit) {
      auto* shortcut = new QShortcut(key, window);
      connect(shortcut, &QShortcut::activated, this, [this, i] {
        if (label(i)->isVisible() && label(i)->isEnabled()) emit Clicked(i);
      });
    }
  }
  ResetActionLabels();
}

bool ActionLabels::AnyLit() const {
  for (bool lit : lit_)
    if (lit) return true;
  return false;
}

void ActionLabels::lblAction_MouseMove(int index) {
  if (Lit(index)) return;
  ResetActionLabels();
  lit_[static_cast<std::size_t>(index)] = true;
  Paint(index);
}

void ActionLabels::ResetActionLabels() {
  for (int i = 0; i < kCount; ++i) {
    lit_[static_cast<std::size_t>(i)] = false;
    Paint(i);
  }
}

void ActionLabels::Paint(int index) {
  QLabel* l = label(index);
  QPalette p = l->palette();
  const bool lit = Lit(index);
  // System colours come from the application's palette: the label's own still holds the
  // colours it was last painted in.
  p.setColor(QPalette::Window, ToQColor(lit ? kSys3DLight : kSysActiveBorder));
  p.setColor(QPalette::WindowText, ToQColor(lit ? kLitText : kSysButtonText));
  l->setPalette(p);
}

void ActionLabels::Place(int innerWidth, int innerHeight, bool editShown, bool editEnabled) {
  const int gap = TwipsToPixels(60);
  const int top = innerHeight - label(Rename)->height() - TwipsToPixels(30);
  const auto put = [&](int index, int x) { label(index)->move(x, top); };
  put(Rename, gap);
  put(Delete, label(Rename)->geometry().right() + 1 + gap);
  put(Measure, label(Delete)->geometry().right() + 1 + gap);
  put(Exit, innerWidth - label(Exit)->width() - TwipsToPixels(90));
  put(HomePage, label(Exit)->x() - label(HomePage)->width() - gap);
  put(HexConv, label(HomePage)->x() - label(HexConv)->width() - gap);
  for (int index : {Rename, Delete}) {
    label(index)->setVisible(editShown);
    label(index)->setEnabled(editEnabled);
  }
}

bool ActionLabels::eventFilter(QObject* watched, QEvent* event) {
  for (int i = 0; i < kCount; ++i) {
    if (watched != label(i)) continue;
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
      if (label(i)->isEnabled()) lblAction_MouseMove(i);
    } else if (event->type() == QEvent::Leave) {
      // The light goes with the mouse, whatever it moves onto.
      if (Lit(i)) ResetActionLabels();
    } else if (event->type() == QEvent::MouseButtonRelease) {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton &&
          label(i)->rect().contains(mouse->position().toPoint()))
        emit Clicked(i);
      return true;
    }
    return false;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace hk
