// Median cut over an exact colour histogram.
#include "median_cut.h"

#include <algorithm>
#include <array>
#include <utility>

namespace assets {

namespace {

// A box of the median cut: a range of the histogram with its statistics.
struct Box {
  std::size_t begin = 0, end = 0;
  double spread = 0;  // sum of squared deviations over the three channels
  int axis = 0;       // the channel with the largest deviation
  Rgb mean{};
};

Box MakeBox(const std::vector<ColourCount>& hist, std::size_t begin, std::size_t end) {
  Box box{begin, end};
  double n = 0, sum[3] = {0, 0, 0}, sq[3] = {0, 0, 0};
  for (std::size_t i = begin; i < end; ++i) {
    const double w = hist[i].count;
    n += w;
    for (int a = 0; a < 3; ++a) {
      const double v = Channel(hist[i].colour, a);
      sum[a] += w * v;
      sq[a] += w * v * v;
    }
  }
  double best = -1;
  std::uint8_t mean[3];
  for (int a = 0; a < 3; ++a) {
    const double dev = sq[a] - sum[a] * sum[a] / n;
    box.spread += dev;
    if (dev > best) {
      best = dev;
      box.axis = a;
    }
    mean[a] = static_cast<std::uint8_t>(std::clamp(static_cast<int>(sum[a] / n + 0.5), 0, 255));
  }
  box.mean = Rgb{mean[0], mean[1], mean[2]};
  return box;
}

// Splits `box` at the weighted median of its widest channel: colours up to
// the median value go to one side, the rest to the other, both non-empty.
std::pair<Box, Box> Split(std::vector<ColourCount>& hist, const Box& box) {
  const int axis = box.axis;
  std::array<std::uint64_t, 256> weight{};
  std::uint64_t total = 0;
  int lowest = 255, highest = 0;
  for (std::size_t i = box.begin; i < box.end; ++i) {
    const int v = Channel(hist[i].colour, axis);
    weight[static_cast<std::size_t>(v)] += hist[i].count;
    total += hist[i].count;
    lowest = std::min(lowest, v);
    highest = std::max(highest, v);
  }
  int median = lowest;
  for (std::uint64_t running = 0; median < highest; ++median) {
    running += weight[static_cast<std::size_t>(median)];
    if (2 * running >= total) break;
  }
  if (median >= highest) median = highest - 1;  // keep the highest value on the upper side
  auto first = hist.begin() + static_cast<std::ptrdiff_t>(box.begin);
  auto last = hist.begin() + static_cast<std::ptrdiff_t>(box.end);
  const auto middle = std::partition(first, last, [axis, median](const ColourCount& c) { return Channel(c.colour, axis) <= median; });
  const std::size_t cut = static_cast<std::size_t>(middle - hist.begin());
  return {MakeBox(hist, box.begin, cut), MakeBox(hist, cut, box.end)};
}

}  // namespace

std::vector<Rgb> MedianCut(std::vector<ColourCount> hist, std::size_t count) {
  std::vector<Box> boxes;
  if (hist.empty() || count == 0) return {};
  boxes.push_back(MakeBox(hist, 0, hist.size()));
  while (boxes.size() < count) {
    std::size_t pick = boxes.size();
    for (std::size_t i = 0; i < boxes.size(); ++i)
      if (boxes[i].end - boxes[i].begin >= 2 &&
          (pick == boxes.size() || boxes[i].spread > boxes[pick].spread))
        pick = i;
    if (pick == boxes.size()) break;
    auto [low, high] = Split(hist, boxes[pick]);
    boxes[pick] = low;
    boxes.push_back(high);
  }
  std::vector<Rgb> colours;
  for (const Box& b : boxes) colours.push_back(b.mean);
  return colours;
}

}  // namespace assets
