// The letter face of the wishes: DejaVu Sans, loaded from its file through
// FreeType so that no font configuration changes what is drawn.
#pragma once

#include <cairo.h>

namespace assets {

// The face, loaded once for the process's life. Throws std::runtime_error
// when the file cannot be loaded.
cairo_font_face_t* WishFace();

}  // namespace assets
