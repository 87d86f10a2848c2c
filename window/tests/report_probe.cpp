// A probe for the wine smoke run: the program's Form1, from its own window
// description, with one change: the click of Command1 raises run-time
// error 6 (overflow), so that the run sees how the window reports an error.
#include <array>

#include "control_ids.h"
#include "errors.h"
#include "event_tables.h"
#include "form1_header.h"
#include "start.h"
#include "windows_table.h"

namespace {

runtime::Status Overflowing(runtime::Form*) { throw runtime::RuntimeError(runtime::kErrOverflow, "report probe"); }

constexpr auto kFailingSlots = [] {
  std::array<runtime::EventProc, runtime::button_event::kCount> slots{};
  slots[runtime::button_event::Click] = &Overflowing;
  return slots;
}();

const runtime::EventTable kFailingClick{tarvel::EVENT_SINK_QueryInterface, tarvel::EVENT_SINK_AddRef,
                                   tarvel::EVENT_SINK_Release, kFailingSlots};

}  // namespace

int main() {
  static std::array<const runtime::EventTable*, 7> tables = tarvel::kEventTables;
  tables[tarvel::kCommand1Id] = &kFailingClick;
  runtime::WindowHeader form1 = tarvel::Form1Header(&tarvel::kWindows[0]);
  form1.events = tables;
  static const std::array<runtime::WindowHeader, 1> windows{form1};
  static const runtime::ProgramHeader header{nullptr, windows};
  runtime::Start(header);
}
