// The event tables. The tables are the program's static data and live for
// its whole run, so the sink's counting has nothing to free: it answers for
// the one identifier the runtime binds through and keeps a count only to
// report it.
#include "event_tables.h"

#include <atomic>

#include "control_ids.h"
#include "form1.h"

namespace tarvel {

namespace {

std::atomic<std::uint32_t> sinkCount{0};

// The click of Command1 as the runtime calls it: with the window object.
runtime::Status Command1Click(runtime::Form* me) { return Command1_Click(static_cast<Form1*>(me)); }

constexpr std::array<runtime::EventProc, runtime::form_event::kCount> kForm1Slots{};
constexpr auto kCommand1Slots = [] {
  std::array<runtime::EventProc, runtime::button_event::kCount> slots{};
  slots[runtime::button_event::Click] = &Command1Click;
  return slots;
}();
constexpr std::array<runtime::EventProc, runtime::label_event::kCount> kLabel1Slots{};
constexpr std::array<runtime::EventProc, runtime::image_event::kCount> kImage1Slots{};
constexpr std::array<runtime::EventProc, runtime::image_event::kCount> kImage2Slots{};
constexpr std::array<runtime::EventProc, runtime::image_event::kCount> kImage3Slots{};
constexpr std::array<runtime::EventProc, runtime::image_event::kCount> kImage4Slots{};

const runtime::EventTable kForm1Events{EVENT_SINK_QueryInterface, EVENT_SINK_AddRef, EVENT_SINK_Release, kForm1Slots};
const runtime::EventTable kCommand1Events{EVENT_SINK_QueryInterface, EVENT_SINK_AddRef, EVENT_SINK_Release,
                                     kCommand1Slots};
const runtime::EventTable kImage4Events{EVENT_SINK_QueryInterface, EVENT_SINK_AddRef, EVENT_SINK_Release, kImage4Slots};
const runtime::EventTable kImage2Events{EVENT_SINK_QueryInterface, EVENT_SINK_AddRef, EVENT_SINK_Release, kImage2Slots};
const runtime::EventTable kImage3Events{EVENT_SINK_QueryInterface, EVENT_SINK_AddRef, EVENT_SINK_Release, kImage3Slots};
const runtime::EventTable kLabel1Events{EVENT_SINK_QueryInterface, EVENT_SINK_AddRef, EVENT_SINK_Release, kLabel1Slots};
const runtime::EventTable kImage1Events{EVENT_SINK_QueryInterface, EVENT_SINK_AddRef, EVENT_SINK_Release, kImage1Slots};

}  // namespace

runtime::Status EVENT_SINK_QueryInterface(const runtime::EventTable* self, const runtime::Guid& iid, const runtime::EventTable** out) {
  if (out == nullptr) return runtime::E_POINTER;
  *out = nullptr;
  if (iid != runtime::kUnknownIid) return runtime::E_NOINTERFACE;
  *out = self;
  EVENT_SINK_AddRef(self);
  return runtime::S_OK;
}

std::uint32_t EVENT_SINK_AddRef(const runtime::EventTable*) { return ++sinkCount; }

std::uint32_t EVENT_SINK_Release(const runtime::EventTable*) { return --sinkCount; }

const std::array<const runtime::EventTable*, 7> kEventTables = [] {
  std::array<const runtime::EventTable*, 7> tables{};
  tables[kForm1Id] = &kForm1Events;
  tables[kCommand1Id] = &kCommand1Events;
  tables[kImage4Id] = &kImage4Events;
  tables[kImage2Id] = &kImage2Events;
  tables[kImage3Id] = &kImage3Events;
  tables[kLabel1Id] = &kLabel1Events;
  tables[kImage1Id] = &kImage1Events;
  return tables;
}();

}  // namespace tarvel
