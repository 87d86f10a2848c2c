// Pictures as the window shows them: GIFs and JPEGs decoded straight to
// their shown size agree with Qt's own decoder, the GIFs keeping their
// transparency by entry; files that cannot be shown that way fall back to
// it.
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <vector>

#include "scaled_decode.h"
#include "pictures.h"

namespace runtime::qt {
namespace {

int Append(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

// A GIF 89a of one frame (at left, top, of frameW x frameH, in a screen of
// w x h) whose pixel colour indexes come from index(x, y); entries 1 and
// 255 are white, 255 the transparent one; entry i is grey i elsewhere.
template <class Index>
std::vector<std::uint8_t> Gif(int w, int h, Index index, int left = 0, int top = 0, int frameW = 0, int frameH = 0) {
  if (frameW == 0) frameW = w;
  if (frameH == 0) frameH = h;
  std::vector<std::uint8_t> out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, Append, &error);
  EGifSetGifVersion(gif, true);
  GifColorType colours[256];
  for (int i = 0; i < 256; ++i) colours[i] = {static_cast<GifByteType>(i), static_cast<GifByteType>(i), static_cast<GifByteType>(i)};
  colours[1] = {255, 255, 255};
  ColorMapObject* map = GifMakeMapObject(256, colours);
  const GifByteType control[4] = {0x01, 0, 0, 255};
  EGifPutScreenDesc(gif, w, h, 8, 0, map);
  EGifPutExtension(gif, 0xF9, 4, control);
  EGifPutImageDesc(gif, left, top, frameW, frameH, false, nullptr);
  std::vector<GifPixelType> row(static_cast<std::size_t>(frameW));
  for (int y = 0; y < frameH; ++y) {
    for (int x = 0; x < frameW; ++x) row[static_cast<std::size_t>(x)] = static_cast<GifPixelType>(index(x, y));
    EGifPutLine(gif, row.data(), frameW);
  }
  GifFreeMapObject(map);
  EGifCloseFile(gif, &error);
  return out;
}

TEST(Pictures, TransparencyGoesByTheEntryNotTheColour) {
  // Left half entry 1 (white, opaque), right half entry 255 (white, clear).
  const auto file = Gif(200, 100, [](int x, int) { return x < 100 ? 1 : 255; });
  const QImage shown = ScalePicture(file, QSize(50, 20));
  ASSERT_EQ(shown.size(), QSize(50, 20));
  EXPECT_EQ(shown.pixel(5, 10), qRgba(255, 255, 255, 255));
  EXPECT_EQ(qAlpha(shown.pixel(45, 10)), 0);
  // Where the two meet the pixel is half covered, premultiplied.
  const QImage edge = ScalePicture(Gif(4, 1, [](int x, int) { return x % 2 ? 255 : 1; }), QSize(2, 1));
  EXPECT_EQ(edge.pixel(0, 0), qRgba(128, 128, 128, 128));
}

TEST(Pictures, ScaledDecodeAgreesWithQtsDecoder) {
  const auto file = Gif(1000, 700, [](int x, int y) { return 2 + (x + y) * 250 / 1700; });
  const QSize size(377, 361);
  const QImage ours = DecodeGifScaledDown(file, size);
  QImage qt = QImage::fromData(file.data(), static_cast<int>(file.size()))
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied)
                  .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  ASSERT_EQ(ours.size(), size);
  ASSERT_EQ(qt.size(), size);
  long total = 0;
  int worst = 0;
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) {
      const int d = std::abs(qGray(ours.pixel(x, y)) - qGray(qt.pixel(x, y)));
      total += d;
      worst = std::max(worst, d);
      ASSERT_EQ(qAlpha(ours.pixel(x, y)), 255);
    }
  EXPECT_LT(static_cast<double>(total) / (size.width() * size.height()), 2.0);
  EXPECT_LT(worst, 8);
}

