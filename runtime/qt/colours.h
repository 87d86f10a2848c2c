// Stored colours as Qt colours: 0x00BBGGRR, or a system colour taken from
// the application's palette.
#pragma once

#include <QColor>

#include "window_model.h"

namespace vb::qt {

QColor ToQColor(Colour colour);

}  // namespace vb::qt
