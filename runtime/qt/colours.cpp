// Colour conversion.
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
    case 0x10: return palette.color(QPalette::Dark);        // button shadow
    case 0x12: return palette.color(QPalette::ButtonText);  // button text
    case 0x14: return palette.color(QPalette::Light);       // button highlight
    default: return palette.color(QPalette::Window);
  }
}

}  // namespace runtime::qt
