// Form1's design: every record of its window description in stream order,
// every property in stored order with its value. The writer lays the
// stream out from this table and the tests hold the read stream to it;
// no other place repeats these values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "com.h"
#include "description.h"

namespace tarvel {

// The window identifier, as in the stream's header and the table of windows.
constexpr runtime::Guid kForm1WindowId{0xD0F1FF63, 0x1EE6, 0x49CE, {0xBE, 0x9F, 0xCF, 0xD3, 0xEC, 0x42, 0x43, 0x84}};
// The second window identifier, which the program's object data holds too.
constexpr runtime::Guid kForm1SecondId{0x66370F2D, 0x5F06, 0x4AF4, {0x88, 0xE3, 0xBF, 0x06, 0x44, 0xC8, 0x86, 0xBC}};
// The runtime library's class of windows.
constexpr runtime::Guid kWindowClassId{0x33AD4F3A, 0x6699, 0x11CF, {0xB7, 0x0C, 0x00, 0xAA, 0x00, 0x60, 0xD3, 0x93}};

// A picture value, named by the file that it carries whole.
struct PictureFile {
  std::string_view file;
  friend bool operator==(const PictureFile&, const PictureFile&) = default;
};

// A designed value: the alternatives of runtime::PropertyValue, texts in UTF-8,
// with a picture named by its file instead of its bytes.
using DesignValue = std::variant<std::string, std::uint8_t, bool, std::int16_t, std::uint32_t, runtime::Colour,
                                 runtime::Extent, runtime::FontValue, PictureFile>;

struct DesignProperty {
  std::uint8_t opcode;
  DesignValue value;
};

struct DesignRecord {
  std::string name;
  runtime::ControlType type;
  std::optional<std::int16_t> index;  // set for a member of a control array
  std::vector<DesignProperty> properties;
};

struct Design {
  runtime::Guid windowId;
  runtime::Guid secondWindowId;
  runtime::Guid windowClassId;
  DesignRecord window;
  std::vector<DesignRecord> children;  // in stream order, the first on top
};

const Design& Form1Design();

// The 23 picture files that the design names, in stream order.
std::vector<std::string_view> PictureFiles(const Design& design);

// Where the design lays out the window's client area (ClientLeft,
// ClientTop, ClientWidth, ClientHeight), and a control or array member
// (Left, Top, Width, Height), in twips: for the tests, the benchmarks, the
// drawings and the smoke run, so that none of them repeats the layout.
// Placed throws std::out_of_range for a control the design does not have.
runtime::Extent ClientArea(const Design& design);
runtime::Extent Placed(const Design& design, std::string_view name, std::optional<std::int16_t> index = std::nullopt);

}  // namespace tarvel
