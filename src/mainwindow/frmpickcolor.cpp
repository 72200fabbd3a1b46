#include "mainwindow/frmpickcolor.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <functional>

#include "archive/padwidget.h"
#include "archive/savedcoloursmodel.h"
#include "colour/modhslv.h"
#include "mainwindow/actionlabels.h"
#include "mainwindow/colourdisplay.h"
#include "picker/magnifier.h"
#include "platform/designedsize.h"
#include "platform/qtdialogs.h"
#include "platform/twips.h"
#include "updowntext/updowntext.h"
#include "widgets/designfont.h"
#include "widgets/keybutton.h"
#include "widgets/stickypin.h"
#include "widgets/widgets.h"

namespace hk {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption) {
  auto* l = Make<QLabel>(parent, name);
  l->setText(caption);
  return l;
}

// The copy buttons' picture: two overlapping sheets.
QIcon CopyIcon() {
  QPixmap pm(12, 13);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setPen(QColor(64, 64, 64));
  p.setBrush(Qt::white);
  p.drawRect(0, 0, 7, 9);
  p.drawRect(4, 3, 7, 9);
  p.setPen(QColor(120, 120, 120));
  for (int y = 6; y <= 10; y += 2) p.drawLine(6, y, 9, y);
  return QIcon(pm);
}

}  // namespace

void FitLabel(QLabel* label) {
  // Captions keep their design width but are never cut short.
  const int design = label->property("designWidth").toInt();
  if (design == 0) label->setProperty("designWidth", label->width());
  label->resize(std::max(label->property("designWidth").toInt(), label->sizeHint().width()),
                label->height());
}

FrmPickColor::FrmPickColor(QWidget* parent)
    // A fixed single border: the user may minimize the window but never resize or
    // maximize it; only the program changes its height.
    : QWidget(parent, kFixedSingleBorder) {
  setObjectName(QStringLiteral("FrmPickColor"));
  setWindowTitle(QStringLiteral("Hue Keeper"));
  setFont(TahomaOrClosest(8));
  setFixedSize(TwipsToPixels(kDesignWidthTwips), TwipsToPixels(kDesignHeightTwips));
  setMouseTracking(true);  // a move off the action labels puts their light out
  BuildControls();
  // On a screen of another scale the magnifier shows its capture one to one again.
  connect(new DesignedSize(this), &DesignedSize::ScaleChanged, this, [this] {
    magnifier_->LayoutZoom();
    magnifier_->PaintZoom();
  });
  // While a channel editor has the focus, the wheel steps it wherever the pointer is;
  // the window's own keys work whichever control has the focus.
  qApp->installEventFilter(new EventRouter(
      this, [this](QWheelEvent* e) { return WheelStep(e); },
      [this](QKeyEvent* e) { return Form_KeyDown(e); }));

  // Ready with black in the colour mode and display chosen, the table laid out.
  lblColor->setText(mnuColorMode[static_cast<std::size_t>(colorMode_)]->text());
  lblDisp->setText(mnuDisp[static_cast<std::size_t>(dispMode_)]->text());
  ApplyColorMode();
  SetColor(0);
  ApplyPadUpdate(table_->Option1_Click(PadList::Saved));
  TabChanged = false;
}

FrmPickColor::~FrmPickColor() {
  // A label that goes while lit under the mouse is told the mouse left it; the light's
  // handler would then paint labels already gone. It goes before them.
  delete actions_;
  actions_ = nullptr;
  // The child widgets and the list model read the archive and the table: they go
  // first, while those still exist. The focus moves among them as they go; the
  // table's focus look must not paint a caption already gone.
  tearingDown_ = true;
  const QList<QWidget*> children = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
  qDeleteAll(children);
  archive_->SetListener(nullptr);
  delete savedModel_;
}

