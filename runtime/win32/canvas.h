// The canvas on Windows: the presenter's painting done with GDI on a device
// context, with the window's pictures and fonts.
#pragma once

// The runtime's headers come first: the Windows headers define some of its
// status names (S_OK, E_FAIL, ...) as macros.
#include "device_canvas.h"

#include "gdi.h"
#include "pictures.h"

namespace runtime::win32 {

using Pictures = PictureCache<Dib>;
using Fonts = FontCache<GdiObject<HFONT>>;
using Canvas = DeviceCanvas<HDC, Dib, GdiObject<HFONT>>;

}  // namespace runtime::win32
