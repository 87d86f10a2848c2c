// The window's table of controls.
#include "form.h"

#include <cstddef>
#include <utility>

namespace runtime {

void Form::SetControl(int id, Ref<Object> control) {
  const auto slot = static_cast<std::size_t>(id);
  if (controls_.size() <= slot) controls_.resize(slot + 1);
  controls_[slot] = std::move(control);
}

Object* Form::Control(int id) const {
  const auto slot = static_cast<std::size_t>(id);
  return id >= 0 && slot < controls_.size() ? controls_[slot].get() : nullptr;
}

}  // namespace runtime
