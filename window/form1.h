// Form1: the program's one window, its variable DrawnIndex, its accessor of
// the control array Image2, and the draw action bound to Command1's click.
#pragma once

#include <cstdint>

#include "controls.h"
#include "form.h"

namespace tarvel {

class Form1 : public runtime::Form {
 public:
  // The control array Image2: a counted reference owned by the caller.
  // It gives no status; a window without the array raises error 91.
  runtime::ControlArray* Image2();

  // The last drawn card index, for the window's whole life.
  std::int16_t DrawnIndex = 0;

  // The number of cards in Image2, members 0 to 19; member 20 shows the drawn one.
  static constexpr std::int16_t kCards = 20;
  static constexpr std::int16_t kDisplaySlot = 20;
};

// The draw action: hides the cards, reseeds, draws a card index into
// DrawnIndex and gives that card's picture to the display slot. Returns 0;
// a run-time error leaves it as a runtime::RuntimeError.
runtime::Status Command1_Click(Form1* me);

}  // namespace tarvel
