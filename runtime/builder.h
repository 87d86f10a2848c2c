// The window builder: makes the window's settings and its controls from the
// description's records alone, puts each control into the window's table
// under its id and keeps the stacking in record order, the first on top.
#pragma once

#include <string>
#include <variant>

#include "description.h"
#include "form.h"
#include "window_model.h"

namespace runtime {

struct BuildError {
  std::string message;
};

// Builds into form, whose table of controls it fills. A record that the
// builder cannot make a control of is refused with what was wrong.
std::variant<WindowModel, BuildError> BuildWindow(const Description& description, Form& form);

}  // namespace runtime
