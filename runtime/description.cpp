// The opcode tables of the four control types and the reader of the window
// description. The reader checks every length against what remains before
// it reads, and refuses the first fault with its offset.
#include "description.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <utility>

#include "cp1251.h"
#include "description_format.h"

namespace runtime {
namespace {

constexpr OpcodeInfo kFormTable[] = {
    {0x01, Encoding::Text, Prop::Caption},
    {0x03, Encoding::Colour, Prop::BackColor},
    {0x04, Encoding::Colour, Prop::ForeColor},
    {0x19, Encoding::Integer, Prop::None},
    {0x42, Encoding::Byte, Prop::None},
    {0x22, Encoding::Byte, Prop::BorderStyle},
    {0x23, Encoding::Long, Prop::None},
    {0x24, Encoding::Text, Prop::None},
    {0x26, Encoding::Byte, Prop::MaxButton},
    {0x27, Encoding::Byte, Prop::MinButton},
    {0x35, Encoding::LongExtent, Prop::ClientExtent},
    {0x44, Encoding::Byte, Prop::ShowInTaskbar},
    {0x46, Encoding::Byte, Prop::StartUpPosition},
};

constexpr OpcodeInfo kCommandButtonTable[] = {
    {0x01, Encoding::Text, Prop::Caption},
    {0x03, Encoding::Colour, Prop::BackColor},
    {0x04, Encoding::Extent, Prop::Extent},
    {0x11, Encoding::Integer, Prop::TabIndex},
    {0x1D, Encoding::Font, Prop::Font},
    {0x29, Encoding::Byte, Prop::Style},
};

constexpr OpcodeInfo kLabelTable[] = {
    {0x01, Encoding::Text, Prop::Caption},
    {0x04, Encoding::Colour, Prop::ForeColor},
    {0x05, Encoding::Extent, Prop::Extent},
    {0x12, Encoding::Integer, Prop::TabIndex},
    {0x1F, Encoding::Byte, Prop::BackStyle},
    {0x25, Encoding::Font, Prop::Font},
};

constexpr OpcodeInfo kImageTable[] = {
    {0x01, Encoding::Integer, Prop::Index},
    {0x02, Encoding::Picture, Prop::Picture},
    {0x03, Encoding::Extent, Prop::Extent},
    {0x08, Encoding::Byte, Prop::Visible},
    {0x0A, Encoding::Boolean, Prop::Stretch},
};

using namespace format;

std::string Count(std::size_t n, const char* unit) {
  return std::to_string(n) + " " + unit + (n == 1 ? "" : "s");
}

std::string Hex(std::uint32_t value, int digits = 2) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*X", digits, static_cast<unsigned>(value));
  return text;
}

const char* TypeName(ControlType type) {
  switch (type) {
    case ControlType::Label: return "label";
    case ControlType::CommandButton: return "command button";
    case ControlType::Form: return "window";
    case ControlType::Image: return "image";
  }
  return "unknown";
}

// A refusal on its way out of the reader.
struct Refusal {
  DescriptionError error;
};

[[noreturn]] void Refuse(std::size_t offset, std::string message) {
  throw Refusal{{offset, std::move(message)}};
}

// Reads little-endian fields from the stream; every read first checks that
// the field ends at or before limit, which is never past the stream's end.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> stream) : s_(stream) {}

  std::size_t size() const { return s_.size(); }
  std::uint8_t At(std::size_t pos) const { return s_[pos]; }
  std::span<const std::uint8_t> Bytes(std::size_t pos, std::size_t n) const { return s_.subspan(pos, n); }

  // Refuses unless n bytes from pos end at or before limit.
  void Need(std::size_t pos, std::size_t n, std::size_t limit, const char* what) const {
    if (pos > limit || limit - pos < n) {
      Refuse(pos, std::string("expected ") + what + " (" + Count(n, "byte") + "), with only " +
                      Count(pos > limit ? 0 : limit - pos, "byte") + " left before offset " +
                      std::to_string(limit));
    }
  }

  std::uint32_t Uint(std::size_t& pos, std::size_t n, std::size_t limit, const char* what) const {
    Need(pos, n, limit, what);
    std::uint32_t v = 0;
    for (std::size_t i = n; i-- > 0;) v = (v << 8) | s_[pos + i];
    pos += n;
    return v;
  }
  std::uint8_t U8(std::size_t& pos, std::size_t limit, const char* what) const {
    return static_cast<std::uint8_t>(Uint(pos, 1, limit, what));
  }
  std::uint16_t U16(std::size_t& pos, std::size_t limit, const char* what) const {
    return static_cast<std::uint16_t>(Uint(pos, 2, limit, what));
  }
  std::uint32_t U32(std::size_t& pos, std::size_t limit, const char* what) const {
    return Uint(pos, 4, limit, what);
  }

