#include "mainwindow/notationrows.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "archive/colourtable.h"
#include "mainwindow/colourstate.h"
#include "mainwindow/pictures.h"
#include "widgets/widgets.h"

namespace hk {

namespace {

std::string Utf8(const QString& s) { return s.toStdString(); }

// Sets a field's text only when it differs: keeps the caret and skips relayout.
void Show(QLineEdit* field, const std::string& text) {
  const QString q = QString::fromStdString(text);
  if (field->text() == q) return;
  field->setText(q);
  field->setCursorPosition(0);  // a long text shows its beginning
}

constexpr int kRgbRowTop = 1620;  // the first row's fields

}  // namespace

NotationRows::NotationRows(QWidget* window, const WebColors& web) : QObject(window), web_(web) {
  struct Row {
    int label;
    const char* caption;
    int labelLeft, labelTop, fieldLeft, fieldTop, width;
  };
  // Label5 index, caption, and the design places of label and field.
  const Row rows[] = {
      {5, "&RGB", 75, 1665, 630, kRgbRowTop, 1290}, {6, "&CMYK", 2400, 1665, 2940, 1620, 1305},
      {2, "&Web", 75, 2010, 630, 1995, 1290},       {1, "&Hex", 2385, 2025, 2940, 1995, 1305},
      {0, "&Long", 75, 2415, 630, 2370, 1290},      {4, "HTML", 2385, 2415, 2940, 2370, 1305},
  };

  txtCol = Make<QComboBox>(window, "txtCol");
  txtCol->setEditable(true);
  txtCol->setInsertPolicy(QComboBox::NoInsert);
  txtCol->setToolTip(
      QStringLiteral("Long color value, type long color and press enter to apply color"));
  auto makeField = [this, window](const char* name, const char* tip) {
    auto* f = Make<QLineEdit>(window, name);
    f->setToolTip(QString::fromLatin1(tip));
    f->installEventFilter(this);
    return f;
  };
  Text1 = makeField("Text1",
                    "Hexadecimal Color Value, type hex color value and press enter to apply color");
  Text2 = makeField("Text2", "Web/HTML Color Value, type Web color and press enter to apply color");
  txtHTML = makeField("txtHTML",
                      "HTML Named Color, type html named color and press enter to apply color");
  Text4 = makeField("Text4", "RGB Color Value, type RGB color and press enter to apply color");
  Text5 = makeField("Text5", "CMYK Color Value, type CMYK color and press enter to apply color");
  // Keys reach the combo box first and its line edit after; both are watched.
  txtCol->installEventFilter(this);
  txtCol->lineEdit()->installEventFilter(this);
  // No completion: typing the start of a saved value must not turn into that value.
  txtCol->setCompleter(nullptr);
  // Picking an item from the list (by the user) makes it current.
  connect(txtCol, &QComboBox::activated, this, &NotationRows::SavedPicked);
  // The box takes its name from its label; its edit field and list are named apart.
  txtCol->lineEdit()->setAccessibleName(QStringLiteral("Long"));
  txtCol->view()->setAccessibleName(QStringLiteral("Saved colors"));
  highlightable_ = {txtHTML, Text1, Text2, Text4, Text5};

  QWidget* fieldOf[7] = {txtCol, Text1, Text2, nullptr, txtHTML, Text4, Text5};
  for (const Row& r : rows) {
    auto* l = Make<QLabel>(window, "Label5");
    l->setText(QString::fromLatin1(r.caption));
    l->setProperty("index", r.label);
    Label5[static_cast<std::size_t>(r.label)] = l;
    Place(l, r.labelLeft, r.labelTop, 510, 255);
    Place(fieldOf[r.label], r.fieldLeft, r.fieldTop, r.width, 315);
    l->setBuddy(fieldOf[r.label]);
  }
  Label5[5]->setToolTip(QStringLiteral("RGB Color value"));
  Label5[6]->setToolTip(QStringLiteral("CMYK Color value"));

  // Copy buttons, right of their fields: index and design place.
  const int buttons[6][2] = {{4245, 1995}, {1920, 2370}, {1920, 1995},
                             {4245, 2370}, {1920, 1620}, {4245, 1620}};
  for (int i = 0; i < 6; ++i) {
    auto* b = Make<QPushButton>(window, "Command2");
    b->setProperty("index", i);
    // The caption stays the button's name; the picture is what shows.
    b->setAccessibleName(QStringLiteral("Copy"));
    b->setToolTip(QStringLiteral("Copy"));
    b->setIcon(CopyIcon());
    b->setFocusPolicy(Qt::TabFocus);
    Place(b, buttons[i][0], buttons[i][1], 360, 315);
    connect(b, &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
    Command2[static_cast<std::size_t>(i)] = b;
  }
}

int NotationRows::Top() const { return Text4->y(); }

std::vector<QWidget*> NotationRows::TabStops() const {
  return {Text4, Command2[4], Text5,  Command2[5], Text2,   Command2[2],
          Text1, Command2[0], txtCol, Command2[1], txtHTML, Command2[3]};
}

void NotationRows::Show(LongColour colour, const ColourState& state) {
  // A successful colour clears every error highlight.
  for (QLineEdit* field : highlightable_) SetErrorHighlight(field, false);
  FormatAll(colour, web_, texts_);
  if (txtCol->currentText() != QString::fromStdString(texts_.longText))
    txtCol->setEditText(QString::fromStdString(texts_.longText));
  hk::Show(txtHTML, texts_.html);
  HexVal(colour, state);
  hk::Show(Text4, texts_.rgb);
  hk::Show(Text5, texts_.cmyk);
}

void NotationRows::HexVal(LongColour colour, const ColourState& state) {
  hk::Show(Text1, HexText(colour));
  hk::Show(Text2, WebText(RGB(state.red, state.green, state.blue)));
  SetErrorHighlight(Text2, false);
}

LongColour NotationRows::DecodeFromWeb(const QString& webVal) {
  return hk::DecodeFromWeb(Utf8(webVal));
}

QString NotationRows::LongText() const { return txtCol->currentText(); }

void NotationRows::SetSavedList(QAbstractItemModel* model) {
  txtCol->setModel(model);
  // Rows all alike and no measuring of contents: a list of a million stays instant.
  txtCol->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  if (auto* list = qobject_cast<QListView*>(txtCol->view())) list->setUniformItemSizes(true);
}

void NotationRows::SelectSaved(int index) {
  // The edit text is the current colour's, whichever item is selected.
  const QSignalBlocker block(txtCol);
  const QString text = txtCol->currentText();
  if (txtCol->currentIndex() != index) txtCol->setCurrentIndex(index);
  if (txtCol->currentText() != text) txtCol->setEditText(text);
}

void NotationRows::SetErrorHighlight(QLineEdit* field, bool on) {
  const auto it = std::find(highlightable_.begin(), highlightable_.end(), field);
  if (it == highlightable_.end()) return;
  bool& state = highlighted_[static_cast<std::size_t>(it - highlightable_.begin())];
  if (state == on) return;
  state = on;
  ShowErrorHighlight(field, on);
}

void NotationRows::Text1_Enter() {
  if (const auto c = ReadHex(Utf8(Text1->text()))) {
    emit ColourTyped(*c);
  } else {
    SetErrorHighlight(Text1, true);
  }
}

void NotationRows::Text2_Enter() {
  const LongColour c = DecodeFromWeb(Text2->text());
  if (c < 0) {
    SetErrorHighlight(Text2, true);
  } else {
    emit ColourTyped(c);
  }
}

void NotationRows::txtHTML_Enter() {
  const auto i = ReadHtmlName(Utf8(txtHTML->text()), web_);
  if (!i) {
    SetErrorHighlight(txtHTML, true);
    return;
  }
  txtHTML->setText(QString::fromStdString(web_.WebNames[static_cast<std::size_t>(*i)]));
  emit ColourTyped(web_.ColourAt(*i));
}

void NotationRows::Text4_Enter() {
  if (const auto c = ReadRGB(Utf8(Text4->text()))) {
    emit ColourTyped(*c);
  } else {
    SetErrorHighlight(Text4, true);
  }
}

void NotationRows::Text5_Enter() {
  const auto r = ReadCMYK(Utf8(Text5->text()));
  if (!r) {
    SetErrorHighlight(Text5, true);
    return;
  }
  emit InksTyped(r->inks, r->colour);
}

void NotationRows::Command2_Click(int index) {
  QClipboard* clipboard = QApplication::clipboard();
  if (clipboard == nullptr) return;
  QString text;
  switch (index) {
    case 0:
      text = Text1->text();
      break;
    case 1:
      text = txtCol->currentText();
      break;
    case 2:
      text = Text2->text();
      break;
    case 3:
      text = txtHTML->text();
      break;
    case 4:
      text = QStringLiteral("RGB(") + Text4->text() + QStringLiteral(")");
      break;
    // The CMYK text in the form its own reader takes back.
    case 5:
      text = QStringLiteral("CMYK(") + Text5->text() + QStringLiteral(")");
      break;
    default:
      return;
  }
  clipboard->clear();
  clipboard->setText(text);
}

bool NotationRows::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    // Focus selects the whole text, so typing replaces it.
    if (watched == Text1 || watched == Text2 || watched == Text4 || watched == Text5)
      QTimer::singleShot(0, static_cast<QLineEdit*>(watched), &QLineEdit::selectAll);
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
  if (watched == txtCol || watched == txtCol->lineEdit()) {
    if (enter) {
      emit LongEntered();
      return true;
    }
    // Only digits, "." and Backspace may be typed into the Long field; keys that
    // type nothing (arrows, Delete, Home) edit as usual.
    // Shortcuts (Ctrl+A, Ctrl+C, Ctrl+V ...) are not typing and keep working, nor
    // is Tab, which must lead out of the field.
    const QString text = key->text();
    if (text.isEmpty() || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Tab ||
        key->key() == Qt::Key_Backtab || key->modifiers().testFlag(Qt::ControlModifier))
      return false;
    return !TxtColAccepts(text.toUcs4().value(0));
  }
  if (!enter) return false;
  if (watched == Text1) {
    Text1_Enter();
  } else if (watched == Text2) {
    Text2_Enter();
  } else if (watched == txtHTML) {
    txtHTML_Enter();
  } else if (watched == Text4) {
    Text4_Enter();
  } else if (watched == Text5) {
    Text5_Enter();
  } else {
    return false;
  }
  return true;
}

}  // namespace hk
