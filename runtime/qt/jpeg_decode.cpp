// JPEG decoding with libjpeg-turbo's DCT scaling, each row that comes out
// averaged into the shown size as it comes.
#include "scaled_decode.h"

#include "area_average.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h wants FILE
#include <jpeglib.h>
#include <memory>
#include <optional>
#include <vector>

namespace runtime::qt {

namespace {

// libjpeg reports a fault by calling error_exit, which must not return: it
// jumps back to the decode, which gives up.
struct Errors {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void OnError(j_common_ptr info) { std::longjmp(reinterpret_cast<Errors*>(info->err)->jump, 1); }
void OnMessage(j_common_ptr, int) {}  // warnings and traces stay quiet

// All of a decode's state, on the heap: a jump back from libjpeg leaves
// it as it was, and skips no destructor.
struct Decoding {
  jpeg_decompress_struct info{};
  Errors errors{};
  QImage out;
  std::optional<AreaAverage> average;
  std::vector<JSAMPLE> row;
};

// The largest of libjpeg's scale-downs that keeps both sides no smaller.
unsigned ScaleDown(unsigned width, unsigned height, unsigned tw, unsigned th) {
  for (const unsigned d : {8u, 4u, 2u})
    if ((width + d - 1) / d >= tw && (height + d - 1) / d >= th) return d;
  return 1;
}

// Reads the file's header; false where libjpeg gives up or the file is not
// one this decoder takes at that size.
bool ReadHeader(Decoding& d, std::span<const std::uint8_t> file, int tw, int th) {
  jpeg_decompress_struct& info = d.info;
  if (setjmp(d.errors.jump) != 0) return false;
  jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
  jpeg_read_header(&info, TRUE);
  if (static_cast<unsigned>(tw) > info.image_width || static_cast<unsigned>(th) > info.image_height) return false;
  return info.jpeg_color_space == JCS_YCbCr || info.jpeg_color_space == JCS_GRAYSCALE;
}

// Decodes into d.out, after ReadHeader; false where libjpeg gives up.
bool Decode(Decoding& d, int tw, int th) {
  jpeg_decompress_struct& info = d.info;
  if (setjmp(d.errors.jump) != 0) return false;
  info.out_color_space = JCS_RGB;
  info.scale_num = 1;
  info.scale_denom = ScaleDown(info.image_width, info.image_height, static_cast<unsigned>(tw), static_cast<unsigned>(th));
  jpeg_start_decompress(&info);
  const int ow = static_cast<int>(info.output_width), oh = static_cast<int>(info.output_height);
  if (ow < tw || oh < th || info.output_components != 3) return false;

  d.out = QImage(tw, th, QImage::Format_RGB32);
  if (d.out.isNull()) return false;
  d.average.emplace(ow, oh, tw, th);
  d.row.resize(static_cast<std::size_t>(ow) * 3);
  JSAMPROW rows[1] = {d.row.data()};
  int sy = 0;
  for (int ty = 0; ty < th; ++ty) {
    const int endY = d.average->RowEnd(ty), count = endY - sy;
    d.average->Clear();
    for (; sy < endY; ++sy) {
      if (jpeg_read_scanlines(&info, rows, 1) != 1) return false;
      for (int x = 0; x < ow; ++x) {
        const JSAMPLE* c = &d.row[static_cast<std::size_t>(x) * 3];
        d.average->Add(x, c[0], c[1], c[2], 255);
      }
    }
    d.average->Emit(reinterpret_cast<QRgb*>(d.out.scanLine(ty)), count);
  }
  jpeg_finish_decompress(&info);
  return true;
}

// Runs step on a fresh decode of the file, and gives back the decode when
// it succeeds.
template <class Step>
std::unique_ptr<Decoding> WithDecoding(Step step) {
  auto d = std::make_unique<Decoding>();
  d->info.err = jpeg_std_error(&d->errors.manager);
  d->errors.manager.error_exit = OnError;
  d->errors.manager.emit_message = OnMessage;
  jpeg_create_decompress(&d->info);
  const bool done = step(*d);
  jpeg_destroy_decompress(&d->info);
  if (!done) d.reset();
  return d;
}

}  // namespace

bool IsJpeg(std::span<const std::uint8_t> file) {
  return file.size() >= 3 && file[0] == 0xFF && file[1] == 0xD8 && file[2] == 0xFF;
}

bool JpegScalesDown(std::span<const std::uint8_t> file, QSize size) {
  if (!IsJpeg(file) || size.width() <= 0 || size.height() <= 0) return false;
  return WithDecoding([&](Decoding& d) { return ReadHeader(d, file, size.width(), size.height()); }) != nullptr;
}

QImage DecodeJpegScaledDown(std::span<const std::uint8_t> file, QSize size) {
  if (!IsJpeg(file) || size.width() <= 0 || size.height() <= 0) return {};
  const auto d = WithDecoding([&](Decoding& decoding) {
    return ReadHeader(decoding, file, size.width(), size.height()) && Decode(decoding, size.width(), size.height());
  });
  return d ? d->out : QImage();
}

}  // namespace runtime::qt
