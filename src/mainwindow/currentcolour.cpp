// The current colour: SetColor, the notation fields and the copy buttons.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>

#include "colour/notations.h"
#include "mainwindow/colourdisplay.h"
#include "mainwindow/frmpickcolor.h"
#include "platform/colours.h"
#include "platform/qtdialogs.h"
#include "updowntext/updowntext.h"
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

}  // namespace

void FrmPickColor::SetColor(const LongColour& nColor) {
  if (inSetColor_) return;

  // A successful colour clears every error highlight.
  for (QLineEdit* field : highlightable_) SetErrorHighlight(field, false);

  Label1->setColour(nColor);
  PicPX->setColour(nColor);
  FormatAll(nColor, web_, texts_);
  if (txtCol->currentText() != QString::fromStdString(texts_.longText))
    txtCol->setEditText(QString::fromStdString(texts_.longText));

  inSetColor_ = true;
  state_.SetChannels(nColor);
  Show(txtHTML, texts_.html);

  bars_[0]->setColour(RGB(state_.red, 0, 0));
  bars_[1]->setColour(RGB(0, state_.green, 0));
  bars_[2]->setColour(RGB(0, 0, state_.blue));

  state_.ComputeCMYK();
  std::array<int, 4> values{};
  const int loaded = state_.EditorValues(colorMode_, values);
  for (int i = 0; i < loaded; ++i) {
    editors_[static_cast<std::size_t>(i)]->SetValue(values[static_cast<std::size_t>(i)]);
  }
  if (colorMode_ == kModeCMY) editors_[3]->SetValue(values[3]);

  DrawColorDisplay();
  HexVal();
  Show(Text4, texts_.rgb);
  Show(Text5, texts_.cmyk);
  for (ColourView* view : {static_cast<ColourView*>(Label1), static_cast<ColourView*>(PicPX),
                           static_cast<ColourView*>(PicFrame3)})
    view->DescriptionChanged();
  inSetColor_ = false;
}

void FrmPickColor::HexVal() {
  Show(Text1, HexText(Label1->colour()));
  Show(Text2, WebText(RGB(state_.red, state_.green, state_.blue)));
  SetErrorHighlight(Text2, false);
}

LongColour FrmPickColor::DecodeFromWeb(const QString& webVal) const {
  return hk::DecodeFromWeb(Utf8(webVal));
}

void FrmPickColor::SetErrorHighlight(QLineEdit* field, bool on) {
  const auto it = std::find(highlightable_.begin(), highlightable_.end(), field);
  if (it == highlightable_.end()) return;
  bool& state = highlighted_[static_cast<std::size_t>(it - highlightable_.begin())];
  if (state == on) return;
  state = on;
  ShowErrorHighlight(field, on);
}

void FrmPickColor::Text1_Enter() {
  if (const auto c = ReadHex(Utf8(Text1->text()))) {
    SetColor(*c);
  } else {
    SetErrorHighlight(Text1, true);
  }
}

void FrmPickColor::Text2_Enter() {
  const LongColour c = DecodeFromWeb(Text2->text());
  if (c < 0) {
    SetErrorHighlight(Text2, true);
  } else {
    SetColor(c);
  }
}

void FrmPickColor::txtHTML_Enter() {
  const auto i = ReadHtmlName(Utf8(txtHTML->text()), web_);
  if (!i) {
    SetErrorHighlight(txtHTML, true);
    return;
  }
  txtHTML->setText(QString::fromStdString(web_.WebNames[static_cast<std::size_t>(*i)]));
  SetColor(web_.ColourAt(*i));
}

void FrmPickColor::Text4_Enter() {
  if (const auto c = ReadRGB(Utf8(Text4->text()))) {
    SetColor(*c);
  } else {
    SetErrorHighlight(Text4, true);
  }
}

void FrmPickColor::Text5_Enter() {
  const auto r = ReadCMYK(Utf8(Text5->text()));
  if (!r) {
    SetErrorHighlight(Text5, true);
    return;
  }
  state_.cmyk = r->inks;
  SetColor(r->colour);
}

void FrmPickColor::Command2_Click(int index) {
  QClipboard* clipboard = QApplication::clipboard();
  if (clipboard == nullptr) return;
  QString text;
  switch (index) {
    case 0: text = Text1->text(); break;
    case 1: text = txtCol->currentText(); break;
    case 2: text = Text2->text(); break;
    case 3: text = txtHTML->text(); break;
    case 4: text = QStringLiteral("RGB(") + Text4->text() + QStringLiteral(")"); break;
    // The CMYK text in the form its own reader takes back.
    case 5: text = QStringLiteral("CMYK(") + Text5->text() + QStringLiteral(")"); break;
    default: return;
  }
  clipboard->clear();
  clipboard->setText(text);
}

}  // namespace hk
