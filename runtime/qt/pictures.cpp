// Decoding and scaling pictures.
#include "pictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <memory>

#include "picture.h"

namespace vb::qt {

namespace {

struct ScaledRendition final : Rendition {
  QSize size;
  QImage image;
};

}  // namespace

QImage ScalePicture(std::span<const std::uint8_t> file, QSize size) {
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(file.data()),
                                                   static_cast<qsizetype>(file.size()));
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  QImage image = reader.read();
  if (image.isNull()) return image;
  image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                        : QImage::Format_RGB32);
  if (size.isValid() && size != image.size())
    image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return image;
}

QImage ShownPicture(const Picture& picture, QSize size) {
  const auto* object = dynamic_cast<const PictureObject*>(&picture);
  if (object == nullptr) return ScalePicture(picture.File(), size);
  if (auto* kept = dynamic_cast<ScaledRendition*>(object->rendition()); kept && kept->size == size)
    return kept->image;
  auto made = std::make_unique<ScaledRendition>();
  made->size = size;
  made->image = ScalePicture(object->File(), size);
  QImage image = made->image;
  object->SetRendition(std::move(made));
  return image;
}

}  // namespace vb::qt
