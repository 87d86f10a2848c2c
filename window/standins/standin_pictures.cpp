// Build-time tool: stand-in pictures of the stored pixel sizes, for builds
// without the picture generator: plain GIF 89a files with a transparent
// border and a JPEG greeting picture, each in a colour of its own.
//   tarvel_standin_pictures OUTPUT_FOLDER
#include <cstdio>  // before jpeglib.h, which needs FILE

#include <gif_lib.h>
#include <jpeglib.h>

#include <string>
#include <vector>

namespace {

struct Rgb {
  std::uint8_t r, g, b;
};

bool WriteGif(const std::string& path, int width, int height, Rgb fill) {
  int error = 0;
  GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
  if (!gif) return false;
  GifColorType colours[256] = {};
  colours[1] = {255, 255, 255};
  colours[2] = {fill.r, fill.g, fill.b};
  colours[255] = {255, 255, 255};  // the transparent entry
  ColorMapObject* map = GifMakeMapObject(256, colours);
  EGifSetGifVersion(gif, true);
  bool ok = EGifPutScreenDesc(gif, width, height, 8, 0, map) == GIF_OK;
  const GifByteType control[4] = {0x01, 0x00, 0x00, 0xFF};
  ok = ok && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, control) == GIF_OK;
  ok = ok && EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
  std::vector<GifPixelType> line(static_cast<std::size_t>(width));
  const int border = width / 20;
  for (int y = 0; ok && y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool inside = x >= border && x < width - border && y >= border && y < height - border;
      const bool stripe = ((x + y) / (border + 1)) % 2 == 0;
      line[static_cast<std::size_t>(x)] = inside ? (stripe ? 2 : 1) : 255;
    }
    ok = EGifPutLine(gif, line.data(), width) == GIF_OK;
  }
  ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
  GifFreeMapObject(map);
  return ok;
}

bool WriteJpeg(const std::string& path, int width, int height, Rgb fill) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    const auto y = static_cast<int>(cinfo.next_scanline);
    for (int x = 0; x < width; ++x) {
      const bool band = (y / 80) % 2 == 0;
      const auto i = static_cast<std::size_t>(x) * 3;
      row[i] = band ? fill.r : 255;
      row[i + 1] = band ? fill.g : 255;
      row[i + 2] = band ? fill.b : 255;
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  bool ok = WriteJpeg(folder + "greeting.jpg", 1600, 1043, {19, 87, 158});
  ok = WriteGif(folder + "tree.gif", 1000, 1325, {30, 120, 40}) && ok;
  ok = WriteGif(folder + "pastry.gif", 1000, 700, {200, 140, 60}) && ok;
  for (int card = 0; card < 20; ++card) {
    char name[16];
    std::snprintf(name, sizeof name, "card%02d.gif", card);
    const auto shade = static_cast<std::uint8_t>(card * 12);
    ok = WriteGif(folder + name, 200, 200, {29, static_cast<std::uint8_t>(124 + shade / 2), shade}) && ok;
  }
  if (!ok) std::fprintf(stderr, "tarvel_standin_pictures: cannot write the pictures in %s\n", argv[1]);
  return ok ? 0 : 1;
}
