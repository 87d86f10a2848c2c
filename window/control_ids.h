// The ids under which Form1's controls stand in its window description and
// in its table of controls; the window itself is 0.
#pragma once

namespace tarvel {

enum ControlId : int {
  kForm1Id = 0,
  kCommand1Id = 1,
  kImage4Id = 2,
  kImage2Id = 3,
  kImage3Id = 4,
  kLabel1Id = 5,
  kImage1Id = 6,
};

}  // namespace tarvel
