#include "mainwindow/channeleditors.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <algorithm>

#include "colour/modhslv.h"
#include "mainwindow/colourdisplay.h"
#include "platform/twips.h"
#include "updowntext/updowntext.h"
#include "widgets/keybutton.h"
#include "widgets/plainlabel.h"
#include "widgets/widgets.h"

namespace hk {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption) {
  auto* l = Make<QLabel>(parent, name);
  l->setText(caption);
  return l;
}

}  // namespace

ChannelEditors::ChannelEditors(QWidget* window, ColourState& state)
    : QObject(window), window_(window), state_(state) {
  BuildEditors(window);
  BuildDisplay(window);
  BuildMenus(window);
}

void ChannelEditors::BuildEditors(QWidget* window) {
  const char* names[4] = {"TxtR", "TxtG", "TxtB", "TxtK"};
  const char* labels[4] = {"lblRed", "lblGreen", "lblBlue", "lblBlack"};
  const char* tips[4] = {"Red  Value", "Green Value", "Blue Value", "Blue Value"};
  const int tops[4] = {375, 675, 975, 1275};
  const int labelWidths[4] = {285, 435, 300, 360};
  for (int i = 0; i < 4; ++i) {
    const auto k = static_cast<std::size_t>(i);
    editorLabels_[k] = MakeLabel(window, labels[i], QString());
    Place(editorLabels_[k], 2340, tops[i], labelWidths[i], 195);
    editors_[k] = CreateMainWindowEditor(window, QString::fromLatin1(names[i]));
    editors_[k]->setToolTip(QString::fromLatin1(tips[i]));
    Place(editors_[k], 2835, tops[i], 630, 255);
    editorLabels_[k]->setBuddy(editors_[k]);
    connect(editors_[k], &UpDownText::ValueChanged, this, [this, i] { EditorChanged(i); });
  }
  // The wheel steps an editor from its focus on, until the focus leaves it or a press on the
  // window's background stops it.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* from, QWidget* to) {
    const auto editor = [this](QWidget* w) {
      return std::find(editors_.begin(), editors_.end(), w) != editors_.end();
    };
    if (editor(to) || editor(from)) wheelStop_ = !editor(to);
  });
  editorLabels_[3]->setText(QStringLiteral("Blac&k"));
  FitLabel(editorLabels_[3]);

  PicFrame2 = Make<QFrame>(window, "PicFrame2");
  PicFrame2->setToolTip(QStringLiteral("Toggle color space values"));
  KeyButton::Make(PicFrame2, [this] { PopUpColorMenu(); });
  Place(PicFrame2, 2325, 45, 1170, 270);
  lblColor = MakeLabel(PicFrame2, "lblColor", QStringLiteral("R G B"));
  lblColor->setGeometry(1, 0, PicFrame2->width() - 14, TwipsToPixels(195) + 2);
  Image5 = Make<QLabel>(PicFrame2, "Image5");
  Image5->setPixmap(DropMark());
  Image5->setGeometry(PicFrame2->width() - 11, 5, 7, 5);
  for (QWidget* w : {static_cast<QWidget*>(PicFrame2), static_cast<QWidget*>(lblColor),
                     static_cast<QWidget*>(Image5)}) {
    w->installEventFilter(this);
    w->setCursor(Qt::PointingHandCursor);
  }

  Picture3 = Make<QWidget>(window, "Picture3");
  Place(Picture3, 2295, 1290, 1230, 240);
  const char* hueCaptions[2] = {"360", "240"};
  auto* hueGroup = new QButtonGroup(Picture3);
  for (int i = 0; i < 2; ++i) {
    auto* o = Make<QRadioButton>(Picture3, "Option2");
    o->setProperty("index", i);
    o->setText(QString::fromLatin1(hueCaptions[i]));
    o->setToolTip(QStringLiteral("Hue maximum angle"));
    o->setGeometry(i * Picture3->width() / 2, 0, Picture3->width() / 2, Picture3->height());
    connect(o, &QRadioButton::clicked, this, [this, i] { Option2_Click(i); });
    hueGroup->addButton(o, i);
    Option2[static_cast<std::size_t>(i)] = o;
  }
  Option2[MaxHue == 360.0f ? 0 : 1]->setChecked(true);
}

