#include "tools/fmhex.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "widgets/stickypin.h"
#include "widgets/widgets.h"
#include "platform/designedsize.h"
#include "platform/twips.h"
#include "widgets/designfont.h"

namespace hk {

namespace {

// The one open converter; it deletes itself when closed.
QPointer<FmHex>& OpenConverter() {
  static QPointer<FmHex> open;
  return open;
}

}  // namespace

FmHex::FmHex(QWidget* parent)
    // A fixed single border without a maximize button.
    : QWidget(parent, kFixedSingleBorder) {
  setObjectName(QStringLiteral("fmHex"));
  setWindowTitle(QStringLiteral("HexConv"));
  setFont(TahomaOrClosest(8));
  setFixedSize(TwipsToPixels(2460), TwipsToPixels(3330));
  new DesignedSize(this);

  Frame1 = Make<QGroupBox>(this, "Frame1");
  Frame1->setTitle(QStringLiteral("&Options"));
  Place(Frame1, 45, 30, 2355, 2100);
  const char* captions[kHexConversionCount] = {"Decimal to Hexadecimal",   "Hexadecimal to Decimal",
                                               "Decimal to Octal",         "Octal to Decimal",
                                               "ASCII Value of left Char", "ASCII to Character "};
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < kHexConversionCount; ++i) {
    auto* option = Make<QRadioButton>(Frame1, "Option1");
    option->setProperty("index", i);
    option->setText(QString::fromLatin1(captions[i]));
    Place(option, 120, 270 + 300 * i, 2175, 255);
    group->addButton(option, i);
    Option1[static_cast<std::size_t>(i)] = option;
  }
  Option1[0]->setChecked(true);
  // Arrow keys move the selection too; whatever checks a button selects its conversion.
  connect(group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked) Option1_Click(id);
  });

  Label1 = Make<QLabel>(this, "Label1");
  Label1->setText(QStringLiteral("&Expression:"));
  Place(Label1, 120, 2280, 1005, 255);
  Text1 = Make<QLineEdit>(this, "Text1");
  Place(Text1, 1155, 2235, 1245, 285);
  Label1->setBuddy(Text1);
  connect(Text1, &QLineEdit::returnPressed, this, [this] { Command1_Click(0); });

  Label2 = Make<QLabel>(this, "Label2");
  Label2->setText(QStringLiteral("&Result:"));
  Place(Label2, 120, 2625, 1005, 255);
  lbl = Make<QLineEdit>(this, "lbl");
  Place(lbl, 1155, 2580, 1245, 285);
  Label2->setBuddy(lbl);

  const char* buttons[] = {"&Get", "&Cancel"};
  for (int i = 0; i < 2; ++i) {
    auto* b = Make<QPushButton>(this, "Command1");
    b->setProperty("index", i);
    b->setText(QString::fromLatin1(buttons[i]));
    Place(b, 450 + 990 * i, 2940, 915, 330);
    connect(b, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    Command1[static_cast<std::size_t>(i)] = b;
  }

  pin_ = new StickyPin(this, 90, 2985);
  ImgstickOff = pin_->ImgstickOff;
  ImgstickOn = pin_->ImgstickOn;

  // As the window reads: the options, the two fields, then the bottom row.
  SetTabOrder(this, {Option1[0], Option1[1], Option1[2], Option1[3], Option1[4], Option1[5], Text1,
                     lbl, ImgstickOff, ImgstickOn, Command1[0], Command1[1]});
}

FmHex* FmHex::ShowConverter(QWidget* owner) {
  QPointer<FmHex>& open = OpenConverter();
  if (!open) {
    open = new FmHex();
    open->setAttribute(Qt::WA_DeleteOnClose);
    if (owner) {
      FmHex* created = open;
      connect(owner, &QObject::destroyed, created, [created] { delete created; });
    }
  }
  open->setWindowState(open->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
  open->show();
  open->raise();
  open->activateWindow();
  return open;
}

void FmHex::Option1_Click(int index) { conversion_ = static_cast<HexConversion>(index); }

void FmHex::Command1_Click(int index) {
  if (index == 1) {
    close();
    return;
  }
  const HexConvOutcome outcome = HexConvert(conversion_, Text1->text().toStdString());
  Text1->setText(QString::fromStdString(outcome.expression));
  lbl->setText(QString::fromStdString(outcome.result));
}

void FmHex::ImgstickOff_Click() { pin_->ImgstickOff_Click(); }

void FmHex::ImgstickOn_Click() { pin_->ImgstickOn_Click(); }

bool FmHex::Sticky() const { return pin_->Sticky(); }

}  // namespace hk
