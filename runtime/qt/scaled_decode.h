// The program's own decoders, for pictures shown smaller than they are
// stored: each decodes its file straight to the shown size, averaging each
// target pixel over its area as the rows come (area_average.h), so that no
// picture is ever held at its full size. They need no application object.
//
// GIF (gif_decode.cpp): the first frame, with transparency by the
// transparent entry, in premultiplied ARGB. JPEG (jpeg_decode.cpp): through
// the DCT's own scale-downs (a half, a quarter, an eighth) to the smallest
// size no smaller than the shown one, then averaged, opaque, in RGB32.
#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <span>

namespace runtime::qt {

bool IsGif(std::span<const std::uint8_t> file);
bool IsJpeg(std::span<const std::uint8_t> file);

// Whether the decoder takes the file at that size: a GIF shown no larger
// than its logical screen; a JPEG in grey or YCbCr shown no larger than it
// is stored; across and down.
bool GifScalesDown(std::span<const std::uint8_t> file, QSize size);
bool JpegScalesDown(std::span<const std::uint8_t> file, QSize size);

// The picture scaled down to size; a null image when the file does not
// decode or the decoder does not take it at that size.
QImage DecodeGifScaledDown(std::span<const std::uint8_t> file, QSize size);
QImage DecodeJpegScaledDown(std::span<const std::uint8_t> file, QSize size);

}  // namespace runtime::qt
