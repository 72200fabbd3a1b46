// Searching the colour table by the beginning of a name: the search box Text3 and
// its button CmdSearch, below the Long field; the box turns to the error highlight
// when nothing matched.
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>

#include "archive/archiverecord.h"
#include "archive/colorsearch.h"
#include "mainwindow/frmpickcolor.h"
#include "widgets/widgets.h"

namespace hk {

namespace {

constexpr char kSearchTip[] = "Search color by name";

// The search button's picture: a magnifying glass.
QIcon SearchIcon() {
  QPixmap pm(14, 14);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(50, 50, 50), 1.6));
  p.drawEllipse(QPointF(5.5, 5.5), 4, 4);
  p.setPen(QPen(QColor(50, 50, 50), 2.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(8.6, 8.6), QPointF(12.5, 12.5));
  return QIcon(pm);
}

// Tells the handlers of the search controls about their keys and focus; the controls
// still see every event.
class SearchEvents : public QObject {
 public:
  using Handler = std::function<void(QObject*, QEvent*)>;
  SearchEvents(QObject* parent, Handler handler) : QObject(parent), handler_(std::move(handler)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    handler_(watched, event);
    return false;
  }

 private:
  Handler handler_;
};

bool HasText(const QLineEdit* field) { return !TrimSpaces(field->text().toStdString()).empty(); }

}  // namespace

void FrmPickColor::BuildSearch() {
  auto* label = new QLabel(QStringLiteral("Search"), this);
  label->setObjectName(QStringLiteral("Label5"));
  label->setProperty("index", 3);
  Place(label, 75, 2790, 510, 255);
  Label5[3] = label;

  Text3 = new QLineEdit(this);
  Text3->setObjectName(QStringLiteral("Text3"));
  Text3->setToolTip(QString::fromLatin1(kSearchTip));
  Place(Text3, 630, 2745, 1290, 300);
  label->setBuddy(Text3);

  CmdSearch = new QPushButton(this);
  CmdSearch->setObjectName(QStringLiteral("CmdSearch"));
  CmdSearch->setToolTip(QString::fromLatin1(kSearchTip));
  CmdSearch->setAccessibleName(CmdSearch->toolTip());
  CmdSearch->setIcon(SearchIcon());
  Place(CmdSearch, 1920, 2760, 360, 300);
  CmdSearch->setEnabled(false);  // nothing to search for yet

  connect(Text3, &QLineEdit::textChanged, this, [this] { Text3_Change(); });
  connect(CmdSearch, &QPushButton::clicked, this, [this] { CmdSearch_Click(); });
  // The focus leaves a control also while the window is taken down; by then the
  // caption the focus look paints may be gone.
  const QPointer<QLabel> caption = lblCol;
  auto* events = new SearchEvents(this, [this, caption](QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (!caption) return;
    if (type == QEvent::KeyPress && watched == Text3) {
      Text3_KeyDown(static_cast<QKeyEvent*>(event)->key());
    } else if (type == QEvent::FocusIn) {
      watched == Text3 ? Text3_GotFocus() : CmdSearch_GotFocus();
    } else if (type == QEvent::FocusOut) {
      watched == Text3 ? Text3_LostFocus() : CmdSearch_LostFocus();
    }
  });
  Text3->installEventFilter(events);
  CmdSearch->installEventFilter(events);
}

void FrmPickColor::Text3_Change() {
  CmdSearch->setEnabled(HasText(Text3));
  ShowErrorHighlight(Text3, false);
}

void FrmPickColor::Text3_KeyDown(int key) {
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && HasText(Text3)) CmdSearch_Click();
}

void FrmPickColor::Text3_GotFocus() {
  ShowTableFocus();
  // After the click that brought the focus has placed the caret.
  QTimer::singleShot(0, Text3, &QLineEdit::selectAll);
}

void FrmPickColor::Text3_LostFocus() { ShowTableFocus(); }
void FrmPickColor::CmdSearch_GotFocus() { ShowTableFocus(); }
void FrmPickColor::CmdSearch_LostFocus() { ShowTableFocus(); }

void FrmPickColor::SearchShowList(PadList list) {
  QRadioButton* option = Option1[static_cast<std::size_t>(list)];
  if (option->isChecked()) return;
  option->setChecked(true);
  ApplyPadUpdate(table_->Option1_Click(list));
  TabChanged = true;
}

void FrmPickColor::CmdSearch_Click() {
  const std::string text = Text3->text().toStdString();
  bool found = false;
  if (TableState() == QStringLiteral("E")) {
    // Only the list in view, from the colour after the selected one.
    const bool saved = table_->CurrentTab() == PadList::Saved;
    const auto i =
        NextMatch(saved ? archive_->Names() : web_.WebNames, table_->Pad().PadPos(), text);
    if (i) {
      found = true;
      if (saved) {
        txtCol_Click(*i);
      } else {
        ApplyPadUpdate(table_->SelectPosition(*i + 1));
      }
    }
  } else {
    // Both lists from the start, the saved colours first. When the text matches in
    // both, the web pass still runs after the saved match was applied, so the web
    // colour is the one shown, selected and current. Whether a saved match should win
    // instead is an open question; the order stays as it is until that is settled.
    if (const auto i = NextMatch(archive_->Names(), 0, text)) {
      found = true;
      SearchShowList(PadList::Saved);
      txtCol_Click(*i);
    }
    if (const auto i = NextMatch(web_.WebNames, 0, text)) {
      found = true;
      SearchShowList(PadList::Web);
      ApplyPadUpdate(table_->SelectPosition(*i + 1));
    }
    if (found) ImgUP_DN_Click();
  }
  ShowErrorHighlight(Text3, !found);
}

}  // namespace hk
