// The window description: the typed records that the reader hands the
// window builder, the opcode tables of the four control types, and the
// reader itself. The reader trusts nothing in the stream it is given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "com.h"

namespace runtime {

enum class ControlType : std::uint8_t {
  Label = 0x01,
  CommandButton = 0x04,
  Form = 0x0D,
  Image = 0x18,
};

// How a property's value is stored.
enum class Encoding {
  Text,        // 16-bit length n, n bytes of code page 1251, NUL
  Byte,        // unsigned 8-bit
  Boolean,     // 0x00 false, 0xFF true
  Integer,     // 16-bit signed
  Long,        // 32-bit
  Colour,      // 32-bit 0x00BBGGRR
  Extent,      // four 16-bit signed: left, top, width, height
  LongExtent,  // four 32-bit signed: left, top, width, height
  Font,        // font record
  Picture,     // outer length, tag "lt\0\0", image length, image file
};

// The property an opcode sets; None for stored settings without a name.
enum class Prop {
  None,
  Caption,
  BackColor,
  ForeColor,
  BorderStyle,
  MaxButton,
  MinButton,
  ClientExtent,  // ClientLeft, ClientTop, ClientWidth, ClientHeight
  ShowInTaskbar,
  Extent,        // Left, Top, Width, Height
  TabIndex,
  Font,
  Style,
  Index,
  Picture,
  Visible,
  Stretch,
  StartUpPosition,  // read as the platform reads the window's one-byte setting 0x46
  BackStyle,        // read as the platform reads the label's one-byte setting 0x1F
};

struct OpcodeInfo {
  std::uint8_t opcode;
  Encoding encoding;
  Prop prop;
};

// The opcodes of a control type in their stored order; empty for an
// unknown type.
std::span<const OpcodeInfo> OpcodeTable(ControlType type);
const OpcodeInfo* FindOpcode(ControlType type, std::uint8_t opcode);

struct Colour {
  std::uint32_t value;  // 0x00BBGGRR
  friend bool operator==(const Colour&, const Colour&) = default;
};

struct Extent {
  std::int32_t left, top, width, height;  // twips
  friend bool operator==(const Extent&, const Extent&) = default;
};

struct FontValue {
  std::uint8_t version;
  std::uint16_t charset;
  std::uint8_t style;
  std::uint16_t weight;
  std::uint32_t size;  // points times 10,000
  std::string name;
  friend bool operator==(const FontValue&, const FontValue&) = default;
};

// Text is UTF-8 here (code page 1251 in the stream); Byte is std::uint8_t,
// Boolean bool, Integer std::int16_t, Long std::uint32_t, both extents
// Extent, and a picture a view of its image file inside the stream.
using PropertyValue = std::variant<std::string, std::uint8_t, bool, std::int16_t, std::uint32_t,
                                   Colour, Extent, FontValue, std::span<const std::uint8_t>>;

struct Property {
  std::uint8_t opcode;
  Encoding encoding;
  Prop prop;
  PropertyValue value;
  std::size_t offset;  // of the opcode byte in the stream
};

struct Record {
  std::size_t offset;  // of the record size field in the stream
  ControlType type;
  std::string name;
  std::uint8_t id;                    // 0 for the window
  std::optional<std::int16_t> index;  // set for a member of a control array
  std::vector<Property> properties;   // in stored order

  // The first property that sets prop, or null.
  const Property* Find(Prop prop) const;
};

struct Description {
  std::uint8_t controlCount;
  Guid windowId;
  Guid secondWindowId;
  Guid windowClassId;
  Record window;
  std::vector<Record> children;  // in stream order, the first on top
};

// Why a stream was refused: where, and what was expected there.
struct DescriptionError {
  std::size_t offset;
  std::string message;
  std::string ToString() const;  // "offset N: message"
};

// Reads a whole window description. Any fault in it is refused with the
// offset and what was expected; the reader never reads outside the stream.
std::variant<Description, DescriptionError> ReadDescription(std::span<const std::uint8_t> stream);

}  // namespace runtime
