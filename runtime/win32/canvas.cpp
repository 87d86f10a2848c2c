// Painting with GDI.
#include "canvas.h"

#include "text.h"

namespace runtime {

template <>
void win32::Canvas::FillRect(const PixelRect& r, Colour colour) {
  const win32::GdiObject<HBRUSH> brush(CreateSolidBrush(win32::ToColorRef(colour)));
  const RECT rect = win32::ToRect(r);
  ::FillRect(device_, &rect, brush.get());
}

template <>
void win32::Canvas::DrawString(const PixelRect& box, const std::string& text, const FontSpec& font, Colour colour,
                        TextFlow flow) {
  RECT rect = win32::ToRect(box);
  const int saved = SaveDC(device_);
  IntersectClipRect(device_, rect.left, rect.top, rect.right, rect.bottom);
  SetBkMode(device_, TRANSPARENT);
  SetTextColor(device_, win32::ToColorRef(colour));
  SelectObject(device_, fonts_.For(font).get());
  const std::wstring wide = win32::Widen(text);
  const UINT format = flow == TextFlow::Wrapped ? DT_LEFT | DT_TOP | DT_WORDBREAK : DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  ::DrawTextW(device_, wide.c_str(), static_cast<int>(wide.size()), &rect, format);
  RestoreDC(device_, saved);
}

template <>
void win32::Canvas::DrawImage(const PixelRect& frame, const win32::Dib& dib) {
  const int saved = SaveDC(device_);
  IntersectClipRect(device_, frame.x, frame.y, frame.x + frame.width, frame.y + frame.height);
  HDC source = CreateCompatibleDC(device_);
  HGDIOBJ old = SelectObject(source, dib.bitmap.get());
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(device_, frame.x, frame.y, dib.width, dib.height, source, 0, 0, dib.width, dib.height, blend);
  SelectObject(source, old);
  DeleteDC(source);
  RestoreDC(device_, saved);
}

template <>
void win32::Canvas::DrawFocusRect(const PixelRect& r) {
  const RECT rect = win32::ToRect(r);
  ::DrawFocusRect(device_, &rect);
}

}  // namespace runtime
