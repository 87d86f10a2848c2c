// Code page 1251 to and from UTF-8 through one table of all 256 code points.
#include "cp1251.h"

#include <array>
#include <cstdint>

namespace runtime {
namespace {

constexpr char32_t kNoCharacter = 0xFFFFFFFF;

// The code points of the bytes 0x80 to 0xFF; 0x98 has none.
constexpr char32_t kUpperHalf[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    kNoCharacter, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // 0xC0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // 0xC8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // 0xD0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // 0xD8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // 0xE0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // 0xE8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // 0xF0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // 0xF8
};

// The whole code page: the bytes 0x00 to 0x7F are ASCII.
constexpr std::array<char32_t, 256> kCodePage = [] {
  std::array<char32_t, 256> table{};
  for (std::size_t b = 0; b < 128; ++b) table[b] = static_cast<char32_t>(b);
  for (std::size_t b = 0; b < 128; ++b) table[128 + b] = kUpperHalf[b];
  return table;
}();

void AppendUtf8(std::string& out, char32_t c) {
  auto put = [&out](std::uint32_t v) { out.push_back(static_cast<char>(v)); };
  const auto v = static_cast<std::uint32_t>(c);
  if (v < 0x80) {
    put(v);
  } else if (v < 0x800) {
    put(0xC0 | (v >> 6));
    put(0x80 | (v & 0x3F));
  } else {  // every character of the code page lies below 0x10000
    put(0xE0 | (v >> 12));
    put(0x80 | ((v >> 6) & 0x3F));
    put(0x80 | (v & 0x3F));
  }
}

// The next character of a UTF-8 text at pos, advancing pos; nullopt for
// a malformed, overlong or surrogate sequence.
std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<std::uint8_t>(text[pos++]);
  if (lead < 0x80) return lead;
  int extra;
  std::uint32_t value;
  std::uint32_t least;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, value = lead & 0x1Fu, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, value = lead & 0x0Fu, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, value = lead & 0x07u, least = 0x10000;
  } else {
    return std::nullopt;
  }
  for (int i = 0; i < extra; ++i) {
    if (pos == text.size()) return std::nullopt;
    const auto next = static_cast<std::uint8_t>(text[pos++]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    value = (value << 6) | (next & 0x3Fu);
  }
  if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return std::nullopt;
  return static_cast<char32_t>(value);
}

}  // namespace

std::optional<std::string> Cp1251ToUtf8(std::string_view cp1251) {
  std::string out;
  out.reserve(cp1251.size() * 2);
  for (const char byte : cp1251) {
    const char32_t c = kCodePage[static_cast<std::uint8_t>(byte)];
    if (c == kNoCharacter) return std::nullopt;
    AppendUtf8(out, c);
  }
  return out;
}

std::optional<std::string> Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::optional<char32_t> c = NextUtf8(utf8, pos);
    if (!c) return std::nullopt;
    std::size_t byte = 0;
    while (byte < kCodePage.size() && kCodePage[byte] != *c) ++byte;
    if (byte == kCodePage.size()) return std::nullopt;
    out.push_back(static_cast<char>(static_cast<std::uint8_t>(byte)));
  }
  return out;
}

}  // namespace runtime
