// The stored tree and pastry dish, decoded from their files and measured as
// the window shows them: transparent share, drawn extent, and the pastry's
// opacity under the display slot and transparency under the controls that
// overlap its frame.
#include <gtest/gtest.h>

#include <algorithm>

#include "gif_reader.h"
#include "stored_pictures.h"

#include "drawings.h"

namespace assets_test {
namespace {

struct ArtCase {
  const char* file;
  double transparent_share;   // of all pixels
  int left, right, top, bottom;  // the drawn part, inclusive
  friend void PrintTo(const ArtCase& c, std::ostream* os) { *os << c.file; }
};

class ArtPicture : public testing::TestWithParam<ArtCase> {};

TEST_P(ArtPicture, TransparentShareAndDrawnExtent) {
  const ArtCase& c = GetParam();
  const GifImage g = ReadGif(ReadFile(PicturePath(c.file)));
  ASSERT_EQ(g.error, "");
  std::size_t transparent = 0;
  int left = g.width, right = -1, top = g.height, bottom = -1;
  for (int y = 0; y < g.height; ++y)
    for (int x = 0; x < g.width; ++x) {
      if (g.indices[static_cast<std::size_t>(y * g.width + x)] == 255) {
        ++transparent;
        continue;
      }
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  EXPECT_NEAR(static_cast<double>(transparent) / static_cast<double>(g.indices.size()), c.transparent_share, 0.03);
  EXPECT_NEAR(left, c.left, 4);
  EXPECT_NEAR(right, c.right, 4);
  EXPECT_NEAR(top, c.top, 4);
  EXPECT_NEAR(bottom, c.bottom, 4);
}

INSTANTIATE_TEST_SUITE_P(Stored, ArtPicture,
                         testing::Values(ArtCase{"tree.gif", 0.529, 26, 984, 44, 1296},
                                         ArtCase{"pastry.gif", 0.512, 7, 999, 115, 671}),
                         [](const testing::TestParamInfo<ArtCase>& param_info) {
                           return std::string(param_info.param.file).substr(0, std::string(param_info.param.file).find('.'));
                         });

// Entries 0 and 1 stand for the drawing's own black and white pixels: the
// quantiser had no need to force a near colour onto them.
TEST(ArtEntries, BlackAndWhiteEntriesHoldOnlyTheDrawingsOwnBlackAndWhite) {
  struct Drawn {
    const char* file;
    assets::Raster raster;
  };
  const Drawn pictures[] = {{"tree.gif", assets::DrawTree()}, {"pastry.gif", assets::DrawPastry()}};
  for (const Drawn& d : pictures) {
    const GifImage g = ReadGif(ReadFile(PicturePath(d.file)));
    ASSERT_EQ(g.error, "") << d.file;
    ASSERT_EQ(g.indices.size() * 4, d.raster.rgba.size()) << d.file;
    for (std::size_t i = 0; i < g.indices.size(); ++i) {
      const std::uint8_t* p = d.raster.rgba.data() + i * 4;
      if (g.indices[i] == 0) {
        ASSERT_TRUE(p[0] == 0 && p[1] == 0 && p[2] == 0 && p[3] >= 128) << d.file << " pixel " << i;
      } else if (g.indices[i] == 1) {
        ASSERT_TRUE(p[0] == 255 && p[1] == 255 && p[2] == 255 && p[3] >= 128) << d.file << " pixel " << i;
      }
    }
  }
}

// A region of the window in twips, laid over the pastry dish's frame.
struct Region {
  const char* name;
  int left, top, right, bottom;
  bool opaque;        // the pastry must be drawn (true) or see-through (false) there
  double min_share;   // of the region's pixels that must be so
  friend void PrintTo(const Region& r, std::ostream* os) { *os << r.name; }
};

class PastryUnder : public testing::TestWithParam<Region> {};

// Image1's frame is 600..6255 x 480..5895 twips and shows the 1000 x 700
// picture stretched into it; a pixel counts when its centre, mapped onto the
// window, lies at least a pixel's width inside the region.
TEST_P(PastryUnder, RegionIsDrawnOrClearAsTheWindowNeedsIt) {
  const Region& r = GetParam();
  const GifImage g = ReadGif(ReadFile(PicturePath("pastry.gif")));
  ASSERT_EQ(g.error, "");
  const double sx = 5655.0 / g.width, sy = 5415.0 / g.height;
  std::size_t inside = 0, matching = 0;
  for (int y = 0; y < g.height; ++y)
    for (int x = 0; x < g.width; ++x) {
      const double tx = 600 + (x + 0.5) * sx, ty = 480 + (y + 0.5) * sy;
      if (tx < r.left + sx || tx > r.right - sx || ty < r.top + sy || ty > r.bottom - sy) continue;
      ++inside;
      const bool opaque = g.indices[static_cast<std::size_t>(y * g.width + x)] != 255;
      matching += opaque == r.opaque;
    }
  ASSERT_GT(inside, 0u);
  EXPECT_GE(static_cast<double>(matching) / static_cast<double>(inside), r.min_share) << r.name;
}

INSTANTIATE_TEST_SUITE_P(
    Window, PastryUnder,
    testing::Values(Region{"display_slot", 1200, 1800, 4095, 4455, true, 0.995},
                    Region{"tree_frame", 5160, 480, 6255, 2415, false, 1.0},
                    Region{"heading_frame", 600, 480, 5535, 1215, false, 1.0},
                    Region{"button_frame", 600, 5280, 3615, 5775, false, 1.0}),
    [](const testing::TestParamInfo<Region>& param_info) { return std::string(param_info.param.name); });

}  // namespace
}  // namespace assets_test
