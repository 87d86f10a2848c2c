// Showing a picture: its file decoded and scaled to the size it is shown
// at, kept in the picture object's rendition slot so that it is decoded
// once, when first shown (or just before, off the window's thread), and
// held only in that scaled form.
#pragma once

#include <span>
#include <cstdint>

#include <QImage>
#include <QSize>

#include "controls.h"

namespace runtime::qt {

// The picture decoded and scaled to size (an invalid size: its own), with
// transparency premultiplied; a null image when the file does not decode.
QImage ScalePicture(std::span<const std::uint8_t> file, QSize size);

// The picture as shown at size: from the rendition slot of a picture
// object, decoded now if it holds none of that size (waiting for a decode
// that Prefetch started).
QImage ShownPicture(const Picture& picture, QSize size);

// Starts decoding a picture object's file at size on a worker thread, so
// that the pictures of the first frame decode side by side while the
// window is being set up; ShownPicture takes the result. Other pictures
// are left to ShownPicture.
void Prefetch(const Picture& picture, QSize size);

}  // namespace runtime::qt
