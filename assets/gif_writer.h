// The GIF writer: stores an indexed picture as a GIF 89a file in memory.
//
// The file holds exactly: the signature "GIF89a"; the logical screen
// descriptor (the picture's size, flags 0xF7, background 0, aspect 0); the
// 256-entry global colour table; one graphic control extension that makes
// entry 255 transparent (21 F9 04 01 00 00 FF 00); one image descriptor
// covering the screen with no local table, not interlaced; the LZW image
// data with minimum code size 8 in sub-blocks of 255 bytes; the trailer.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "quantise.h"

namespace assets {

struct GifError {
  std::string message;
};

std::variant<std::vector<std::uint8_t>, GifError> WriteGif(const IndexedPicture& picture);

}  // namespace assets
