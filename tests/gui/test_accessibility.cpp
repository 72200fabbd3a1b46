// What assistive technology and the keyboard find in each window: a name on every
// control, the notations on the swatches, the tab order, and the pictures that act as
// buttons for the keyboard too.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <functional>
#include <memory>

#include "tools/fmhex.h"
#include "tools/frmhls.h"
#include "tools/frmmeasure.h"
#include "updowntext/updowntext.h"
#include "window_fixture.h"

namespace hk {
namespace {

QString NameOf(const QObject* o) {
  const QVariant index = o->property("index");
  return index.isValid() ? o->objectName() + QStringLiteral("[%1]").arg(index.toInt())
                         : o->objectName();
}

bool Named(QAccessibleInterface* control) {
  if (control->text(QAccessible::Name).trimmed().isEmpty()) return false;
  // A combo box's name here is the text it holds: only a label names what it is for.
  return control->role() != QAccessible::ComboBox ||
         !control->relations(QAccessible::Label).isEmpty();
}

// Every control the user can reach or work that has no name, through the whole tree.
void Unnamed(QAccessibleInterface* node, QStringList& out) {
  static const QList<QAccessible::Role> kControls = {
      QAccessible::Button,      QAccessible::ButtonMenu,   QAccessible::CheckBox,
      QAccessible::RadioButton, QAccessible::EditableText, QAccessible::SpinBox,
      QAccessible::ComboBox,    QAccessible::List,         QAccessible::Table};
  if (node == nullptr) return;
  if ((node->state().focusable || kControls.contains(node->role())) && !Named(node))
    out << NameOf(node->object());
  // The rows of a list are what it holds, not controls.
  if (node->role() == QAccessible::List || node->role() == QAccessible::Table) return;
  for (int i = 0; i < node->childCount(); ++i) Unnamed(node->child(i), out);
}

// The widgets Tab visits, in the order of the focus chain.
QStringList TabOrder(QWidget* window) {
  QStringList order;
  for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
    if ((w->focusPolicy() & Qt::TabFocus) && w->focusProxy() == nullptr) order << NameOf(w);
  return order;
}

class Accessibility : public WindowTest {
 protected:
  // Each window as it is built: the main window, the converter, the HLS picker and
  // the measure tool.
  std::vector<std::pair<const char*, std::unique_ptr<QWidget>>> Windows() {
    std::vector<std::pair<const char*, std::unique_ptr<QWidget>>> windows;
    windows.emplace_back("FrmPickColor", std::make_unique<FrmPickColor>());
    windows.emplace_back("fmHex", std::make_unique<FmHex>());
    windows.emplace_back("frmHLS", std::make_unique<frmHLS>(nullptr, 240.0f));
    windows.emplace_back("frmMeasure", std::make_unique<frmMeasure>());
    return windows;
  }
};

TEST_F(Accessibility, EveryControlOfEveryWindowHasAName) {
  for (auto& [name, window] : Windows()) {
    QStringList unnamed;
    Unnamed(QAccessible::queryAccessibleInterface(window.get()), unnamed);
    EXPECT_TRUE(unnamed.isEmpty()) << name << ": " << unnamed.join(u' ').toStdString();
  }
}

TEST_F(Accessibility, TabFollowsEachWindowFromTopLeftToBottomRight) {
  const std::map<QString, QStringList> expected = {
      {"FrmPickColor",
       {"PicFrame1",   "ImgstickOff", "ImgstickOn",  "PicFrame2",  "lblDisp",     "TxtR",
        "TxtG",        "TxtB",        "TxtK",        "Option2[0]", "Option2[1]",  "Text4",
        "Command2[4]", "Text5",       "Command2[5]", "Text2",      "Command2[2]", "Text1",
        "Command2[0]", "txtCol",      "Command2[1]", "txtHTML",    "Command2[3]", "Text3",
        "CmdSearch",   "CmdApply",    "Pixel",       "CmdOpen",    "CmdAdd",      "cmdCopyPIX",
        "Command1",    "Option1[0]",  "Option1[1]",  "Image2",     "Image3",      "PAD",
        "ImgUP_DN"}},
      {"fmHex",
       {"Option1[0]", "Option1[1]", "Option1[2]", "Option1[3]", "Option1[4]", "Option1[5]", "Text1",
        "lbl", "ImgstickOff", "ImgstickOn", "Command1[0]", "Command1[1]"}},
      {"frmHLS",
       {"picHLS", "picLum", "Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text1_4", "Text1_5",
        "Text1_6", "Text1_7", "Text1_8", "Text1_9"}},
      {"frmMeasure", {}},
  };
  for (auto& [name, window] : Windows())
    EXPECT_EQ(TabOrder(window.get()).join(u' ').toStdString(),
              expected.at(QString::fromLatin1(name)).join(u' ').toStdString())
        << name;
}

TEST_F(Accessibility, TheSwatchesTellTheColourInTheSixNotations) {
  Start();
  const auto description = [this](const char* swatch) {
    return QAccessible::queryAccessibleInterface(w->findChild<QWidget*>(swatch))
        ->text(QAccessible::Description)
        .toStdString();
  };
  w->SetColor(RGB(0, 0, 255));
  EXPECT_EQ(description("Label1"),
            "Long 16711680; Hex FF0000; Web #0000FF; HTML Blue; RGB 0, 0, 255; "
            "CMYK 255, 255, 0, 0");
  // A colour without a web name has no HTML part.
  w->SetColor(RGB(1, 2, 3));
  for (const char* swatch : {"Label1", "PicPX", "PicFrame3"})
    EXPECT_EQ(description(swatch),
              "Long 197121; Hex 30201; Web #010203; RGB 1, 2, 3; "
              "CMYK 170, 85, 0, 252")
        << swatch;
}

TEST_F(Accessibility, TheKeyboardWorksWhatTheMouseWorks) {
  Start();
  // A channel editor is a spin box named by its label; the Menu key opens its menu.
  w->SetColor(RGB(12, 0, 0));
  auto* red = w->findChild<UpDownText*>("TxtR");
  QAccessibleInterface* spin = QAccessible::queryAccessibleInterface(red);
  EXPECT_EQ(spin->role(), QAccessible::SpinBox);
  EXPECT_EQ(spin->text(QAccessible::Name).toStdString() + " " +
                spin->text(QAccessible::Value).toStdString(),
            "Red 12");
  QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), red->mapToGlobal(QPoint()));
  QApplication::sendEvent(red, &menuKey);
  EXPECT_TRUE(red->mnuMain()->isVisible());
  red->mnuMain()->hide();

