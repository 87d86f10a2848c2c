// Stand-in pictures and Form1's records.
#include "form1_records.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <gif_lib.h>
#include <stdexcept>

namespace tarvel::testing {

namespace {

using vb::Encoding;
using vb::Extent;
using vb::Prop;
using vb::Property;
using vb::PropertyValue;
using vb::Record;

int WriteBytes(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

// The shared entries: 0 black, 1 white, 255 transparent white; the rest
// shades of the drawing's colours.
std::vector<std::uint32_t> Table(std::uint32_t base) {
  std::vector<std::uint32_t> table(256);
  table[0] = 0x000000;
  table[1] = 0xFFFFFF;
  for (int i = 2; i < 255; ++i) {
    const double f = 0.4 + 0.6 * i / 254.0;
    auto channel = [&](int shift) { return static_cast<std::uint32_t>(((base >> shift) & 0xFF) * f) << shift; };
    table[static_cast<std::size_t>(i)] = channel(16) | channel(8) | channel(0);
  }
  table[255] = 0xFFFFFF;
  return table;
}

constexpr std::uint8_t kClear = 255;

std::vector<std::uint8_t> Pastry() {
  const int w = 1000, h = 700;
  std::vector<std::uint8_t> px(static_cast<std::size_t>(w * h), kClear);
  for (int y = 115; y <= 671; ++y)
    for (int x = 7; x <= 999; ++x) {
      px[static_cast<std::size_t>(y * w + x)] = static_cast<std::uint8_t>(2 + (x / 40 + y / 40) % 200);
    }
  return EncodeGif(w, h, px, Table(0xC88C3C));
}

std::vector<std::uint8_t> Tree() {
  const int w = 1000, h = 1325;
  std::vector<std::uint8_t> px(static_cast<std::size_t>(w * h), kClear);
  for (int y = 44; y <= 1296; ++y) {
    const int half = (y - 44) * 480 / 1252;
    for (int x = 505 - half; x <= 505 + half; ++x)
      px[static_cast<std::size_t>(y * w + x)] = static_cast<std::uint8_t>(2 + (y / 25) % 250);
  }
  return EncodeGif(w, h, px, Table(0x1E8C28));
}

std::vector<std::uint8_t> Greeting() {
  QImage image(1600, 1043, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const double middle = 1.0 - std::abs(x - 800) / 800.0;
      image.setPixel(x, y, qRgb(17 + int(2 * middle), 53 + int(34 * middle), 101 + int(57 * middle)));
    }
  QPainter p(&image);
  p.fillRect(300, 600, 1000, 300, QColor(230, 200, 40));
  p.end();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPG", 90);
  return {bytes.begin(), bytes.end()};
}

// A white card turned about 7 degrees; outside it transparent; a dark
// green bar whose height marks the card's index.
std::vector<std::uint8_t> Card(int member) {
  const int w = 200, h = 200;
  std::vector<std::uint8_t> px(static_cast<std::size_t>(w * h), kClear);
  const double a = 7.0 * 3.14159265358979 / 180.0, c = std::cos(a), s = std::sin(a);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double u = c * (x - 99) - s * (y - 99), v = s * (x - 99) + c * (y - 99);
      if (std::abs(u) > 80 || std::abs(v) > 75) continue;
      std::uint8_t index = 1;
      if (v > -60 + 5 * member && v < -50 + 5 * member && std::abs(u) < 50) index = 130;
      px[static_cast<std::size_t>(y * w + x)] = index;
    }
  std::vector<std::uint32_t> table = Table(0x1D7C07);
  return EncodeGif(w, h, px, table);
}

Property P(std::uint8_t opcode, Encoding encoding, Prop prop, PropertyValue value) {
  return Property{opcode, encoding, prop, std::move(value), 0};
}

Record Rec(vb::ControlType type, const char* name, std::uint8_t id, std::vector<Property> props,
           std::optional<std::int16_t> index = std::nullopt) {
  return Record{0, type, name, id, index, std::move(props)};
}

}  // namespace

std::vector<std::uint8_t> EncodeGif(int width, int height, const std::vector<std::uint8_t>& indexes,
                                    const std::vector<std::uint32_t>& rgbTable) {
  std::vector<std::uint8_t> out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, WriteBytes, &error);
  if (gif == nullptr) throw std::runtime_error("EGifOpen");
  EGifSetGifVersion(gif, true);
  GifColorType colours[256];
  for (std::size_t i = 0; i < 256; ++i)
    colours[i] = {static_cast<GifByteType>(rgbTable[i] >> 16), static_cast<GifByteType>(rgbTable[i] >> 8),
                  static_cast<GifByteType>(rgbTable[i])};
  ColorMapObject* map = GifMakeMapObject(256, colours);
  const GifByteType control[4] = {0x01, 0, 0, 255};
  bool ok = EGifPutScreenDesc(gif, width, height, 8, 0, map) == GIF_OK &&
            EGifPutExtension(gif, 0xF9, 4, control) == GIF_OK &&
            EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
  std::vector<GifPixelType> row(static_cast<std::size_t>(width));
  for (int y = 0; ok && y < height; ++y) {
    for (int x = 0; x < width; ++x) row[static_cast<std::size_t>(x)] = indexes[static_cast<std::size_t>(y * width + x)];
    ok = EGifPutLine(gif, row.data(), width) == GIF_OK;
  }
  GifFreeMapObject(map);
  if (EGifCloseFile(gif, &error) != GIF_OK || !ok) throw std::runtime_error("GIF encoding failed");
  return out;
}

