// The colour table of the main window: the saved colour list in txtCol, the
// apply and add buttons, the pad with its caption, list choice and tip sizes, and
// the slide button that shows and hides it.
#include <algorithm>

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "archive/padwidget.h"
#include "archive/savedcoloursmodel.h"
#include "mainwindow/frmpickcolor.h"
#include "widgets/keybutton.h"
#include "widgets/widgets.h"
#include "platform/colours.h"
#include "platform/qtdialogs.h"
#include "platform/twips.h"

namespace hk {

namespace {

constexpr int kTableTop = 3120;      // lblCol
constexpr int kCaptionHeight = 255;  // lblCol
constexpr int kOptionTop = 3390;     // Option1
constexpr int kOptionHeight = 315;
constexpr int kPadTop = kOptionTop + kOptionHeight;  // CNT
constexpr int kPadHeight = 1515;                     // CNT: six rows of default tips
constexpr int kFrame = 15;                           // CNT's one-pixel border
constexpr int kSlideHeight = 105;                    // ImgUP_DN


QPixmap Glyph(int w, int h, const std::function<void(QPainter&)>& draw) {
  QPixmap pm(w, h);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  return pm;
}

// The slide button's two pictures: a chevron pointing the way the table moves.
QPixmap SlidePicture(bool down) {
  return Glyph(33, 7, [down](QPainter& p) {
    p.setPen(QPen(QColor(64, 64, 64), 1.5));
    const int y0 = down ? 1 : 5, y1 = down ? 5 : 1;
    p.drawLine(QPointF(10, y0), QPointF(16.5, y1));
    p.drawLine(QPointF(16.5, y1), QPointF(23, y0));
  });
}

QPixmap SignPicture(bool plus) {
  return Glyph(13, 13, [plus](QPainter& p) {
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.drawLine(QPointF(2.5, 6.5), QPointF(10.5, 6.5));
    if (plus) p.drawLine(QPointF(6.5, 2.5), QPointF(6.5, 10.5));
  });
}

QIcon ApplyIcon() {
  return QIcon(Glyph(14, 14, [](QPainter& p) {
    p.setPen(QPen(QColor(0, 110, 0), 2));
    p.drawLine(QPointF(2, 7.5), QPointF(5.5, 11));
    p.drawLine(QPointF(5.5, 11), QPointF(12, 3));
  }));
}

QIcon AddIcon() {
  return QIcon(Glyph(14, 14, [](QPainter& p) {
    p.setPen(QPen(QColor(0, 70, 160), 2));
    p.drawLine(QPointF(2, 7), QPointF(12, 7));
    p.drawLine(QPointF(7, 2), QPointF(7, 12));
  }));
}

}  // namespace

void FrmPickColor::BuildTable() {
  archive_ = std::make_unique<ColourArchive>();
  table_ = std::make_unique<ColourTable>(*archive_, web_);
  qtDialogs_ = std::make_unique<QtDialogs>(this);
  dialogs_ = qtDialogs_.get();

  savedModel_ = new SavedColoursModel(*archive_, this);
  archive_->SetListener(savedModel_);
  txtCol->setModel(savedModel_);
  // Rows all alike and no measuring of contents: a list of a million stays instant.
  txtCol->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  if (auto* list = qobject_cast<QListView*>(txtCol->view())) list->setUniformItemSizes(true);
  // Picking an item from the list (by the user) makes it current.
  connect(txtCol, &QComboBox::activated, this, [this](int index) { txtCol_Click(index); });
  // The box takes its name from its label; its edit field and list are named apart.
  txtCol->lineEdit()->setAccessibleName(QStringLiteral("Long"));
  txtCol->view()->setAccessibleName(QStringLiteral("Saved colors"));

  CmdApply = new QPushButton(this);
  CmdApply->setObjectName(QStringLiteral("CmdApply"));
  CmdApply->setToolTip(QStringLiteral("Apply Color Value in ComboBox to Color Palette"));
  CmdApply->setAccessibleName(CmdApply->toolTip());
  CmdApply->setIcon(ApplyIcon());
  Place(CmdApply, 2325, 2760, 360, 315);
  connect(CmdApply, &QPushButton::clicked, this, [this] { CmdApply_Click(); });
  CmdAdd = new QPushButton(this);
  CmdAdd->setObjectName(QStringLiteral("CmdAdd"));
  CmdAdd->setToolTip(QStringLiteral("Add color value to file"));
  CmdAdd->setAccessibleName(CmdAdd->toolTip());
  CmdAdd->setIcon(AddIcon());
  Place(CmdAdd, 3480, 2760, 360, 315);
  connect(CmdAdd, &QPushButton::clicked, this, [this] { CmdAdd_Click(); });

  lblCol = new QLabel(this);
  lblCol->setObjectName(QStringLiteral("lblCol"));
  lblCol->setAutoFillBackground(true);
  lblCol->setIndent(4);
  Place(lblCol, 0, kTableTop, kDesignWidthTwips, kCaptionHeight);
  lblCol->installEventFilter(this);

  const char* lists[2] = {"Saved Colors", "Web Colors"};
  // An explicit group: automatic exclusivity would also reach the hue option buttons.
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < 2; ++i) {
    auto* o = new QRadioButton(QString::fromLatin1(lists[i]), this);
    o->setObjectName(QStringLiteral("Option1"));
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
  Option1[1]->move(std::max(Option1[1]->x(), Option1[0]->geometry().right() + 1),
                   Option1[1]->y());

  Image2 = new QLabel(this);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setToolTip(QStringLiteral("Smaller Color Tips"));
  Image2->setPixmap(SignPicture(false));
  Image2->setAlignment(Qt::AlignCenter);
  KeyButton::Make(Image2, [this] { Image2_Click(); });
  Place(Image2, 4020, kOptionTop + 30, 255, 255);
  Image3 = new QLabel(this);
  Image3->setObjectName(QStringLiteral("Image3"));
  Image3->setToolTip(QStringLiteral("Bigger Color Tips"));
  Image3->setPixmap(SignPicture(true));
  Image3->setAlignment(Qt::AlignCenter);
  KeyButton::Make(Image3, [this] { Image3_Click(); });
  Place(Image3, 4320, kOptionTop + 30, 255, 255);
  for (QLabel* l : {Image2, Image3}) {
    l->setCursor(Qt::PointingHandCursor);
    l->installEventFilter(this);
  }

  CNT = new QFrame(this);
  CNT->setObjectName(QStringLiteral("CNT"));
  static_cast<QFrame*>(CNT)->setFrameStyle(QFrame::Box | QFrame::Plain);
  static_cast<QFrame*>(CNT)->setLineWidth(1);
  Place(CNT, 0, kPadTop, kDesignWidthTwips, kPadHeight);
  PAD = new PadWidget(CNT, *table_);
  VS = new QScrollBar(Qt::Vertical, CNT);
  VS->setObjectName(QStringLiteral("VS"));
  VS->setSingleStep(1);
  VS->setPageStep(1);
  {
    // PAD fills CNT's inside less the scroll bar.
    const int innerW = CNT->width() - 2, innerH = CNT->height() - 2;
    const int barW = VS->sizeHint().width();
    VS->setGeometry(1 + innerW - barW, 1, barW, innerH);
    PAD->setGeometry(1, 1, innerW - barW, innerH);
    table_->Pad().SetPadSize(PixelsToTwips(PAD->width()), PixelsToTwips(PAD->height()));
  }
  connect(VS, &QScrollBar::valueChanged, this,
          [this](int value) { ApplyPadUpdate(table_->VS_Change(value)); });
  PAD->onMouseDown = [this](int x, int y) { ApplyPadUpdate(table_->PAD_MouseDown(x, y)); };
  PAD->onKey = [this](PadKey key) { ApplyPadUpdate(table_->PAD_KeyDown(key, *dialogs_)); };
  connect(PAD, &PadWidget::FocusChanged, this, [this] { ShowTableFocus(); });
  lblCol->setBuddy(PAD);  // Alt+T, the caption's access key, goes to the pad

  ImgUP_DN = new QLabel(this);
  ImgUP_DN->setObjectName(QStringLiteral("ImgUP_DN"));
  ImgUP_DN->setAlignment(Qt::AlignCenter);
  ImgUP_DN->setCursor(Qt::PointingHandCursor);
  ImgUP_DN->installEventFilter(this);
  ImgUP_DN->setPixmap(SlidePicture(true));
  ImgUP_DN->setToolTip(QStringLiteral("Slide Down"));
  KeyButton::Make(ImgUP_DN, [this] { ImgUP_DN_Click(); });
  Place(ImgUP_DN, 2100, kDesignHeightTwips - kSlideHeight - 30, 495, kSlideHeight);

  for (QWidget* w : {static_cast<QWidget*>(lblCol), static_cast<QWidget*>(Option1[0]),
                     static_cast<QWidget*>(Option1[1]), CNT, static_cast<QWidget*>(Image2),
                     static_cast<QWidget*>(Image3)}) {
    w->hide();
  }
  lblCol->setText(QString::fromLatin1(kTableTag));
  ShowTableFocus();
}

LoadResult FrmPickColor::LoadColors(const std::filesystem::path& folder) {
  archiveFile_ = folder / kArchiveFileName;
  LoadResult r = archive_->LoadColors(archiveFile_);
  return r;
}

SaveResult FrmPickColor::SaveColors() {
  if (archiveFile_.empty()) return {};
  return archive_->Save(archiveFile_);
}

void FrmPickColor::ApplyPadUpdate(const PadUpdate& update) {
  const PadModel& pad = table_->Pad();
  {
    const QSignalBlocker block(VS);
    VS->setMaximum(pad.ScrollMax());
    VS->setValue(pad.ScrollValue());
    VS->setEnabled(pad.ScrollEnabled());
  }
  {
    // Selecting the list item the pad points at; the edit text is SetColor's.
    const QSignalBlocker block(txtCol);
    const QString text = txtCol->currentText();
    if (txtCol->currentIndex() != table_->TxtColIndex()) txtCol->setCurrentIndex(table_->TxtColIndex());
    if (txtCol->currentText() != text) txtCol->setEditText(text);
  }
  lblCol->setText(QString::fromStdString(table_->Caption()));
  // The caption names the pad, though it stands outside the pad's frame.
  PAD->setAccessibleName(QString(lblCol->text()).remove(QLatin1Char('&')));
  Image2->setVisible(table_->SmallerShown());
  Image3->setVisible(table_->BiggerShown());
  PAD->update();
  if (update.newColour) SetColor(*update.newColour);
  PlaceActionLabels();
}

void FrmPickColor::ShowTableFocus() {
  // The caption bar looks like an active window's title while the table has the focus.
  if (tearingDown_) return;
  const QWidget* focus = QApplication::focusWidget();
  const bool active = focus == PAD || focus == VS || focus == CNT || focus == Option1[0] ||
                      focus == Option1[1] || (focus && (focus == Text3 || focus == CmdSearch));
  const CaptionColours colours = TableCaptionColours(active);
  QPalette p = lblCol->palette();
  p.setColor(QPalette::Window, ToQColor(colours.background));
  p.setColor(QPalette::WindowText, ToQColor(colours.text));
  lblCol->setPalette(p);
}

void FrmPickColor::CmdApply_Click() {
  if (const auto c = ColourTable::Apply(txtCol->currentText().toStdString())) SetColor(*c);
}

void FrmPickColor::CmdAdd_Click() {
  ApplyPadUpdate(table_->CmdAdd(txtCol->currentText().toStdString(), *dialogs_));
}

void FrmPickColor::RenameColor() { ApplyPadUpdate(table_->Rename(*dialogs_)); }

void FrmPickColor::DeleteColor() { ApplyPadUpdate(table_->DeleteColor(*dialogs_)); }

void FrmPickColor::Option1_Click(int index) {
  if (!Option1[static_cast<std::size_t>(index)]->isChecked())
    Option1[static_cast<std::size_t>(index)]->setChecked(true);
  ApplyPadUpdate(table_->Option1_Click(index == 1 ? PadList::Web : PadList::Saved));
  TabChanged = true;
  PAD->setFocus();
}

void FrmPickColor::Image3_Click() {
  ApplyPadUpdate(table_->Image3_Click());
  SizeChanged = true;
}

void FrmPickColor::Image2_Click() {
  ApplyPadUpdate(table_->Image2_Click());
  SizeChanged = true;
}

void FrmPickColor::lblCol_Click() { PAD->setFocus(); }

void FrmPickColor::txtCol_Click(int index) {
  const PadUpdate update = table_->txtCol_Click(index);
  ApplyPadUpdate(update);
}

void FrmPickColor::ImgUP_DN_Click() {
  TableChanged = true;
  const int extra = TwipsToPixels(kPadHeight + kCaptionHeight + kOptionHeight);
  const bool expand = tableTag_.isEmpty();
  tableTag_ = expand ? QStringLiteral("E") : QString();
  setFixedHeight(height() + (expand ? extra : -extra));
  ImgUP_DN->setPixmap(SlidePicture(!expand));
  ImgUP_DN->setToolTip(expand ? QStringLiteral("Slide Up") : QStringLiteral("Slide Down"));
  for (QWidget* w : {static_cast<QWidget*>(lblCol), static_cast<QWidget*>(Option1[0]),
                     static_cast<QWidget*>(Option1[1]), CNT}) {
    w->setVisible(expand);
  }
  table_->ShowTipButtons(expand);
  Image2->setVisible(table_->SmallerShown());
  Image3->setVisible(table_->BiggerShown());
}

}  // namespace hk
