// Form1's seven event tables, one for the window and one for each control
// under its id, each led by the sink's three counting entries. Only
// Command1's Click has code: Command1_Click.
#pragma once

#include <array>

#include "events.h"

namespace tarvel {

runtime::Status EVENT_SINK_QueryInterface(const runtime::EventTable* self, const runtime::Guid& iid, const runtime::EventTable** out);
std::uint32_t EVENT_SINK_AddRef(const runtime::EventTable* self);
std::uint32_t EVENT_SINK_Release(const runtime::EventTable* self);

// The tables by control id (window/control_ids.h), the window's under 0;
// one table serves all 21 members of Image2.
extern const std::array<const runtime::EventTable*, 7> kEventTables;

}  // namespace tarvel
