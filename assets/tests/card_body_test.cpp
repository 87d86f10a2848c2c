// Measured properties of the twenty cards that do not depend on the wish:
// the common outline, the paper and its edges, the holly, and the stored
// files' black and white entries.
#include <gtest/gtest.h>

#include <map>

#include "card_fixture.h"

namespace assets_test {
namespace {

TEST(CardOutline, SameTransparentPixelsOnEveryStoredCard) {
  const Cards& c = All();
  ASSERT_EQ(c.stored[0].error, "");
  std::vector<bool> mask(kPixels);
  int transparent = 0;
  for (std::size_t i = 0; i < kPixels; ++i) {
    mask[i] = c.stored[0].indices[i] == 255;
    transparent += mask[i];
    const int x = static_cast<int>(i) % kSize, y = static_cast<int>(i) / kSize;
    ASSERT_EQ(mask[i], OutsideCard(x, y)) << x << "," << y;
  }
  EXPECT_EQ(transparent, kExpectedTransparent);
  for (std::size_t m = 1; m < 20; ++m) {
    ASSERT_EQ(c.stored[m].error, "") << CardName(static_cast<int>(m));
    std::size_t differ = 0;
    for (std::size_t i = 0; i < kPixels; ++i) differ += mask[i] != (c.stored[m].indices[i] == 255);
    EXPECT_EQ(differ, 0u) << CardName(static_cast<int>(m));
  }
  // Only what lies outside the drawn card is coded transparent.
  for (std::size_t i = 0; i < kPixels; ++i) ASSERT_EQ(mask[i], !c.Opaque(0, i)) << "pixel " << i;
}

TEST(CardOutline, OneSolidShapeWithCornersAtTheGivenPoints) {
  const Cards& c = All();
  // Every row and every column crosses the card in one unbroken run: no hole,
  // no stray pixel.
  for (int line = 0; line < kSize; ++line) {
    for (bool rows : {true, false}) {
      int runs = 0;
      bool in = false;
      for (int k = 0; k < kSize; ++k) {
        const int x = rows ? k : line, y = rows ? line : k;
        const bool o = c.Opaque(0, static_cast<std::size_t>(y * kSize + x));
        if (o && !in) ++runs;
        in = o;
      }
      EXPECT_LE(runs, 1) << (rows ? "row " : "column ") << line;
    }
  }
  // Each corner is the card pixel farthest out from the centre towards it.
  const CardFrame& f = c.frame;
  for (std::size_t k = 0; k < 4; ++k) {
    const double dx = kCorners[k].x - f.cx, dy = kCorners[k].y - f.cy;
    double best = -1e9;
    Pt found{0, 0};
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) {
        if (!c.Opaque(0, static_cast<std::size_t>(y * kSize + x))) continue;
        const double reach = (x + 0.5 - f.cx) * dx + (y + 0.5 - f.cy) * dy;
        if (reach > best) {
          best = reach;
          found = {double(x), double(y)};
        }
      }
    EXPECT_LT(std::hypot(found.x - kCorners[k].x, found.y - kCorners[k].y), 2.0)
        << "corner " << k << " found at " << found.x << ", " << found.y;
  }
}

TEST(CardBody, EdgesShadedOnTopAndLeftOnlyWithDarkRightCorners) {
  const Cards& c = All();
  const CardFrame& f = c.frame;
  const double hw = 80.9, hh = 75.4;
  // Grey values of the paper (neutral pixels only: ornaments are coloured).
  std::vector<int> top_edge, left_edge, bottom_edge, right_upper, right_lower, inner;
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const std::size_t i = static_cast<std::size_t>(y * kSize + x);
      if (!c.Opaque(0, i)) continue;
      const Colour& p = c.common[i];
      if (p[0] != p[1] || p[1] != p[2]) continue;
      const double u = f.U(x, y), v = f.V(x, y);
      const double from_top = v + hh, from_left = u + hw, from_right = hw - u, from_bottom = hh - v;
      if (from_top < 1.2 && std::abs(u) < 60) top_edge.push_back(p[0]);
      if (from_left < 1.2 && std::abs(v) < 55) left_edge.push_back(p[0]);
      if (from_bottom < 1.2 && std::abs(u) < 60) bottom_edge.push_back(p[0]);
      const bool rightmost = x + 1 < kSize && !c.Opaque(0, i + 1);
      if (rightmost && v > -hh + 8 && v < -hh + 40) right_upper.push_back(p[0]);
      if (rightmost && v > 5 && v < hh - 8) right_lower.push_back(p[0]);
      if (from_top > 7 && from_left > 7 && from_right > 7 && from_bottom > 7) inner.push_back(p[0]);
    }
  auto mean = [](const std::vector<int>& v) {
    double s = 0;
    for (int g : v) s += g;
    return v.empty() ? -1.0 : s / static_cast<double>(v.size());
  };
  ASSERT_FALSE(top_edge.empty());
  ASSERT_FALSE(left_edge.empty());
  EXPECT_GE(mean(top_edge), 150);
  EXPECT_LE(mean(top_edge), 210);
  EXPECT_GE(mean(left_edge), 150);
  EXPECT_LE(mean(left_edge), 210);
  EXPECT_GT(mean(bottom_edge), 250) << "no shade along the bottom";
  EXPECT_LT(mean(right_upper), 235) << "a grey line down the upper right edge";
  EXPECT_GT(mean(right_lower), 250) << "faded to white by the middle";
  EXPECT_GT(mean(inner), 254.5) << "white inside the shade";
  // The darkest card pixels are one or two at each right corner.
  for (std::size_t corner : {std::size_t{1}, std::size_t{2}}) {
    int near_black = 0;
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) {
        const std::size_t i = static_cast<std::size_t>(y * kSize + x);
        if (!c.Opaque(0, i) || std::hypot(x - kCorners[corner].x, y - kCorners[corner].y) > 4) continue;
        if (Farthest(c.common[i], {0, 0, 0}) < 40) ++near_black;
      }
    EXPECT_GE(near_black, 1) << "corner " << corner;
    EXPECT_LE(near_black, 2) << "corner " << corner;
  }
}

