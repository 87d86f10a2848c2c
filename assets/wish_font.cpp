// Loads the wish face from TARVEL_FONT_FILE, fixed at build time.
#include "wish_font.h"

#include <stdexcept>

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace assets {

namespace {

struct LoadedFace {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  cairo_font_face_t* cairo = nullptr;
  const char* error = nullptr;

  LoadedFace() {
    if (FT_Init_FreeType(&library) != 0) {
      error = "FreeType cannot start";
      return;
    }
    if (FT_New_Face(library, TARVEL_FONT_FILE, 0, &face) != 0) {
      error = "cannot load the font file " TARVEL_FONT_FILE;
      return;
    }
    cairo = cairo_ft_font_face_create_for_ft_face(face, 0);
    if (cairo_font_face_status(cairo) != CAIRO_STATUS_SUCCESS) error = "Cairo cannot use the font";
  }
};

}  // namespace

cairo_font_face_t* WishFace() {
  // Kept for the process's life: Cairo's caches hold the face until exit.
  static const LoadedFace loaded;
  if (loaded.error != nullptr) throw std::runtime_error(loaded.error);
  return loaded.cairo;
}

}  // namespace assets
