// The version entry encoder on shapes that Tarvel's own block does not
// have: odd-length binary values, empty text values, nested padding.
#include "version_block.h"

#include <gtest/gtest.h>

namespace resources {
namespace {

std::uint16_t At16(const Bytes& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

TEST(VersionEntry, AlignsChildrenAfterOddValuesAndCountsTheirPadding) {
  // Root "A" (key 4 bytes) with a 3-byte value, then two binary children
  // "B" with 1 byte and "C" with 2 bytes.
  VersionEntry root = BinaryEntry(u"A", Bytes{1, 2, 3});
  root.children.push_back(BinaryEntry(u"B", Bytes{9}));
  root.children.push_back(BinaryEntry(u"C", Bytes{7, 8}));
  const Bytes b = EncodeVersionEntry(root);
  // Root: 6 + 4 = 10, padded to 12, value to 15, padded to 16.
  // B: 6 + 4 = 10 -> 12, value -> 13 (its own length), padded to 16.
  // C: 12 + 2 = 14, padded to 16 inside the root.
  ASSERT_EQ(b.size(), 16u + 16u + 16u);
  EXPECT_EQ(At16(b, 0), 48);
  EXPECT_EQ(At16(b, 2), 3);
  EXPECT_EQ(b[15], 0) << "padding after the value";
  EXPECT_EQ(At16(b, 16), 13);
  EXPECT_EQ(b[16 + 12], 9);
  EXPECT_EQ(At16(b, 32), 14);
  EXPECT_EQ(b[32 + 12], 7);
}

TEST(VersionEntry, TextValuesCountCharactersWithTheirNul) {
  struct Case {
    std::u16string_view value;
    std::uint16_t valueLength;
    std::uint16_t length;
  };
  const Case cases[] = {
      {u"", 0, 12},       // no value at all: header and key only
      {u"x", 2, 16},      // 'x' and NUL
      {u"ab", 3, 18},
  };
  for (const Case& c : cases) {
    const Bytes b = EncodeVersionEntry(TextEntry(u"K", c.value));
    EXPECT_EQ(At16(b, 0), c.length);
    EXPECT_EQ(At16(b, 2), c.valueLength);
    EXPECT_EQ(At16(b, 4), 1);
    EXPECT_EQ(b.size(), c.length);
  }
}

TEST(VersionEntry, RefusesAnEntryLongerThanItsLengthField) {
  EXPECT_THROW(EncodeVersionEntry(BinaryEntry(u"K", Bytes(70000, 0))), std::length_error);
}

}  // namespace
}  // namespace resources
