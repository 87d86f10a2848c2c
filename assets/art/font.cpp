// Loading DejaVu Sans Bold from its file through FreeType.
#include "font.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdexcept>
#include <string>

namespace assets::art {

namespace {

constexpr const char* kFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

const cairo_user_data_key_t kFaceKey{};

// One FreeType library for the process; faces made from it are released
// by Cairo when it drops its last reference to the font face.
FT_Library Library() {
  static FT_Library library = [] {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0) throw std::runtime_error("cannot start FreeType");
    return lib;
  }();
  return library;
}

void DoneFace(void* face) { FT_Done_Face(static_cast<FT_Face>(face)); }

}  // namespace

cairo_font_face_t* LoadBoldFace() {
  FT_Face ft = nullptr;
  if (FT_New_Face(Library(), kFontFile, 0, &ft) != 0)
    throw std::runtime_error(std::string("cannot load the font ") + kFontFile);
  cairo_font_face_t* face = cairo_ft_font_face_create_for_ft_face(ft, 0);
  if (cairo_font_face_set_user_data(face, &kFaceKey, ft, DoneFace) != CAIRO_STATUS_SUCCESS) {
    cairo_font_face_destroy(face);
    FT_Done_Face(ft);
    throw std::runtime_error("cannot attach the font to its face");
  }
  return face;
}

void UseFace(cairo_t* cr, cairo_font_face_t* face, double size) {
  cairo_set_font_face(cr, face);
  cairo_set_font_size(cr, size);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
}

}  // namespace assets::art
