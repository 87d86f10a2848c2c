// Pictures on Windows: the image file decoded by the platform's imaging
// component (WIC), scaled to the size it is shown at and kept as a
// premultiplied 32-bit bitmap in the picture's rendition slot, so that each
// picture is decoded once for each size; drawn with its transparency.
#pragma once

// The runtime's headers come first: the Windows headers define some of its
// status names (S_OK, E_FAIL, ...) as macros.
#include "picture.h"
#include "window_model.h"

#include <windows.h>

namespace runtime::win32 {

// Draws the picture into frame: stretched to fill it, or at its own size
// from its top-left corner, clipped to it. Pixels of the transparent entry
// are left as they are. False when the file cannot be decoded.
bool DrawPicture(HDC dc, const Picture& picture, const PixelRect& frame, bool stretch);

}  // namespace runtime::win32
