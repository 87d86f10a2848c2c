// Cairo surface ownership and the conversion of its premultiplied pixels.
#include "canvas.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace assets::art {

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
  if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
    throw std::runtime_error("cannot create a drawing surface");
  }
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

Raster Canvas::ToRaster(bool binary_alpha) const {
  cairo_surface_flush(surface_);
  Raster out(width_, height_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  for (int y = 0; y < height_; ++y) {
    const unsigned char* row = data + static_cast<std::ptrdiff_t>(y) * stride;
    for (int x = 0; x < width_; ++x) {
      std::uint32_t px;
      std::memcpy(&px, row + static_cast<std::ptrdiff_t>(x) * 4, 4);
      const std::uint32_t a = px >> 24;
      std::uint8_t* o = out.at(x, y);
      if (a == 0 || (binary_alpha && a < 128)) continue;
      const std::uint32_t channel[3] = {(px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF};
      for (int c = 0; c < 3; ++c) {
        const std::uint32_t v = (channel[c] * 255 + a / 2) / a;
        o[c] = static_cast<std::uint8_t>(v > 255 ? 255 : v);
      }
      o[3] = binary_alpha ? std::uint8_t{255} : static_cast<std::uint8_t>(a);
    }
  }
  return out;
}

void FillEnclosed(Raster& raster, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  const int w = raster.width, h = raster.height;
  const auto index = [w](int x, int y) { return static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x); };
  std::vector<char> outside(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
  std::vector<std::size_t> stack;
  auto push = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    if (outside[index(x, y)] || raster.opaque(x, y)) return;
    outside[index(x, y)] = 1;
    stack.push_back(index(x, y));
  };
  for (int x = 0; x < w; ++x) { push(x, 0); push(x, h - 1); }
  for (int y = 0; y < h; ++y) { push(0, y); push(w - 1, y); }
  while (!stack.empty()) {
    const std::size_t i = stack.back();
    stack.pop_back();
    const int x = static_cast<int>(i % static_cast<std::size_t>(w)), y = static_cast<int>(i / static_cast<std::size_t>(w));
    push(x + 1, y); push(x - 1, y); push(x, y + 1); push(x, y - 1);
  }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (!raster.opaque(x, y) && !outside[index(x, y)]) {
        std::uint8_t* p = raster.at(x, y);
        p[0] = r; p[1] = g; p[2] = b; p[3] = 255;
      }
}

bool WritePng(const Raster& raster, const std::string& path, int out_w, int out_h) {
  cairo_surface_t* src = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, raster.width, raster.height);
  unsigned char* data = cairo_image_surface_get_data(src);
  const int stride = cairo_image_surface_get_stride(src);
  for (int y = 0; y < raster.height; ++y)
    for (int x = 0; x < raster.width; ++x) {
      const std::uint8_t* p = raster.at(x, y);
      const std::uint32_t a = p[3];
      const std::uint32_t px = (a << 24) | ((p[0] * a / 255) << 16) | ((p[1] * a / 255) << 8) | (p[2] * a / 255);
      std::memcpy(data + static_cast<std::ptrdiff_t>(y) * stride + static_cast<std::ptrdiff_t>(x) * 4, &px, 4);
    }
  cairo_surface_mark_dirty(src);
  cairo_surface_t* dst = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, out_w, out_h);
  cairo_t* cr = cairo_create(dst);
  cairo_scale(cr, static_cast<double>(out_w) / raster.width, static_cast<double>(out_h) / raster.height);
  cairo_set_source_surface(cr, src, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_paint(cr);
  cairo_destroy(cr);
  const bool ok = cairo_surface_write_to_png(dst, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(dst);
  cairo_surface_destroy(src);
  return ok;
}

}  // namespace assets::art
