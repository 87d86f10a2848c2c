// Times the picture generator's stages on the real drawings: drawing,
// quantising and GIF or JPEG writing, for each of the 23 pictures, and the
// peak resident memory at the end. Not run by the test command.
//
//   pictures_bench [ROUNDS]
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <variant>

#include "card_layout.h"
#include "drawings.h"
#include "exif.h"
#include "gif_writer.h"
#include "jpeg_writer.h"
#include "quantise.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point from) { return std::chrono::duration<double, std::milli>(Clock::now() - from).count(); }

struct Stages {
  double draw = 0, quantise = 0, write = 0;
  std::size_t bytes = 0;
};

Stages Gif(const std::function<assets::Raster()>& draw, int dither) {
  Stages s;
  auto t = Clock::now();
  const assets::Raster raster = draw();
  s.draw = Ms(t);
  t = Clock::now();
  auto q = assets::Quantise(raster, {dither});
  s.quantise = Ms(t);
  if (!std::holds_alternative<assets::IndexedPicture>(q)) return s;
  t = Clock::now();
  auto file = assets::WriteGif(std::get<assets::IndexedPicture>(q));
  s.write = Ms(t);
  if (auto* bytes = std::get_if<std::vector<std::uint8_t>>(&file)) s.bytes = bytes->size();
  return s;
}

Stages Jpeg() {
  Stages s;
  auto t = Clock::now();
  const assets::Raster raster = assets::DrawGreeting();
  s.draw = Ms(t);
  t = Clock::now();
  auto file = assets::WriteJpeg(raster, assets::ExifBlock(raster.width, raster.height));
  s.write = Ms(t);
  if (auto* bytes = std::get_if<std::vector<std::uint8_t>>(&file)) s.bytes = bytes->size();
  return s;
}

void Print(const std::string& name, const Stages& s) {
  std::printf("%-10s draw %8.1f ms  quantise %7.1f ms  write %7.1f ms  %8zu bytes\n", name.c_str(), s.draw,
              s.quantise, s.write, s.bytes);
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
  for (int round = 0; round < rounds; ++round) {
    const auto start = Clock::now();
    Print("greeting", Jpeg());
    Print("tree", Gif(assets::DrawTree, 8));
    Print("pastry", Gif(assets::DrawPastry, 8));
    Stages cards;
    for (int m = 0; m < assets::kCardCount; ++m) {
      const Stages s = Gif([m] { return assets::DrawCard(m); }, 0);
      cards.draw += s.draw;
      cards.quantise += s.quantise;
      cards.write += s.write;
      cards.bytes += s.bytes;
    }
    Print("20 cards", cards);
    std::printf("round %d: %.1f ms\n", round + 1, Ms(start));
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak resident memory: %ld MB\n", usage.ru_maxrss / 1024);
  return 0;
}
