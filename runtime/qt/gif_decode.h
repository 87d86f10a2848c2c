// GIF pictures decoded straight to the size they are shown at: the frame's
// colour indexes are averaged over each target pixel's area (transparency
// by the transparent entry, premultiplied), so no full-size copy in colour
// is ever made. Used for pictures shown smaller than they are stored.
#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <span>

namespace runtime::qt {

bool IsGif(std::span<const std::uint8_t> file);

// The first frame scaled down to size (each side at most the picture's
// own), in premultiplied ARGB; a null image when the file does not decode
// or size is larger than the picture.
QImage DecodeGifScaledDown(std::span<const std::uint8_t> file, QSize size);

}  // namespace runtime::qt
