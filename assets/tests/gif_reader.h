// A GIF reader of the tests' own, kept apart from the encoders: walks the
// file's blocks, records what it finds and decodes the LZW image data.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace assets_test {

struct GifBlock {
  std::uint8_t introducer = 0;  // 0x21 extension, 0x2C image, 0x3B trailer
  std::uint8_t label = 0;       // extension label
  std::size_t offset = 0;       // where the block starts in the file
  std::size_t length = 0;       // bytes, introducer to terminator
};

struct GifImage {
  std::string error;  // empty when the file parsed

  std::string signature;
  int width = 0, height = 0;
  std::uint8_t screen_flags = 0, background = 0, aspect = 0;
  std::array<std::array<std::uint8_t, 3>, 256> palette{};
  std::vector<GifBlock> blocks;

  int left = 0, top = 0, image_width = 0, image_height = 0;
  std::uint8_t image_flags = 0;
  int min_code_size = 0;
  std::vector<std::size_t> sub_blocks;  // lengths of the image data sub-blocks
  bool opens_with_clear = false;
  int clears_after_start = 0;  // table restarts in mid-stream
  std::size_t codes = 0;       // codes read, clear and EOI codes included
  int widest_code = 0;
  bool ended_with_eoi = false;
  std::size_t codes_after_eoi_bits = 0;  // whole bytes of data left after the EOI code
  std::vector<std::uint8_t> indices;
  std::size_t trailer_offset = 0;
};

GifImage ReadGif(const std::vector<std::uint8_t>& file);

std::vector<std::uint8_t> ReadFile(const std::string& path);

}  // namespace assets_test