  // Code page 1251 text of n bytes at pos, as UTF-8.
  std::string Cp1251(std::size_t pos, std::size_t n) const {
    const std::span<const std::uint8_t> bytes = Bytes(pos, n);
    const std::string_view view(reinterpret_cast<const char*>(bytes.data()), n);
    std::optional<std::string> text = Cp1251ToUtf8(view);
    if (!text) {
      const std::size_t bad = view.find('\x98');
      Refuse(pos + bad, "expected a character of code page 1251, found the byte 0x98, which has none");
    }
    return *std::move(text);
  }

  // 16-bit length n, n bytes, NUL.
  std::string Text(std::size_t& pos, std::size_t limit, const char* what) const {
    const std::size_t n = U16(pos, limit, what);
    Need(pos, n + 1, limit, (std::string(what) + " and its NUL").c_str());
    if (s_[pos + n] != 0) Refuse(pos + n, std::string("expected the NUL after ") + what + ", found " + Hex(s_[pos + n]));
    std::string text = Cp1251(pos, n);
    pos += n + 1;
    return text;
  }

 private:
  std::span<const std::uint8_t> s_;
};

PropertyValue ReadValue(const Reader& r, const OpcodeInfo& info, std::size_t& pos, std::size_t limit) {
  switch (info.encoding) {
    case Encoding::Text:
      return r.Text(pos, limit, "a text");
    case Encoding::Byte:
      return r.U8(pos, limit, "a byte value");
    case Encoding::Boolean: {
      const std::size_t at = pos;
      const std::uint8_t b = r.U8(pos, limit, "a boolean value");
      if (b != 0x00 && b != 0xFF) Refuse(at, "expected a boolean 0x00 or 0xFF, found " + Hex(b));
      return b == 0xFF;
    }
    case Encoding::Integer:
      return static_cast<std::int16_t>(r.U16(pos, limit, "an integer value"));
    case Encoding::Long:
      return r.U32(pos, limit, "a long value");
    case Encoding::Colour:
      return Colour{r.U32(pos, limit, "a colour value")};
    case Encoding::Extent:
    case Encoding::LongExtent: {
      const bool wide = info.encoding == Encoding::LongExtent;
      const std::size_t n = wide ? 4 : 2;
      r.Need(pos, 4 * n, limit, wide ? "a long extent" : "an extent");
      std::int32_t v[4];
      for (std::int32_t& field : v) {
        const std::uint32_t raw = r.Uint(pos, n, limit, "an extent");
        field = wide ? static_cast<std::int32_t>(raw) : static_cast<std::int16_t>(raw);
      }
      return Extent{v[0], v[1], v[2], v[3]};
    }
    case Encoding::Font: {
      FontValue font;
      r.Need(pos, 11, limit, "a font record");
      font.version = r.U8(pos, limit, "the font's version");
      font.charset = r.U16(pos, limit, "the font's character set");
      font.style = r.U8(pos, limit, "the font's style flags");
      font.weight = r.U16(pos, limit, "the font's weight");
      font.size = r.U32(pos, limit, "the font's size");
      const std::size_t n = r.U8(pos, limit, "the font name's length");
      r.Need(pos, n, limit, "the font's name");
      font.name = r.Cp1251(pos, n);
      pos += n;
      return font;
    }
    case Encoding::Picture: {
      const std::size_t outerAt = pos;
      const std::uint32_t outer = r.U32(pos, limit, "a picture's outer length");
      if (outer < 8) Refuse(outerAt, "expected a picture's outer length of at least 8, found " + std::to_string(outer));
      r.Need(pos, outer, limit, "the picture that its outer length counts");
      if (!std::equal(std::begin(kPictureTag), std::end(kPictureTag), r.Bytes(pos, 4).begin())) {
        Refuse(pos, "expected the picture tag 6C 74 00 00");
      }
      pos += 4;
      const std::size_t imageAt = pos;
      const std::uint32_t image = r.U32(pos, limit, "a picture's image length");
      if (image != outer - 8) {
        Refuse(imageAt, "expected the image length " + std::to_string(outer - 8) +
                            " (the outer length less 8), found " + std::to_string(image));
      }
      const std::span<const std::uint8_t> file = r.Bytes(pos, image);
      pos += image;
      return file;
    }
  }
  Refuse(pos, "unknown encoding");
}

bool IsControlName(const std::string& name) {
  return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
  });
}

