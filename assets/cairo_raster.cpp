// Conversion between Cairo's premultiplied native-endian ARGB32 and rasters.
#include "cairo_raster.h"

#include <cstddef>
#include <cstring>

namespace assets {

Raster FromSurface(cairo_surface_t* surface) {
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
      std::uint8_t* p = out.at(x, y);
      p[3] = static_cast<std::uint8_t>(a);
      if (a == 0) {
        p[0] = p[1] = p[2] = 0;
        continue;
      }
      for (int c = 0; c < 3; ++c) {
        const std::uint32_t v = (argb >> (16 - 8 * c)) & 0xFF;
        p[c] = static_cast<std::uint8_t>((v * 255 + a / 2) / a);
      }
    }
  }
  return out;
}

bool WritePng(const Raster& raster, const std::string& path) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, raster.width, raster.height);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return false;
  }
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < raster.height; ++y) {
    for (int x = 0; x < raster.width; ++x) {
      const std::uint8_t* p = raster.at(x, y);
      const std::uint32_t a = p[3];
      std::uint32_t argb = a << 24;
      for (int c = 0; c < 3; ++c) argb |= ((p[c] * a + 127) / 255) << (16 - 8 * c);
      std::memcpy(data + static_cast<std::ptrdiff_t>(y) * stride + x * 4, &argb, 4);
    }
  }
  cairo_surface_mark_dirty(surface);
  const bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return ok;
}

}  // namespace assets
