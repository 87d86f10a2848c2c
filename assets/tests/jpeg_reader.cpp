// Marker-by-marker walk of a JPEG file, written for the tests.
#include "jpeg_reader.h"

namespace assets_test {

JpegFile ReadJpeg(const std::vector<std::uint8_t>& file) {
  JpegFile out;
  std::size_t pos = 0;
  while (true) {
    if (pos + 2 > file.size()) return out.error = "the file ends before EOI", out;
    if (file[pos] != 0xFF) return out.error = "no marker where one belongs", out;
    JpegSegment segment;
    segment.offset = pos;
    segment.marker = file[pos + 1];
    pos += 2;
    if (segment.marker == 0xD8 || segment.marker == 0xD9) {
      out.segments.push_back(segment);
      if (segment.marker == 0xD9) {
        if (pos != file.size()) out.error = "bytes after EOI";
        return out;
      }
      continue;
    }
    if (pos + 2 > file.size()) return out.error = "segment length cut short", out;
    const std::size_t length = std::size_t{file[pos]} << 8 | file[pos + 1];
    if (length < 2 || pos + length > file.size()) return out.error = "segment runs past the end", out;
    segment.payload.assign(file.begin() + static_cast<std::ptrdiff_t>(pos + 2),
                           file.begin() + static_cast<std::ptrdiff_t>(pos + length));
    pos += length;
    const bool scan = segment.marker == 0xDA;
    out.segments.push_back(std::move(segment));
    if (!scan) continue;
    // The scan runs to the first marker that is neither stuffing nor a restart.
    const std::size_t start = pos;
    while (pos + 1 < file.size()) {
      if (file[pos] == 0xFF) {
        const std::uint8_t next = file[pos + 1];
        if (next == 0x00) { pos += 2; continue; }
        if (next >= 0xD0 && next <= 0xD7) { ++out.markers_in_scan; pos += 2; continue; }
        break;
      }
      ++pos;
    }
    out.scan_bytes = pos - start;
  }
}

}  // namespace assets_test
