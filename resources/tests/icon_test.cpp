// The icon grid reader's refusals, and the bit layout of encoded images on
// grids drawn to expose row order, bit order and row padding.
#include "icon.h"

#include <gtest/gtest.h>

#include <string>

namespace resources {
namespace {

std::string Rows(int n, const std::string& row) {
  std::string out;
  for (int i = 0; i < n; ++i) out += row + "\n";
  return out;
}

const std::string kBlank16 = Rows(16, std::string(16, '.'));

struct Refusal {
  const char* what;
  std::string text;
  const char* expected;  // start of the message
};

TEST(IconGrid, RefusesFaultyGrids) {
  const Refusal cases[] = {
      {"no size line", "# only a comment\n", "line 1: no size line"},
      {"size line not numbers", "sixteen 16 16\n" + kBlank16, "line 1: expected"},
      {"trailing text on size line", "16 16 16 x\n" + kBlank16, "line 1: expected"},
      {"not square", "16 32 16\n" + kBlank16, "line 1: an icon image"},
      {"unsupported size", "24 24 16\n" + kBlank16, "line 1: an icon image"},
      {"unsupported colours", "16 16 256\n" + kBlank16, "line 1: colours must be"},
      {"short row", "16 16 16\n" + std::string(15, '.') + "\n" + Rows(15, std::string(16, '.')),
       "line 2: row of 15 letters, expected 16"},
      {"too few rows", "16 16 16\n" + Rows(15, std::string(16, '.')), "line 16: 15 rows, expected 16"},
      {"too many rows", "16 16 16\n" + kBlank16 + std::string(16, '.') + "\n", "line 18: more rows"},
      {"unknown letter", "16 16 16\nX" + std::string(15, '.') + "\n" + Rows(15, std::string(16, '.')),
       "line 2: letter 'X'"},
      {"16-colour letter in a 2-colour grid",
       "16 16 2\n" + Rows(15, std::string(16, '.')) + "A" + std::string(15, '.') + "\n",
       "line 17: letter 'A'"},
  };
  for (const Refusal& c : cases) {
    auto parsed = ParseIconGrid(c.text);
    ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << c.what;
    EXPECT_EQ(std::get<std::string>(parsed).rfind(c.expected, 0), 0u)
        << c.what << ": " << std::get<std::string>(parsed);
  }
}

TEST(IconGrid, ReadsCommentsCarriageReturnsAndATrailingBlankLine) {
  const std::string text = "# a comment\r\n16 16 16\r\n# between rows\r\n" + std::string("KW") +
                           std::string(14, '.') + "\r\n" + Rows(15, std::string(16, 'A')) + "\n";
  auto parsed = ParseIconGrid(text);
  ASSERT_TRUE(std::holds_alternative<IconGrid>(parsed)) << std::get<std::string>(parsed);
  const IconGrid& g = std::get<IconGrid>(parsed);
  EXPECT_EQ(g.pixels[0], 0);
  EXPECT_EQ(g.pixels[1], 15);
  EXPECT_EQ(g.pixels[2], -1);
  EXPECT_EQ(g.pixels[16], 14);
}

IconGrid Grid(int size, int colours) {
  IconGrid g{size, size, colours, std::vector<int>(static_cast<std::size_t>(size * size), 0)};
  return g;
}

// One marked pixel in the top row at x = 1 and one transparent pixel at the
// bottom right: the encoded bitmaps must hold them in the last and first
// rows, at the right bit, inside padded rows.
TEST(IconImage, PlacesPixelsBottomRowFirstWithPaddedRows) {
  struct Case {
    int size, colours;
    std::size_t header, colourRow, maskRow;
  };
  const Case cases[] = {
      {32, 2, 40 + 8, 4, 4},
      {32, 16, 40 + 64, 16, 4},
      {16, 16, 40 + 64, 8, 4},
  };
  for (const Case& c : cases) {
    IconGrid g = Grid(c.size, c.colours);
    const int mark = c.colours == 2 ? 1 : 14;
    g.pixels[1] = mark;
    g.pixels.back() = -1;
    const Bytes image = EncodeIconImage(g);
    const std::size_t rows = static_cast<std::size_t>(c.size);
    ASSERT_EQ(image.size(), c.header + (c.colourRow + c.maskRow) * rows) << c.size << "/" << c.colours;

    const std::size_t topColourRow = c.header + c.colourRow * (rows - 1);
    if (c.colours == 2) {
      EXPECT_EQ(image[topColourRow], 0x40);
    } else {
      EXPECT_EQ(image[topColourRow], 0x0E);
    }
    // The bottom row's last pixel is transparent: colour 1 (inverting) in
    // a 2-colour image, 0 in a 16-colour one, and its mask bit set.
    const std::size_t lastPixelByte = c.header + static_cast<std::size_t>(c.size * (c.colours == 2 ? 1 : 4) / 8) - 1;
    EXPECT_EQ(image[lastPixelByte], c.colours == 2 ? 0x01 : 0x00);
    const std::size_t mask = c.header + c.colourRow * rows;
    EXPECT_EQ(image[mask + static_cast<std::size_t>(c.size / 8) - 1], 0x01);
    for (std::size_t i = static_cast<std::size_t>(c.size / 8); i < c.maskRow; ++i)
      EXPECT_EQ(image[mask + i], 0) << "mask padding";
    // Nothing else in the mask is set.
    for (std::size_t i = mask + c.maskRow; i < image.size(); ++i) EXPECT_EQ(image[i], 0);
  }
}

}  // namespace
}  // namespace resources
