// Opening the program's window from its table of windows: the stream is
// read with the description reader, then built as any description is.
#include <string>

#include "window_instance.h"

namespace runtime {

std::variant<std::unique_ptr<WindowInstance>, RuntimeError> OpenWindow(const ProgramHeader& program) {
  if (program.startup != nullptr)
    return RuntimeError(kErrInvalidCall, "a start-up procedure is not supported");
  if (program.windows.size() != 1)
    return RuntimeError(kErrInvalidCall, "the program must name exactly one window");
  const WindowHeader& window = program.windows.front();
  if (window.description == nullptr || window.description->stream == nullptr)
    return RuntimeError(kErrInvalidFileFormat, std::string("no description for ") + window.name);
  const WindowEntry& entry = *window.description;
  auto read = ReadDescription({entry.stream, entry.length});
  if (auto* error = std::get_if<DescriptionError>(&read)) return RuntimeError(kErrInvalidFileFormat, error->ToString());
  const Description& description = std::get<Description>(read);
  if (description.windowId != entry.id) return RuntimeError(kErrInvalidFileFormat, "the stream's window identifier is not the entry's");
  return OpenWindow(window, description);
}

}  // namespace runtime
