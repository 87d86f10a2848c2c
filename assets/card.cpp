// DrawCard: the common card (white body, edge shading, holly) and one wish.
#include <cairo.h>

#include <cmath>
#include <cstring>
#include <numbers>

#include "cairo_raster.h"
#include "card_layout.h"
#include "card_text.h"
#include "drawings.h"
#include "holly.h"
#include "wish_font.h"

namespace assets {

namespace {

// Distance of the point (x, y) inside the card from the edge a -> b.
double InsideDistance(Point a, Point b, double x, double y) {
  const double cross = (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
  return cross / std::hypot(b.x - a.x, b.y - a.y);
}

// Share of the way from a to b at which (x, y) lies, measured along a -> b.
double Along(Point a, Point b, double x, double y) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  return ((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy);
}

// The card's paper: white, with a grey shade inside the top and left edges
// and a thin grey line down the upper half of the right edge.
std::uint8_t PaperGrey(int px, int py) {
  const double x = px + 0.5, y = py + 0.5;  // the pixel's centre
  const Point tl = kCardCorners[0], tr = kCardCorners[1], br = kCardCorners[2], bl = kCardCorners[3];
  constexpr double kShadeWidth = 5.5, kShadeDepth = 95;
  double grey = 255;
  for (double d : {InsideDistance(tl, tr, x, y), InsideDistance(bl, tl, x, y)})
    if (d >= 0 && d < kShadeWidth) grey = std::min(grey, 255 - kShadeDepth * std::pow(1 - d / kShadeWidth, 1.3));
  const double right = InsideDistance(tr, br, x, y);
  const double t = Along(tr, br, x, y);
  if (right >= 0 && right < 1 && t < 0.5) grey = std::min(grey, 255 - 150 * std::pow(1 - t / 0.5, 1.2));
  return static_cast<std::uint8_t>(std::lround(grey));
}

void PaintPaper(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < kCardSize; ++y)
    for (int x = 0; x < kCardSize; ++x) {
      const std::uint32_t g = PaperGrey(x, y);
      const std::uint32_t argb = 0xFF000000u | g << 16 | g << 8 | g;
      std::memcpy(data + static_cast<std::ptrdiff_t>(y) * stride + x * 4, &argb, 4);
    }
  cairo_surface_mark_dirty(surface);
}

// Cuts the card out along its outline: a hard edge, so that the transparent
// pixels are one exact set on every card.
void CutOut(Raster& raster) {
  for (int y = 0; y < raster.height; ++y)
    for (int x = 0; x < raster.width; ++x) {
      std::uint8_t* p = raster.at(x, y);
      if (InsideCard(x, y)) {
        p[3] = 255;
      } else {
        p[0] = p[1] = p[2] = p[3] = 0;
      }
    }
}

// Darkens the card pixels nearest to a corner: the nearest black, the next
// nearly so, as where the card's edge catches the shadow.
void DarkCorner(Raster& raster, Point corner) {
  int best[2][2] = {{-1, -1}, {-1, -1}};
  double dist[2] = {1e9, 1e9};
  for (int y = 0; y < raster.height; ++y)
    for (int x = 0; x < raster.width; ++x) {
      if (!raster.opaque(x, y)) continue;
      const double d = std::hypot(x - corner.x, y - corner.y);
      if (d < dist[0]) {
        dist[1] = dist[0];
        best[1][0] = best[0][0];
        best[1][1] = best[0][1];
        dist[0] = d;
        best[0][0] = x;
        best[0][1] = y;
      } else if (d < dist[1]) {
        dist[1] = d;
        best[1][0] = x;
        best[1][1] = y;
      }
    }
  constexpr std::uint8_t kShade[2] = {0, 34};
  for (int i = 0; i < 2; ++i) {
    if (best[i][0] < 0) continue;
    std::uint8_t* p = raster.at(best[i][0], best[i][1]);
    p[0] = p[1] = p[2] = kShade[i];
  }
}

}  // namespace

Raster DrawCard(int member) {
  if (member < 0 || member >= kCardCount) return Raster{};
  WishFace();  // fails here, before anything is drawn, when the face is missing
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kCardSize, kCardSize);
  PaintPaper(surface);
  cairo_t* cr = cairo_create(surface);
  cairo_translate(cr, kCardCentre.x, kCardCentre.y);
  cairo_rotate(cr, -kCardTiltDegrees * std::numbers::pi / 180);
  DrawSprigChain(cr);
  DrawLargeSprigs(cr);
  DrawWish(cr, kWishes[static_cast<std::size_t>(member)]);
  cairo_destroy(cr);
  Raster out = FromSurface(surface);
  cairo_surface_destroy(surface);
  CutOut(out);
  DarkCorner(out, kCardCorners[1]);
  DarkCorner(out, kCardCorners[2]);
  return out;
}

}  // namespace assets
