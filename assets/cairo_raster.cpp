// Conversion between Cairo's premultiplied native-endian ARGB32 and rasters.
#include "cairo_raster.h"

#include <cstddef>
#include <cstring>
#include <memory>

namespace assets {

namespace {

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;

Surface NewSurface(int width, int height) {
  return Surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height), cairo_surface_destroy);
}

// The raster premultiplied, as Cairo draws it.
Surface ToSurface(const Raster& raster) {
  Surface surface = NewSurface(raster.width, raster.height);
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return surface;
  cairo_surface_flush(surface.get());
  unsigned char* data = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  for (int y = 0; y < raster.height; ++y) {
    for (int x = 0; x < raster.width; ++x) {
      const std::uint8_t* p = raster.at(x, y);
      const std::uint32_t a = p[3];
      std::uint32_t argb = a << 24;
      for (int c = 0; c < 3; ++c) argb |= ((p[c] * a + 127) / 255) << (16 - 8 * c);
      std::memcpy(data + static_cast<std::ptrdiff_t>(y) * stride + x * 4, &argb, 4);
    }
  }
  cairo_surface_mark_dirty(surface.get());
  return surface;
}

bool Write(cairo_surface_t* surface, const std::string& path) {
  return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS &&
         cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace

Raster FromSurface(cairo_surface_t* surface, bool binary_alpha) {
  cairo_surface_flush(surface);
  const int w = cairo_image_surface_get_width(surface);
  const int h = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  Raster out(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      std::uint32_t argb;
      std::memcpy(&argb, data + static_cast<std::ptrdiff_t>(y) * stride + x * 4, 4);
      const std::uint32_t a = argb >> 24;
      if (a == 0 || (binary_alpha && a < 128)) continue;  // stays transparent black
      std::uint8_t* p = out.at(x, y);
      for (int c = 0; c < 3; ++c) {
        const std::uint32_t v = (((argb >> (16 - 8 * c)) & 0xFF) * 255 + a / 2) / a;
        p[c] = static_cast<std::uint8_t>(v > 255 ? 255 : v);
      }
      p[3] = binary_alpha ? std::uint8_t{255} : static_cast<std::uint8_t>(a);
    }
  }
  return out;
}

bool WritePng(const Raster& raster, const std::string& path) {
  return WritePng(raster, path, raster.width, raster.height);
}

bool WritePng(const Raster& raster, const std::string& path, int width, int height) {
  const Surface source = ToSurface(raster);
  if (cairo_surface_status(source.get()) != CAIRO_STATUS_SUCCESS) return false;
  if (width == raster.width && height == raster.height) return Write(source.get(), path);
  const Surface scaled = NewSurface(width, height);
  cairo_t* cr = cairo_create(scaled.get());
  cairo_scale(cr, static_cast<double>(width) / raster.width, static_cast<double>(height) / raster.height);
  cairo_set_source_surface(cr, source.get(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_paint(cr);
  cairo_destroy(cr);
  return Write(scaled.get(), path);
}

}  // namespace assets
