// Reads the icon's text grids and encodes its images and its group.
#include "icon.h"

#include <charconv>
#include <stdexcept>

namespace resources {

namespace {

// The standard 16-colour palette as red, green, blue.
constexpr std::uint8_t kPalette16[16][3] = {
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
    {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {128, 128, 128},
    {192, 192, 192}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};
constexpr std::uint8_t kPalette2[2][3] = {{0, 0, 0}, {255, 255, 255}};

void Put16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void Put32(Bytes& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::size_t RowBytes(int width, int bits) {
  return static_cast<std::size_t>((width * bits + 31) / 32 * 4);
}

int BitsFor(int colours) { return colours == 2 ? 1 : 4; }

// The palette index of a letter in a grid of that many colours, or -1.
int IndexOf(char letter, int colours) {
  if (colours == 2) return letter == 'K' ? 0 : letter == 'W' ? 1 : -1;
  const auto at = kPaletteLetters.find(letter);
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

std::string AtLine(int line, std::string_view what) {
  return "line " + std::to_string(line) + ": " + std::string(what);
}

bool ReadInt(std::string_view& rest, int& value) {
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
  if (error != std::errc() || end == rest.data()) return false;
  rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
  return true;
}

}  // namespace

std::variant<IconGrid, std::string> ParseIconGrid(std::string_view text) {
  IconGrid grid;
  bool sized = false;
  int row = 0;
  int line = 0;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view current = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++line;
    if (!current.empty() && current.back() == '\r') current.remove_suffix(1);
    if (!current.empty() && current.front() == '#') continue;
    if (!sized) {
      if (current.empty()) continue;
      std::string_view rest = current;
      if (!ReadInt(rest, grid.width) || !ReadInt(rest, grid.height) || !ReadInt(rest, grid.colours) ||
          !rest.empty())
        return AtLine(line, "expected \"width height colours\"");
      if ((grid.width != 16 && grid.width != 32) || grid.height != grid.width)
        return AtLine(line, "an icon image is 16 x 16 or 32 x 32");
      if (grid.colours != 2 && grid.colours != 16) return AtLine(line, "colours must be 2 or 16");
      sized = true;
      continue;
    }
    if (row == grid.height) {
      if (current.empty()) continue;
      return AtLine(line, "more rows than the height");
    }
    if (current.size() != static_cast<std::size_t>(grid.width))
      return AtLine(line, "row of " + std::to_string(current.size()) + " letters, expected " +
                              std::to_string(grid.width));
    for (char letter : current) {
      const int index = letter == kTransparentLetter ? -1 : IndexOf(letter, grid.colours);
      if (index < 0 && letter != kTransparentLetter)
        return AtLine(line, std::string("letter '") + letter + "' is not a colour of this image");
      grid.pixels.push_back(index);
    }
    ++row;
  }
  if (!sized) return AtLine(line, "no size line");
  if (row != grid.height)
    return AtLine(line, std::to_string(row) + " rows, expected " + std::to_string(grid.height));
  return grid;
}

Bytes EncodeIconImage(const IconGrid& grid) {
  const int bits = BitsFor(grid.colours);
  const std::size_t colourRow = RowBytes(grid.width, bits);
  const std::size_t maskRow = RowBytes(grid.width, 1);
  const std::size_t h = static_cast<std::size_t>(grid.height);
  if (grid.pixels.size() != static_cast<std::size_t>(grid.width) * h)
    throw std::invalid_argument("icon grid with the wrong number of pixels");

  Bytes out;
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(grid.width));
  Put32(out, static_cast<std::uint32_t>(grid.height * 2));  // colour bitmap and mask
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bits));
  Put32(out, 0);  // no compression
  Put32(out, static_cast<std::uint32_t>((colourRow + maskRow) * h));
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);

  const int entries = grid.colours;
  for (int i = 0; i < entries; ++i) {
    const std::uint8_t* rgb = grid.colours == 2 ? kPalette2[i] : kPalette16[i];
    out.insert(out.end(), {rgb[2], rgb[1], rgb[0], 0});
  }

  // Transparent pixels: colour 0 in a 16-colour image; white in a
  // 2-colour one, so that the screen beneath is inverted.
  const int seeThrough = grid.colours == 2 ? 1 : 0;
  for (int y = grid.height - 1; y >= 0; --y) {
    Bytes row(colourRow, 0);
    for (int x = 0; x < grid.width; ++x) {
      const int p = grid.pixels[static_cast<std::size_t>(y * grid.width + x)];
      const auto index = static_cast<unsigned>(p < 0 ? seeThrough : p);
      const auto bit = static_cast<unsigned>(x * bits);
      const unsigned shift = 8u - static_cast<unsigned>(bits) - bit % 8u;
      row[bit / 8] = static_cast<std::uint8_t>(row[bit / 8] | (index << shift));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  for (int y = grid.height - 1; y >= 0; --y) {
    Bytes row(maskRow, 0);
    for (int x = 0; x < grid.width; ++x)
      if (grid.pixels[static_cast<std::size_t>(y * grid.width + x)] < 0)
        row[static_cast<std::size_t>(x / 8)] =
            static_cast<std::uint8_t>(row[static_cast<std::size_t>(x / 8)] | (0x80u >> (x % 8)));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

Bytes EncodeIconGroup(const std::vector<GroupEntry>& entries) {
  Bytes out;
  Put16(out, 0);  // reserved
  Put16(out, 1);  // icons
  Put16(out, static_cast<std::uint32_t>(entries.size()));
  for (const GroupEntry& e : entries) {
    out.push_back(static_cast<std::uint8_t>(e.grid->width));
    out.push_back(static_cast<std::uint8_t>(e.grid->height));
    out.push_back(static_cast<std::uint8_t>(e.grid->colours));
    out.push_back(0);  // reserved
    Put16(out, 1);     // planes
    Put16(out, static_cast<std::uint32_t>(BitsFor(e.grid->colours)));
    Put32(out, e.bytes);
    Put16(out, e.id);
  }
  return out;
}

}  // namespace resources