TEST(Pictures, AFrameSmallerThanTheScreenIsClearAroundIt) {
  const auto file = Gif(100, 100, [](int, int) { return 1; }, 50, 0, 50, 100);
  const QImage shown = ScalePicture(file, QSize(10, 10));
  EXPECT_EQ(qAlpha(shown.pixel(2, 5)), 0);
  EXPECT_EQ(shown.pixel(7, 5), qRgba(255, 255, 255, 255));
}

// A JPEG written by Qt's own writer, of w x h, from colour(x, y).
template <class Colour>
std::vector<std::uint8_t> Jpeg(int w, int h, Colour colour, QImage::Format format = QImage::Format_RGB32) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, colour(x, y));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.convertToFormat(format).save(&buffer, "JPEG", 95);
  return {bytes.begin(), bytes.end()};
}

// JPEGs shown smaller decode straight to their size, through the DCT's
// own scale-downs: in colour and in grey, they agree with Qt's decoder
// scaled smoothly; shown larger, or cut short, they are left to Qt.
TEST(Pictures, ScaledJpegDecodeAgreesWithQtsDecoder) {
  const auto gradient = [](int x, int y) { return qRgb(x * 255 / 1599, y * 255 / 1042, (x + y) % 256); };
  const struct {
    const char* what;
    std::vector<std::uint8_t> file;
    QSize size;
  } cases[] = {
      {"colour, a half", Jpeg(1600, 1043, gradient), QSize(417, 297)},
      {"colour, an eighth", Jpeg(1600, 1043, gradient), QSize(193, 120)},
      {"grey, no scale-down", Jpeg(300, 200, gradient, QImage::Format_Grayscale8), QSize(250, 150)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(JpegScalesDown(c.file, c.size));
    const QImage ours = DecodeJpegScaledDown(c.file, c.size);
    const QImage qt = QImage::fromData(c.file.data(), static_cast<int>(c.file.size()))
                          .convertToFormat(QImage::Format_RGB32)
                          .scaled(c.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    ASSERT_EQ(ours.size(), c.size);
    long total = 0;
    for (int y = 0; y < c.size.height(); ++y)
      for (int x = 0; x < c.size.width(); ++x) {
        total += std::abs(qGray(ours.pixel(x, y)) - qGray(qt.pixel(x, y)));
        ASSERT_EQ(qAlpha(ours.pixel(x, y)), 255);
      }
    EXPECT_LT(static_cast<double>(total) / (c.size.width() * c.size.height()), 2.0);
  }
  const auto small = Jpeg(40, 20, gradient);
  EXPECT_FALSE(JpegScalesDown(small, QSize(80, 40)));
  EXPECT_EQ(ScalePicture(small, QSize(80, 40)).size(), QSize(80, 40));  // Qt's decoder, scaled up
  std::vector<std::uint8_t> cut = Jpeg(400, 300, gradient);
  cut.resize(100);  // within the header
  EXPECT_FALSE(JpegScalesDown(cut, QSize(100, 75)));
  EXPECT_TRUE(DecodeJpegScaledDown(cut, QSize(100, 75)).isNull());
}

TEST(Pictures, FilesTheScaledDecoderCannotShowFallBackToQt) {
  const auto small = Gif(20, 10, [](int, int) { return 1; });
  EXPECT_TRUE(DecodeGifScaledDown(small, QSize(40, 20)).isNull());  // larger than stored
  const QImage larger = ScalePicture(small, QSize(40, 20));
  EXPECT_EQ(larger.size(), QSize(40, 20));
  EXPECT_EQ(larger.pixel(20, 10), qRgba(255, 255, 255, 255));

  std::vector<std::uint8_t> broken = small;
  broken.resize(20);  // the frame is cut off
  EXPECT_TRUE(DecodeGifScaledDown(broken, QSize(10, 5)).isNull());
  const std::vector<std::uint8_t> junk{'G', 'I', 'F', '8', '9', 'a', 0, 0};
  EXPECT_TRUE(ScalePicture(junk, QSize(10, 5)).isNull());
  EXPECT_TRUE(ScalePicture({}, QSize(10, 5)).isNull());
}

}  // namespace
}  // namespace runtime::qt

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
