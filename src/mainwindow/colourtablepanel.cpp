#include "mainwindow/colourtablepanel.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "archive/archiverecord.h"
#include "archive/colorsearch.h"
#include "archive/colourarchive.h"
#include "archive/padwidget.h"
#include "mainwindow/pictures.h"
#include "platform/colours.h"
#include "platform/twips.h"
#include "widgets/keybutton.h"
#include "widgets/widgets.h"

namespace hk {

namespace {

constexpr int kTableTop = 3120;      // lblCol
constexpr int kCaptionHeight = 255;  // lblCol
constexpr int kOptionTop = 3390;     // Option1
constexpr int kOptionHeight = 315;
constexpr int kPadTop = kOptionTop + kOptionHeight;  // CNT
constexpr int kPadHeight = 1515;                     // CNT: six rows of default tips
constexpr int kWidth = 4650;                         // the window's design width
static_assert(ColourTablePanel::kHeightTwips == kCaptionHeight + kOptionHeight + kPadHeight);

constexpr char kSearchTip[] = "Search color by name";

bool HasText(const QLineEdit* field) { return !TrimSpaces(field->text().toStdString()).empty(); }

}  // namespace

ColourTablePanel::ColourTablePanel(QWidget* window, ColourTable& table, ColourArchive& archive,
                                   const WebColors& web)
    : QObject(window), table_(table), archive_(archive), web_(web) {
  lblCol = Make<QLabel>(window, "lblCol");
  lblCol->setAutoFillBackground(true);
  lblCol->setIndent(4);
  Place(lblCol, 0, kTableTop, kWidth, kCaptionHeight);
  lblCol->installEventFilter(this);

  const char* lists[2] = {"Saved Colors", "Web Colors"};
  // An explicit group: automatic exclusivity would also reach the hue option buttons.
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < 2; ++i) {
    auto* o = Make<QRadioButton>(window, "Option1");
    o->setText(QString::fromLatin1(lists[i]));
    o->setProperty("index", i);
    Place(o, i == 0 ? 0 : 1140, kOptionTop, 1155, kOptionHeight);
    connect(o, &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    o->installEventFilter(this);
    group->addButton(o, i);
    Option1[static_cast<std::size_t>(i)] = o;
  }
  Option1[0]->setChecked(true);
  // The captions are never cut: the second button moves right when the first needs it.
  Option1[0]->resize(std::max(Option1[0]->width(), Option1[0]->sizeHint().width()),
                     Option1[0]->height());
  Option1[1]->move(std::max(Option1[1]->x(), Option1[0]->geometry().right() + 1), Option1[1]->y());

  const auto tipButton = [this, window](const char* name, const char* tip, bool bigger) {
    auto* l = Make<QLabel>(window, name);
    l->setToolTip(QString::fromLatin1(tip));
    l->setPixmap(SignPicture(bigger));
    l->setAlignment(Qt::AlignCenter);
    KeyButton::Make(l, [this, bigger] { bigger ? Image3_Click() : Image2_Click(); });
    Place(l, bigger ? 4320 : 4020, kOptionTop + 30, 255, 255);
    l->setCursor(Qt::PointingHandCursor);
    l->installEventFilter(this);
    return l;
  };
  Image2 = tipButton("Image2", "Smaller Color Tips", false);
  Image3 = tipButton("Image3", "Bigger Color Tips", true);

  auto* frame = Make<QFrame>(window, "CNT");
  frame->setFrameStyle(QFrame::Box | QFrame::Plain);
  frame->setLineWidth(1);
  Place(frame, 0, kPadTop, kWidth, kPadHeight);
  CNT = frame;
  PAD = new PadWidget(CNT, table_);
  VS = Make<QScrollBar>(CNT, "VS");
  VS->setOrientation(Qt::Vertical);
  VS->setSingleStep(1);
  VS->setPageStep(1);
  {
    // PAD fills CNT's inside less the scroll bar.
    const int innerW = CNT->width() - 2, innerH = CNT->height() - 2;
    const int barW = VS->sizeHint().width();
    VS->setGeometry(1 + innerW - barW, 1, barW, innerH);
    PAD->setGeometry(1, 1, innerW - barW, innerH);
    table_.Pad().SetPadSize(PixelsToTwips(PAD->width()), PixelsToTwips(PAD->height()));
  }
  connect(VS, &QScrollBar::valueChanged, this,
          [this](int value) { ApplyPadUpdate(table_.VS_Change(value)); });
  PAD->onMouseDown = [this](int x, int y) { ApplyPadUpdate(table_.PAD_MouseDown(x, y)); };
  PAD->onKey = [this](PadKey key) { ApplyPadUpdate(table_.PAD_KeyDown(key, *dialogs_)); };
  connect(PAD, &PadWidget::FocusChanged, this, [this] { ShowTableFocus(); });
  lblCol->setBuddy(PAD);  // Alt+T, the caption's access key, goes to the pad
  // A right press selects the colour under it, as every press does, then opens the menu.
  auto* menu = Make<QMenu>(PAD, "mnuPalette");
  menu->addAction(QStringLiteral("Import Colors..."), this, &ColourTablePanel::ImportRequested);
  menu->addAction(QStringLiteral("Export Saved Colors..."), this,
                  &ColourTablePanel::ExportRequested);
  PAD->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(PAD, &QWidget::customContextMenuRequested, menu,
          [this, menu](QPoint at) { menu->popup(PAD->mapToGlobal(at)); });

  for (QWidget* w : {static_cast<QWidget*>(lblCol), static_cast<QWidget*>(Option1[0]),
                     static_cast<QWidget*>(Option1[1]), CNT, static_cast<QWidget*>(Image2),
                     static_cast<QWidget*>(Image3)}) {
    w->hide();
  }
  lblCol->setText(QString::fromLatin1(kTableTag));
  BuildSearch(window);
  ShowTableFocus();
}

void ColourTablePanel::BuildSearch(QWidget* window) {
  auto* label = Make<QLabel>(window, "Label5");
  label->setText(QStringLiteral("Search"));
  label->setProperty("index", 3);
  Place(label, 75, 2790, 510, 255);

  Text3 = Make<QLineEdit>(window, "Text3");
  Text3->setToolTip(QString::fromLatin1(kSearchTip));
  Place(Text3, 630, 2745, 1290, 300);
  label->setBuddy(Text3);

  CmdSearch = Make<QPushButton>(window, "CmdSearch");
  CmdSearch->setToolTip(QString::fromLatin1(kSearchTip));
  CmdSearch->setAccessibleName(CmdSearch->toolTip());
  CmdSearch->setIcon(SearchIcon());
  Place(CmdSearch, 1920, 2760, 360, 300);
  CmdSearch->setEnabled(false);  // nothing to search for yet

  connect(Text3, &QLineEdit::textChanged, this, [this] { Text3_Change(); });
  connect(CmdSearch, &QPushButton::clicked, this, [this] { CmdSearch_Click(); });
  Text3->installEventFilter(this);
  CmdSearch->installEventFilter(this);
}

std::vector<QWidget*> ColourTablePanel::SearchTabStops() const { return {Text3, CmdSearch}; }

std::vector<QWidget*> ColourTablePanel::TableTabStops() const {
  return {Option1[0], Option1[1], Image2, Image3, PAD};
}

void ColourTablePanel::ApplyPadUpdate(const PadUpdate& update) {
  const PadModel& pad = table_.Pad();
  {
    const QSignalBlocker block(VS);
    VS->setMaximum(pad.ScrollMax());
    VS->setValue(pad.ScrollValue());
    VS->setEnabled(pad.ScrollEnabled());
  }
  emit SavedSelected(table_.TxtColIndex());
  lblCol->setText(QString::fromStdString(table_.Caption()));
  // The caption names the pad, though it stands outside the pad's frame.
  PAD->setAccessibleName(QString(lblCol->text()).remove(QLatin1Char('&')));
  Image2->setVisible(table_.SmallerShown());
  Image3->setVisible(table_.BiggerShown());
  PAD->update();
  if (update.newColour) emit ColourChosen(*update.newColour);
  emit Updated();
}

void ColourTablePanel::SetExpanded(bool expanded) {
  expanded_ = expanded;
  for (QWidget* w : {static_cast<QWidget*>(lblCol), static_cast<QWidget*>(Option1[0]),
                     static_cast<QWidget*>(Option1[1]), CNT}) {
    w->setVisible(expanded);
  }
  table_.ShowTipButtons(expanded);
  Image2->setVisible(table_.SmallerShown());
  Image3->setVisible(table_.BiggerShown());
}

void ColourTablePanel::StartOn(PadList list) {
  Option1[static_cast<std::size_t>(list)]->setChecked(true);
  ApplyPadUpdate(table_.StartOn(list));
}

bool ColourTablePanel::SavedListShown() const { return Option1[0]->isChecked(); }

void ColourTablePanel::ShowTableFocus() {
  // The caption bar looks like an active window's title while the table has the focus.
  const QWidget* focus = QApplication::focusWidget();
  const bool active = focus == PAD || focus == VS || focus == CNT || focus == Option1[0] ||
                      focus == Option1[1] || (focus && (focus == Text3 || focus == CmdSearch));
  const CaptionColours colours = TableCaptionColours(active);
  QPalette p = lblCol->palette();
  p.setColor(QPalette::Window, ToQColor(colours.background));
  p.setColor(QPalette::WindowText, ToQColor(colours.text));
  lblCol->setPalette(p);
}

void ColourTablePanel::Option1_Click(int index) {
  if (!Option1[static_cast<std::size_t>(index)]->isChecked())
    Option1[static_cast<std::size_t>(index)]->setChecked(true);
  ApplyPadUpdate(table_.Option1_Click(index == 1 ? PadList::Web : PadList::Saved));
  TabChanged = true;
  PAD->setFocus();
}

void ColourTablePanel::Image3_Click() {
  ApplyPadUpdate(table_.Image3_Click());
  SizeChanged = true;
}

void ColourTablePanel::Image2_Click() {
  ApplyPadUpdate(table_.Image2_Click());
  SizeChanged = true;
}

void ColourTablePanel::lblCol_Click() { PAD->setFocus(); }

void ColourTablePanel::txtCol_Click(int index) { ApplyPadUpdate(table_.txtCol_Click(index)); }

void ColourTablePanel::Text3_Change() {
  CmdSearch->setEnabled(HasText(Text3));
  ShowErrorHighlight(Text3, false);
}

void ColourTablePanel::SearchShowList(PadList list) {
  QRadioButton* option = Option1[static_cast<std::size_t>(list)];
  if (option->isChecked()) return;
  option->setChecked(true);
  ApplyPadUpdate(table_.Option1_Click(list));
  TabChanged = true;
}

void ColourTablePanel::CmdSearch_Click() {
  const std::string text = Text3->text().toStdString();
  const auto savedName = [this](int i) { return archive_.Name(i); };
  bool found = false;
  if (expanded_) {
    // Only the list in view, from the colour after the selected one.
    const bool saved = table_.CurrentTab() == PadList::Saved;
    const int from = table_.Pad().PadPos();
    const auto i = saved ? NextMatch(archive_.Count(), savedName, from, text)
                         : NextMatch(web_.WebNames, from, text);
    if (i) {
      found = true;
      if (saved) {
        txtCol_Click(*i);
      } else {
        ApplyPadUpdate(table_.SelectPosition(*i + 1));
      }
    }
  } else {
    // Both lists from the start, the saved colours first. When the text matches in
    // both, the web pass still runs after the saved match was applied, so the web
    // colour is the one shown, selected and current. Whether a saved match should win
    // instead is an open question; the order stays as it is until that is settled.
    if (const auto i = NextMatch(archive_.Count(), savedName, 0, text)) {
      found = true;
      SearchShowList(PadList::Saved);
      txtCol_Click(*i);
    }
    if (const auto i = NextMatch(web_.WebNames, 0, text)) {
      found = true;
      SearchShowList(PadList::Web);
      ApplyPadUpdate(table_.SelectPosition(*i + 1));
    }
    if (found) emit ExpandRequested();
  }
  ShowErrorHighlight(Text3, !found);
}

bool ColourTablePanel::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
    if (watched == Option1[0] || watched == Option1[1] || watched == Text3 || watched == CmdSearch)
      ShowTableFocus();
    // After the click that brought the focus has placed the caret.
    if (type == QEvent::FocusIn && watched == Text3)
      QTimer::singleShot(0, Text3, &QLineEdit::selectAll);
    return false;
  }
  if (type == QEvent::KeyPress && watched == Text3) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && HasText(Text3)) CmdSearch_Click();
    return false;  // the box still sees every key
  }
  if (!ClickedOn(watched, event)) return false;
  if (watched == lblCol) {
    lblCol_Click();
  } else if (watched == Image2) {
    Image2_Click();
  } else if (watched == Image3) {
    Image3_Click();
  } else {
    return false;
  }
  return true;
}

}  // namespace hk
