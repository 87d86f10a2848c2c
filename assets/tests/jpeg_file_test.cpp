// The stored greeting picture: its segments in order and their values, read
// with the tests' own walker, and a full decode by libjpeg.
#include <gtest/gtest.h>

#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <string>

#include "jpeg_reader.h"
#include "gif_reader.h"
#include "stored_pictures.h"

namespace assets_test {
namespace {

constexpr std::uint8_t kSoi = 0xD8, kApp0 = 0xE0, kApp1 = 0xE1, kDqt = 0xDB, kSof0 = 0xC0, kDht = 0xC4,
                       kSos = 0xDA, kEoi = 0xD9;

class GreetingJpeg : public testing::Test {
 protected:
  void SetUp() override {
    bytes_ = ReadFile(PicturePath("greeting.jpg"));
    ASSERT_FALSE(bytes_.empty());
    jpeg_ = ReadJpeg(bytes_);
    ASSERT_EQ(jpeg_.error, "");
  }
  // The payload of the one segment with `marker`; empty, with a failure, when
  // there is none or more than one.
  std::vector<std::uint8_t> Only(std::uint8_t marker) {
    const auto n = std::count_if(jpeg_.segments.begin(), jpeg_.segments.end(),
                                 [&](const JpegSegment& s) { return s.marker == marker; });
    if (n != 1) {
      ADD_FAILURE() << n << " segments with marker " << int{marker};
      return {};
    }
    return std::find_if(jpeg_.segments.begin(), jpeg_.segments.end(),
                        [&](const JpegSegment& s) { return s.marker == marker; })->payload;
  }
  static int U16(const std::vector<std::uint8_t>& p, std::size_t at) { return p[at] << 8 | p[at + 1]; }