Form1Records::Form1Records() {
  using vb::ControlType;
  auto picture = [this](std::vector<std::uint8_t> file) {
    files_.push_back(std::move(file));
    const auto& kept = files_.back();
    return P(0x02, Encoding::Picture, Prop::Picture, std::span<const std::uint8_t>(kept.data(), kept.size()));
  };
  files_.reserve(32);
  const vb::FontValue buttonFont{1, 204, 0, 700, 97500, "MS Sans Serif"};
  const vb::FontValue labelFont{1, 204, 0, 700, 240000, "MS Sans Serif"};

  description_.controlCount = 6;
  description_.window = Rec(ControlType::Form, "Form1", 0,
                            {P(0x01, Encoding::Text, Prop::Caption, std::string("Тарвел с късмети")),
                             P(0x03, Encoding::Colour, Prop::BackColor, vb::Colour{0x00000080}),
                             P(0x04, Encoding::Colour, Prop::ForeColor, vb::Colour{0}),
                             P(0x19, Encoding::Integer, Prop::None, std::int16_t{1}),
                             P(0x42, Encoding::Byte, Prop::None, std::uint8_t{0}),
                             P(0x22, Encoding::Byte, Prop::BorderStyle, std::uint8_t{3}),
                             P(0x23, Encoding::Long, Prop::None, std::uint32_t{0xFFFFFFFF}),
                             P(0x24, Encoding::Text, Prop::None, std::string("Form1")),
                             P(0x26, Encoding::Byte, Prop::MaxButton, std::uint8_t{0}),
                             P(0x27, Encoding::Byte, Prop::MinButton, std::uint8_t{0}),
                             P(0x35, Encoding::LongExtent, Prop::ClientExtent, Extent{45, 375, 12615, 5895}),
                             P(0x44, Encoding::Byte, Prop::ShowInTaskbar, std::uint8_t{0}),
                             P(0x46, Encoding::Byte, Prop::None, std::uint8_t{2})});
  auto& kids = description_.children;
  kids.push_back(Rec(ControlType::CommandButton, "Command1", 1,
                     {P(0x01, Encoding::Text, Prop::Caption, std::string("Изтегли късмет")),
                      P(0x03, Encoding::Colour, Prop::BackColor, vb::Colour{0x008080FF}),
                      P(0x04, Encoding::Extent, Prop::Extent, Extent{480, 5280, 3135, 495}),
                      P(0x11, Encoding::Integer, Prop::TabIndex, std::int16_t{0}),
                      P(0x1D, Encoding::Font, Prop::Font, buttonFont),
                      P(0x29, Encoding::Byte, Prop::Style, std::uint8_t{1})}));
  auto image = [&](const char* name, std::uint8_t id, std::optional<std::vector<std::uint8_t>> file, Extent e,
                   std::optional<std::int16_t> index, bool hidden) {
    std::vector<Property> props;
    if (index) props.push_back(P(0x01, Encoding::Integer, Prop::Index, *index));
    if (file) props.push_back(picture(std::move(*file)));
    props.push_back(P(0x03, Encoding::Extent, Prop::Extent, e));
    if (hidden) props.push_back(P(0x08, Encoding::Byte, Prop::Visible, std::uint8_t{0}));
    props.push_back(P(0x0A, Encoding::Boolean, Prop::Stretch, true));
    kids.push_back(Rec(ControlType::Image, name, id, std::move(props), index));
  };
  image("Image4", 2, Greeting(), Extent{6360, 240, 6255, 4455}, std::nullopt, false);
  image("Image2", 3, std::nullopt, Extent{1200, 1800, 2895, 2655}, std::int16_t{20}, false);
  image("Image3", 4, Tree(), Extent{5160, 480, 1095, 1935}, std::nullopt, false);
  kids.push_back(Rec(ControlType::Label, "Label1", 5,
                     {P(0x01, Encoding::Text, Prop::Caption, std::string("Тарвел с късмети")),
                      P(0x04, Encoding::Colour, Prop::ForeColor, vb::Colour{0x00FFFFFF}),
                      P(0x05, Encoding::Extent, Prop::Extent, Extent{360, 360, 5175, 855}),
                      P(0x12, Encoding::Integer, Prop::TabIndex, std::int16_t{1}),
                      P(0x1F, Encoding::Byte, Prop::None, std::uint8_t{0}),
                      P(0x25, Encoding::Font, Prop::Font, labelFont)}));
  // The card grid: member index at each place, rows from the top.
  const int grid[4][5] = {{0, 1, 2, 19, 18}, {16, 15, 14, 13, 12}, {11, 10, 9, 8, 7}, {6, 5, 4, 3, 17}};
  for (int member = 19; member >= 0; --member)
    for (int row = 0; row < 4; ++row)
      for (int col = 0; col < 5; ++col)
        if (grid[row][col] == member)
          image("Image2", 3, Card(member), Extent{6360 + 1320 * col, 240 + 1320 * row, 1215, 1215},
                static_cast<std::int16_t>(member), true);
  image("Image1", 6, Pastry(), Extent{600, 480, 5655, 5415}, std::nullopt, false);
}

}  // namespace tarvel::testing
