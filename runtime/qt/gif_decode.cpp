// GIF decoding with giflib, a row at a time, each row averaged into the
// shown size as it comes.
#include "scaled_decode.h"

#include "area_average.h"

#include <algorithm>
#include <cstring>
#include <gif_lib.h>
#include <memory>
#include <vector>

namespace runtime::qt {

namespace {

struct Source {
  std::span<const std::uint8_t> file;
  std::size_t at = 0;
};

int ReadBytes(GifFileType* gif, GifByteType* into, int wanted) {
  auto* source = static_cast<Source*>(gif->UserData);
  const std::size_t left = source->file.size() - source->at;
  const std::size_t n = std::min(left, static_cast<std::size_t>(std::max(wanted, 0)));
  std::memcpy(into, source->file.data() + source->at, n);
  source->at += n;
  return static_cast<int>(n);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};
using Gif = std::unique_ptr<GifFileType, GifCloser>;

// Reads up to the first frame's descriptor, noting the transparent entry
// of a graphic control extension on the way; false when the file has no
// frame or does not read.
bool ReadToFirstFrame(GifFileType* gif, int& transparent) {
  transparent = NO_TRANSPARENT_COLOR;
  for (;;) {
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif, &type) != GIF_OK) return false;
    if (type == IMAGE_DESC_RECORD_TYPE) return DGifGetImageDesc(gif) == GIF_OK;
    if (type != EXTENSION_RECORD_TYPE) return false;  // the trailer, or worse: no frame
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) != GIF_OK) return false;
    GraphicsControlBlock control{};
    if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr && DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
      transparent = control.TransparentColor;
    while (block != nullptr)
      if (DGifGetExtensionNext(gif, &block) != GIF_OK) return false;
  }
}

// The frame's rows in screen order: read as they come, or, for an
// interlaced frame, all of them first and handed out in order.
class Rows {
 public:
  Rows(GifFileType* gif, const GifImageDesc& desc)
      : gif_(gif), width_(desc.Width), interlaced_(desc.Interlace), row_(static_cast<std::size_t>(desc.Width)) {
    if (!interlaced_) return;
    whole_.resize(static_cast<std::size_t>(desc.Width) * static_cast<std::size_t>(desc.Height));
    static constexpr int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4 && ok_; ++pass)
      for (int y = kStart[pass]; y < desc.Height && ok_; y += kStep[pass])
        ok_ = DGifGetLine(gif_, &whole_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_)], width_) == GIF_OK;
  }
  // Row y of the frame, null when the file breaks off; rows come in order.
  const GifPixelType* Next(int y) {
    if (!ok_) return nullptr;
    if (interlaced_) return &whole_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_)];
    ok_ = DGifGetLine(gif_, row_.data(), width_) == GIF_OK;
    return ok_ ? row_.data() : nullptr;
  }

 private:
  GifFileType* gif_;
  int width_;
  bool interlaced_;
  bool ok_ = true;
  std::vector<GifPixelType> row_;
  std::vector<GifPixelType> whole_;
};

}  // namespace

bool IsGif(std::span<const std::uint8_t> file) {
  return file.size() >= 6 && std::memcmp(file.data(), "GIF8", 4) == 0;
}

bool GifScalesDown(std::span<const std::uint8_t> file, QSize size) {
  if (!IsGif(file) || file.size() < 10 || size.width() <= 0 || size.height() <= 0) return false;
  const int width = file[6] | file[7] << 8, height = file[8] | file[9] << 8;
  return size.width() <= width && size.height() <= height;
}

QImage DecodeGifScaledDown(std::span<const std::uint8_t> file, QSize size) {
  if (!GifScalesDown(file, size)) return {};
  Source source{file};
  int error = 0;
  const Gif gif(DGifOpen(&source, ReadBytes, &error));
  int transparent = NO_TRANSPARENT_COLOR;
  if (!gif || !ReadToFirstFrame(gif.get(), transparent)) return {};
  const int sw = gif->SWidth, sh = gif->SHeight;
  const int tw = size.width(), th = size.height();
  if (sw <= 0 || sh <= 0 || tw <= 0 || th <= 0 || tw > sw || th > sh) return {};
  const GifImageDesc desc = gif->Image;
  if (desc.Width <= 0 || desc.Height <= 0) return {};
  const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
  if (map == nullptr) return {};

  // Each entry as premultiplied red, green, blue and alpha: the transparent
  // entry all zero, every other entry opaque.
  std::uint32_t rgba[256][4] = {};
  for (int i = 0; i < map->ColorCount && i < 256; ++i) {
    if (i == transparent) continue;
    const GifColorType c = map->Colors[i];
    rgba[i][0] = c.Red;
    rgba[i][1] = c.Green;
    rgba[i][2] = c.Blue;
    rgba[i][3] = 255;
  }

  QImage out(tw, th, QImage::Format_ARGB32_Premultiplied);
  if (out.isNull()) return {};
  AreaAverage average(sw, sh, tw, th);
  Rows rows(gif.get(), desc);
  const int from = std::max(0, desc.Left), to = std::min(sw, desc.Left + desc.Width);
  int sy = 0;
  for (int ty = 0; ty < th; ++ty) {
    const int endY = average.RowEnd(ty), count = endY - sy;
    average.Clear();
    for (; sy < endY; ++sy) {
      const int fy = sy - desc.Top;
      if (fy < 0 || fy >= desc.Height) continue;  // outside the frame: clear
      const GifPixelType* row = rows.Next(fy);
      if (row == nullptr) return {};
      for (int sx = from; sx < to; ++sx) {
        const std::uint32_t* c = rgba[row[sx - desc.Left]];
        average.Add(sx, c[0], c[1], c[2], c[3]);
      }
    }
    average.Emit(reinterpret_cast<QRgb*>(out.scanLine(ty)), count);
  }
  return out;
}

}  // namespace runtime::qt