  std::vector<std::uint8_t> bytes_;
  JpegFile jpeg_;
};

TEST_F(GreetingJpeg, SegmentsInOrderWithEoiLast) {
  std::vector<std::uint8_t> order;
  for (const auto& s : jpeg_.segments) order.push_back(s.marker);
  const std::vector<std::uint8_t> expected = {kSoi, kApp0, kApp1, kDqt, kSof0, kDht, kDht, kDht, kDht, kSos, kEoi};
  EXPECT_EQ(order, expected);  // so also no DRI, no COM, no other APPn
  EXPECT_EQ(jpeg_.markers_in_scan, 0u) << "restart markers in the scan";
  ASSERT_GE(bytes_.size(), 2u);
  EXPECT_EQ(bytes_[bytes_.size() - 2], 0xFF);
  EXPECT_EQ(bytes_.back(), kEoi);
  EXPECT_GT(jpeg_.scan_bytes, 0u);
}

TEST_F(GreetingJpeg, Jfif101AspectOnlyNoThumbnail) {
  const auto p = Only(kApp0);
  const std::vector<std::uint8_t> expected = {'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0};
  EXPECT_EQ(p, expected);
}

TEST_F(GreetingJpeg, ExifBlockHoldsItsTwoDirectories) {
  const auto p = Only(kApp1);
  ASSERT_GE(p.size(), 14u);
  ASSERT_EQ(std::string(p.begin(), p.begin() + 6), std::string("Exif\0\0", 6));
  const std::vector<std::uint8_t> tiff(p.begin() + 6, p.end());
  auto u16 = [&](std::size_t at) { return tiff.at(at) | tiff.at(at + 1) << 8; };
  auto u32 = [&](std::size_t at) { return static_cast<std::size_t>(u16(at) | u16(at + 2) << 16); };
  ASSERT_EQ(tiff[0], 'I');
  ASSERT_EQ(tiff[1], 'I');
  ASSERT_EQ(u16(2), 42);
  struct Entry {
    int tag, type;
    std::size_t count, value;
  };
  auto directory = [&](std::size_t at, std::vector<Entry>& entries) {
    const int n = u16(at);
    for (int i = 0; i < n; ++i) {
      const std::size_t e = at + 2 + 12 * static_cast<std::size_t>(i);
      entries.push_back({u16(e), u16(e + 2), u32(e + 4), u32(e + 8)});
    }
    return u32(at + 2 + 12 * static_cast<std::size_t>(n));
  };
  std::vector<Entry> first, exif;
  EXPECT_EQ(directory(u32(4), first), 0u) << "a further directory";
  ASSERT_EQ(first.size(), 3u);
  EXPECT_EQ(first[0].tag, 0x0131);  // software
  EXPECT_EQ(first[0].type, 2);
  EXPECT_EQ(first[0].count, 7u);
  EXPECT_EQ(tiff.at(first[0].value + 6), 0);
  EXPECT_EQ(first[1].tag, 0x8298);  // rights notice
  EXPECT_EQ(first[1].type, 2);
  EXPECT_EQ(first[1].count, 11u);
  EXPECT_EQ(tiff.at(first[1].value + 10), 0);
  EXPECT_EQ(first[2].tag, 0x8769);  // the Exif directory
  EXPECT_EQ(directory(first[2].value, exif), 0u);
  ASSERT_EQ(exif.size(), 4u);
  EXPECT_EQ(exif[0].tag, 0x9000);
  EXPECT_EQ(exif[0].count, 4u);
  EXPECT_EQ(exif[0].value, 0x30323230u);  // "0220"
  EXPECT_EQ(exif[1].count, 11u);          // the private entry
  EXPECT_EQ(exif[1].type, 7);
  EXPECT_LE(exif[1].value + 11, tiff.size());
  EXPECT_EQ(exif[2].tag, 0xA002);
  EXPECT_EQ(exif[2].value & 0xFFFF, 1600u);
  EXPECT_EQ(exif[3].tag, 0xA003);
  EXPECT_EQ(exif[3].value & 0xFFFF, 1043u);
}

TEST_F(GreetingJpeg, OneQuantisationSegmentWithBothTables) {
  const auto p = Only(kDqt);
  ASSERT_EQ(p.size(), 2u * 65u);
  for (int table = 0; table < 2; ++table) {
    const std::size_t at = static_cast<std::size_t>(table) * 65;
    EXPECT_EQ(p[at], table) << "8-bit entries, table id " << table;
    EXPECT_EQ(p[at + 1], 3) << "DC step";
    const auto first = p.begin() + static_cast<std::ptrdiff_t>(at + 2), last = first + 63;
    const int low = *std::min_element(first, last), high = *std::max_element(first, last);
    if (table == 0) {
      EXPECT_EQ(low, 2);
      EXPECT_EQ(high, 13);
      EXPECT_GT(std::count(first, last, 8), 63 / 2) << "mostly 8";
    } else {
      EXPECT_EQ(low, 4);
      EXPECT_EQ(high, 15);
    }
  }
}

TEST_F(GreetingJpeg, BaselineFrame420) {
  const auto p = Only(kSof0);
  const std::vector<std::uint8_t> expected = {8, 1043 >> 8, 1043 & 0xFF, 1600 >> 8, 1600 & 0xFF, 3,
                                              1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1};
  EXPECT_EQ(p, expected);
}

TEST_F(GreetingJpeg, FourFittedHuffmanTablesAndOneInterleavedScan) {
  std::vector<int> classes_and_ids;
  for (const auto& s : jpeg_.segments) {
    if (s.marker != kDht) continue;
    ASSERT_GE(s.payload.size(), 17u);
    classes_and_ids.push_back(s.payload[0]);
    int codes = 0;
    for (std::size_t i = 1; i <= 16; ++i) codes += s.payload[i];
    EXPECT_EQ(s.payload.size(), 17u + static_cast<std::size_t>(codes)) << "one table per segment";
  }
  // In file order: DC 0, AC 0, DC 1, AC 1.
  EXPECT_EQ(classes_and_ids, (std::vector<int>{0x00, 0x10, 0x01, 0x11}));
  const auto sos = Only(kSos);
  const std::vector<std::uint8_t> scan = {3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0};
  EXPECT_EQ(sos, scan);
}

struct JumpError {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

void Jump(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<JumpError*>(cinfo->err)->jump, 1); }

// Decodes the file with libjpeg; false when it fails.
bool Decode(const std::vector<std::uint8_t>& bytes, int& width, int& height, std::size_t& rows) {
  jpeg_decompress_struct cinfo;
  JumpError err;
  cinfo.err = jpeg_std_error(&err.base);
  err.base.error_exit = Jump;
  if (setjmp(err.jump) != 0) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&cinfo, TRUE);
  jpeg_start_decompress(&cinfo);
  width = static_cast<int>(cinfo.output_width);
  height = static_cast<int>(cinfo.output_height);
  JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                              cinfo.output_width * static_cast<JDIMENSION>(cinfo.output_components), 1);
  rows = 0;
  while (cinfo.output_scanline < cinfo.output_height) rows += jpeg_read_scanlines(&cinfo, row, 1);
  const bool warned = err.base.num_warnings != 0;
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return !warned;
}

TEST_F(GreetingJpeg, LibjpegDecodesTheWholePicture) {
  int width = 0, height = 0;
  std::size_t rows = 0;
  ASSERT_TRUE(Decode(bytes_, width, height, rows));
  EXPECT_EQ(width, 1600);
  EXPECT_EQ(height, 1043);
  EXPECT_EQ(rows, 1043u);
}

}  // namespace
}  // namespace assets_test