void FrmPickColor::BuildControls() {
  Label1 = new Swatch(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setToolTip(QStringLiteral("Color Palette"));
  Label1->setAccessibleName(QStringLiteral("Current color"));
  Place(Label1, 60, 45, 525, 465);

  // The pixel swatch: a one-pixel border around an 8 x 8 inside.
  PicPX = new Swatch(this, true);
  PicPX->setObjectName(QStringLiteral("PicPX"));
  Place(PicPX, 60, 1425, 150, 150);

  BuildNotationRows();
  BuildEditors();
  BuildDisplay();
  BuildMenus();
  BuildTable();
  BuildPicker();
  BuildActions();
  BuildSearch();
  BuildBands();
  SetTabOrder();
}

void FrmPickColor::SetTabOrder() {
  // As the window reads: the zoom and the pin left of the magnifier, then the colour
  // mode, the display and the editors right of it, the notation rows, the button row,
  // the table and at last the slide button along the bottom edge.
  hk::SetTabOrder(this, {magnifier_->ZoomButton(), ImgstickOff, ImgstickOn, PicFrame2, lblDisp,
                         editors_[0], editors_[1], editors_[2], editors_[3], Option2[0], Option2[1],
                         Text4, Command2[4], Text5, Command2[5],
                         Text2, Command2[2], Text1, Command2[0],
                         txtCol, Command2[1], txtHTML, Command2[3],
                         Text3, CmdSearch, CmdApply, Pixel, CmdOpen, CmdAdd, cmdCopyPIX, Command1,
                         Option1[0], Option1[1], Image2, Image3, PAD, ImgUP_DN});
}

void FrmPickColor::BuildBands() {
  // Decoration behind the controls: a band behind the notation rows and a strip
  // along the bottom edge.
  auto* band = new Swatch(this);
  band->setObjectName(QStringLiteral("Shape3"));
  band->setColour(kSys3DLight);
  band->lower();
  band->setAttribute(Qt::WA_TransparentForMouseEvents);  // moves over it reach the window
  Shape3 = band;
  auto* strip = new Swatch(this);
  strip->setObjectName(QStringLiteral("Shape4"));
  strip->setColour(kSysButtonShadow);
  Place(strip, 0, 3090, 4665, 255);
  strip->lower();
  strip->setAttribute(Qt::WA_TransparentForMouseEvents);
  Shape4 = strip;

  pin_ = new StickyPin(this, 90, 990);
  ImgstickOff = pin_->ImgstickOff;
  ImgstickOn = pin_->ImgstickOn;
  Form_Resize();
}

void FrmPickColor::BuildNotationRows() {
  struct Row {
    int label;
    const char* caption;
    int labelLeft, labelTop, fieldLeft, fieldTop, width;
  };
  // Label5 index, caption, and the design places of label and field.
  const Row rows[] = {
      {5, "&RGB", 75, 1665, 630, 1620, 1290},  {6, "&CMYK", 2400, 1665, 2940, 1620, 1305},
      {2, "&Web", 75, 2010, 630, 1995, 1290},  {1, "&Hex", 2385, 2025, 2940, 1995, 1305},
      {0, "&Long", 75, 2415, 630, 2370, 1290}, {4, "HTML", 2385, 2415, 2940, 2370, 1305},
  };

  txtCol = Make<QComboBox>(this, "txtCol");
  txtCol->setEditable(true);
  txtCol->setInsertPolicy(QComboBox::NoInsert);
  txtCol->setToolTip(
      QStringLiteral("Long color value, type long color and press enter to apply color"));
  auto makeField = [this](const char* name, const char* tip) {
    auto* f = Make<QLineEdit>(this, name);
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
  highlightable_ = {txtHTML, Text1, Text2, Text4, Text5};

  QWidget* fieldOf[7] = {txtCol, Text1, Text2, nullptr, txtHTML, Text4, Text5};
  for (const Row& r : rows) {
    QLabel* l = MakeLabel(this, "Label5", QString::fromLatin1(r.caption));
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
    auto* b = Make<QPushButton>(this, "Command2");
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

void FrmPickColor::BuildEditors() {
  const char* names[4] = {"TxtR", "TxtG", "TxtB", "TxtK"};
  const char* labels[4] = {"lblRed", "lblGreen", "lblBlue", "lblBlack"};
  const char* tips[4] = {"Red  Value", "Green Value", "Blue Value", "Blue Value"};
  const int tops[4] = {375, 675, 975, 1275};
  const int labelWidths[4] = {285, 435, 300, 360};
  for (int i = 0; i < 4; ++i) {
    const auto k = static_cast<std::size_t>(i);
    editorLabels_[k] = MakeLabel(this, labels[i], QString());
    Place(editorLabels_[k], 2340, tops[i], labelWidths[i], 195);
    editors_[k] = CreateMainWindowEditor(this, QString::fromLatin1(names[i]));
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

  PicFrame2 = Make<QFrame>(this, "PicFrame2");
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

  Picture3 = Make<QWidget>(this, "Picture3");
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

void FrmPickColor::BuildDisplay() {
  PicFrame3 = new ColourDisplay(this);
  PicFrame3->setObjectName(QStringLiteral("PicFrame3"));
  Place(PicFrame3, 3525, 45, 1080, 1500);
  PicFrame3->setAccessibleName(QStringLiteral("Color space display"));
  // The swatches and the display tell the colour as the notation fields show it.
  for (ColourView* view : {static_cast<ColourView*>(Label1), static_cast<ColourView*>(PicPX),
                           static_cast<ColourView*>(PicFrame3)})
    view->SetDescriber([this] { return NotationsDescription(texts_); });
  diagram_ = MakeDiagramGeometry(PicFrame3->width(), PicFrame3->height());

  lblDisp = MakeLabel(PicFrame3, "lblDisp", QStringLiteral("RGB Display"));
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
  Label6 = MakeLabel(PicFrame3, "Label6", QStringLiteral("    R      G      B"));
  Label6->setGeometry(0, TwipsToPixels(255 + 1155), PicFrame3->width(),
                      PicFrame3->height() - TwipsToPixels(255 + 1155));
  Label6->hide();  // no room below the bars at the design size; the bars carry tool tips
}

void FrmPickColor::BuildMenus() {
  mnuColor = new QMenu(this);
  mnuColor->setObjectName(QStringLiteral("mnuColor"));
  const char* modes[5] = {"R G B", "C M Y", "C M Y K", "H S L", "H S V"};
  for (int i = 0; i < 5; ++i) {
    QAction* a = mnuColor->addAction(QString::fromLatin1(modes[i]));
    a->setObjectName(QStringLiteral("mnuColorMode"));
    a->setProperty("index", i);
    connect(a, &QAction::triggered, this, [this, i] { mnuColorMode_Click(i); });
    mnuColorMode[static_cast<std::size_t>(i)] = a;
  }
  mnuDispMode = new QMenu(this);
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

bool FrmPickColor::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == txtCol || watched == txtCol->lineEdit()) {
      if (enter) {
        CmdApply_Click();
        return true;
      }
      // Only digits, "." and Backspace may be typed into the Long field; keys that
      // type nothing (arrows, Delete, Home) edit as usual.
      // Shortcuts (Ctrl+A, Ctrl+C, Ctrl+V ...) are not typing and keep working, nor
      // is Tab, which must lead out of the field.
      const QString text = key->text();
      if (text.isEmpty() || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Tab ||
          key->key() == Qt::Key_Backtab ||
          key->modifiers().testFlag(Qt::ControlModifier))
        return false;
      return !TxtColAccepts(text.toUcs4().value(0));
    }
    if (enter) {
      if (watched == Text1)
        Text1_Enter();
      else if (watched == Text2)
        Text2_Enter();
      else if (watched == txtHTML)
        txtHTML_Enter();
      else if (watched == Text4)
        Text4_Enter();
      else if (watched == Text5)
        Text5_Enter();
      else
        return false;
      return true;
    }
    return false;
  }
  if ((type == QEvent::FocusIn || type == QEvent::FocusOut) &&
      (watched == Option1[0] || watched == Option1[1])) {
    ShowTableFocus();
    return false;
  }
  if (type == QEvent::FocusIn) {
    // Focus selects the whole text, so typing replaces it.
    if (watched == Text1 || watched == Text2 || watched == Text4 || watched == Text5) {
      auto* field = static_cast<QLineEdit*>(watched);
      QTimer::singleShot(0, field, &QLineEdit::selectAll);
    }
    return false;
  }
  if (type == QEvent::MouseButtonRelease) {
    // Image controls and labels that act on a click: pressed and released over them.
    std::function<void()> action;
    if (watched == PicFrame2 || watched == lblColor || watched == Image5) {
      action = [this] { PopUpColorMenu(); };
    } else if (watched == lblDisp || watched == Image6) {
      action = [this] { PopUpDispMenu(); };
    } else if (watched == lblCol) {
      action = [this] { lblCol_Click(); };
    } else if (watched == Image2) {
      action = [this] { Image2_Click(); };
    } else if (watched == Image3) {
      action = [this] { Image3_Click(); };
    } else if (watched == ImgUP_DN) {
      action = [this] { ImgUP_DN_Click(); };
    } else if (watched == PicPX) {
      action = [this] { PicPX_Click(); };
    } else {
      return false;
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    if (!static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint())) return false;
    action();
    return true;
  }
  if (type == QEvent::MouseMove) {
    for (int i = 0; i < 3; ++i) {
      if (watched == bars_[static_cast<std::size_t>(i)]) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->buttons() == Qt::LeftButton) DragBar(i, mouse->position().toPoint().y());
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace hk
