// Decoding and scaling pictures.
#include "pictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <future>
#include <memory>

#include "gif_decode.h"
#include "picture.h"

namespace runtime::qt {

namespace {

// The picture at one size: decoded, or being decoded on a worker.
struct ScaledRendition final : Rendition {
  QSize size;
  QImage image;
  std::future<QImage> pending;

  const QImage& Get() {
    if (pending.valid()) image = pending.get();
    return image;
  }
};

}  // namespace

QImage ScalePicture(std::span<const std::uint8_t> file, QSize size) {
  if (IsGif(file) && size.isValid()) {
    QImage scaled = DecodeGifScaledDown(file, size);
    if (!scaled.isNull()) return scaled;  // otherwise shown larger than stored: Qt's decoder below
  }
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

QImage ShownPicture(const Picture& picture, QSize size) {
  const auto* object = dynamic_cast<const PictureObject*>(&picture);
  if (object == nullptr) return ScalePicture(picture.File(), size);
  if (auto* kept = dynamic_cast<ScaledRendition*>(object->rendition()); kept && kept->size == size)
    return kept->Get();
  auto made = std::make_unique<ScaledRendition>();
  made->size = size;
  made->image = ScalePicture(object->File(), size);
  QImage image = made->image;
  object->SetRendition(std::move(made));
  return image;
}

void Prefetch(const Picture& picture, QSize size) {
  const auto* object = dynamic_cast<const PictureObject*>(&picture);
  if (object == nullptr) return;
  if (auto* kept = dynamic_cast<ScaledRendition*>(object->rendition()); kept && kept->size == size) return;
  auto made = std::make_unique<ScaledRendition>();
  made->size = size;
  made->pending = std::async(std::launch::async, ScalePicture, object->File(), size);
  object->SetRendition(std::move(made));
}

}  // namespace runtime::qt
