// Colour conversion. The classic 3-D edge colours, which Qt's palettes do
// not hold alike, are the classic scheme's own.
#include "colours.h"

#include <QApplication>
#include <QPalette>

namespace runtime::qt {

QColor ToQColor(Colour colour) {
  if (!IsSystemColour(colour)) return QColor(Red(colour), Green(colour), Blue(colour));
  const QPalette palette = QApplication::palette();
  switch (colour.value & 0xFFu) {
    case 0x05: return palette.color(QPalette::Base);        // window
    case 0x08: return palette.color(QPalette::WindowText);  // window text
    case 0x0F: return palette.color(QPalette::Button);      // button face
    case 0x10: return QColor(128, 128, 128);                 // button shadow
    case 0x12: return palette.color(QPalette::ButtonText);  // button text
    case 0x14: return QColor(255, 255, 255);                 // button highlight
    case 0x15: return QColor(64, 64, 64);                    // 3-D dark shadow
    case 0x16: return QColor(227, 227, 227);                 // 3-D light
    default: return palette.color(QPalette::Window);
  }
}

}  // namespace runtime::qt
