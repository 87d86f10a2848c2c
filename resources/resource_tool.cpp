// The host tool that turns the icon's text grids and the version block into
// the raw resource files that tarvel.rc embeds in the Windows executable.
//
//   tarvel_resource_tool ICON_DIR OUT_DIR
//
// reads ICON_DIR/window-32x32-2.txt, window-32x32-16.txt, window-16x16-16.txt
// and writes OUT_DIR/icon-30001.bin, icon-30002.bin, icon-30003.bin,
// icon-group-1.bin and version.bin.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "icon.h"
#include "version_block.h"

namespace {

namespace fs = std::filesystem;
using resources::Bytes;

struct ImageSource {
  const char* grid;
  std::uint16_t id;
};

// The group's images in the order in which the group lists them.
constexpr ImageSource kImages[] = {
    {"window-32x32-2.txt", 30001},
    {"window-32x32-16.txt", 30002},
    {"window-16x16-16.txt", 30003},
};

bool Write(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::cerr << "tarvel_resource_tool: cannot write " << path << "\n";
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: tarvel_resource_tool ICON_DIR OUT_DIR\n";
    return 2;
  }
  const fs::path iconDir = argv[1];
  const fs::path outDir = argv[2];
  std::error_code made;
  fs::create_directories(outDir, made);
  if (made) {
    std::cerr << "tarvel_resource_tool: cannot make " << outDir << ": " << made.message() << "\n";
    return 1;
  }

  std::vector<resources::IconGrid> grids;
  grids.reserve(std::size(kImages));
  std::vector<resources::GroupEntry> group;
  for (const ImageSource& source : kImages) {
    const fs::path path = iconDir / source.grid;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      std::cerr << "tarvel_resource_tool: cannot read " << path << "\n";
      return 1;
    }
    std::stringstream text;
    text << in.rdbuf();
    auto parsed = resources::ParseIconGrid(text.str());
    if (auto* error = std::get_if<std::string>(&parsed)) {
      std::cerr << path.string() << ": " << *error << "\n";
      return 1;
    }
    grids.push_back(std::get<resources::IconGrid>(std::move(parsed)));
    const Bytes image = resources::EncodeIconImage(grids.back());
    if (!Write(outDir / ("icon-" + std::to_string(source.id) + ".bin"), image)) return 1;
    group.push_back({&grids.back(), static_cast<std::uint32_t>(image.size()), source.id});
  }
  if (!Write(outDir / "icon-group-1.bin", resources::EncodeIconGroup(group))) return 1;
  if (!Write(outDir / "version.bin", resources::TarvelVersionBlock())) return 1;
  return 0;
}
