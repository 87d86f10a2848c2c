// Decoding a picture for the screen on Qt: its file decoded and scaled to
// the size it is shown at, so that only the scaled form is ever kept (the
// window keeps it in its picture cache). A picture shown smaller is decoded
// straight to its size, never whole.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include <QImage>
#include <QSize>

#include "window_model.h"

namespace runtime::qt {

// The picture decoded and scaled to size (an invalid size: its own), with
// transparency premultiplied; a null image when the file does not decode.
QImage ScalePicture(std::span<const std::uint8_t> file, QSize size);

// The same, as the picture cache asks for it ({0, 0}: its own size):
// nothing where the file does not decode.
std::optional<QImage> DecodePicture(std::span<const std::uint8_t> file, PixelSize size);

// Whether DecodePicture needs no application object for the file at that
// size: a GIF or a JPEG shown smaller, which the program decodes itself
// straight to that size. Any other picture goes through Qt's image reader,
// whose plugins and conversions must wait for the application.
bool DecodesWithoutApplication(std::span<const std::uint8_t> file, PixelSize size);

}  // namespace runtime::qt
