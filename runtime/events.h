// Event tables: how a program hands the runtime its event procedures. Each
// control (and the window itself) has one table, led by the sink's three
// counting entries, with one slot per event of its kind in the platform's
// order; an empty slot means the program has no code for that event.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "com.h"
#include "form.h"

namespace runtime {

// An event procedure: called with the window whose control raised the
// event; returns 0, or leaves with a runtime::RuntimeError.
using EventProc = Status (*)(Form* me);

struct EventTable {
  Status (*QueryInterface)(const EventTable* self, const Guid& iid, const EventTable** out);
  std::uint32_t (*AddRef)(const EventTable* self);
  std::uint32_t (*Release)(const EventTable* self);
  std::span<const EventProc> handlers;  // one per event, in slot order
};

// The identifier the runtime asks a sink for before binding it.
inline constexpr Guid kUnknownIid{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// The events of each kind, in slot order.
namespace form_event {
enum : std::size_t {
  Activate, Click, DblClick, Deactivate, DragDrop, DragOver, GotFocus, Initialize,
  KeyDown, KeyPress, KeyUp, LinkClose, LinkError, LinkExecute, LinkOpen, Load,
  LostFocus, MouseDown, MouseMove, MouseUp, OLECompleteDrag, OLEDragDrop, OLEDragOver,
  OLEGiveFeedback, OLESetData, OLEStartDrag, Paint, QueryUnload, Resize, Terminate, Unload,
  kCount
};
}
namespace button_event {
enum : std::size_t {
  Click, DragDrop, DragOver, GotFocus, KeyDown, KeyPress, KeyUp, LostFocus,
  MouseDown, MouseMove, MouseUp, OLECompleteDrag, OLEDragDrop, OLEDragOver,
  OLEGiveFeedback, OLESetData, OLEStartDrag,
  kCount
};
}
namespace label_event {
enum : std::size_t {
  Change, Click, DblClick, DragDrop, DragOver, LinkClose, LinkError, LinkNotify, LinkOpen,
  MouseDown, MouseMove, MouseUp, OLECompleteDrag, OLEDragDrop, OLEDragOver,
  OLEGiveFeedback, OLESetData, OLEStartDrag,
  kCount
};
}
namespace image_event {
enum : std::size_t {
  Click, DblClick, DragDrop, DragOver, MouseDown, MouseMove, MouseUp,
  OLECompleteDrag, OLEDragDrop, OLEDragOver, OLEGiveFeedback, OLESetData, OLEStartDrag,
  kCount
};
}

static_assert(form_event::kCount == 31 && button_event::kCount == 17 &&
              label_event::kCount == 18 && image_event::kCount == 13);

}  // namespace runtime
