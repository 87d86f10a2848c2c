// Baseline JFIF output through libjpeg-turbo, with the DQT segments merged.
#include "jpeg_writer.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace assets {

namespace {

std::array<std::uint8_t, 64> Table(int dc, auto rule) {
  std::array<std::uint8_t, 64> t{};
  for (int row = 0; row < 8; ++row)
    for (int col = 0; col < 8; ++col)
      t[static_cast<std::size_t>(row * 8 + col)] = static_cast<std::uint8_t>(rule(row + col));
  t[0] = static_cast<std::uint8_t>(dc);
  return t;
}

// Fine steps for the lowest frequencies, 8 for the broad middle, coarser
// only for the highest.
int LuminanceStep(int f) {
  constexpr int steps[15] = {3, 2, 4, 6, 8, 8, 8, 8, 8, 8, 8, 9, 10, 12, 13};
  return steps[f];
}
int ChrominanceStep(int f) { return f >= 12 ? 15 : 3 + f; }

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo) {
  auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, manager->message);
  std::longjmp(manager->jump, 1);
}

// The libjpeg part, kept free of objects with destructors because an error
// leaves it through longjmp. Returns false with `manager.message` set.
bool Compress(const std::uint8_t* rgb, int width, int height, const std::uint8_t* app1, unsigned app1_length,
              unsigned char** buffer, unsigned long* length, ErrorManager& manager) {
  jpeg_compress_struct cinfo;
  cinfo.err = jpeg_std_error(&manager.base);
  manager.base.error_exit = OnError;
  if (setjmp(manager.jump) != 0) {
    jpeg_destroy_compress(&cinfo);
    return false;
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, buffer, length);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  unsigned int lum[64], chrom[64];
  for (std::size_t i = 0; i < 64; ++i) {
    lum[i] = kLuminanceTable[i];
    chrom[i] = kChrominanceTable[i];
  }
  jpeg_add_quant_table(&cinfo, 0, lum, 100, TRUE);
  jpeg_add_quant_table(&cinfo, 1, chrom, 100, TRUE);
  cinfo.optimize_coding = TRUE;
  cinfo.dct_method = JDCT_ISLOW;
  cinfo.restart_interval = 0;
  cinfo.write_JFIF_header = TRUE;
  cinfo.JFIF_major_version = 1;
  cinfo.JFIF_minor_version = 1;
  cinfo.density_unit = 0;
  cinfo.X_density = 1;
  cinfo.Y_density = 1;
  jpeg_start_compress(&cinfo, TRUE);
  if (app1_length > 0) jpeg_write_marker(&cinfo, JPEG_APP0 + 1, app1, app1_length);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb + static_cast<std::size_t>(cinfo.next_scanline) * static_cast<std::size_t>(width) * 3);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return true;
}

}  // namespace

const std::array<std::uint8_t, 64> kLuminanceTable = Table(3, LuminanceStep);
const std::array<std::uint8_t, 64> kChrominanceTable = Table(3, ChrominanceStep);

std::variant<std::vector<std::uint8_t>, JpegError> WriteJpeg(const Raster& raster,
                                                             const std::vector<std::uint8_t>& app1) {
  const std::size_t pixels = static_cast<std::size_t>(raster.width) * static_cast<std::size_t>(raster.height);
  if (raster.width <= 0 || raster.height <= 0 || raster.width > 65500 || raster.height > 65500 ||
      raster.rgba.size() != pixels * 4)
    return JpegError{"the raster is empty or its size does not match its pixels"};
  if (app1.size() > 65533) return JpegError{"the APP1 payload is longer than a segment holds"};

  std::vector<std::uint8_t> rgb(pixels * 3);
  for (std::size_t i = 0; i < pixels; ++i)
    for (std::size_t c = 0; c < 3; ++c) rgb[i * 3 + c] = raster.rgba[i * 4 + c];

  unsigned char* buffer = nullptr;
  unsigned long length = 0;
  ErrorManager manager{};
  const bool ok = Compress(rgb.data(), raster.width, raster.height, app1.data(),
                           static_cast<unsigned>(app1.size()), &buffer, &length, manager);
  std::vector<std::uint8_t> file;
  if (ok && buffer != nullptr) file.assign(buffer, buffer + length);
  std::free(buffer);
  if (!ok) return JpegError{std::string("libjpeg: ") + manager.message};
  return MergeQuantTables(file);
}

std::variant<std::vector<std::uint8_t>, JpegError> MergeQuantTables(const std::vector<std::uint8_t>& jpeg) {
  if (jpeg.size() < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8) return JpegError{"no SOI at the start"};
  std::vector<std::uint8_t> out(jpeg.begin(), jpeg.begin() + 2);
  std::vector<std::uint8_t> tables;  // DQT payloads waiting to be written as one segment
  auto flush = [&]() -> bool {
    if (tables.empty()) return true;
    const std::size_t length = tables.size() + 2;
    if (length > 0xFFFF) return false;
    out.insert(out.end(), {0xFF, 0xDB, static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length)});
    out.insert(out.end(), tables.begin(), tables.end());
    tables.clear();
    return true;
  };
  std::size_t pos = 2;
  while (true) {
    if (pos + 4 > jpeg.size() || jpeg[pos] != 0xFF) return JpegError{"malformed marker in the header"};
    const std::uint8_t marker = jpeg[pos + 1];
    const std::size_t length = std::size_t{jpeg[pos + 2]} << 8 | jpeg[pos + 3];
    if (length < 2 || pos + 2 + length > jpeg.size()) return JpegError{"segment runs past the end"};
    if (marker == 0xDB) {
      tables.insert(tables.end(), jpeg.begin() + static_cast<std::ptrdiff_t>(pos + 4),
                    jpeg.begin() + static_cast<std::ptrdiff_t>(pos + 2 + length));
    } else {
      if (!flush()) return JpegError{"the quantisation tables do not fit one segment"};
      if (marker == 0xDA) {  // SOS: the rest is the scan and what follows it
        out.insert(out.end(), jpeg.begin() + static_cast<std::ptrdiff_t>(pos), jpeg.end());
        return out;
      }
      out.insert(out.end(), jpeg.begin() + static_cast<std::ptrdiff_t>(pos),
                 jpeg.begin() + static_cast<std::ptrdiff_t>(pos + 2 + length));
    }
    pos += 2 + length;
  }
}

}  // namespace assets
