// The encoders on small fixtures: the quantiser's fixed entries, its use of
// every entry and its failures; GIF and JPEG round trips through the tests'
// own readers; the DQT merge; and the generator's same bytes on every run.
#include <gtest/gtest.h>

#include <jpeglib.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

#include "gif_reader.h"
#include "gif_writer.h"
#include "jpeg_reader.h"
#include "jpeg_writer.h"
#include "quantise.h"
#include "stored_pictures.h"

namespace assets_test {
namespace {

using assets::Raster;

void Set(Raster& r, int x, int y, int red, int green, int blue, int alpha = 255) {
  std::uint8_t* p = r.at(x, y);
  p[0] = static_cast<std::uint8_t>(red);
  p[1] = static_cast<std::uint8_t>(green);
  p[2] = static_cast<std::uint8_t>(blue);
  p[3] = static_cast<std::uint8_t>(alpha);
}

// Fixtures: a transparent border around a body of some kind.
Raster Framed(int w, int h, const std::function<void(Raster&, int, int)>& body) {
  Raster r(w, h);
  for (int y = 2; y < h - 2; ++y)
    for (int x = 2; x < w - 2; ++x) body(r, x, y);
  return r;
}

struct QuantiseCase {
  const char* name;
  std::function<Raster()> make;
  int dither;
  friend void PrintTo(const QuantiseCase& c, std::ostream* os) { *os << c.name; }
};

Raster FlatColour() {  // like a stand-in drawing: one colour, no black, no white
  return Framed(120, 90, [](Raster& r, int x, int y) { Set(r, x, y, 30, 110, 40); });
}
Raster TwoColoursWithBlackAndWhite() {
  return Framed(64, 64, [](Raster& r, int x, int y) {
    if (x == 10 && y == 10) Set(r, x, y, 0, 0, 0);
    else if (y < 20) Set(r, x, y, 255, 255, 255);
    else Set(r, x, y, x < 32 ? 200 : 20, 50, 60);
  });
}
Raster Gradient() {
  return Framed(256, 128, [](Raster& r, int x, int y) { Set(r, x, y, x, y * 2, (x + y) / 2); });
}
Raster Noise() {
  std::mt19937 gen(7);
  return Framed(160, 160, [&gen](Raster& r, int x, int y) {
    Set(r, x, y, static_cast<int>(gen() % 256), static_cast<int>(gen() % 256), static_cast<int>(gen() % 256));
  });
}
Raster BarelyEnoughPixels() {  // exactly 255 opaque pixels, all alike
  Raster r(16, 16);
  for (int i = 0; i < 255; ++i) Set(r, i % 16, i / 16, 90, 90, 200);
  return r;
}

class QuantiseFixture : public testing::TestWithParam<QuantiseCase> {};

TEST_P(QuantiseFixture, UsesEveryEntryAndKeepsTheFixedOnes) {
  const Raster raster = GetParam().make();
  auto result = assets::Quantise(raster, {GetParam().dither});
  ASSERT_TRUE(std::holds_alternative<assets::IndexedPicture>(result));
  const auto& q = std::get<assets::IndexedPicture>(result);
  EXPECT_EQ(q.palette[0], (assets::Rgb{0, 0, 0}));
  EXPECT_EQ(q.palette[1], (assets::Rgb{255, 255, 255}));
  EXPECT_EQ(q.palette[255], (assets::Rgb{255, 255, 255}));
  std::array<int, 256> use{};
  for (std::size_t i = 0; i < q.indices.size(); ++i) {
    ++use[q.indices[i]];
    const bool transparent = raster.rgba[i * 4 + 3] < 128;
    EXPECT_EQ(q.indices[i] == 255, transparent) << "pixel " << i;
  }
  for (int e = 0; e < 256; ++e) EXPECT_GT(use[static_cast<std::size_t>(e)], 0) << "entry " << e;
  // Same input, same output.
  auto again = assets::Quantise(raster, {GetParam().dither});
  ASSERT_TRUE(std::holds_alternative<assets::IndexedPicture>(again));
  EXPECT_EQ(std::get<assets::IndexedPicture>(again).indices, q.indices);
}

INSTANTIATE_TEST_SUITE_P(Pictures, QuantiseFixture,
                         testing::Values(QuantiseCase{"flat", FlatColour, 0}, QuantiseCase{"flat_dithered", FlatColour, 8},
                                         QuantiseCase{"two", TwoColoursWithBlackAndWhite, 0},
                                         QuantiseCase{"gradient", Gradient, 0},
                                         QuantiseCase{"gradient_dithered", Gradient, 8},
                                         QuantiseCase{"noise", Noise, 0}, QuantiseCase{"noise_dithered", Noise, 16},
                                         QuantiseCase{"barely", BarelyEnoughPixels, 0}),
                         [](const testing::TestParamInfo<QuantiseCase>& param_info) { return std::string(param_info.param.name); });

TEST(Quantise, ExactBlackAndWhiteTakeTheirEntriesAndAlphaDecidesTransparency) {
  Raster r = Gradient();
  Set(r, 5, 5, 0, 0, 0);
  Set(r, 6, 5, 255, 255, 255);
  Set(r, 7, 5, 254, 255, 255);       // near white: an ordinary colour
  Set(r, 8, 5, 255, 255, 255, 127);  // white but transparent
  Set(r, 9, 5, 255, 255, 255, 128);  // white and opaque
  Set(r, 10, 5, 0, 0, 0, 0);         // black but transparent
  Set(r, 11, 5, 1, 0, 0);            // near black: an ordinary colour
  auto result = assets::Quantise(r);
  ASSERT_TRUE(std::holds_alternative<assets::IndexedPicture>(result));
  const auto& q = std::get<assets::IndexedPicture>(result);
  auto at = [&](int x, int y) { return q.indices[static_cast<std::size_t>(y * r.width + x)]; };
  EXPECT_EQ(at(5, 5), 0);
  EXPECT_EQ(at(6, 5), 1);
  EXPECT_NE(at(7, 5), 1);
  EXPECT_NE(at(7, 5), 255);
  EXPECT_EQ(at(8, 5), 255);
  EXPECT_EQ(at(9, 5), 1);
  EXPECT_EQ(at(10, 5), 255);
  EXPECT_NE(at(11, 5), 0);
}

TEST(Quantise, WithoutBlackOrWhiteTheDarkestAndLightestPixelsTakeEntriesZeroAndOne) {
  Raster r = Framed(40, 40, [](Raster& ras, int x, int y) { Set(ras, x, y, 100 + x, 100 + y, 120); });
  auto result = assets::Quantise(r);
  ASSERT_TRUE(std::holds_alternative<assets::IndexedPicture>(result));
  const auto& q = std::get<assets::IndexedPicture>(result);
  auto at = [&](int x, int y) { return q.indices[static_cast<std::size_t>(y * r.width + x)]; };
  EXPECT_EQ(at(2, 2), 0);    // the darkest, nearest black
  EXPECT_EQ(at(37, 37), 1);  // the lightest, nearest white
}

TEST(Quantise, KeepsColoursCloseOnAGradient) {
  Raster r = Gradient();
  Set(r, 2, 2, 0, 0, 0);  // with black and white of its own, no pixel is forced to them
  Set(r, 253, 125, 255, 255, 255);
  auto result = assets::Quantise(r);
  ASSERT_TRUE(std::holds_alternative<assets::IndexedPicture>(result));
  const auto& q = std::get<assets::IndexedPicture>(result);
  double total = 0;
  int worst = 0, n = 0;
  for (std::size_t i = 0; i < q.indices.size(); ++i) {
    if (r.rgba[i * 4 + 3] < 128) continue;
    const assets::Rgb c = q.palette[q.indices[i]];
    const int d[3] = {std::abs(c.r - r.rgba[i * 4]), std::abs(c.g - r.rgba[i * 4 + 1]), std::abs(c.b - r.rgba[i * 4 + 2])};
    worst = std::max({worst, d[0], d[1], d[2]});
    total += d[0] + d[1] + d[2];
    n += 3;
  }
  EXPECT_LT(total / n, 4.0);
  EXPECT_LE(worst, 16);
}

struct FailureCase {
  const char* name;
  std::function<Raster()> make;
  friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class QuantiseRefuses : public testing::TestWithParam<FailureCase> {};

TEST_P(QuantiseRefuses, WhatCannotUseEveryEntry) {
  EXPECT_TRUE(std::holds_alternative<assets::QuantiseError>(assets::Quantise(GetParam().make())));
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, QuantiseRefuses,
    testing::Values(FailureCase{"empty", [] { return Raster(); }},
                    FailureCase{"no_transparent_pixel",
                                [] {
                                  Raster r(20, 20);
                                  for (int y = 0; y < 20; ++y)
                                    for (int x = 0; x < 20; ++x) Set(r, x, y, x * 10, y * 10, 0);
                                  return r;
                                }},
                    FailureCase{"too_few_opaque_pixels",
                                [] {
                                  Raster r(16, 16);
                                  for (int i = 0; i < 254; ++i) Set(r, i % 16, i / 16, i, 0, 0);
                                  return r;
                                }},
                    FailureCase{"size_does_not_match",
                                [] {
                                  Raster r(10, 10);
                                  r.rgba.resize(17);
                                  return r;
                                }}),
    [](const testing::TestParamInfo<FailureCase>& param_info) { return std::string(param_info.param.name); });

std::vector<std::uint8_t> Gif(const assets::IndexedPicture& q) {
  auto file = assets::WriteGif(q);
  if (auto* e = std::get_if<assets::GifError>(&file)) {
    ADD_FAILURE() << e->message;
    return {};
  }
  return std::get<std::vector<std::uint8_t>>(file);
}

TEST(GifWriter, RoundTripThroughTableRestarts) {
  assets::IndexedPicture q;
  q.width = 300;
  q.height = 200;
  std::mt19937 gen(3);
  for (std::size_t i = 0; i < 256; ++i)
    q.palette[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i / 2)};
  for (int i = 0; i < q.width * q.height; ++i) q.indices.push_back(static_cast<std::uint8_t>(gen() % 256));
  const GifImage g = ReadGif(Gif(q));
  ASSERT_EQ(g.error, "");
  EXPECT_EQ(g.signature, "GIF89a");
  EXPECT_EQ(g.indices, q.indices);
  EXPECT_GE(g.clears_after_start, 5);
  for (std::size_t i = 0; i < 256; ++i)
    EXPECT_EQ(g.palette[i], (std::array<std::uint8_t, 3>{q.palette[i].r, q.palette[i].g, q.palette[i].b}));
}

TEST(GifWriter, OnePixelPictureStillUsesCodeSizeEight) {
  assets::IndexedPicture q;
  q.width = 1;
  q.height = 1;
  q.indices = {200};
  const GifImage g = ReadGif(Gif(q));
  ASSERT_EQ(g.error, "");
  EXPECT_EQ(g.min_code_size, 8);
  EXPECT_EQ(g.indices, q.indices);
}

TEST(GifWriter, RefusesPixelsThatDoNotMatchTheSize) {
  assets::IndexedPicture q;
  q.width = 4;
  q.height = 4;
  q.indices.assign(15, 0);
  EXPECT_TRUE(std::holds_alternative<assets::GifError>(assets::WriteGif(q)));
  q.width = 0;
  q.indices.clear();
  EXPECT_TRUE(std::holds_alternative<assets::GifError>(assets::WriteGif(q)));
}

std::vector<std::uint8_t> Segment(std::uint8_t marker, std::vector<std::uint8_t> payload) {
  const std::size_t length = payload.size() + 2;
  payload.insert(payload.begin(), {0xFF, marker, static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length)});
  return payload;
}

TEST(JpegWriter, MergesConsecutiveQuantisationSegmentsAndKeepsTheRest) {
  std::vector<std::uint8_t> in = {0xFF, 0xD8};
  for (const auto& s : {Segment(0xE0, {1, 2, 3}), Segment(0xDB, {0, 9, 9}), Segment(0xDB, {1, 7}),
                        Segment(0xC0, {8, 0}), Segment(0xDA, {5})})
    in.insert(in.end(), s.begin(), s.end());
  in.insert(in.end(), {0x12, 0xFF, 0x00, 0xFF, 0xDB, 0xFF, 0xD9});  // scan bytes, even one that looks like DQT
  auto merged = assets::MergeQuantTables(in);
  ASSERT_TRUE(std::holds_alternative<std::vector<std::uint8_t>>(merged));
  std::vector<std::uint8_t> expected = {0xFF, 0xD8};
  for (const auto& s : {Segment(0xE0, {1, 2, 3}), Segment(0xDB, {0, 9, 9, 1, 7}), Segment(0xC0, {8, 0}),
                        Segment(0xDA, {5})})
    expected.insert(expected.end(), s.begin(), s.end());
  expected.insert(expected.end(), {0x12, 0xFF, 0x00, 0xFF, 0xDB, 0xFF, 0xD9});
  EXPECT_EQ(std::get<std::vector<std::uint8_t>>(merged), expected);
}

TEST(JpegWriter, MergeRefusesAMalformedHeader) {
  const std::vector<std::vector<std::uint8_t>> bad = {
      {},
      {0xFF, 0xD9, 0xFF, 0xDA},                    // no SOI
      {0xFF, 0xD8, 0xFF, 0xDB, 0x00, 0x40, 1, 2},  // length runs past the end
      {0xFF, 0xD8, 0xFF, 0xDB, 0x00, 0x01},        // length below its own size
      {0xFF, 0xD8, 0x00, 0xDB, 0x00, 0x02},        // no marker
      {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x02},        // ends before SOS
  };
  for (std::size_t i = 0; i < bad.size(); ++i)
    EXPECT_TRUE(std::holds_alternative<assets::JpegError>(assets::MergeQuantTables(bad[i]))) << "case " << i;
}

TEST(JpegWriter, SmallPictureDecodesCloseToItsPixels) {
  Raster r(37, 21);  // neither side a multiple of the blocks
  for (int y = 0; y < r.height; ++y)
    for (int x = 0; x < r.width; ++x) Set(r, x, y, x * 6, y * 12, 128);
  auto file = assets::WriteJpeg(r, {});
  ASSERT_TRUE(std::holds_alternative<std::vector<std::uint8_t>>(file));
  const auto& bytes = std::get<std::vector<std::uint8_t>>(file);
  const JpegFile parsed = ReadJpeg(bytes);
  ASSERT_EQ(parsed.error, "");
  int dqt = 0, app1 = 0;
  for (const auto& s : parsed.segments) {
    dqt += s.marker == 0xDB;
    app1 += s.marker == 0xE1;
  }
  EXPECT_EQ(dqt, 1);
  EXPECT_EQ(app1, 0) << "no APP1 when none is given";

  jpeg_decompress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
  ASSERT_EQ(jpeg_read_header(&cinfo, TRUE), JPEG_HEADER_OK);
  jpeg_start_decompress(&cinfo);
  ASSERT_EQ(cinfo.output_width, 37u);
  ASSERT_EQ(cinfo.output_height, 21u);
  std::vector<std::uint8_t> row(37 * 3);
  double total = 0;
  while (cinfo.output_scanline < cinfo.output_height) {
    const int y = static_cast<int>(cinfo.output_scanline);
    JSAMPROW p = row.data();
    jpeg_read_scanlines(&cinfo, &p, 1);
    for (int x = 0; x < 37; ++x)
      for (int c = 0; c < 3; ++c) total += std::abs(row[static_cast<std::size_t>(x * 3 + c)] - r.at(x, y)[c]);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  EXPECT_LT(total / (37 * 21 * 3), 3.0);
}

TEST(JpegWriter, RefusesAnEmptyRaster) {
  EXPECT_TRUE(std::holds_alternative<assets::JpegError>(assets::WriteJpeg(Raster(), {})));
}

// A second run of the generator writes the very same 23 files.
TEST(Generator, SameBytesOnEveryRun) {
  // A folder of this run's own, so that two suites running at once do not
  // write into each other's.
  std::string pattern = (std::filesystem::path(testing::TempDir()) / "tarvel_pictures_XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  const std::filesystem::path dir = pattern;
  const std::string command = std::string("\"") + TARVEL_GENERATOR + "\" \"" + dir.string() + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::vector<std::string> names = {"greeting.jpg"};
  for (const auto& g : AllGifs()) names.push_back(g.name);
  for (const auto& name : names) {
    const auto stored = ReadFile(PicturePath(name));
    ASSERT_FALSE(stored.empty()) << name;
    EXPECT_EQ(ReadFile((dir / name).string()), stored) << name;
  }
  std::filesystem::remove_all(dir);
}

// A folder that cannot be made is reported as a failure, not passed over.
TEST(Generator, FailsWhenItCannotWriteItsFolder) {
  const std::filesystem::path file = std::filesystem::path(testing::TempDir()) / "tarvel_not_a_folder";
  std::ofstream(file) << "x";
  const std::string command =
      std::string("\"") + TARVEL_GENERATOR + "\" \"" + (file / "pictures").string() + "\" 2>/dev/null";
  const int status = std::system(command.c_str());
  EXPECT_NE(status, 0);
  std::filesystem::remove(file);
}

}  // namespace
}  // namespace assets_test