// The stored cards code their exactly black pixels with entry 0: those are
// the corner pixels, not a planted dot elsewhere.
TEST(CardBody, BlackEntryOnlyAtTheRightCornersAndWhiteBodyOnEntryOne) {
  const Cards& c = All();
  for (std::size_t m = 0; m < 20; ++m) {
    const GifImage& g = c.stored[m];
    ASSERT_EQ(g.error, "");
    std::size_t black_top = 0, black_bottom = 0, white = 0, opaque = 0;
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) {
        const std::uint8_t e = g.indices[static_cast<std::size_t>(y * kSize + x)];
        if (e != 255) ++opaque;
        if (e == 1) ++white;
        if (e != 0) continue;
        if (std::hypot(x - kCorners[1].x, y - kCorners[1].y) < 4) ++black_top;
        else if (std::hypot(x - kCorners[2].x, y - kCorners[2].y) < 4) ++black_bottom;
        else ADD_FAILURE() << CardName(int(m)) << ": entry 0 at " << x << ", " << y;
      }
    EXPECT_GE(black_top, 1u) << CardName(int(m));
    EXPECT_GE(black_bottom, 1u) << CardName(int(m));
    EXPECT_GT(white * 2, opaque) << CardName(int(m)) << ": the white body is on entry 1";
  }
}

TEST(CardBody, SamePixelsOutsideTheWishOnEveryCard) {
  const Cards& c = All();
  const CardFrame& f = c.frame;
  for (std::size_t i = 0; i < kPixels; ++i)
    ASSERT_TRUE(c.paper_under_variation[i]) << "pixel " << i << " differs between cards but is white on none";
  for (std::size_t m = 0; m < 20; ++m) {
    const WishMeasures& w = kWishMeasures[m];
    std::size_t changed = 0;
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) {
        const std::size_t i = static_cast<std::size_t>(y * kSize + x);
        if (!c.wish[m][i]) continue;
        ++changed;
        const double u = f.U(x, y), v = f.V(x, y);
        EXPECT_TRUE(std::abs(u) < 64 && v > w.block_top - 4 && v < w.block_bottom + 4)
            << CardName(int(m)) << ": pixel " << x << ", " << y << " changed outside the wish";
      }
    EXPECT_GT(changed, 100u) << CardName(int(m));
  }
  // In the stored files, the common pixels differ only by the colour tables.
  for (std::size_t m = 0; m < 20; ++m) {
    int worst = 0;
    for (std::size_t i = 0; i < kPixels; ++i)
      if (c.Opaque(m, i) && !c.wish[m][i]) worst = std::max(worst, Farthest(c.StoredAt(m, i), c.common[i]));
    EXPECT_LE(worst, 24) << CardName(int(m));
  }
}

