// Builds the Exif APP1 payload, laid out by hand in TIFF order.
#include "exif.h"

#include <cstddef>
#include <cstring>

namespace assets {

namespace {

enum Type : std::uint16_t { kAscii = 2, kShort = 3, kLong = 4, kUndefined = 7 };

constexpr std::size_t kTiffStart = 6;

class Tiff {
 public:
  std::vector<std::uint8_t> bytes;

  void U16(std::uint16_t v) {
    bytes.push_back(static_cast<std::uint8_t>(v));
    bytes.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  void U32(std::uint32_t v) {
    U16(static_cast<std::uint16_t>(v));
    U16(static_cast<std::uint16_t>(v >> 16));
  }
  void Put32At(std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
  }
  // Offsets count from the TIFF header, after the six-byte "Exif" tag.
  std::uint32_t Here() const { return static_cast<std::uint32_t>(bytes.size() - kTiffStart); }
  void Align() {
    if (Here() % 2 != 0) bytes.push_back(0);
  }
  // One 12-byte directory entry whose value is stored inline.
  void Entry(std::uint16_t tag, Type type, std::uint32_t count, std::uint32_t value) {
    U16(tag);
    U16(type);
    U32(count);
    if (type == kShort) {
      U16(static_cast<std::uint16_t>(value));
      U16(0);
    } else {
      U32(value);
    }
  }
  // An entry whose value lies elsewhere: returns where its offset goes.
  std::size_t EntryAt(std::uint16_t tag, Type type, std::uint32_t count) {
    U16(tag);
    U16(type);
    U32(count);
    const std::size_t slot = bytes.size();
    U32(0);
    return slot;
  }
  void Data(std::size_t slot, const void* data, std::size_t length) {
    Align();
    Put32At(slot, Here());
    const auto* p = static_cast<const std::uint8_t*>(data);
    bytes.insert(bytes.end(), p, p + length);
  }
};

}  // namespace

std::vector<std::uint8_t> ExifBlock(int width, int height) {
  Tiff t;
  t.bytes = {'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0};
  t.U32(8);  // first directory right after the header

  t.U16(3);
  const std::size_t software = t.EntryAt(0x0131, kAscii, sizeof kExifSoftware);
  const std::size_t rights = t.EntryAt(0x8298, kAscii, sizeof kExifRights);
  const std::size_t exif_ifd = t.EntryAt(0x8769, kLong, 1);
  t.U32(0);  // no further directory
  t.Data(software, kExifSoftware, sizeof kExifSoftware);
  t.Data(rights, kExifRights, sizeof kExifRights);

  t.Align();
  t.Put32At(exif_ifd, t.Here());
  const std::uint32_t note_length = sizeof kExifMakerNote - 1;
  t.U16(4);
  t.Entry(0x9000, kUndefined, 4, std::uint32_t{'0'} | std::uint32_t{'2'} << 8 | std::uint32_t{'2'} << 16 |
                                     std::uint32_t{'0'} << 24);
  const std::size_t note = t.EntryAt(0x927C, kUndefined, note_length);
  t.Entry(0xA002, kShort, 1, static_cast<std::uint32_t>(width));
  t.Entry(0xA003, kShort, 1, static_cast<std::uint32_t>(height));
  t.U32(0);
  t.Data(note, kExifMakerNote, note_length);

  return t.bytes;
}

}  // namespace assets
