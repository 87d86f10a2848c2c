// A JPEG segment walker of the tests' own: lists the marker segments in
// file order and finds where the entropy-coded scan ends.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assets_test {

struct JpegSegment {
  std::uint8_t marker = 0;            // the byte after 0xFF
  std::size_t offset = 0;             // where the marker starts
  std::vector<std::uint8_t> payload;  // after the length field; empty for SOI, EOI
};

struct JpegFile {
  std::string error;
  std::vector<JpegSegment> segments;
  std::size_t scan_bytes = 0;      // entropy-coded bytes after the SOS segment
  std::size_t markers_in_scan = 0; // markers other than stuffing met inside the scan
};

JpegFile ReadJpeg(const std::vector<std::uint8_t>& file);

}  // namespace assets_test