// Holly: red berries in clusters, one for each of the 24 small sprigs and
// one for each large sprig; leaves in shaded mid greens.
TEST(CardHolly, TwentyFourSmallSprigsAndTwoLargeOnes) {
  const Cards& c = All();
  const CardFrame& f = c.frame;
  auto berry = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= kSize || y >= kSize) return false;
    const Colour& p = c.common[static_cast<std::size_t>(y * kSize + x)];
    return p[0] >= 150 && p[1] <= 60 && p[2] <= 40;
  };
  // Red blobs, then blobs closer than a berry's reach gathered into clusters.
  struct Blob {
    double u, v;
    int pixels;
  };
  std::vector<Blob> blobs;
  std::vector<bool> seen(kPixels, false);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      if (!berry(x, y) || seen[static_cast<std::size_t>(y * kSize + x)]) continue;
      std::vector<std::pair<int, int>> stack = {{x, y}};
      seen[static_cast<std::size_t>(y * kSize + x)] = true;
      Blob b{0, 0, 0};
      while (!stack.empty()) {
        auto [px, py] = stack.back();
        stack.pop_back();
        b.u += f.U(px, py);
        b.v += f.V(px, py);
        ++b.pixels;
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
          if (berry(px + dx, py + dy) && !seen[static_cast<std::size_t>((py + dy) * kSize + px + dx)]) {
            seen[static_cast<std::size_t>((py + dy) * kSize + px + dx)] = true;
            stack.push_back({px + dx, py + dy});
          }
      }
      blobs.push_back({b.u / b.pixels, b.v / b.pixels, b.pixels});
    }
  std::vector<int> cluster(blobs.size());
  for (std::size_t i = 0; i < blobs.size(); ++i) cluster[i] = static_cast<int>(i);
  for (bool merged = true; merged;) {
    merged = false;
    for (std::size_t i = 0; i < blobs.size(); ++i)
      for (std::size_t j = 0; j < blobs.size(); ++j)
        if (cluster[i] != cluster[j] && std::hypot(blobs[i].u - blobs[j].u, blobs[i].v - blobs[j].v) < 8.5) {
          cluster[i] = cluster[j] = std::min(cluster[i], cluster[j]);
          merged = true;
        }
  }
  std::map<int, Blob> clusters;
  for (std::size_t i = 0; i < blobs.size(); ++i) {
    Blob& b = clusters[cluster[i]];
    b.u += blobs[i].u * blobs[i].pixels;
    b.v += blobs[i].v * blobs[i].pixels;
    b.pixels += blobs[i].pixels;
  }
  int top = 0, right = 0, bottom = 0, left = 0, large = 0, other = 0;
  for (const auto& [id, b] : clusters) {
    const double u = b.u / b.pixels, v = b.v / b.pixels;
    if (b.pixels > 60) ++large;
    else if (v < -55) ++top;
    else if (v > 55) ++bottom;
    else if (u > 60) ++right;
    else if (u < -60) ++left;
    else ++other;
  }
  EXPECT_EQ(top, 7);
  EXPECT_EQ(right, 5);
  EXPECT_EQ(bottom, 7);
  EXPECT_EQ(left, 5);
  EXPECT_EQ(large, 2);
  EXPECT_EQ(other, 0);

  std::size_t leaf = 0, berry_red = 0;
  for (const Colour& p : c.common) {
    if (p[0] >= 70 && p[0] <= 115 && p[1] >= 128 && p[1] <= 178 && p[2] >= 52 && p[2] <= 82) ++leaf;
    if (p[0] >= 160 && p[0] <= 210 && p[1] >= 12 && p[1] <= 47 && p[2] >= 4 && p[2] <= 23) ++berry_red;
  }
  EXPECT_GT(leaf, 1000u);
  EXPECT_GT(berry_red, 300u);
}

}  // namespace
}  // namespace assets_test
