// One running window, as every platform layer shares it: the window object
// with its table of controls, the model built from its description, and its
// event tables bound by control id. The platform layer draws the model and
// turns its input into Click(), which delivers the event through the tables;
// a run-time error from an event procedure is reported here and the window
// goes on.
#pragma once

#include <cstddef>
#include <memory>
#include <variant>
#include <vector>

#include "description.h"
#include "errors.h"
#include "events.h"
#include "form.h"
#include "program.h"
#include "window_model.h"

namespace runtime {

class WindowInstance {
 public:
  WindowInstance(Ref<Form> form, WindowModel model, std::vector<const EventTable*> sinks);
  ~WindowInstance();
  WindowInstance(const WindowInstance&) = delete;
  WindowInstance& operator=(const WindowInstance&) = delete;

  Form& form() const { return *form_; }
  const WindowModel& model() const { return model_; }

  // Raises event `slot` of the control under id (0: the window). An empty
  // slot does nothing.
  void Raise(int id, std::size_t slot);
  // A click on a command button, or at a point of the client area in
  // pixels: on the topmost visible windowless control there, else on the
  // window itself.
  void ClickButton(int id);
  void ClickAt(int px, int py, double twipsPerPixel);

 private:
  Ref<Form> form_;
  WindowModel model_;
  std::vector<const EventTable*> sinks_;  // by control id; AddRef'd while bound
};

// Reads the first window's description from the program's table of
// windows, builds the window and binds its event tables. A refused stream,
// a record the builder cannot make, or a header that does not fit the
// window is returned as the run-time error to report.
std::variant<std::unique_ptr<WindowInstance>, RuntimeError> OpenWindow(const ProgramHeader& program);

// The same from records already read (the reader's output).
std::variant<std::unique_ptr<WindowInstance>, RuntimeError> OpenWindow(const WindowHeader& window,
                                                                     const Description& description);

}  // namespace runtime
