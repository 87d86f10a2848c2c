// Form1's accessor of its control array.
#include "form1.h"

#include "control_ids.h"
#include "errors.h"

namespace tarvel {

runtime::ControlArray* Form1::Image2() {
  auto* array = dynamic_cast<runtime::ControlArray*>(Control(kImage2Id));
  if (array == nullptr) throw runtime::RuntimeError(runtime::kErrObjectNotSet, "Image2");
  array->AddRef();
  return array;
}

}  // namespace tarvel
