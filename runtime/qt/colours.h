// Stored colours as Qt colours: 0x00BBGGRR, or a system colour taken from
// the application's palette.
#pragma once

#include <QColor>

#include "window_model.h"

namespace runtime::qt {

QColor ToQColor(Colour colour);

}  // namespace runtime::qt
