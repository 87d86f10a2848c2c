// Decoding a picture for the screen on Windows: the image file decoded by
// the platform's imaging component (WIC), scaled to the size it is shown at
// and kept as a premultiplied 32-bit bitmap (the window keeps it in its
// picture cache).
#pragma once

#include <cstdint>
#include <optional>
#include <span>

// The runtime's headers come first: the Windows headers define some of its
// status names (S_OK, E_FAIL, ...) as macros.
#include "window_model.h"

#include "gdi.h"

namespace runtime::win32 {

// A decoded picture: a top-down premultiplied BGRA bitmap.
struct Dib {
  GdiObject<HBITMAP> bitmap;
  int width = 0, height = 0;
};

// The picture decoded and scaled to size ({0, 0}: its own); nothing where
// the file cannot be decoded.
std::optional<Dib> DecodePicture(std::span<const std::uint8_t> file, PixelSize size);

}  // namespace runtime::win32
