// The picture object: an image file kept whole where it lies (inside the
// window description). Decoding it for the screen is the window layer's
// business, through its picture cache.
#pragma once

#include <cstdint>
#include <span>

#include "controls.h"

namespace runtime {

class PictureObject final : public Counted<Picture> {
 public:
  // file: the image file; it must outlive the object (the description
  // stream lies in the program for its whole run).
  explicit PictureObject(std::span<const std::uint8_t> file) : file_(file) {}

  std::span<const std::uint8_t> File() const override { return file_; }

 private:
  std::span<const std::uint8_t> file_;
};

}  // namespace runtime
