// Sets the wish's lines in the wish face, unhinted so that letters keep their
// exact shapes when turned with the card.
#include "card_text.h"

#include <string>

#include "wish_font.h"

namespace assets {

namespace {

cairo_text_extents_t Extents(cairo_t* cr, std::string_view text) {
  const std::string s(text);
  cairo_text_extents_t e;
  cairo_text_extents(cr, s.c_str(), &e);
  return e;
}

void UseFace(cairo_t* cr, double size) {
  cairo_set_font_face(cr, WishFace());
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
  cairo_set_font_size(cr, size);
}

}  // namespace

void DrawWish(cairo_t* cr, const Wish& wish) {
  cairo_save(cr);
  // The capital height of the face, measured on a capital without overshoot.
  UseFace(cr, 100);
  const double cap_per_size = Extents(cr, "Н").height / 100;
  UseFace(cr, wish.cap_height / cap_per_size);

  const int n = wish.line_count;
  const cairo_text_extents_t last = Extents(cr, wish.lines[static_cast<std::size_t>(n - 1)]);
  const double last_below = last.y_bearing + last.height;  // ink below the baseline
  double first_baseline, pitch = 0;
  if (n == 1) {
    // One line: its ink centred on the block.
    first_baseline = (wish.block_top + wish.block_bottom) / 2 - (last.y_bearing + last.height / 2);
  } else {
    first_baseline = wish.block_top + wish.cap_height;
    pitch = (wish.block_bottom - last_below - first_baseline) / (n - 1);
  }

  cairo_set_source_rgb(cr, kWishRed, kWishGreen, kWishBlue);
  for (int i = 0; i < n; ++i) {
    const std::string line(wish.lines[static_cast<std::size_t>(i)]);
    const cairo_text_extents_t e = Extents(cr, line);
    const double squeeze = e.width > kWishMaxWidth ? kWishMaxWidth / e.width : 1.0;
    cairo_save(cr);
    cairo_translate(cr, 0, first_baseline + pitch * i);
    cairo_scale(cr, squeeze, 1);
    cairo_move_to(cr, -(e.x_bearing + e.width / 2), 0);
    cairo_show_text(cr, line.c_str());
    cairo_restore(cr);
  }
  cairo_restore(cr);
}

}  // namespace assets
