// The canvas on Qt: the presenter's painting done with a QPainter, with the
// window's pictures and fonts.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>

#include "device_canvas.h"

namespace runtime::qt {

using Pictures = PictureCache<QImage>;
using Fonts = FontCache<QFont>;
using Canvas = DeviceCanvas<QPainter*, QImage, QFont>;

inline QRect ToQRect(const PixelRect& r) { return QRect(r.x, r.y, r.width, r.height); }

}  // namespace runtime::qt
