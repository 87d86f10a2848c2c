// The picture generator: draws the window's 23 pictures and stores them in
// their file formats in the folder given on the command line, with a PNG
// preview of each stored picture in its "preview" subfolder.
//
//   tarvel_generate OUT_DIR
//
// Writes greeting.jpg, tree.gif, pastry.gif and card00.gif to card19.gif.
// The same build gives the same bytes on every run.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "cairo_raster.h"
#include "card_layout.h"
#include "drawings.h"
#include "exif.h"
#include "gif_writer.h"
#include "jpeg_writer.h"
#include "quantise.h"

namespace {

using assets::Raster;
namespace fs = std::filesystem;

void Save(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void Preview(const Raster& raster, const fs::path& path) {
  if (!assets::WritePng(raster, path.string())) throw std::runtime_error("cannot write " + path.string());
}

// What the stored GIF shows: its entries painted back into a raster.
Raster Shown(const assets::IndexedPicture& picture) {
  Raster out(picture.width, picture.height);
  for (std::size_t i = 0; i < picture.indices.size(); ++i) {
    const std::uint8_t index = picture.indices[i];
    const assets::Rgb c = picture.palette[index];
    std::uint8_t* p = out.rgba.data() + i * 4;
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
    p[3] = index == assets::kTransparentEntry ? 0 : 255;
  }
  return out;
}

void StoreGif(const Raster& raster, int dither, const fs::path& dir, const std::string& name) {
  if (raster.width == 0) throw std::runtime_error("nothing drawn for " + name);
  auto quantised = assets::Quantise(raster, {dither});
  if (auto* e = std::get_if<assets::QuantiseError>(&quantised)) throw std::runtime_error(name + ": " + e->message);
  const auto& picture = std::get<assets::IndexedPicture>(quantised);
  auto file = assets::WriteGif(picture);
  if (auto* e = std::get_if<assets::GifError>(&file)) throw std::runtime_error(name + ": " + e->message);
  Save(dir / (name + ".gif"), std::get<std::vector<std::uint8_t>>(file));
  Preview(Shown(picture), dir / "preview" / (name + ".png"));
}

void StoreJpeg(const Raster& raster, const fs::path& dir, const std::string& name) {
  auto file = assets::WriteJpeg(raster, assets::ExifBlock(raster.width, raster.height));
  if (auto* e = std::get_if<assets::JpegError>(&file)) throw std::runtime_error(name + ": " + e->message);
  Save(dir / (name + ".jpg"), std::get<std::vector<std::uint8_t>>(file));
  Preview(raster, dir / "preview" / (name + ".png"));
}

// Photographs take a little error diffusion to keep their gradients smooth;
// the cards' flat paper and letters take none.
constexpr int kPhotoDither = 8;

void Generate(const fs::path& dir) {
  fs::create_directories(dir / "preview");
  StoreJpeg(assets::DrawGreeting(), dir, "greeting");
  StoreGif(assets::DrawTree(), kPhotoDither, dir, "tree");
  StoreGif(assets::DrawPastry(), kPhotoDither, dir, "pastry");
  for (int member = 0; member < assets::kCardCount; ++member) {
    char name[16];
    std::snprintf(name, sizeof name, "card%02d", member);
    StoreGif(assets::DrawCard(member), 0, dir, name);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tarvel_generate OUT_DIR\n");
    return 2;
  }
  try {
    Generate(argv[1]);
  } catch (const std::runtime_error& e) {  // drawing, encoding and file errors alike
    std::fprintf(stderr, "tarvel_generate: %s\n", e.what());
    return 1;
  }
  return 0;
}