// Reads the record whose size field stands at at; child says whether it
// is a child record (the window's has no member index and type 0x0D).
// next is set to the offset behind the record's terminator.
Record ReadRecord(const Reader& r, std::size_t at, bool child, std::size_t& next) {
  Record rec;
  rec.offset = at;
  std::size_t pos = at;
  const std::uint32_t raw = r.U32(pos, r.size(), "a record size");
  const bool member = (raw & kArrayMemberBit) != 0;
  const std::size_t length = raw & ~kArrayMemberBit;
  if (!child && member) Refuse(at, "expected the window's record size with bit 31 clear, found " + Hex(raw, 8));
  if (length < 10) Refuse(at, "expected a record size of at least 10, found " + std::to_string(length));
  if (length > r.size() - at) {
    Refuse(at, "expected a record size within the stream: " + std::to_string(length) + " bytes from offset " +
                   std::to_string(at) + ", but only " + std::to_string(r.size() - at) + " remain");
  }
  const std::size_t end = at + length - 1;  // the terminator's offset
  next = end + 1;
  if (r.At(end) != kTerminator) {
    Refuse(end, "expected the terminator 0xFF where the record size points, found " + Hex(r.At(end)));
  }

  const std::size_t idAt = pos;
  rec.id = r.U8(pos, end, "a control id");
  if (!child && rec.id != 0) Refuse(idAt, "expected the window's control id 0, found " + std::to_string(rec.id));
  if (child && rec.id == 0) Refuse(idAt, "expected a control id from 1, found 0");
  if (member) {
    const std::size_t indexAt = pos;
    const auto index = static_cast<std::int16_t>(r.U16(pos, end, "a member index"));
    if (index < 0) Refuse(indexAt, "expected a member index of 0 or more, found " + std::to_string(index));
    rec.index = index;
  }
  const std::size_t nameAt = pos;
  rec.name = r.Text(pos, end, "a control name");
  if (!IsControlName(rec.name)) Refuse(nameAt, "expected a control name of ASCII letters and digits");
  const std::size_t typeAt = pos;
  const std::uint8_t type = r.U8(pos, end, "a control type");
  rec.type = static_cast<ControlType>(type);
  if (!child && rec.type != ControlType::Form) Refuse(typeAt, "expected the window's type 0x0D, found " + Hex(type));
  if (child && (rec.type == ControlType::Form || OpcodeTable(rec.type).empty())) {
    Refuse(typeAt, "expected a control type 0x01, 0x04 or 0x18, found " + Hex(type));
  }

  const std::span<const OpcodeInfo> table = OpcodeTable(rec.type);
  std::size_t earliest = 0;  // the table position that the next opcode may take at the earliest
  while (pos != end) {
    const std::size_t opAt = pos;
    const std::uint8_t op = r.At(pos++);
    if (op == kTerminator) {
      Refuse(opAt, "expected the record's properties to end at the terminator at offset " + std::to_string(end) +
                       " where its size points, but a terminator stands here");
    }
    const OpcodeInfo* info = FindOpcode(rec.type, op);
    if (!info) Refuse(opAt, "expected an opcode of the " + std::string(TypeName(rec.type)) + " type, found " + Hex(op));
    const auto place = static_cast<std::size_t>(info - table.data());
    if (place < earliest) Refuse(opAt, "expected the opcodes in their stored order, found " + Hex(op) + " out of place");
    earliest = place + 1;
    PropertyValue value = ReadValue(r, *info, pos, end);
    rec.properties.push_back({op, info->encoding, info->prop, std::move(value), opAt});
  }

  const Property* index = rec.Find(Prop::Index);
  if (member && !index) Refuse(at, "expected the Index property 0x01 on an array member (bit 31 set)");
  if (!member && index) Refuse(index->offset, "expected no Index property on a record that is not an array member (bit 31 clear)");
  if (member && std::get<std::int16_t>(index->value) != *rec.index) {
    Refuse(index->offset, "expected the Index property to equal the member index " + std::to_string(*rec.index) +
                              ", found " + std::to_string(std::get<std::int16_t>(index->value)));
  }
  return rec;
}

Guid ReadGuid(const Reader& r, std::size_t pos) {
  Guid g;
  g.data1 = r.U32(pos, r.size(), "a GUID");
  g.data2 = r.U16(pos, r.size(), "a GUID");
  g.data3 = r.U16(pos, r.size(), "a GUID");
  for (std::uint8_t& b : g.data4) b = r.U8(pos, r.size(), "a GUID");
  return g;
}

// What the stream has told of each control so far, to hold its later
// records to the same id, type and kind.
struct KnownControl {
  std::uint8_t id;
  ControlType type;
  bool array;
  std::set<std::int16_t> members;
};

