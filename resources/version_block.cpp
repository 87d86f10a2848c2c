// Encodes version entries and assembles Tarvel's version block.
#include "version_block.h"

#include <stdexcept>
#include <utility>

namespace resources {

namespace {

void Put16(Bytes& out, std::uint32_t v) {
  if (v > 0xFFFF) throw std::length_error("version entry longer than 65535 bytes");
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(Bytes& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void Align(Bytes& out) {
  while (out.size() % 4 != 0) out.push_back(0);
}

void PutText(Bytes& out, std::u16string_view text) {
  for (char16_t c : text) Put16(out, c);
  Put16(out, 0);
}

void Set16(Bytes& out, std::size_t at, std::size_t v) {
  if (v > 0xFFFF) throw std::length_error("version entry longer than 65535 bytes");
  out[at] = static_cast<std::uint8_t>(v & 0xFF);
  out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// Appends the entry to out, which must be 32-bit aligned on entry.
void Encode(Bytes& out, const VersionEntry& e) {
  const std::size_t start = out.size();
  Put16(out, 0);  // length, set below
  if (e.text) {
    if (e.value.size() % 2 != 0) throw std::invalid_argument("text value of odd byte length");
    // A text value's length counts characters and its NUL; none at all
    // when there is no value.
    Put16(out, static_cast<std::uint32_t>(e.value.empty() ? 0 : e.value.size() / 2 + 1));
  } else {
    Put16(out, static_cast<std::uint32_t>(e.value.size()));
  }
  Put16(out, e.text ? 1 : 0);
  PutText(out, e.key);
  Align(out);
  out.insert(out.end(), e.value.begin(), e.value.end());
  if (e.text && !e.value.empty()) Put16(out, 0);
  for (const VersionEntry& child : e.children) {
    Align(out);
    Encode(out, child);
  }
  if (!e.children.empty()) Align(out);
  Set16(out, start, out.size() - start);
}

Bytes Utf16Bytes(std::u16string_view text) {
  Bytes out;
  for (char16_t c : text) {
    out.push_back(static_cast<std::uint8_t>(c & 0xFF));
    out.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  return out;
}

}  // namespace

VersionEntry TextEntry(std::u16string key, std::u16string_view value) {
  return VersionEntry{std::move(key), true, Utf16Bytes(value), {}};
}

VersionEntry BinaryEntry(std::u16string key, Bytes value) {
  return VersionEntry{std::move(key), false, std::move(value), {}};
}

VersionEntry Block(std::u16string key, std::vector<VersionEntry> children) {
  // Blocks of strings and of variable information are marked as text.
  return VersionEntry{std::move(key), true, {}, std::move(children)};
}

Bytes EncodeVersionEntry(const VersionEntry& entry) {
  Bytes out;
  Encode(out, entry);
  return out;
}

Bytes TarvelVersionBlock() {
  Bytes fixed;
  for (std::uint32_t field : {
           0xFEEF04BDu,  // signature
           0x00010000u,  // structure version 1.0
           0x00010000u,  // file version 1.0 ...
           0x00000000u,  // ... .0.0
           0x00010000u,  // product version 1.0 ...
           0x00000000u,  // ... .0.0
           0x00000000u,  // flags mask
           0x00000000u,  // flags
           0x00000004u,  // 32-bit Windows
           0x00000001u,  // application
           0x00000000u,  // subtype
           0x00000000u,  // date, high half
           0x00000000u,  // date, low half
       })
    Put32(fixed, field);

  VersionEntry root = BinaryEntry(u"VS_VERSION_INFO", std::move(fixed));
  root.children.push_back(
      Block(u"VarFileInfo", {BinaryEntry(u"Translation", Bytes{0x09, 0x04, 0xB0, 0x04})}));
  root.children.push_back(Block(u"StringFileInfo", {Block(u"040904B0", {
      TextEntry(u"CompanyName", u"Qev"),
      TextEntry(u"ProductName", u"Tolmark1"),
      TextEntry(u"FileVersion", u"1.00"),
      TextEntry(u"ProductVersion", u"1.00"),
      TextEntry(u"InternalName", u"Tarvel"),
      TextEntry(u"OriginalFilename", u"Tarvel.exe"),
  })}));
  return EncodeVersionEntry(root);
}

}  // namespace resources
