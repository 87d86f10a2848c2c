// The interfaces through which code reaches the window's controls: a picture
// object, an image control and a control array. The runtime's controls and
// the tests' doubles implement them alike. Every call returns a status.
#pragma once

#include <cstdint>
#include <span>

#include "com.h"

namespace runtime {

// The interface identifier of an image control.
inline constexpr Guid kImageIid{0x33AD4F91, 0x6699, 0x11CF, {0xB7, 0x0C, 0x00, 0xAA, 0x00, 0x60, 0xD3, 0x93}};
// A control array is called through no named interface: the null identifier.
inline constexpr Guid kControlArrayIid = kNullGuid;

// A picture: an image file kept whole in its stored format.
class Picture : public Object {
 public:
  // The image file, from its signature through its last byte.
  virtual std::span<const std::uint8_t> File() const = 0;
};

class Image : public Object {
 public:
  virtual Status put_Visible(bool visible) = 0;
  // On success *picture holds a counted reference owned by the caller, or
  // null when the image has no picture.
  virtual Status get_Picture(Picture** picture) = 0;
  // On success the image shows that picture (null: none).
  virtual Status put_Picture(Picture* picture) = 0;
};

class ControlArray : public Object {
 public:
  // On success *member holds a counted reference owned by the caller.
  virtual Status Item(std::int16_t index, Image** member) = 0;
};

}  // namespace runtime
