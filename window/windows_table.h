// The program's table of windows: one entry, Form1's, with its window
// description carried inside the program.
#pragma once

#include "program.h"

namespace tarvel {

extern const runtime::WindowEntry kWindows[1];

}  // namespace tarvel