void ChannelEditors::BuildDisplay(QWidget* window) {
  PicFrame3 = new ColourDisplay(window);
  PicFrame3->setObjectName(QStringLiteral("PicFrame3"));
  Place(PicFrame3, 3525, 45, 1080, 1500);
  PicFrame3->setAccessibleName(QStringLiteral("Color space display"));
  diagram_ = MakeDiagramGeometry(PicFrame3->width(), PicFrame3->height());

  // A key button: a plain QLabel would build a text document to take the focus.
  lblDisp = new PlainLabel(QStringLiteral("RGB Display"), PicFrame3);
  lblDisp->setObjectName(QStringLiteral("lblDisp"));
  QFont small = lblDisp->font();
  small.setPointSizeF(7);
  lblDisp->setFont(small);
  lblDisp->setToolTip(QStringLiteral("Toggle color space display"));
  KeyButton::Make(lblDisp, [this] { PopUpDispMenu(); });
  lblDisp->setGeometry(1, 0, TwipsToPixels(855), TwipsToPixels(195) + 2);
  Image6 = Make<QLabel>(PicFrame3, "Image6");
  Image6->setPixmap(DropMark());
  Image6->setToolTip(QStringLiteral("Toggle color space display"));
  Image6->setGeometry(PicFrame3->width() - 10, 5, 7, 5);
  for (QWidget* w : {static_cast<QWidget*>(lblDisp), static_cast<QWidget*>(Image6)}) {
    w->installEventFilter(this);
    w->setCursor(Qt::PointingHandCursor);
  }

  const char* names[3] = {"LblR", "LblG", "LblB"};
  const char* tips[3] = {"Drag here by pressing left button to adjust RED",
                         "Drag here by pressing left button to adjust GREEN",
                         "Drag here by pressing left button to adjust BLUE"};
  const int lefts[3] = {60, 390, 720};
  for (int i = 0; i < 3; ++i) {
    auto* bar = new Swatch(PicFrame3);
    bar->setObjectName(QString::fromLatin1(names[i]));
    bar->setToolTip(QString::fromLatin1(tips[i]));
    Place(bar, lefts[i], 255, 255, 1155);
    bar->installEventFilter(this);
    bars_[static_cast<std::size_t>(i)] = bar;
  }
  QLabel* legend = MakeLabel(PicFrame3, "Label6", QStringLiteral("    R      G      B"));
  legend->setGeometry(0, TwipsToPixels(255 + 1155), PicFrame3->width(),
                      PicFrame3->height() - TwipsToPixels(255 + 1155));
  legend->hide();  // no room below the bars at the design size; the bars carry tool tips
}

void ChannelEditors::BuildMenus(QWidget* window) {
  mnuColor = new QMenu(window);
  mnuColor->setObjectName(QStringLiteral("mnuColor"));
  const char* modes[5] = {"R G B", "C M Y", "C M Y K", "H S L", "H S V"};
  for (int i = 0; i < 5; ++i) {
    QAction* a = mnuColor->addAction(QString::fromLatin1(modes[i]));
    a->setObjectName(QStringLiteral("mnuColorMode"));
    a->setProperty("index", i);
    connect(a, &QAction::triggered, this, [this, i] { mnuColorMode_Click(i); });
    mnuColorMode[static_cast<std::size_t>(i)] = a;
  }
  mnuDispMode = new QMenu(window);
  mnuDispMode->setObjectName(QStringLiteral("mnuDispMode"));
  const char* disps[3] = {"RGB Display", "CMY Display", "CMYK Display"};
  for (int i = 0; i < 3; ++i) {
    QAction* a = mnuDispMode->addAction(QString::fromLatin1(disps[i]));
    a->setObjectName(QStringLiteral("mnuDisp"));
    a->setProperty("index", i);
    connect(a, &QAction::triggered, this, [this, i] { mnuDisp_Click(i); });
    mnuDisp[static_cast<std::size_t>(i)] = a;
  }
}

std::vector<QWidget*> ChannelEditors::TabStops() const {
  return {PicFrame2,   lblDisp,     editors_[0], editors_[1],
          editors_[2], editors_[3], Option2[0],  Option2[1]};
}

void ChannelEditors::Show() {
  const QScopedValueRollback<bool> showing(showing_, true);
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
}

void ChannelEditors::SetDescriber(std::function<QString()> describe) {
  PicFrame3->SetDescriber(std::move(describe));
}

void ChannelEditors::DescriptionChanged() { PicFrame3->DescriptionChanged(); }

void ChannelEditors::mnuColorMode_Click(int index) {
  if (index == colorMode_ || index < 0 || index > 4) return;
  colorMode_ = index;
  lblColor->setText(mnuColorMode[static_cast<std::size_t>(index)]->text());
  ApplyColorMode();
  ColorModeChanged = true;
}

void ChannelEditors::mnuDisp_Click(int index) {
  if (index < 0 || index > 2) return;
  dispMode_ = index;
  lblDisp->setText(mnuDisp[static_cast<std::size_t>(index)]->text());
  DrawColorDisplay();
  DispModeChanged = true;
}

void ChannelEditors::Restore(int colorMode, int dispMode) {
  Option2[MaxHue == 360.0f ? 0 : 1]->setChecked(true);
  colorMode_ = std::clamp<int>(colorMode, kModeRGB, kModeHSV);
  dispMode_ = std::min<int>(dispMode, 2);
  lblColor->setText(mnuColorMode[static_cast<std::size_t>(colorMode_)]->text());
  lblDisp->setText(mnuDisp[static_cast<std::size_t>(dispMode_)]->text());
  lastColorMode_.reset();
  ApplyColorMode();
  ColorModeChanged = DispModeChanged = MaxHueChanged = false;
}

void ChannelEditors::ClearEditors() {
  for (int i = 0; i < 3; ++i) editors_[static_cast<std::size_t>(i)]->SetValue(0);
}

