// GIF decoding with giflib and area-averaged scaling.
#include "gif_decode.h"

#include <algorithm>
#include <cstring>
#include <gif_lib.h>
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

}  // namespace

bool IsGif(std::span<const std::uint8_t> file) {
  return file.size() >= 6 && std::memcmp(file.data(), "GIF8", 4) == 0;
}

QImage DecodeGifScaledDown(std::span<const std::uint8_t> file, QSize size) {
  Source source{file};
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&source, ReadBytes, &error));
  if (!gif || DGifSlurp(gif.get()) != GIF_OK || gif->ImageCount < 1) return {};
  const int sw = gif->SWidth, sh = gif->SHeight;
  const int tw = size.width(), th = size.height();
  if (sw <= 0 || sh <= 0 || tw <= 0 || th <= 0 || tw > sw || th > sh) return {};

  const SavedImage& frame = gif->SavedImages[0];
  const GifImageDesc& desc = frame.ImageDesc;
  const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
  if (map == nullptr) return {};
  GraphicsControlBlock control{};
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  DGifSavedExtensionToGCB(gif.get(), 0, &control);

  // Each entry as premultiplied red, green, blue and alpha: the transparent
  // entry all zero, every other entry opaque.
  std::uint32_t rgba[256][4] = {};
  for (int i = 0; i < map->ColorCount && i < 256; ++i) {
    if (i == control.TransparentColor) continue;
    const GifColorType c = map->Colors[i];
    rgba[i][0] = c.Red;
    rgba[i][1] = c.Green;
    rgba[i][2] = c.Blue;
    rgba[i][3] = 255;
  }

  // Sums over each target pixel's area, a row of targets at a time.
  QImage out(tw, th, QImage::Format_ARGB32_Premultiplied);
  std::vector<std::uint32_t> sums(static_cast<std::size_t>(tw) * 4);
  std::vector<int> column(static_cast<std::size_t>(sw));  // target column of each source column
  for (int x = 0; x < sw; ++x) column[static_cast<std::size_t>(x)] = static_cast<int>(static_cast<long>(x) * tw / sw);
  std::vector<std::uint32_t> widths(static_cast<std::size_t>(tw), 0);
  for (int x = 0; x < sw; ++x) ++widths[static_cast<std::size_t>(column[static_cast<std::size_t>(x)])];

  int sy = 0;
  for (int ty = 0; ty < th; ++ty) {
    const int endY = static_cast<int>(static_cast<long>(ty + 1) * sh / th);
    std::fill(sums.begin(), sums.end(), 0u);
    const auto rows = static_cast<std::uint32_t>(endY - sy);
    for (; sy < endY; ++sy) {
      const int fy = sy - desc.Top;
      if (fy < 0 || fy >= desc.Height) continue;  // outside the frame: clear
      const std::uint8_t* row = frame.RasterBits + static_cast<std::size_t>(fy) * static_cast<std::size_t>(desc.Width);
      const int from = std::max(0, desc.Left), to = std::min(sw, desc.Left + desc.Width);
      for (int sx = from; sx < to; ++sx) {
        const std::uint32_t* c = rgba[row[sx - desc.Left]];
        std::uint32_t* sum = &sums[static_cast<std::size_t>(column[static_cast<std::size_t>(sx)]) * 4];
        sum[0] += c[0];
        sum[1] += c[1];
        sum[2] += c[2];
        sum[3] += c[3];
      }
    }
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(ty));
    for (int tx = 0; tx < tw; ++tx) {
      const std::uint32_t n = widths[static_cast<std::size_t>(tx)] * rows;
      const std::uint32_t* sum = &sums[static_cast<std::size_t>(tx) * 4];
      auto avg = [n](std::uint32_t v) { return static_cast<int>((v + n / 2) / n); };
      line[tx] = qRgba(avg(sum[0]), avg(sum[1]), avg(sum[2]), avg(sum[3]));
    }
  }
  return out;
}

}  // namespace runtime::qt
