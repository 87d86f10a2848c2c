// The program's header over the embedded table of windows.
#include <array>

#include "form1_header.h"
#include "windows_table.h"

namespace tarvel {

const vb::ProgramHeader& ProgramHeader() {
  static const std::array<vb::WindowHeader, 1> windows{Form1Header(&kWindows[0])};
  static const vb::ProgramHeader header{nullptr, windows};
  return header;
}

}  // namespace tarvel