bool ChannelEditors::HueMaximum360() const { return Option2[0]->isChecked(); }

void ChannelEditors::PopUpColorMenu() {
  mnuColor->popup(window_->mapToGlobal(PicFrame2->geometry().bottomLeft() + QPoint(0, 1)));
}

void ChannelEditors::PopUpDispMenu() {
  mnuDispMode->popup(window_->mapToGlobal(PicFrame3->pos() + QPoint(0, ColourDisplay::kLineY)));
}

void ChannelEditors::ApplyColorMode() {
  const EditorSetup setup = SetupFor(colorMode_);
  editorLabels_[3]->setVisible(setup.showBlack);
  editors_[3]->setVisible(setup.showBlack);
  Picture3->setVisible(setup.showHueOption);

  state_.CarryOver(lastColorMode_);

  for (Swatch* bar : bars_) {
    bar->setCursor(setup.barsDraggable ? Qt::SizeVerCursor : Qt::ForbiddenCursor);
  }

  // Limits before values, so a value above the old maximum is not refused.
  for (std::size_t i = 0; i < 3; ++i) {
    editorLabels_[i]->setText(QString::fromLatin1(
        setup.captions[i].data(), static_cast<qsizetype>(setup.captions[i].size())));
    FitLabel(editorLabels_[i]);
    editors_[i]->setMin(0);
    editors_[i]->setMax(setup.max[i]);
  }
  editors_[3]->setMin(0);
  editors_[3]->setMax(255);
  state_.ComputeCMYK();
  std::array<int, 4> values{};
  const int loaded = state_.EditorValues(colorMode_, values);
  for (int i = 0; i < loaded; ++i) {
    editors_[static_cast<std::size_t>(i)]->SetValue(values[static_cast<std::size_t>(i)]);
  }
  lastColorMode_ = colorMode_;
}

void ChannelEditors::EditorChanged(int editor) {
  if (showing_) return;
  const int v = editors_[static_cast<std::size_t>(editor)]->value();
  if (!state_.Edit(colorMode_, editor, v)) return;
  emit ColourEdited(state_.Colour());
}

void ChannelEditors::DragBar(int bar, int y) {
  if (colorMode_ != kModeRGB) return;
  UpDownText* editor = editors_[static_cast<std::size_t>(bar)];
  const auto fy = static_cast<float>(y);
  const int value = editor->value();
  if (fy < lastDragY_ && value < 255) {
    editor->setValue(value + 1);
  } else if (fy > lastDragY_ && value > 0) {
    editor->setValue(value - 1);
  }
  lastDragY_ = fy;
  const int v = editor->value();
  bars_[static_cast<std::size_t>(bar)]->setColour(bar == 0   ? RGB(v, 0, 0)
                                                  : bar == 1 ? RGB(0, v, 0)
                                                             : RGB(0, 0, v));
}

void ChannelEditors::Option2_Click(int index) {
  if (MaxHue == 360.0f && index == 0) return;
  MaxHueChanged = true;
  if (colorMode_ == kModeHSL || colorMode_ == kModeHSV) state_.ChannelsFromHueTriple(colorMode_);
  MaxHue = index == 0 ? 360.0f : 240.0f;
  if (colorMode_ == kModeHSL || colorMode_ == kModeHSV) {
    editors_[0]->setMax(static_cast<int>(MaxHue));
  }
  emit ColourEdited(state_.Colour());
}

void ChannelEditors::DrawColorDisplay() {
  const bool bars = dispMode_ == 0;
  for (Swatch* bar : bars_) bar->setVisible(bars);
  PicFrame3->Draw(dispMode_, state_.Colour(), diagram_);
}

bool ChannelEditors::Editing() const {
  QWidget* focus = QApplication::focusWidget();
  return !wheelStop_ && focus != nullptr && focus->window() == window_ &&
         std::find(editors_.begin(), editors_.end(), focus) != editors_.end();
}

bool ChannelEditors::StepFocusedEditor(int steps) {
  QWidget* focus = QApplication::focusWidget();
  for (UpDownText* editor : editors_) {
    if (editor != focus || !editor->isVisible()) continue;
    for (; steps > 0 && editor->value() < editor->Max(); --steps)
      editor->setValue(editor->value() + 1);
    for (; steps < 0 && editor->value() > editor->Min(); ++steps)
      editor->setValue(editor->value() - 1);
    return true;
  }
  return false;
}

bool ChannelEditors::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    for (int i = 0; i < 3; ++i) {
      if (watched != bars_[static_cast<std::size_t>(i)]) continue;
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->buttons() == Qt::LeftButton) DragBar(i, mouse->position().toPoint().y());
      return true;
    }
    return false;
  }
  if (!ClickedOn(watched, event)) return false;
  if (watched == PicFrame2 || watched == lblColor || watched == Image5) {
    PopUpColorMenu();
  } else if (watched == lblDisp || watched == Image6) {
    PopUpDispMenu();
  } else {
    return false;
  }
  return true;
}

}  // namespace hk
