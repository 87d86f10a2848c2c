// Block walk and LZW decoder for GIF files, written for the tests.
#include "gif_reader.h"

#include <fstream>
#include <iterator>

namespace assets_test {

namespace {

class Bytes {
 public:
  explicit Bytes(const std::vector<std::uint8_t>& b) : b_(b) {}
  bool Has(std::size_t n) const { return pos_ + n <= b_.size(); }
  std::uint8_t U8() { return b_[pos_++]; }
  int U16() {
    const int lo = U8();
    return lo | (U8() << 8);
  }
  std::size_t pos() const { return pos_; }
  std::size_t size() const { return b_.size(); }

 private:
  const std::vector<std::uint8_t>& b_;
  std::size_t pos_ = 0;
};

// Decodes the LZW code stream into `out.indices`; returns an error text.
std::string Decode(const std::vector<std::uint8_t>& data, GifImage& out) {
  const int clear = 1 << out.min_code_size, eoi = clear + 1;
  std::vector<int> prefix(4096, -1), suffix(4096, 0), length(4096, 0);
  for (int i = 0; i < clear; ++i) {
    suffix[static_cast<std::size_t>(i)] = i;
    length[static_cast<std::size_t>(i)] = 1;
  }
  int width = out.min_code_size + 1, next = clear + 2, previous = -1;
  std::size_t bit = 0;
  std::size_t& codes = out.codes;
  std::vector<std::uint8_t> scratch;
  const std::size_t pixels = static_cast<std::size_t>(out.image_width) * static_cast<std::size_t>(out.image_height);
  auto emit = [&](int code) {
    scratch.clear();
    for (int c = code; c >= 0; c = prefix[static_cast<std::size_t>(c)])
      scratch.push_back(static_cast<std::uint8_t>(suffix[static_cast<std::size_t>(c)]));
    out.indices.insert(out.indices.end(), scratch.rbegin(), scratch.rend());
  };
  auto first_of = [&](int code) {
    while (prefix[static_cast<std::size_t>(code)] >= 0) code = prefix[static_cast<std::size_t>(code)];
    return suffix[static_cast<std::size_t>(code)];
  };
  while (true) {
    if (bit + static_cast<std::size_t>(width) > data.size() * 8) return "the code stream ends without an EOI code";
    int code = 0;
    for (int i = 0; i < width; ++i, ++bit)
      code |= ((data[bit / 8] >> (bit % 8)) & 1) << i;
    out.widest_code = std::max(out.widest_code, width);
    ++codes;
    if (code == clear) {
      if (codes == 1) out.opens_with_clear = true;
      else ++out.clears_after_start;
      width = out.min_code_size + 1;
      next = clear + 2;
      previous = -1;
      continue;
    }
    if (code == eoi) {
      out.ended_with_eoi = true;
      out.codes_after_eoi_bits = data.size() - (bit + 7) / 8;
      break;
    }
    if (previous < 0) {
      if (code >= clear) return "the first code after a clear is not a literal";
      emit(code);
    } else if (code < next) {
      emit(code);
      if (next < 4096) {
        prefix[static_cast<std::size_t>(next)] = previous;
        suffix[static_cast<std::size_t>(next)] = first_of(code);
        ++next;
      }
    } else if (code == next && next < 4096) {
      prefix[static_cast<std::size_t>(next)] = previous;
      suffix[static_cast<std::size_t>(next)] = first_of(previous);
      ++next;
      emit(code);
    } else {
      return "a code beyond the table";
    }
    previous = code;
    if (next == (1 << width) && width < 12) ++width;
    if (out.indices.size() > pixels) return "more pixels than the image holds";
  }
  if (out.indices.size() != pixels) return "fewer pixels than the image holds";
  return {};
}

}  // namespace

GifImage ReadGif(const std::vector<std::uint8_t>& file) {
  GifImage out;
  Bytes in(file);
  if (!in.Has(13)) return out.error = "too short for a header", out;
  for (int i = 0; i < 6; ++i) out.signature.push_back(static_cast<char>(in.U8()));
  out.width = in.U16();
  out.height = in.U16();
  out.screen_flags = in.U8();
  out.background = in.U8();
  out.aspect = in.U8();
  if (out.screen_flags & 0x80) {
    const std::size_t entries = std::size_t{2} << (out.screen_flags & 7);
    if (!in.Has(entries * 3)) return out.error = "the colour table runs past the end", out;
    for (std::size_t i = 0; i < entries; ++i)
      for (int c = 0; c < 3; ++c) out.palette[i][static_cast<std::size_t>(c)] = in.U8();
  }
  std::vector<std::uint8_t> data;
  bool have_image = false;
  while (true) {
    if (!in.Has(1)) return out.error = "no trailer", out;
    GifBlock block;
    block.offset = in.pos();
    block.introducer = in.U8();
    if (block.introducer == 0x3B) {
      block.length = 1;
      out.blocks.push_back(block);
      out.trailer_offset = block.offset;
      break;
    }
    std::vector<std::size_t>* sizes = nullptr;
    if (block.introducer == 0x21) {
      if (!in.Has(1)) return out.error = "extension cut short", out;
      block.label = in.U8();
    } else if (block.introducer == 0x2C) {
      if (have_image) return out.error = "a second image", out;
      if (!in.Has(10)) return out.error = "image descriptor cut short", out;
      out.left = in.U16();
      out.top = in.U16();
      out.image_width = in.U16();
      out.image_height = in.U16();
      out.image_flags = in.U8();
      if (out.image_flags & 0x80) return out.error = "a local colour table", out;
      out.min_code_size = in.U8();
      if (out.min_code_size < 2 || out.min_code_size > 8) return out.error = "bad minimum code size", out;
      sizes = &out.sub_blocks;
      have_image = true;
    } else {
      return out.error = "unknown block", out;
    }
    while (true) {  // sub-blocks up to the zero-length terminator
      if (!in.Has(1)) return out.error = "sub-blocks run past the end", out;
      const std::size_t n = in.U8();
      if (n == 0) break;
      if (!in.Has(n)) return out.error = "sub-block runs past the end", out;
      if (sizes) sizes->push_back(n);
      for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t b = in.U8();
        if (sizes) data.push_back(b);
      }
    }
    block.length = in.pos() - block.offset;
    out.blocks.push_back(block);
  }
  if (!have_image) return out.error = "no image", out;
  out.error = Decode(data, out);
  return out;
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace assets_test
