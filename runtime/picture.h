// The picture object: an image file kept whole where it lies (inside the
// window description), with one slot where the platform layer keeps its
// decoded rendition, so that decoding happens once and only when needed.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "controls.h"

namespace runtime {

// What a platform layer keeps of a decoded picture: its own kind, e.g. the
// picture scaled to the size it is shown at.
class Rendition {
 public:
  virtual ~Rendition() = default;
};

class PictureObject final : public Counted<Picture> {
 public:
  // file: the image file; it must outlive the object (the description
  // stream lies in the program for its whole run).
  explicit PictureObject(std::span<const std::uint8_t> file) : file_(file) {}

  std::span<const std::uint8_t> File() const override { return file_; }

  Rendition* rendition() const { return rendition_.get(); }
  void SetRendition(std::unique_ptr<Rendition> rendition) const { rendition_ = std::move(rendition); }

 private:
  std::span<const std::uint8_t> file_;
  mutable std::unique_ptr<Rendition> rendition_;
};

}  // namespace runtime
