// The canvas of a window layer, declared once for every layer: it paints on
// the layer's device (a QPainter, a device context) with the window's
// picture and font caches. Each layer defines the members that touch its
// device; finding the picture decoded at its shown size is shared.
#pragma once

#include "font_cache.h"
#include "picture_cache.h"
#include "surface.h"

namespace runtime {

template <class Device, class Image, class Font>
class DeviceCanvas final : public Canvas {
 public:
  DeviceCanvas(Device device, PictureCache<Image>& pictures, FontCache<Font>& fonts)
      : device_(device), pictures_(pictures), fonts_(fonts) {}

  void FillRect(const PixelRect& r, Colour colour) override;
  void DrawString(const PixelRect& box, const std::string& text, const FontSpec& font, Colour colour,
                  TextFlow flow) override;
  void DrawFocusRect(const PixelRect& r) override;
  bool DrawPicture(const PixelRect& frame, Picture& picture, PixelSize shown) override {
    const Image* image = pictures_.Get(picture, shown);
    if (image == nullptr) return false;
    DrawImage(frame, *image);
    return true;
  }

 private:
  // The decoded picture from the frame's top-left corner, clipped to it.
  void DrawImage(const PixelRect& frame, const Image& image);

  Device device_;
  PictureCache<Image>& pictures_;
  FontCache<Font>& fonts_;
};

}  // namespace runtime
