// Opening a window and delivering its events.
#include "window_instance.h"

#include <string>
#include <utility>

#include "builder.h"

namespace runtime {

namespace {

// The number of event slots that a control of this kind has.
std::size_t EventCount(const Layer& layer) {
  struct {
    std::size_t operator()(ButtonControl*) const { return button_event::kCount; }
    std::size_t operator()(LabelControl*) const { return label_event::kCount; }
    std::size_t operator()(ImageControl*) const { return image_event::kCount; }
  } count;
  return std::visit(count, layer);
}

RuntimeError Refused(std::string why) { return RuntimeError(kErrInvalidFileFormat, std::move(why)); }

}  // namespace

WindowInstance::WindowInstance(Ref<Form> form, WindowModel model, std::vector<const EventTable*> sinks)
    : form_(std::move(form)), model_(std::move(model)), sinks_(std::move(sinks)) {}

WindowInstance::~WindowInstance() {
  for (const EventTable* sink : sinks_)
    if (sink) sink->Release(sink);
  for (const Layer& layer : model_.stacking)
    if (auto* image = std::get_if<ImageControl*>(&layer)) (*image)->SetListener(nullptr);
}

void WindowInstance::Raise(int id, std::size_t slot) {
  const auto at = static_cast<std::size_t>(id);
  if (id < 0 || at >= sinks_.size() || sinks_[at] == nullptr) return;
  const EventTable& table = *sinks_[at];
  if (slot >= table.handlers.size() || table.handlers[slot] == nullptr) return;
  const Ref<Form> hold = form_;  // the window lives while its procedure runs
  try {
    const Status result = table.handlers[slot](hold.get());
    if (Failed(result)) throw RuntimeError(ErrorNumberForStatus(result), "event procedure", result);
  } catch (const RuntimeError& error) {
    ReportError(error);
  }
}

void WindowInstance::ClickButton(int id) { Raise(id, button_event::Click); }

void WindowInstance::ClickAt(int px, int py, double twipsPerPixel) {
  const Layer* hit = WindowlessAt(model_, px, py, twipsPerPixel);
  if (hit == nullptr) {
    Raise(0, form_event::Click);
  } else if (std::holds_alternative<LabelControl*>(*hit)) {
    Raise(BaseOf(*hit).id, label_event::Click);
  } else {
    Raise(BaseOf(*hit).id, image_event::Click);
  }
}

std::variant<std::unique_ptr<WindowInstance>, RuntimeError> OpenWindow(const WindowHeader& window,
                                                                     const Description& description) {
  if (window.create == nullptr) return RuntimeError(kErrInvalidCall, "the window has no factory");
  if (description.window.name != window.name)
    return Refused("the description is of " + description.window.name + ", not of " + window.name);

  Ref<Form> form = Ref<Form>::Adopt(window.create());
  if (!form) return RuntimeError(kErrOutOfMemory, "the window could not be made");
  auto built = BuildWindow(description, *form);
  if (auto* error = std::get_if<BuildError>(&built)) return Refused(error->message);
  WindowModel model = std::move(std::get<WindowModel>(built));

  // Each control's table must have its kind's slots, or a slot would call
  // the procedure of another event.
  std::vector<std::size_t> wanted(1, form_event::kCount);
  for (const Layer& layer : model.stacking) {
    const auto id = static_cast<std::size_t>(BaseOf(layer).id);
    if (wanted.size() <= id) wanted.resize(id + 1, 0);
    wanted[id] = EventCount(layer);
  }
  std::vector<const EventTable*> sinks(wanted.size(), nullptr);
  auto refuse = [&sinks](RuntimeError error) {
    for (const EventTable* sink : sinks)
      if (sink) sink->Release(sink);
    return error;
  };
  for (std::size_t id = 0; id < wanted.size(); ++id) {
    if (wanted[id] == 0) continue;
    const EventTable* table = id < window.events.size() ? window.events[id] : nullptr;
    if (table == nullptr) continue;  // no code for any event of that control
    if (table->handlers.size() != wanted[id])
      return refuse(RuntimeError(kErrInvalidCall, "the event table of control " + std::to_string(id) +
                                                      " has " + std::to_string(table->handlers.size()) +
                                                      " slots, not " + std::to_string(wanted[id])));
    const EventTable* bound = nullptr;
    if (Failed(table->QueryInterface(table, kUnknownIid, &bound)) || bound == nullptr)
      return refuse(RuntimeError(kErrNoInterface, "the event table of control " + std::to_string(id)));
    sinks[id] = bound;  // QueryInterface counted it
  }
  return std::make_unique<WindowInstance>(std::move(form), std::move(model), std::move(sinks));
}

}  // namespace runtime
