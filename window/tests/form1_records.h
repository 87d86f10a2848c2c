// Form1's records as the design lays them out, with stand-in pictures of
// the stored formats and sizes (GIF 89a with transparent entry 255, a
// JPEG): what the tests build the window from until they can read the
// program's own embedded stream. The pictures' bytes live as long as the
// object.
#pragma once

#include <cstdint>
#include <vector>

#include "description.h"

namespace tarvel::testing {

// A GIF 89a picture: one frame, a 256-entry table in which entry 1 is
// opaque white and entry 255 white and transparent; pixels are indexes.
std::vector<std::uint8_t> EncodeGif(int width, int height, const std::vector<std::uint8_t>& indexes,
                                    const std::vector<std::uint32_t>& rgbTable);

class Form1Records {
 public:
  Form1Records();
  Form1Records(const Form1Records&) = delete;
  Form1Records& operator=(const Form1Records&) = delete;

  const vb::Description& description() const { return description_; }

 private:
  std::vector<std::vector<std::uint8_t>> files_;  // every picture's bytes
  vb::Description description_;
};

}  // namespace tarvel::testing
