// The greeting picture: a flat paper-cut drawing for the New Year 2015 on
// a blue ground, with five layered fir trees, white paper snowflakes with
// long soft shadows, "Happy New Year" on a white sticker outline and a
// very large, colourful "2015".
#include <cmath>
#include <string>

#include "canvas.h"
#include "drawings.h"
#include "font.h"
#include "paint.h"

namespace assets {

namespace {

using art::kPi;
using art::Prng;

constexpr int kWidth = 1600;
constexpr int kHeight = 1043;

// The direction of every long shadow: towards the lower left.
constexpr double kShadowDx = -0.70710678, kShadowDy = 0.70710678;

void DrawGround(cairo_t* cr) {
  SetGradient(cr, cairo_pattern_create_linear(0, 0, kWidth, 0),
              {{0.0, {17, 53, 101}}, {0.5, {19, 87, 158}}, {1.0, {17, 53, 101}}});
  cairo_paint(cr);
}

// Repeats the current path's fill along the shadow direction, fading with
// distance: a long soft shadow. The path is kept.
void LongShadow(cairo_t* cr, double length, double strength, double step) {
  cairo_path_t* path = cairo_copy_path(cr);
  for (double d = length; d >= step; d -= step) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_translate(cr, kShadowDx * d, kShadowDy * d);
    cairo_append_path(cr, path);
    const double fade = 1.0 - d / length;
    cairo_set_source_rgba(cr, 4 / 255.0, 16 / 255.0, 40 / 255.0, strength * fade * fade);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  cairo_new_path(cr);
  cairo_append_path(cr, path);
  cairo_path_destroy(path);
}

// One tier of a paper fir tree: a pointed skirt whose ends curve down.
void TierPath(cairo_t* cr, double cx, double top, double bottom, double half) {
  const double h = bottom - top;
  cairo_new_path(cr);
  cairo_move_to(cr, cx, top);
  cairo_curve_to(cr, cx + half * 0.25, top + h * 0.35, cx + half * 0.7, top + h * 0.75, cx + half, bottom);
  cairo_curve_to(cr, cx + half * 0.6, bottom - h * 0.28, cx + half * 0.25, bottom - h * 0.2, cx, bottom - h * 0.18);
  cairo_curve_to(cr, cx - half * 0.25, bottom - h * 0.2, cx - half * 0.6, bottom - h * 0.28, cx - half, bottom);
  cairo_curve_to(cr, cx - half * 0.7, top + h * 0.75, cx - half * 0.25, top + h * 0.35, cx, top);
  cairo_close_path(cr);
}

struct FirTree {
  double cx, top, bottom, half;
  int tiers;
  Tone light, dark;
};

void DrawFir(cairo_t* cr, const FirTree& t) {
  const double span = t.bottom - t.top;
  const double tier_h = span / (t.tiers * 0.62 + 0.38);
  // Lowest tier first: each tier above lies on the one below like a
  // layer of paper, with its own soft shadow.
  for (int i = t.tiers - 1; i >= 0; --i) {
    const double top = t.top + i * tier_h * 0.62;
    const double bottom = top + tier_h;
    const double half = t.half * (0.38 + 0.62 * (i + 1.0) / t.tiers);
    const Tone light = Mix(t.light, t.dark, 0.15 * i / t.tiers);
    TierPath(cr, t.cx, top, bottom, half);
    LongShadow(cr, 26, 0.5, 2);
    // Left half lit, right half in shade, like a folded paper cut.
    SetColor(cr, t.dark);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    cairo_rectangle(cr, t.cx - half - 2, top - 2, half + 2, tier_h + 4);
    SetColor(cr, light);
    cairo_fill(cr);
    // A lighter edge along the tier's hem.
    TierPath(cr, t.cx, top, bottom, half);
    SetColor(cr, Mix(light, {255, 255, 255}, 0.25));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
}

void DrawTrees(cairo_t* cr) {
  // Left to right: medium, small (in front), large, the largest, medium;
  // the small one is drawn last so it stands in front.
  const FirTree medium_left{215, 110, 560, 150, 5, {96, 186, 92}, {44, 130, 70}};
  const FirTree large{640, 40, 565, 175, 6, {70, 170, 96}, {26, 112, 72}};
  const FirTree largest{985, 8, 580, 195, 7, {120, 196, 84}, {54, 140, 60}};
  const FirTree medium_right{1345, 115, 565, 148, 5, {84, 176, 104}, {34, 120, 80}};
  const FirTree small{425, 300, 600, 112, 4, {150, 206, 90}, {80, 156, 62}};
  for (const FirTree& t : {medium_left, large, largest, medium_right, small}) DrawFir(cr, t);
}

// A paper snowflake: six arms with side branches, cut from white paper.
void SnowflakePath(cairo_t* cr, double cx, double cy, double r, double turn) {
  cairo_new_path(cr);
  for (int arm = 0; arm < 6; ++arm) {
    const double a = turn + arm * kPi / 3;
    const double ux = std::cos(a), uy = std::sin(a);
    const double w = r * 0.09;
    const double px = -uy * w, py = ux * w;
    cairo_move_to(cr, cx + px, cy + py);
    cairo_line_to(cr, cx + ux * r + px * 0.6, cy + uy * r + py * 0.6);
    cairo_line_to(cr, cx + ux * r * 1.08, cy + uy * r * 1.08);
    cairo_line_to(cr, cx + ux * r - px * 0.6, cy + uy * r - py * 0.6);
    cairo_line_to(cr, cx - px, cy - py);
    cairo_close_path(cr);
    for (const double at : {0.42, 0.68}) {
      const double bl = r * (at < 0.5 ? 0.34 : 0.24);
      for (int side = -1; side <= 1; side += 2) {
        const double b = a + side * kPi / 3;
        const double bx = cx + ux * r * at, by = cy + uy * r * at;
        const double vx = std::cos(b), vy = std::sin(b);
        const double bw = w * 0.75;
        cairo_move_to(cr, bx - vy * bw, by + vx * bw);
        cairo_line_to(cr, bx + vx * bl - vy * bw * 0.5, by + vy * bl + vx * bw * 0.5);
        cairo_line_to(cr, bx + vx * bl * 1.1, by + vy * bl * 1.1);
        cairo_line_to(cr, bx + vx * bl + vy * bw * 0.5, by + vy * bl - vx * bw * 0.5);
        cairo_line_to(cr, bx + vy * bw, by - vx * bw);
        cairo_close_path(cr);
      }
    }
  }
  cairo_arc(cr, cx, cy, r * 0.2, 0, 2 * kPi);
  cairo_close_path(cr);
}

void DrawSnowflakes(cairo_t* cr, Prng& rng) {
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  // Spread over the upper part in a jittered grid, a few big ones among
  // many small.
  const int cols = 9, rows = 4;
  for (int row = 0; row < rows; ++row)
    for (int col = 0; col < cols; ++col) {
      const double x = (col + 0.5 + rng.Range(-0.35, 0.35)) * kWidth / cols;
      const double y = 40 + (row + 0.5 + rng.Range(-0.35, 0.35)) * 470.0 / rows;
      const double pick = rng.Unit();
      const double r = pick < 0.15 ? rng.Range(40, 58) : (pick < 0.5 ? rng.Range(22, 34) : rng.Range(10, 18));
      SnowflakePath(cr, x, y, r, rng.Range(0, kPi / 3));
      LongShadow(cr, r * 2.4, 0.35, 1.5);
      SetColor(cr, {250, 252, 255});
      cairo_fill(cr);
    }
  // A few more low beside the digits.
  for (const double x : {60.0, 1545.0}) {
    SnowflakePath(cr, x, 640 + rng.Range(0, 80), 26, rng.Range(0, 1));
    LongShadow(cr, 60, 0.35, 1.5);
    SetColor(cr, {250, 252, 255});
    cairo_fill(cr);
  }
}

// A text as a path, centred on cx with its baseline at y.
void CentredTextPath(cairo_t* cr, const std::string& text, double cx, double y) {
  cairo_text_extents_t ext;
  cairo_text_extents(cr, text.c_str(), &ext);
  cairo_new_path(cr);
  cairo_move_to(cr, cx - ext.width / 2 - ext.x_bearing, y);
  cairo_text_path(cr, text.c_str());
}

void DrawGreetingLine(cairo_t* cr, cairo_font_face_t* face) {
  art::UseFace(cr, face, 118);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  const double baseline = 572;
  CentredTextPath(cr, "Happy New Year", kWidth / 2.0, baseline);
  // The sticker: a thick white outline around the whole line, with a soft
  // shadow of its own.
  cairo_path_t* letters = cairo_copy_path(cr);
  cairo_set_line_width(cr, 52);
  cairo_stroke_preserve(cr);
  for (int d = 36; d >= 3; d -= 3) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_translate(cr, kShadowDx * d, kShadowDy * d);
    cairo_append_path(cr, letters);
    const double fade = 1.0 - d / 36.0;
    cairo_set_source_rgba(cr, 4 / 255.0, 16 / 255.0, 40 / 255.0, 0.5 * fade * fade);
    cairo_set_line_width(cr, 52);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  cairo_new_path(cr);
  cairo_append_path(cr, letters);
  SetColor(cr, {255, 255, 255});
  cairo_set_line_width(cr, 52);
  cairo_stroke_preserve(cr);
  cairo_fill(cr);
  // Plump brown letters: filled and fattened with a stroke of their own.
  cairo_append_path(cr, letters);
  SetColor(cr, {92, 48, 26});
  cairo_set_line_width(cr, 9);
  cairo_stroke_preserve(cr);
  cairo_fill(cr);
  cairo_path_destroy(letters);
}

struct Digit {
  char glyph;
  Tone top, bottom;
};

void DrawYear(cairo_t* cr, cairo_font_face_t* face) {
  art::UseFace(cr, face, 470);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  const Digit digits[] = {
      {'2', {120, 200, 244}, {84, 170, 232}},
      {'0', {232, 52, 156}, {200, 24, 128}},
      {'1', {255, 222, 40}, {246, 126, 22}},
      {'5', {200, 226, 52}, {62, 164, 58}},
  };
  const double baseline = 1000;
  // Lay the four digits out centred, a little closer than the face's
  // own advances, since the outlines make them wider.
  double advances[4];
  double total = 0;
  for (int i = 0; i < 4; ++i) {
    const char s[2] = {digits[i].glyph, 0};
    cairo_text_extents_t ext;
    cairo_text_extents(cr, s, &ext);
    advances[i] = ext.x_advance * 0.93;
    total += advances[i];
  }
  double x = kWidth / 2.0 - total / 2;
  const double outline = 40;
  cairo_path_t* glyphs[4];
  double tops[4];
  for (int i = 0; i < 4; ++i) {
    const char s[2] = {digits[i].glyph, 0};
    cairo_new_path(cr);
    cairo_move_to(cr, x, baseline);
    cairo_text_path(cr, s);
    glyphs[i] = cairo_copy_path(cr);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, s, &ext);
    tops[i] = baseline + ext.y_bearing;
    x += advances[i];
  }
  cairo_new_path(cr);
  // Long shadows of the outlined digits, all beneath every digit.
  for (int d = 150; d >= 3; d -= 3) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_translate(cr, kShadowDx * d, kShadowDy * d);
    for (cairo_path_t* glyph : glyphs) cairo_append_path(cr, glyph);
    const double fade = 1.0 - d / 150.0;
    cairo_set_source_rgba(cr, 4 / 255.0, 16 / 255.0, 40 / 255.0, 0.16 * fade);
    cairo_set_line_width(cr, outline);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  for (int i = 0; i < 4; ++i) {
    // Thick white outline.
    cairo_new_path(cr);
    cairo_append_path(cr, glyphs[i]);
    SetColor(cr, {255, 255, 255});
    cairo_set_line_width(cr, outline);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
  }
  for (int i = 0; i < 4; ++i) {
    // The coloured digit, fattened, shaded from top to foot.
    cairo_append_path(cr, glyphs[i]);
    const double top = tops[i], foot = baseline;
    SetGradient(cr, cairo_pattern_create_linear(0, top, 0, foot),
                {{0, digits[i].top}, {1, digits[i].bottom}});
    cairo_set_line_width(cr, 12);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    // A soft paper-like sheen on the upper part.
    cairo_append_path(cr, glyphs[i]);
    SetGradient(cr, cairo_pattern_create_linear(0, top, 0, top + (foot - top) * 0.5),
                {{0, {255, 255, 255}, 0.22}, {1, {255, 255, 255}, 0.0}});
    cairo_fill(cr);
  }
  for (cairo_path_t* glyph : glyphs) cairo_path_destroy(glyph);
}

}  // namespace

Raster DrawGreeting() {
  art::Canvas canvas(kWidth, kHeight);
  cairo_t* cr = canvas.cr();
  Prng rng(0x32303135ULL);
  cairo_font_face_t* face = art::LoadBoldFace();
  DrawGround(cr);
  DrawTrees(cr);
  DrawSnowflakes(cr, rng);
  DrawGreetingLine(cr, face);
  DrawYear(cr, face);
  cairo_font_face_destroy(face);
  return canvas.ToRaster(true);
}

}  // namespace assets