  // Tab leads out of the Long field, which takes only digits.
  w->findChild<QWidget*>("txtCol")->setFocus(Qt::TabFocusReason);
  QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(NameOf(w->focusWidget()).toStdString(), "Command2[1]");
  auto* slide = w->findChild<QWidget*>("ImgUP_DN");
  const QString table = w->TableState();
  QTest::keyClick(slide, Qt::Key_Space);
  EXPECT_NE(w->TableState(), table);
  // The pin's two pictures swap, and the focus goes with them.
  auto* pin = w->findChild<QWidget*>("ImgstickOff");
  pin->setFocus(Qt::TabFocusReason);
  QTest::keyClick(pin, Qt::Key_Return);
  EXPECT_TRUE(w->Sticky());
  EXPECT_EQ(w->focusWidget(), w->findChild<QWidget*>("ImgstickOn"));
  QTest::keyClick(w->focusWidget(), Qt::Key_Space);
  EXPECT_FALSE(w->Sticky());
  // The colour mode box opens its menu, whose keys choose.
  QTest::keyClick(w->findChild<QWidget*>("PicFrame2"), Qt::Key_Enter, Qt::KeypadModifier);
  auto* menu = w->findChild<QMenu*>("mnuColor");
  ASSERT_TRUE(menu->isVisible());
  QTest::keyClick(menu, Qt::Key_Down);
  QTest::keyClick(menu, Qt::Key_Down);
  QTest::keyClick(menu, Qt::Key_Return);
  EXPECT_EQ(w->ColorMode(), 1);
  // A pressed picture tells assistive technology it can be pressed.
  QAccessibleInterface* zoom =
      QAccessible::queryAccessibleInterface(w->findChild<QWidget*>("PicFrame1"));
  EXPECT_EQ(zoom->role(), QAccessible::Button);
  EXPECT_EQ(zoom->text(QAccessible::Name), "Toggle zoom level");
  zoom->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(w->findChild<QMenu*>("mnuZoom")->isVisible());
}

}  // namespace
}  // namespace hk
