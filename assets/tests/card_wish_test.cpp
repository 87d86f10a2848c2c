// Each card's wish, measured on the drawn card against the wish table:
// green letters blended into white, clear of the ornaments, the number of
// lines, the capital height and the text block along the card.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "card_fixture.h"

namespace assets_test {
namespace {

class CardWish : public testing::TestWithParam<WishMeasures> {};

// The wish's ink: green blended into white, nothing else.
TEST_P(CardWish, GreenLettersSmoothedIntoWhite) {
  const Cards& c = All();
  const std::size_t m = static_cast<std::size_t>(GetParam().member);
  std::size_t full = 0;
  for (std::size_t i = 0; i < kPixels; ++i) {
    if (!c.wish[m][i]) continue;
    const Colour p = c.ColourAt(m, i);
    const double a = GreenShare(p);
    Colour blend;
    for (std::size_t k = 0; k < 3; ++k) blend[k] = static_cast<int>(std::lround(255 + (kGreen[k] - 255) * a));
    EXPECT_LE(Farthest(p, blend), 3) << "pixel " << i << " is not white and green";
    if (p == kGreen) ++full;
    // Ink never lands on an ornament or the shaded edges: the common card is
    // plain white all round it.
    const int x = static_cast<int>(i % kSize), y = static_cast<int>(i / kSize);
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        ASSERT_EQ(c.common[static_cast<std::size_t>((y + dy) * kSize + x + dx)], kWhite)
            << "wish pixel " << x << ", " << y << " touches an ornament";
  }
  EXPECT_GT(full, 20u) << "letters in full green";
  // The stored file keeps the green.
  std::size_t stored_green = 0;
  for (std::size_t i = 0; i < kPixels; ++i)
    if (c.wish[m][i] && Farthest(c.StoredAt(m, i), kGreen) <= 6) ++stored_green;
  EXPECT_GT(stored_green, 20u);
}

// Lines, capital height and text block, measured along the card.
TEST_P(CardWish, LinesCapitalAndBlockAsTabled) {
  const Cards& c = All();
  const CardFrame& f = c.frame;
  const WishMeasures& w = GetParam();
  const std::size_t m = static_cast<std::size_t>(w.member);
  struct Ink {
    double u, v;
  };
  std::vector<Ink> ink;
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const std::size_t i = static_cast<std::size_t>(y * kSize + x);
      if (c.wish[m][i] && GreenShare(c.ColourAt(m, i)) >= 0.5) ink.push_back({f.U(x, y), f.V(x, y)});
    }
  ASSERT_FALSE(ink.empty());
  double top = 1e9, bottom = -1e9, lo_u = 1e9, hi_u = -1e9;
  for (const Ink& p : ink) {
    top = std::min(top, p.v);
    bottom = std::max(bottom, p.v);
    lo_u = std::min(lo_u, p.u);
    hi_u = std::max(hi_u, p.u);
  }
  EXPECT_NEAR(top, w.block_top, 2.5);
  EXPECT_NEAR(bottom, w.block_bottom, 2.5);
  EXPECT_NEAR((lo_u + hi_u) / 2, 0, 2.5) << "centred across the card";

  // Lines: bands of ink along v separated by empty rows.
  std::set<int> rows;
  for (const Ink& p : ink) rows.insert(static_cast<int>(std::floor(p.v)));
  int bands = 0, last = -1000;
  for (int r : rows) {
    if (r > last + 1) ++bands;
    last = r;
  }
  EXPECT_EQ(bands, w.lines);

  // The first capital: the ink of the first line's leftmost part.
  double first_lo = 1e9;
  for (const Ink& p : ink)
    if (p.v < top + w.cap_height + 1) first_lo = std::min(first_lo, p.u);
  double cap_top = 1e9, cap_bottom = -1e9;
  for (const Ink& p : ink)
    if (p.v < top + w.cap_height + 1 && p.u < first_lo + 0.4 * w.cap_height) {
      cap_top = std::min(cap_top, p.v);
      cap_bottom = std::max(cap_bottom, p.v);
    }
  EXPECT_NEAR(cap_bottom - cap_top + 1, w.cap_height, 1.5);
}

INSTANTIATE_TEST_SUITE_P(Table, CardWish, testing::ValuesIn(kWishMeasures),
                         [](const testing::TestParamInfo<WishMeasures>& param_info) {
                           return "card" + std::to_string(param_info.param.member);
                         });

}  // namespace
}  // namespace assets_test
