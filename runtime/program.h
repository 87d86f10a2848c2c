// What a program hands the runtime: its table of windows, one entry for
// each window with its description stream.
#pragma once

#include <cstdint>

#include "com.h"

namespace vb {

struct WindowEntry {
  Guid id;                      // the window identifier, as in the stream's header
  std::uint32_t length;         // the stream's total length
  const std::uint8_t* stream;   // the stream, inside the program
};

}  // namespace vb
