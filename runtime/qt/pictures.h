// Showing a picture: its file decoded and scaled to the size it is shown
// at, kept in the picture object's rendition slot so that it is decoded
// once, when first shown, and held only in that scaled form.
#pragma once

#include <span>
#include <cstdint>

#include <QImage>
#include <QSize>

#include "controls.h"

namespace vb::qt {

// The picture decoded and scaled to size (an invalid size: its own), with
// transparency premultiplied; a null image when the file does not decode.
QImage ScalePicture(std::span<const std::uint8_t> file, QSize size);

// The picture as shown at size: from the rendition slot of a picture
// object, decoded now if it holds none of that size.
QImage ShownPicture(const Picture& picture, QSize size);

}  // namespace vb::qt
