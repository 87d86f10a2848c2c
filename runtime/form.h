// The runtime's window object: a counted object that holds the window's
// table of controls, one counted reference under each control id.
#pragma once

#include <vector>

#include "com.h"

namespace runtime {

class Form : public Counted<Object> {
 public:
  // Puts a control under its id, replacing what stood there.
  void SetControl(int id, Ref<Object> control);
  // The control under id, or null.
  Object* Control(int id) const;

 private:
  std::vector<Ref<Object>> controls_;
};

}  // namespace runtime
