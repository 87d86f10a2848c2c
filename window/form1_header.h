// Form1's entry in the program's header: its name, its description, its
// factory and its event tables; and the program's header, which names no
// start-up procedure and this one window.
#pragma once

#include "program.h"

namespace tarvel {

runtime::WindowHeader Form1Header(const runtime::WindowEntry* description);

// The program's header, over the table of windows built into the program.
const runtime::ProgramHeader& ProgramHeader();

}  // namespace tarvel
