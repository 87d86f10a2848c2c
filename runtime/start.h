// The start routine: the program's entry point hands it the program's
// header; it builds and shows the window and runs the event loop until the
// window is closed, then ends the program. Each platform layer defines it.
#pragma once

#include "program.h"

namespace runtime {

[[noreturn]] void Start(const ProgramHeader& program);

}  // namespace runtime
