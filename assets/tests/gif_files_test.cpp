// The 22 stored GIF pictures: block layout, colour table, extension bytes,
// the LZW stream decoded to the full pixel count, every entry in use; and a
// second decode by giflib's reader that must agree.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "gif_reader.h"
#include "stored_pictures.h"

namespace assets_test {
namespace {

class GifFile : public testing::TestWithParam<GifCase> {
 protected:
  void SetUp() override {
    bytes_ = ReadFile(PicturePath(GetParam().name));
    ASSERT_FALSE(bytes_.empty()) << "missing " << GetParam().name;
    gif_ = ReadGif(bytes_);
  }
  std::vector<std::uint8_t> bytes_;
  GifImage gif_;
};

TEST_P(GifFile, HeaderScreenAndFixedEntries) {
  EXPECT_EQ(gif_.signature, "GIF89a");
  EXPECT_EQ(gif_.width, GetParam().width);
  EXPECT_EQ(gif_.height, GetParam().height);
  EXPECT_EQ(gif_.screen_flags, 0xF7);
  EXPECT_EQ(gif_.background, 0);
  EXPECT_EQ(gif_.aspect, 0);
  using Entry = std::array<std::uint8_t, 3>;
  EXPECT_EQ(gif_.palette[0], (Entry{0, 0, 0}));
  EXPECT_EQ(gif_.palette[1], (Entry{255, 255, 255}));
  EXPECT_EQ(gif_.palette[255], (Entry{255, 255, 255}));
}

TEST_P(GifFile, HoldsOneControlExtensionOneImageAndTheTrailerLast) {
  ASSERT_EQ(gif_.error, "");
  ASSERT_EQ(gif_.blocks.size(), 3u);
  EXPECT_EQ(gif_.blocks[0].introducer, 0x21);
  EXPECT_EQ(gif_.blocks[0].label, 0xF9);
  EXPECT_EQ(gif_.blocks[0].offset, 13u + 768u);
  const std::uint8_t control[8] = {0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, 0xFF, 0x00};
  ASSERT_GE(bytes_.size(), 13u + 768u + 8u);
  EXPECT_EQ(std::memcmp(bytes_.data() + 13 + 768, control, 8), 0);
  EXPECT_EQ(gif_.blocks[0].length, 8u);
  EXPECT_EQ(gif_.blocks[1].introducer, 0x2C);
  EXPECT_EQ(gif_.blocks[2].introducer, 0x3B);
  EXPECT_EQ(gif_.trailer_offset, bytes_.size() - 1);
}

TEST_P(GifFile, ImageCoversTheScreenInFullSubBlocks) {
  ASSERT_EQ(gif_.error, "");
  EXPECT_EQ(gif_.left, 0);
  EXPECT_EQ(gif_.top, 0);
  EXPECT_EQ(gif_.image_width, gif_.width);
  EXPECT_EQ(gif_.image_height, gif_.height);
  EXPECT_EQ(gif_.image_flags, 0x00);
  EXPECT_EQ(gif_.min_code_size, 8);
  ASSERT_FALSE(gif_.sub_blocks.empty());
  for (std::size_t i = 0; i + 1 < gif_.sub_blocks.size(); ++i)
    ASSERT_EQ(gif_.sub_blocks[i], 255u) << "sub-block " << i;
  EXPECT_LE(gif_.sub_blocks.back(), 255u);
}

TEST_P(GifFile, DecodesToEveryPixelThroughTableRestarts) {
  ASSERT_EQ(gif_.error, "");
  EXPECT_EQ(gif_.indices.size(), static_cast<std::size_t>(gif_.width) * static_cast<std::size_t>(gif_.height));
  EXPECT_TRUE(gif_.opens_with_clear);
  // A stream long enough to fill the table widens its codes to 12 bits and
  // restarts the table before it overflows (a flat picture may never fill it).
  if (gif_.codes > 4096) {
    EXPECT_EQ(gif_.widest_code, 12);
    EXPECT_GE(gif_.clears_after_start, 1);
    EXPECT_GE(gif_.clears_after_start, static_cast<int>(gif_.codes / 3840) - 1);
  }
  EXPECT_LE(gif_.widest_code, 12);
  EXPECT_TRUE(gif_.ended_with_eoi);
  EXPECT_EQ(gif_.codes_after_eoi_bits, 0u) << "data left after the EOI code";
}

TEST_P(GifFile, UsesEveryEntry) {
  ASSERT_EQ(gif_.error, "");
  std::array<std::size_t, 256> use{};
  for (std::uint8_t i : gif_.indices) ++use[i];
  for (std::size_t e = 0; e < 256; ++e) EXPECT_GT(use[e], 0u) << "entry " << e << " unused";
}

// giflib's own reader must see the same table and the same pixels.
TEST_P(GifFile, GiflibReadsTheSamePixels) {
  ASSERT_EQ(gif_.error, "");
  int error = 0;
  GifFileType* lib = DGifOpenFileName(PicturePath(GetParam().name).c_str(), &error);
  ASSERT_NE(lib, nullptr) << GifErrorString(error);
  ASSERT_EQ(DGifSlurp(lib), GIF_OK) << GifErrorString(lib->Error);
  ASSERT_EQ(lib->ImageCount, 1);
  EXPECT_EQ(lib->SWidth, gif_.width);
  EXPECT_EQ(lib->SHeight, gif_.height);
  ASSERT_NE(lib->SColorMap, nullptr);
  EXPECT_EQ(lib->SColorMap->ColorCount, 256);
  for (int i = 0; i < 256; ++i) {
    const GifColorType c = lib->SColorMap->Colors[i];
    const auto& mine = gif_.palette[static_cast<std::size_t>(i)];
    EXPECT_TRUE(c.Red == mine[0] && c.Green == mine[1] && c.Blue == mine[2]) << "entry " << i;
  }
  GraphicsControlBlock gcb;
  ASSERT_EQ(DGifSavedExtensionToGCB(lib, 0, &gcb), GIF_OK);
  EXPECT_EQ(gcb.TransparentColor, 255);
  EXPECT_EQ(gcb.DisposalMode, DISPOSAL_UNSPECIFIED);
  EXPECT_EQ(gcb.DelayTime, 0);
  const SavedImage& image = lib->SavedImages[0];
  const std::size_t n = static_cast<std::size_t>(image.ImageDesc.Width) * static_cast<std::size_t>(image.ImageDesc.Height);
  ASSERT_EQ(n, gif_.indices.size());
  EXPECT_TRUE(std::equal(gif_.indices.begin(), gif_.indices.end(), image.RasterBits));
  DGifCloseFile(lib, &error);
}

INSTANTIATE_TEST_SUITE_P(Stored, GifFile, testing::ValuesIn(AllGifs()),
                         [](const testing::TestParamInfo<GifCase>& param_info) {
                           std::string name = param_info.param.name.substr(0, param_info.param.name.find('.'));
                           return name;
                         });

}  // namespace
}  // namespace assets_test
