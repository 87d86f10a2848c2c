// Build-time tool: writes Form1's window description from its design and
// the 23 picture files in a folder, and reads it back before keeping it.
//   tarvel_window_writer PICTURE_FOLDER OUTPUT_FILE
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "description.h"
#include "description_writer.h"
#include "form1_design.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s PICTURE_FOLDER OUTPUT_FILE\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  try {
    std::map<std::string, std::vector<std::uint8_t>, std::less<>> files;
    const tarvel::PictureSource pictures = [&](std::string_view name) -> std::span<const std::uint8_t> {
      auto it = files.find(name);
      if (it == files.end()) {
        const std::string path = folder + "/" + std::string(name);
        std::ifstream in(path, std::ios::binary);
        if (!in) throw std::runtime_error("cannot read " + path);
        it = files.emplace(std::string(name), std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {})).first;
      }
      return it->second;
    };
    const std::vector<std::uint8_t> stream = tarvel::WriteDescription(tarvel::Form1Design(), pictures);
    const auto read = runtime::ReadDescription(stream);
    if (const auto* error = std::get_if<runtime::DescriptionError>(&read)) {
      throw std::runtime_error("the written stream does not read back: " + error->ToString());
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(stream.data()), static_cast<std::streamsize>(stream.size()));
    out.close();
    if (!out) throw std::runtime_error(std::string("cannot write ") + argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tarvel_window_writer: %s\n", e.what());
    return 1;
  }
  return 0;
}
