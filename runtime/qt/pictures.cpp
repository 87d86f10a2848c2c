// Decoding and scaling pictures.
#include "pictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include "scaled_decode.h"

namespace runtime::qt {

bool DecodesWithoutApplication(std::span<const std::uint8_t> file, PixelSize size) {
  const QSize shown(size.width, size.height);
  return GifScalesDown(file, shown) || JpegScalesDown(file, shown);
}

QImage ScalePicture(std::span<const std::uint8_t> file, QSize size) {
  // A picture shown smaller is decoded by the program itself, straight to
  // its shown size; any other, and one that these decoders refuse, by Qt.
  if (QImage scaled = DecodeGifScaledDown(file, size); !scaled.isNull()) return scaled;
  if (QImage scaled = DecodeJpegScaledDown(file, size); !scaled.isNull()) return scaled;
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(file.data()),
                                                   static_cast<qsizetype>(file.size()));
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  // A reader that scales while decoding (JPEG, by its DCT) does the bulk of
  // the scaling at a fraction of the cost of a full decode.
  if (size.isValid() && reader.supportsOption(QImageIOHandler::ScaledSize)) reader.setScaledSize(size);
  QImage image = reader.read();
  if (image.isNull()) return image;
  image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                        : QImage::Format_RGB32);
  if (size.isValid() && size != image.size())
    image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return image;
}

std::optional<QImage> DecodePicture(std::span<const std::uint8_t> file, PixelSize size) {
  QImage image = ScalePicture(file, size.width > 0 && size.height > 0 ? QSize(size.width, size.height) : QSize());
  if (image.isNull()) return std::nullopt;
  return image;
}

}  // namespace runtime::qt
