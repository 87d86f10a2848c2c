// The program's header over the embedded table of windows.
#include <array>

#include "form1_header.h"
#include "windows_table.h"

namespace tarvel {

const runtime::ProgramHeader& ProgramHeader() {
  static const std::array<runtime::WindowHeader, 1> windows{Form1Header(&kWindows[0])};
  static const runtime::ProgramHeader header{nullptr, windows};
  return header;
}

}  // namespace tarvel