void CheckControl(std::map<std::string, KnownControl>& known, const Record& rec) {
  const std::size_t idAt = rec.offset + 4;
  auto it = known.find(rec.name);
  if (it == known.end()) {
    const std::size_t expected = known.size() + 1;
    if (rec.id != expected) {
      Refuse(idAt, "expected the control id " + std::to_string(expected) + " for the new control " + rec.name +
                       ", found " + std::to_string(rec.id));
    }
    known.emplace(rec.name, KnownControl{rec.id, rec.type, rec.index.has_value(), {}});
    it = known.find(rec.name);
  } else {
    KnownControl& c = it->second;
    if (rec.id != c.id) {
      Refuse(idAt, "expected the control id " + std::to_string(c.id) + " of " + rec.name + ", found " + std::to_string(rec.id));
    }
    if (!c.array || !rec.index) Refuse(rec.offset, "expected one record only for " + rec.name + ", which is no control array");
    if (rec.type != c.type) Refuse(idAt, "expected the type of " + rec.name + "'s other members");
  }
  if (rec.index && !it->second.members.insert(*rec.index).second) {
    Refuse(rec.offset, "expected one record for each member of " + rec.name + ", found member " +
                           std::to_string(*rec.index) + " twice");
  }
}

Description Read(std::span<const std::uint8_t> stream) {
  const Reader r(stream);
  if (r.size() < kHeaderSize) {
    Refuse(r.size(), "expected a header of 93 bytes, but the stream has only " + std::to_string(r.size()));
  }
  if (r.At(0) != kSignature[0] || r.At(1) != kSignature[1]) Refuse(0, "expected the signature FF CC");
  std::size_t pos = 2;
  const std::uint16_t block = r.U16(pos, r.size(), "the block length");
  if (block != kBlockLength) Refuse(2, "expected the block length 49, found " + std::to_string(block));
  pos = kStreamLengthAt;
  const std::uint32_t length = r.U32(pos, r.size(), "the stream length");
  if (length != r.size() - kStreamLengthAt) {
    Refuse(kStreamLengthAt, "expected the stream length " + std::to_string(r.size() - kStreamLengthAt) +
                                " (the total less 89), found " + std::to_string(length));
  }

  Description d;
  d.controlCount = r.At(4);
  d.windowId = ReadGuid(r, 5);
  d.secondWindowId = ReadGuid(r, 21);
  d.windowClassId = ReadGuid(r, 37);
  d.window = ReadRecord(r, kHeaderSize, false, pos);

  std::map<std::string, KnownControl> known;
  for (;;) {
    const std::size_t leadAt = pos;
    const std::uint8_t lead = r.U8(pos, r.size(), "a lead byte or the end byte 0x02");
    if (lead == kNoMoreChildren) break;
    const bool first = d.children.empty();
    const std::uint8_t expected = first ? kFirstChild : kNextChild;
    if (lead != expected) {
      Refuse(leadAt, "expected the lead byte " + Hex(expected) +
                         (first ? " of the first child record" : " of a later child record") +
                         " or the end byte 0x02, found " + Hex(lead));
    }
    Record rec = ReadRecord(r, pos, true, pos);
    CheckControl(known, rec);
    d.children.push_back(std::move(rec));
  }
  const std::size_t endAt = pos;
  const std::uint8_t last = r.U8(pos, r.size(), "the end byte 0x04");
  if (last != kStreamEnd) Refuse(endAt, "expected the end byte 0x04, found " + Hex(last));
  if (pos != r.size()) {
    Refuse(pos, "expected the stream to end after the end byte 0x04, but " + Count(r.size() - pos, "byte") +
                    (r.size() - pos == 1 ? " follows" : " follow"));
  }
  if (known.size() != d.controlCount) {
    Refuse(4, "expected the control count " + std::to_string(known.size()) + " (the distinct controls in the stream), found " +
                  std::to_string(d.controlCount));
  }
  return d;
}

}  // namespace

std::span<const OpcodeInfo> OpcodeTable(ControlType type) {
  switch (type) {
    case ControlType::Form: return kFormTable;
    case ControlType::CommandButton: return kCommandButtonTable;
    case ControlType::Label: return kLabelTable;
    case ControlType::Image: return kImageTable;
  }
  return {};
}

const OpcodeInfo* FindOpcode(ControlType type, std::uint8_t opcode) {
  for (const OpcodeInfo& info : OpcodeTable(type)) {
    if (info.opcode == opcode) return &info;
  }
  return nullptr;
}

const Property* Record::Find(Prop prop) const {
  for (const Property& p : properties) {
    if (p.prop == prop) return &p;
  }
  return nullptr;
}

std::string DescriptionError::ToString() const {
  return "offset " + std::to_string(offset) + ": " + message;
}

std::variant<Description, DescriptionError> ReadDescription(std::span<const std::uint8_t> stream) {
  try {
    return Read(stream);
  } catch (Refusal& refusal) {
    return std::move(refusal.error);
  }
}

}  // namespace runtime
