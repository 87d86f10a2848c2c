// Painting with a QPainter.
#include "canvas.h"

#include <QPen>

#include "colours.h"

namespace runtime {

template <>
void qt::Canvas::FillRect(const PixelRect& r, Colour colour) {
  device_->fillRect(qt::ToQRect(r), qt::ToQColor(colour));
}

template <>
void qt::Canvas::DrawString(const PixelRect& box, const std::string& text, const FontSpec& font, Colour colour,
                        TextFlow flow) {
  const QRect frame = qt::ToQRect(box);
  device_->save();
  device_->setClipRect(frame, Qt::IntersectClip);
  device_->setPen(qt::ToQColor(colour));
  device_->setFont(fonts_.For(font));
  const int flags = flow == TextFlow::Wrapped ? Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap
                                              : Qt::AlignCenter | Qt::TextSingleLine;
  device_->drawText(frame, flags, QString::fromStdString(text));
  device_->restore();
}

template <>
void qt::Canvas::DrawImage(const PixelRect& frame, const QImage& image) {
  device_->save();
  device_->setClipRect(qt::ToQRect(frame), Qt::IntersectClip);
  device_->drawImage(frame.x, frame.y, image);
  device_->restore();
}

template <>
void qt::Canvas::DrawFocusRect(const PixelRect& r) {
  device_->setPen(QPen(QColor(0, 0, 0), 1, Qt::DotLine));
  device_->drawRect(QRect(r.x, r.y, r.width - 1, r.height - 1));
}

}  // namespace runtime
