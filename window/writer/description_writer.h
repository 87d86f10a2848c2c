// The encoder of a window description: lays a design out as the record
// stream that the reader takes, with the opcode tables of the reader.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "form1_design.h"

namespace tarvel {

// The bytes of a picture file that the design names.
using PictureSource = std::function<std::span<const std::uint8_t>(std::string_view file)>;

// The whole stream for design. Throws std::invalid_argument where the design
// cannot be encoded: an opcode outside its type's table, a value of another
// encoding, a text outside code page 1251, a length beyond its field.
std::vector<std::uint8_t> WriteDescription(const Design& design, const PictureSource& pictures);

}  // namespace tarvel
