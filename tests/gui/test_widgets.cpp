// Shared widgets on their own: the plain captions and the font a window is built under.
#include <QMenu>

#include "widgets/designfont.h"
#include "widgets/plainlabel.h"
#include "window_fixture.h"

namespace hk {
namespace {

QImage Drawn(QLabel& label, Qt::Alignment alignment) {
  label.resize(80, 15);
  label.setAlignment(alignment);
  return label.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool HasDocument(const QLabel& label) {
  for (const QObject* child : label.children())
    if (QByteArray(child->metaObject()->className()) == "QWidgetTextControl") return true;
  return false;
}

TEST(PlainLabel, LooksAsARichTextCaptionWithItsKeyUnderlinedAndBuildsNoDocument) {
  const struct {
    const char *caption, *rich;
    Qt::Alignment alignment;
    bool enabled;
  } cases[] = {
      {"Re&name", "Re<u>n</u>ame", Qt::AlignCenter, true},
      {"Re&name", "Re<u>n</u>ame", Qt::AlignCenter, false},
      {"E&xit", "E<u>x</u>it", Qt::AlignLeft | Qt::AlignVCenter, true},
      {"RGB Display", "RGB Display", Qt::AlignLeft | Qt::AlignVCenter, false},
      {"Home Page", "Home Page", Qt::AlignRight | Qt::AlignTop, true},
  };
  QWidget window;
  QFont small = window.font();
  small.setPointSizeF(7);  // a size whose line centres on a half pixel
  window.setFont(small);
  window.show();
  for (const auto& c : cases) {
    PlainLabel plain(QString::fromLatin1(c.caption), &window);
    QLabel rich(QString::fromLatin1(c.rich), &window);
    rich.setTextFormat(Qt::RichText);
    plain.setEnabled(c.enabled);
    rich.setEnabled(c.enabled);
    plain.setFocusPolicy(Qt::TabFocus);  // as a key button makes it
    plain.show();
    EXPECT_EQ(Drawn(plain, c.alignment), Drawn(rich, c.alignment)) << c.caption;
    EXPECT_EQ(plain.text(), QString::fromLatin1(c.caption).remove(QLatin1Char('&')));
    EXPECT_FALSE(HasDocument(plain)) << c.caption;
  }
  // "&&" is an ampersand, and a lone "&" at the end stays as it is.
  for (const auto& [caption, text] : {std::pair("Fish && Chips", "Fish & Chips"),
                                      std::pair("Rock&&", "Rock&"), std::pair("Fish&", "Fish&")})
    EXPECT_EQ(PlainLabel(QString::fromLatin1(caption), &window).text(), QString::fromLatin1(text));
  PlainLabel keyed(QStringLiteral("Re&name"), &window);
  QLabel reference(QStringLiteral("Delete"), &window);
  reference.setTextFormat(Qt::RichText);
  keyed.setText(QStringLiteral("Delete"));  // a new text shows as it is, with no key
  EXPECT_EQ(Drawn(keyed, Qt::AlignCenter), Drawn(reference, Qt::AlignCenter));
}

TEST(ApplicationFontWhileBuilding, HoldsTheFontWhileItLivesAndMenusMadeMeanwhileGoBack) {
  const QFont desktop = QApplication::font();
  QFont design = desktop;
  design.setPointSizeF(desktop.pointSizeF() + 3);
  QWidget window;
  QMenu* menu = nullptr;
  QWidget* own = nullptr;  // a window made meanwhile with a font of its own keeps it
  {
    const ApplicationFontWhileBuilding building(design);
    EXPECT_EQ(QFontInfo(QApplication::font()).pointSizeF(), QFontInfo(design).pointSizeF());
    window.setFont(design);
    menu = new QMenu(&window);  // a window of its own, following the application
    own = new QWidget(&window, Qt::Window);
    own->setFont(design);
  }
  EXPECT_EQ(
      std::tuple(QApplication::font().toString(), menu->font().toString(), window.font().toString(),
                 own->font().toString()),
      std::tuple(desktop.toString(), desktop.toString(), design.toString(), design.toString()));
}

}  // namespace
}  // namespace hk
