// The encoder of a window description.
#include "description_writer.h"

#include <limits>
#include <map>
#include <stdexcept>
#include <string>

#include "cp1251.h"
#include "description_format.h"

namespace tarvel {
namespace {

using namespace runtime::format;

[[noreturn]] void Fail(const DesignRecord& rec, const std::string& what) {
  throw std::invalid_argument(rec.name + ": " + what);
}

class Out {
 public:
  std::vector<std::uint8_t> bytes;

  // n of at most 4 bytes of value, the least significant first.
  void Uint(std::uint32_t value, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
  void Zeros(std::size_t n) { bytes.insert(bytes.end(), n, 0); }
  void U8(std::uint32_t v) { Uint(v, 1); }
  void U16(std::uint32_t v) { Uint(v, 2); }
  void U32(std::uint32_t v) { Uint(v, 4); }
  void Put(std::span<const std::uint8_t> data) { bytes.insert(bytes.end(), data.begin(), data.end()); }
  void Put(std::string_view data) { bytes.insert(bytes.end(), data.begin(), data.end()); }
  void Patch32(std::size_t at, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  }
  void Guid(const runtime::Guid& g) {
    U32(g.data1);
    U16(g.data2);
    U16(g.data3);
    for (const std::uint8_t b : g.data4) U8(b);
  }
};

std::string Cp1251(const DesignRecord& rec, const std::string& utf8) {
  std::optional<std::string> text = runtime::Utf8ToCp1251(utf8);
  if (!text) Fail(rec, "the text \"" + utf8 + "\" has a character outside code page 1251");
  return *std::move(text);
}

void Text(Out& out, const DesignRecord& rec, const std::string& utf8) {
  const std::string text = Cp1251(rec, utf8);
  if (text.size() > std::numeric_limits<std::uint16_t>::max()) Fail(rec, "a text longer than 65535 bytes");
  out.U16(static_cast<std::uint32_t>(text.size()));
  out.Put(text);
  out.U8(0);
}

template <class T>
const T& As(const DesignRecord& rec, const DesignProperty& p) {
  const T* value = std::get_if<T>(&p.value);
  if (!value) Fail(rec, "the value of opcode " + std::to_string(p.opcode) + " is not of its opcode's encoding");
  return *value;
}

void Value(Out& out, const DesignRecord& rec, const DesignProperty& p, runtime::Encoding encoding,
           const PictureSource& pictures) {
  using runtime::Encoding;
  switch (encoding) {
    case Encoding::Text: return Text(out, rec, As<std::string>(rec, p));
    case Encoding::Byte: return out.U8(As<std::uint8_t>(rec, p));
    case Encoding::Boolean: return out.U8(As<bool>(rec, p) ? 0xFF : 0x00);
    case Encoding::Integer: return out.U16(static_cast<std::uint16_t>(As<std::int16_t>(rec, p)));
    case Encoding::Long: return out.U32(As<std::uint32_t>(rec, p));
    case Encoding::Colour: return out.U32(As<runtime::Colour>(rec, p).value);
    case Encoding::Extent:
    case Encoding::LongExtent: {
      const runtime::Extent& e = As<runtime::Extent>(rec, p);
      const std::size_t n = encoding == Encoding::LongExtent ? 4 : 2;
      for (const std::int32_t v : {e.left, e.top, e.width, e.height}) {
        if (n == 2 && (v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max())) {
          Fail(rec, "an extent beyond 16 bits");
        }
        out.Uint(static_cast<std::uint32_t>(v), n);
      }
      return;
    }
    case Encoding::Font: {
      const runtime::FontValue& f = As<runtime::FontValue>(rec, p);
      const std::string name = Cp1251(rec, f.name);
      if (name.size() > 255) Fail(rec, "a font name longer than 255 bytes");
      out.U8(f.version);
      out.U16(f.charset);
      out.U8(f.style);
      out.U16(f.weight);
      out.U32(f.size);
      out.U8(static_cast<std::uint32_t>(name.size()));
      out.Put(name);
      return;
    }
    case Encoding::Picture: {
      const std::span<const std::uint8_t> image = pictures(As<PictureFile>(rec, p).file);
      if (image.size() > std::numeric_limits<std::uint32_t>::max() - 8) Fail(rec, "a picture beyond 32-bit lengths");
      out.U32(static_cast<std::uint32_t>(image.size() + 8));
      for (const std::uint8_t b : kPictureTag) out.U8(b);
      out.U32(static_cast<std::uint32_t>(image.size()));
      out.Put(image);
      return;
    }
  }
}

// Appends rec from its record size field through its terminator.
void Record(Out& out, const DesignRecord& rec, std::uint8_t id, const PictureSource& pictures) {
  const std::size_t at = out.bytes.size();
  out.U32(0);  // the record size, set below
  out.U8(id);
  if (rec.index) out.U16(static_cast<std::uint16_t>(*rec.index));
  Text(out, rec, rec.name);
  out.U8(static_cast<std::uint8_t>(rec.type));
  for (const DesignProperty& p : rec.properties) {
    const runtime::OpcodeInfo* info = runtime::FindOpcode(rec.type, p.opcode);
    if (!info) Fail(rec, "opcode " + std::to_string(p.opcode) + " is not of its type");
    out.U8(p.opcode);
    Value(out, rec, p, info->encoding, pictures);
  }
  out.U8(kTerminator);
  const std::size_t size = out.bytes.size() - at;
  if (size >= kArrayMemberBit) Fail(rec, "a record beyond 31-bit sizes");
  out.Patch32(at, static_cast<std::uint32_t>(size) | (rec.index ? kArrayMemberBit : 0));
}

}  // namespace

std::vector<std::uint8_t> WriteDescription(const Design& design, const PictureSource& pictures) {
  // Control ids by first appearance, from 1.
  std::map<std::string, std::uint8_t> ids;
  for (const DesignRecord& rec : design.children) {
    if (ids.size() == 255 && !ids.count(rec.name)) Fail(rec, "more than 255 controls");
    ids.emplace(rec.name, static_cast<std::uint8_t>(ids.size() + 1));
  }

  Out out;
  out.U8(kSignature[0]);
  out.U8(kSignature[1]);
  out.U16(kBlockLength);
  out.U8(static_cast<std::uint32_t>(ids.size()));
  out.Guid(design.windowId);
  out.Guid(design.secondWindowId);
  out.Guid(design.windowClassId);
  out.Zeros(kReservedSize);
  out.U32(0);  // the stream length, set below
  Record(out, design.window, 0, pictures);
  bool first = true;
  for (const DesignRecord& rec : design.children) {
    out.U8(first ? kFirstChild : kNextChild);
    first = false;
    Record(out, rec, ids.at(rec.name), pictures);
  }
  out.U8(kNoMoreChildren);
  out.U8(kStreamEnd);
  out.Patch32(kStreamLengthAt, static_cast<std::uint32_t>(out.bytes.size() - kStreamLengthAt));
  return std::move(out.bytes);
}

}  // namespace tarvel
