// Measured properties of the three decorative drawings: sizes, drawn
// extents, transparency where the window needs it, the colours the GIF
// encoder relies on, and that every run gives the same pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "art/geometry.h"
#include "art/measure.h"
#include "drawings.h"

namespace assets {
namespace {

// Each drawing is made once for the whole suite.
const Raster& Greeting() {
  static const Raster r = DrawGreeting();
  return r;
}
const Raster& Tree() {
  static const Raster r = DrawTree();
  return r;
}
const Raster& Pastry() {
  static const Raster r = DrawPastry();
  return r;
}

struct Picture {
  const char* name;
  const Raster& (*made)();
  Raster (*draw)();
  int width, height;
};

const Picture kPictures[] = {
    {"greeting", Greeting, DrawGreeting, 1600, 1043},
    {"tree", Tree, DrawTree, 1000, 1325},
    {"pastry", Pastry, DrawPastry, 1000, 700},
};

TEST(Pictures, SizeAndDeterminism) {
  for (const Picture& p : kPictures) {
    SCOPED_TRACE(p.name);
    const Raster& r = p.made();
    EXPECT_EQ(r.width, p.width);
    EXPECT_EQ(r.height, p.height);
    ASSERT_EQ(r.rgba.size(), static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height) * 4);
    const Raster again = p.draw();
    EXPECT_TRUE(again.rgba == r.rgba) << "a second drawing differs";
  }
}

struct CutOut {
  const char* name;
  const Raster& (*made)();
  PixelRect extents;
  double transparent_share;
};

const CutOut kCutOuts[] = {
    {"tree", Tree, {26, 44, 984, 1296}, 0.529},
    {"pastry", Pastry, {7, 115, 999, 671}, 0.512},
};

TEST(CutOuts, DrawnExtentsAndTransparentShare) {
  for (const CutOut& c : kCutOuts) {
    SCOPED_TRACE(c.name);
    const Raster& r = c.made();
    const PixelRect e = art::OpaqueExtents(r);
    EXPECT_NEAR(e.x0, c.extents.x0, 2);
    EXPECT_NEAR(e.y0, c.extents.y0, 2);
    EXPECT_NEAR(e.x1, c.extents.x1, 2);
    EXPECT_NEAR(e.y1, c.extents.y1, 2);
    EXPECT_NEAR(art::TransparentShare(r), c.transparent_share, 0.01);
  }
}

// The GIF encoder gives pure black and pure white their own palette
// entries and needs all 256 entries used, so both must occur among the
// opaque pixels, amid a rich range of colours.
TEST(CutOuts, HoldBlackWhiteAndManyColours) {
  for (const CutOut& c : kCutOuts) {
    SCOPED_TRACE(c.name);
    const Raster& r = c.made();
    bool black = false, white = false;
    std::set<std::uint32_t> colours;
    for (int y = 0; y < r.height; ++y)
      for (int x = 0; x < r.width; ++x) {
        if (!r.opaque(x, y)) continue;
        const std::uint8_t* p = r.at(x, y);
        black = black || (p[0] == 0 && p[1] == 0 && p[2] == 0);
        white = white || (p[0] == 255 && p[1] == 255 && p[2] == 255);
        colours.insert(static_cast<std::uint32_t>(p[0]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[2]);
      }
    EXPECT_TRUE(black);
    EXPECT_TRUE(white);
    EXPECT_GT(colours.size(), 5000U);
  }
}

TEST(Pastry, ClearWhereOtherControlsCoverIt) {
  const struct {
    const char* name;
    PixelRect rect;
  } covered[] = {{"tree", art::UnderTree()}, {"heading", art::UnderHeading()}, {"button", art::UnderButton()}};
  for (const auto& c : covered) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(art::OpaqueShare(Pastry(), c.rect), 0.0);
  }
}

TEST(Pastry, CoversTheDisplaySlot) { EXPECT_GE(art::OpaqueShare(Pastry(), art::UnderSlot()), 0.998); }

TEST(Pastry, OneShapeWithACleanEdge) {
  const Raster& r = Pastry();
  EXPECT_EQ(art::EnclosedHoles(r), 0U);
  std::size_t partial = 0;
  for (std::size_t i = 3; i < r.rgba.size(); i += 4) partial += (r.rgba[i] != 0 && r.rgba[i] != 255) ? 1U : 0U;
  EXPECT_EQ(partial, 0U) << "alpha must be 0 or 255";
  // No light fringe: no near-white pixel touches the transparent ground.
  std::size_t pale_edge = 0;
  for (int y = 1; y + 1 < r.height; ++y)
    for (int x = 1; x + 1 < r.width; ++x) {
      if (!r.opaque(x, y)) continue;
      const bool edge = !r.opaque(x - 1, y) || !r.opaque(x + 1, y) || !r.opaque(x, y - 1) || !r.opaque(x, y + 1);
      const std::uint8_t* p = r.at(x, y);
      if (edge && p[0] > 200 && p[1] > 200 && p[2] > 200) ++pale_edge;
    }
  EXPECT_LT(pale_edge, 20U);
}

TEST(Tree, PaleFloorUnderThePresents) {
  const Raster& r = Tree();
  int pale = 0, across = 0;
  for (int x = 100; x < 900; ++x) {
    ++across;
    bool found = false;
    for (int y = 1280; y <= 1290 && !found; ++y) {
      const std::uint8_t* p = r.at(x, y);
      found = r.opaque(x, y) && p[0] > 190 && p[1] > 190 && p[2] > 180;
    }
    pale += found ? 1 : 0;
  }
  EXPECT_GT(pale, across * 9 / 10);
}

// The share of a band's pixels that are opaque and near (r, g, b): the sum
// of their channel differences below 90.
double ShareNear(const Raster& r, PixelRect band, int red, int green, int blue) {
  std::size_t near = 0, all = 0;
  for (int y = band.y0; y <= band.y1; ++y)
    for (int x = band.x0; x <= band.x1; ++x) {
      const std::uint8_t* p = r.at(x, y);
      ++all;
      if (r.opaque(x, y) && std::abs(p[0] - red) + std::abs(p[1] - green) + std::abs(p[2] - blue) < 90) ++near;
    }
  return static_cast<double>(near) / static_cast<double>(all);
}

// The parts of the cut-outs that make them what they are, each found in
// its place: the heap of gold presents with red ribbon across the tree's
// foot, its left and right ends, and the gold pine cone with black gaps
// between its scales below the flower.
TEST(CutOuts, PartsInTheirPlaces) {
  const struct {
    const char* name;
    const Raster& (*made)();
    PixelRect band;
    int r, g, b;
    double min_share;
  } parts[] = {
      {"gold presents across the foot", Tree, {26, 900, 984, 1270}, 194, 170, 106, 0.25},
      {"red ribbon on the presents", Tree, {26, 900, 984, 1270}, 190, 20, 32, 0.03},
      {"presents at the left end", Tree, {26, 1000, 120, 1260}, 194, 170, 106, 0.2},
      {"presents at the right end", Tree, {890, 1000, 984, 1260}, 194, 170, 106, 0.2},
      {"gold pine cone", Pastry, {545, 620, 800, 671}, 166, 127, 46, 0.12},
      {"black gaps in the cone", Pastry, {545, 620, 800, 671}, 0, 0, 0, 0.04},
  };
  for (const auto& p : parts) {
    SCOPED_TRACE(p.name);
    EXPECT_GE(ShareNear(p.made(), p.band, p.r, p.g, p.b), p.min_share);
  }
}

// The median colour of a block of the greeting, channel by channel.
std::vector<int> Median(const Raster& r, PixelRect b) {
  std::vector<int> out;
  for (int c = 0; c < 3; ++c) {
    std::vector<int> v;
    for (int y = b.y0; y <= b.y1; ++y)
      for (int x = b.x0; x <= b.x1; ++x) v.push_back(r.at(x, y)[c]);
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
    out.push_back(v[v.size() / 2]);
  }
  return out;
}

TEST(Greeting, OpaqueBlueGroundLighterDownTheMiddle) {
  const Raster& r = Greeting();
  EXPECT_EQ(art::TransparentShare(r), 0.0);
  for (int y = 0; y < r.height; ++y)
    for (int x = 0; x < r.width; ++x) ASSERT_EQ(r.at(x, y)[3], 255) << x << "," << y;
  const struct {
    const char* name;
    PixelRect block;
    int r, g, b;
  } ground[] = {
      {"left edge", {0, 0, 7, 1042}, 17, 53, 101},
      {"right edge", {1592, 0, 1599, 1042}, 17, 53, 101},
      {"middle, top", {780, 0, 820, 4}, 19, 87, 158},
  };
  for (const auto& g : ground) {
    SCOPED_TRACE(g.name);
    const std::vector<int> m = Median(r, g.block);
    EXPECT_NEAR(m[0], g.r, 8);
    EXPECT_NEAR(m[1], g.g, 8);
    EXPECT_NEAR(m[2], g.b, 8);
  }
}

// The colours that make the picture what it is, each found in its band:
// the brown letters and white sticker across the middle, the four digits
// in the lower half, the green trees in the upper half.
TEST(Greeting, ColoursInTheirPlaces) {
  const Raster& r = Greeting();
  const struct {
    const char* name;
    PixelRect band;
    int r, g, b;
    double min_share;
  } colours[] = {
      {"green trees", {0, 0, 1599, 480}, 70, 165, 90, 0.05},
      {"white snowflakes", {0, 0, 1599, 480}, 250, 252, 255, 0.005},
      {"brown letters", {0, 440, 1599, 620}, 92, 48, 26, 0.04},
      {"white sticker", {0, 440, 1599, 620}, 255, 255, 255, 0.08},
      {"light blue 2", {150, 620, 560, 1042}, 100, 185, 238, 0.12},
      {"magenta 0", {500, 620, 850, 1042}, 216, 38, 142, 0.12},
      {"yellow to orange 1", {820, 620, 1120, 1042}, 250, 175, 30, 0.08},
      {"yellow-green to green 5", {1100, 620, 1450, 1042}, 130, 195, 55, 0.12},
  };
  for (const auto& c : colours) {
    SCOPED_TRACE(c.name);
    std::size_t near = 0, all = 0;
    for (int y = c.band.y0; y <= c.band.y1; ++y)
      for (int x = c.band.x0; x <= c.band.x1; ++x) {
        const std::uint8_t* p = r.at(x, y);
        ++all;
        if (std::abs(p[0] - c.r) + std::abs(p[1] - c.g) + std::abs(p[2] - c.b) < 90) ++near;
      }
    EXPECT_GE(static_cast<double>(near) / static_cast<double>(all), c.min_share);
  }
}

}  // namespace
}  // namespace assets
