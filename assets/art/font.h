// The greeting's letter face, loaded with FreeType straight from its font
// file so that no font configuration changes the drawn pixels.
#pragma once

#include <cairo.h>

namespace assets::art {

// DejaVu Sans Bold as a Cairo font face; the caller destroys it with
// cairo_font_face_destroy. Throws std::runtime_error when the file is
// missing or unreadable.
cairo_font_face_t* LoadBoldFace();

// Fixed rendering options for outlines taken from the face: no hinting, no
// hinted metrics, so glyph paths do not depend on the system's defaults.
void UseFace(cairo_t* cr, cairo_font_face_t* face, double size);

}  // namespace assets::art
