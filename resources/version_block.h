// The version resource: a generic encoder of the nested version entries
// (UTF-16 keys, 32-bit alignment, lengths that cover each entry's children
// with their padding) and Tarvel's own block built with it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace resources {

using Bytes = std::vector<std::uint8_t>;

// One entry of a version resource. A text value is stored as UTF-16 with
// its NUL and counted in characters; a binary value is counted in bytes.
struct VersionEntry {
  std::u16string key;
  bool text = false;
  Bytes value;  // binary value, or the text's UTF-16 bytes without the NUL
  std::vector<VersionEntry> children;
};

VersionEntry TextEntry(std::u16string key, std::u16string_view value);
VersionEntry BinaryEntry(std::u16string key, Bytes value);
VersionEntry Block(std::u16string key, std::vector<VersionEntry> children);

// Encodes an entry: its length field counts the header, the key, the value
// and every child padded to 32 bits; an entry without children ends at its
// value's last byte.
Bytes EncodeVersionEntry(const VersionEntry& entry);

// Tarvel's version block: version 1.0.0.0 in the fixed part, the
// translation 0x0409/1200 ahead of the one string table "040904B0".
Bytes TarvelVersionBlock();

}  // namespace resources
