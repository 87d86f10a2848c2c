// What a program hands the runtime: its table of windows, one entry for
// each window with its description stream, and the header that the start
// routine takes: the start-up procedure (if any) and the program's windows,
// each with its factory and its event tables.
#pragma once

#include <cstdint>
#include <span>

#include "com.h"
#include "events.h"
#include "form.h"

namespace runtime {

struct WindowEntry {
  Guid id;                      // the window identifier, as in the stream's header
  std::uint32_t length;         // the stream's total length
  const std::uint8_t* stream;   // the stream, inside the program
};

struct WindowHeader {
  const char* name;                 // the window's name, as its record stores it
  const WindowEntry* description;   // its entry in the table of windows
  Form* (*create)();                // makes the window object; one reference, the caller's
  // The event tables by control id, the window's own under 0.
  std::span<const EventTable* const> events;
};

struct ProgramHeader {
  void (*startup)();                   // the start-up procedure, or null: show the first window
  std::span<const WindowHeader> windows;
};

}  // namespace runtime
