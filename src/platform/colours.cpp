#include "platform/colours.h"

#include <QApplication>

namespace hk {

QColor SystemColour(int index, const QPalette& p) {
  using R = QPalette::ColorRole;
  switch (index) {
    case 2:   // active caption
    case 13:  // highlight
    case 27:  // gradient active caption
    case 29:  // menu highlight
      return p.color(QPalette::Active, R::Highlight);
    case 3:   // inactive caption
    case 28:  // gradient inactive caption
      return p.color(QPalette::Inactive, R::Highlight);
    case 5: return p.color(R::Base);          // window background
    case 6: return p.color(R::Shadow);        // window frame
    case 7: return p.color(R::WindowText);    // menu text
    case 8: return p.color(R::Text);          // window text
    case 9:                                   // caption text
    case 14: return p.color(R::HighlightedText);
    case 12: return p.color(R::Dark);         // application workspace
    case 15: return p.color(R::Button);       // button face
    case 16: return p.color(R::Dark);         // button shadow
    case 17: return p.color(QPalette::Disabled, R::Text);  // grey text
    case 18: return p.color(R::ButtonText);   // button text
    case 19: return p.color(QPalette::Inactive, R::HighlightedText);
    case 20: return p.color(R::Light);        // 3D highlight
    case 21: return p.color(R::Shadow);       // 3D dark shadow
    case 22: return p.color(R::Midlight);     // 3D light
    case 23: return p.color(R::ToolTipText);
    case 24: return p.color(R::ToolTipBase);
    case 26: return p.color(R::Link);         // hot-tracked item
    default: return p.color(R::Window);       // desktop, menu, borders, menu bar
  }
}

QColor ToQColor(LongColour colour, const QPalette& palette) {
  if (IsSystemColour(colour)) return SystemColour(colour & 0xFF, palette);
  return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

QColor ToQColor(LongColour colour) { return ToQColor(colour, QApplication::palette()); }

}  // namespace hk
