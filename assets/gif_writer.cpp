// GIF 89a output through giflib, collected into a byte vector.
#include "gif_writer.h"

#include <gif_lib.h>

#include <cstddef>
#include <memory>

namespace assets {

namespace {

int Append(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

struct Closer {
  void operator()(GifFileType* gif) const {
    int error = 0;
    EGifCloseFile(gif, &error);
  }
};

GifError Failure(const char* step, int code) {
  const char* text = GifErrorString(code);
  return GifError{std::string(step) + ": " + (text != nullptr ? text : "giflib error")};
}

}  // namespace

std::variant<std::vector<std::uint8_t>, GifError> WriteGif(const IndexedPicture& picture) {
  const std::size_t pixels = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
  if (picture.width <= 0 || picture.height <= 0 || picture.width > 65535 || picture.height > 65535 ||
      picture.indices.size() != pixels)
    return GifError{"the picture's size does not match its pixels"};

  std::vector<std::uint8_t> out;
  int error = 0;
  std::unique_ptr<GifFileType, Closer> gif(EGifOpen(&out, Append, &error));
  if (!gif) return Failure("EGifOpen", error);

  GifColorType colours[256];
  for (std::size_t i = 0; i < 256; ++i)
    colours[i] = GifColorType{picture.palette[i].r, picture.palette[i].g, picture.palette[i].b};
  ColorMapObject* map = GifMakeMapObject(256, colours);
  if (map == nullptr) return GifError{"GifMakeMapObject failed"};
  EGifSetGifVersion(gif.get(), true);
  const int screen = EGifPutScreenDesc(gif.get(), picture.width, picture.height, 8, 0, map);
  GifFreeMapObject(map);
  if (screen == GIF_ERROR) return Failure("EGifPutScreenDesc", gif->Error);

  const GifByteType control[4] = {0x01, 0x00, 0x00, 0xFF};  // transparent flag, delay 0, entry 255
  if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, 4, control) == GIF_ERROR)
    return Failure("EGifPutExtension", gif->Error);
  if (EGifPutImageDesc(gif.get(), 0, 0, picture.width, picture.height, false, nullptr) == GIF_ERROR)
    return Failure("EGifPutImageDesc", gif->Error);

  std::vector<GifPixelType> row(static_cast<std::size_t>(picture.width));
  for (int y = 0; y < picture.height; ++y) {
    const auto* src = picture.indices.data() + static_cast<std::size_t>(y) * row.size();
    row.assign(src, src + row.size());
    if (EGifPutLine(gif.get(), row.data(), picture.width) == GIF_ERROR)
      return Failure("EGifPutLine", gif->Error);
  }
  GifFileType* raw = gif.release();
  if (EGifCloseFile(raw, &error) == GIF_ERROR) return Failure("EGifCloseFile", error);
  return out;
}

}  // namespace assets
