// The GDI side of the model's settings: colours, fonts and the scale, and
// a small owner for GDI objects.
#pragma once

#include <utility>

// The runtime's headers come first: the Windows headers define some of its
// status names (S_OK, E_FAIL, ...) as macros.
#include "window_model.h"

#include <windows.h>

namespace runtime::win32 {

// Owns one GDI object and deletes it.
template <class Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  ~GdiObject() {
    if (handle_) DeleteObject(handle_);
  }
  Handle get() const { return handle_; }

 private:
  Handle handle_ = nullptr;
};

// A colour as GDI takes it; a system colour is looked up.
COLORREF ToColorRef(Colour colour);

// The system's scale: twips per pixel of the screen (15 at 96 dpi), and its
// dots per inch.
int ScreenDpi();
double TwipsPerPixel();

// The font a control stores, at the system's scale.
GdiObject<HFONT> MakeFont(const FontSpec& spec);

RECT ToRect(const PixelRect& r);

// Answers a window's WM_PAINT: paint(dc, area) between BeginPaint and
// EndPaint, area being the part to paint.
template <class Paint>
void PaintWindow(HWND hwnd, Paint paint) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  paint(dc, ps.rcPaint);
  EndPaint(hwnd, &ps);
}

}  // namespace runtime::win32
