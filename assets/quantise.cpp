// Median-cut quantiser with fixed black, white and transparent entries.
#include "quantise.h"

#include <algorithm>
#include <cstddef>
#include <limits>

#include "median_cut.h"

namespace assets {

namespace {

constexpr int kFirstFree = 2;
constexpr int kLastFree = 254;
constexpr int kFreeCount = kLastFree - kFirstFree + 1;  // 253

// Nearest free entry for a colour, remembered per colour. The entries are
// searched outwards in order of red, stopping once red alone is too far.
class NearestEntry {
 public:
  NearestEntry(const std::array<Rgb, 256>& palette, int used)
      : palette_(palette), cache_(std::size_t{1} << 24, 0) {
    for (int e = kFirstFree; e < kFirstFree + used; ++e) by_red_.push_back(static_cast<std::uint8_t>(e));
    std::stable_sort(by_red_.begin(), by_red_.end(),
                     [&](std::uint8_t a, std::uint8_t b) { return palette_[a].r < palette_[b].r; });
  }

  std::uint8_t operator()(Rgb c) {
    const std::size_t key = (std::size_t{c.r} << 16) | (std::size_t{c.g} << 8) | c.b;
    if (cache_[key] != 0) return cache_[key];
    const auto start = std::lower_bound(by_red_.begin(), by_red_.end(), c.r,
                                        [&](std::uint8_t e, std::uint8_t r) { return palette_[e].r < r; });
    int best = by_red_.front(), best_d = std::numeric_limits<int>::max();
    auto consider = [&](std::uint8_t e) {
      const int d = Distance(c, palette_[e]);
      if (d < best_d || (d == best_d && e < best)) {
        best_d = d;
        best = e;
      }
    };
    for (auto it = start; it != by_red_.end(); ++it) {
      const int dr = palette_[*it].r - c.r;
      if (dr * dr > best_d) break;
      consider(*it);
    }
    for (auto it = start; it != by_red_.begin();) {
      --it;
      const int dr = c.r - palette_[*it].r;
      if (dr * dr > best_d) break;
      consider(*it);
    }
    cache_[key] = static_cast<std::uint8_t>(best);
    return cache_[key];
  }

 private:
  const std::array<Rgb, 256>& palette_;
  std::vector<std::uint8_t> by_red_;  // the free entries in use, by red
  std::vector<std::uint8_t> cache_;   // 0: not yet known (0 is never a free entry)
};

// Codes every pixel, with Floyd-Steinberg error diffusion at the given share.
void MapPixels(const Raster& raster, int used, int dither, IndexedPicture& out) {
  NearestEntry nearest(out.palette, used);
  const int w = raster.width;
  std::vector<int> err(static_cast<std::size_t>(w + 2) * 3, 0), next(err.size(), 0);
  for (int y = 0; y < raster.height; ++y) {
    std::fill(next.begin(), next.end(), 0);
    for (int x = 0; x < w; ++x) {
      const std::uint8_t* p = raster.at(x, y);
      std::uint8_t& index = out.indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)];
      if (p[3] < 128) { index = kTransparentEntry; continue; }
      const PackedRgb packed = Pack(p);
      if (packed == 0x000000) { index = kBlackEntry; continue; }
      if (packed == 0xFFFFFF) { index = kWhiteEntry; continue; }
      const std::size_t slot = static_cast<std::size_t>(x + 1) * 3;
      int adjusted[3];
      for (int a = 0; a < 3; ++a)
        adjusted[a] = std::clamp(p[a] + (err[slot + static_cast<std::size_t>(a)] + 128) / 256, 0, 255);
      const Rgb want{static_cast<std::uint8_t>(adjusted[0]), static_cast<std::uint8_t>(adjusted[1]),
                     static_cast<std::uint8_t>(adjusted[2])};
      index = dither > 0 ? nearest(want) : nearest(Unpack(packed));
      if (dither == 0) continue;
      const Rgb got = out.palette[index];
      const int got_c[3] = {got.r, got.g, got.b};
      for (int a = 0; a < 3; ++a) {
        const int e = (adjusted[a] - got_c[a]) * dither;  // in 1/256ths
        const std::size_t c = static_cast<std::size_t>(a);
        err[slot + 3 + c] += e * 7;
        next[slot - 3 + c] += e * 3;
        next[slot + c] += e * 5;
        next[slot + 3 + c] += e * 1;
      }
    }
    std::swap(err, next);
  }
}

// Puts every unused entry to work. Entry 0 or 1, where unused, takes the
// darkest or lightest opaque pixel. A free entry that is unused splits the
// most used free entry: the donor's pixel farthest from the donor's colour
// gives the new entry its colour, and every donor pixel nearer to that colour
// than to the donor's moves with it.
void FillUnused(const Raster& raster, IndexedPicture& out) {
  const std::size_t n = out.indices.size();
  std::vector<std::vector<std::uint32_t>> members(256);
  for (std::size_t i = 0; i < n; ++i) members[out.indices[i]].push_back(static_cast<std::uint32_t>(i));
  auto colour_of = [&](std::uint32_t i) { return Unpack(Pack(raster.rgba.data() + std::size_t{i} * 4)); };
  auto move = [&](std::uint32_t pixel, int to) {
    auto& from = members[out.indices[pixel]];
    from.erase(std::find(from.begin(), from.end(), pixel));
    out.indices[pixel] = static_cast<std::uint8_t>(to);
    members[static_cast<std::size_t>(to)].push_back(pixel);
  };

  for (int fixed : {kBlackEntry, kWhiteEntry}) {
    if (!members[static_cast<std::size_t>(fixed)].empty()) continue;
    const Rgb target = out.palette[static_cast<std::size_t>(fixed)];
    std::uint32_t best = 0;
    int best_d = std::numeric_limits<int>::max();
    for (int e = kFirstFree; e <= kLastFree; ++e)
      for (std::uint32_t i : members[static_cast<std::size_t>(e)]) {
        const int d = Distance(colour_of(i), target);
        if (d < best_d || (d == best_d && i < best)) { best_d = d; best = i; }
      }
    move(best, fixed);
  }

  // Largest distance of an entry's pixels from its colour, kept while its
  // pixels stay the same (-1: not known).
  std::vector<int> spread(256, -1);
  for (int e = kFirstFree; e <= kLastFree; ++e) {
    if (!members[static_cast<std::size_t>(e)].empty()) continue;
    std::size_t donor = 0;
    for (std::size_t d = kFirstFree; d <= kLastFree; ++d)
      if (members[d].size() > members[donor].size() || (donor < kFirstFree && members[d].size() >= 2)) donor = d;
    if (members[donor].size() < 2)
      for (std::size_t d : {std::size_t{kWhiteEntry}, std::size_t{kBlackEntry}})
        if (members[d].size() > members[donor].size()) donor = d;
    auto& from = members[donor];
    const Rgb base = out.palette[donor];
    auto& to = members[static_cast<std::size_t>(e)];
    std::uint32_t far = from.back();
    if (spread[donor] != 0) {
      int far_d = -1;
      for (std::uint32_t i : from) {
        const int d = Distance(colour_of(i), base);
        if (d > far_d) { far_d = d; far = i; }
      }
      spread[donor] = far_d;
    }
    if (spread[donor] == 0) {  // a donor of one colour gives up one pixel
      out.palette[static_cast<std::size_t>(e)] = base;
      out.indices[from.back()] = static_cast<std::uint8_t>(e);
      to.push_back(from.back());
      from.pop_back();
      spread[static_cast<std::size_t>(e)] = 0;
      continue;
    }
    const Rgb split = colour_of(far);
    out.palette[static_cast<std::size_t>(e)] = split;
    std::vector<std::uint32_t> stay;
    for (std::uint32_t i : from) {
      const Rgb c = colour_of(i);
      if (Distance(c, split) < Distance(c, base)) {
        out.indices[i] = static_cast<std::uint8_t>(e);
        to.push_back(i);
      } else {
        stay.push_back(i);
      }
    }
    from = std::move(stay);
    spread[donor] = -1;
  }
}

}  // namespace

std::variant<IndexedPicture, QuantiseError> Quantise(const Raster& raster, const QuantiseOptions& options) {
  if (raster.width <= 0 || raster.height <= 0 ||
      raster.rgba.size() != static_cast<std::size_t>(raster.width) * static_cast<std::size_t>(raster.height) * 4)
    return QuantiseError{"the raster is empty or its size does not match its pixels"};

  std::vector<PackedRgb> colours;
  std::size_t opaque = 0, transparent = 0;
  for (std::size_t i = 0; i < raster.rgba.size(); i += 4) {
    const std::uint8_t* p = raster.rgba.data() + i;
    if (p[3] < 128) { ++transparent; continue; }
    ++opaque;
    const PackedRgb c = Pack(p);
    if (c != 0x000000 && c != 0xFFFFFF) colours.push_back(c);
  }
  if (transparent == 0) return QuantiseError{"the picture has no transparent pixel"};
  if (opaque < 255) return QuantiseError{"the picture has fewer than 255 opaque pixels"};

  std::sort(colours.begin(), colours.end());
  std::vector<ColourCount> hist;
  for (PackedRgb c : colours) {
    if (!hist.empty() && hist.back().colour == c) ++hist.back().count;
    else hist.push_back({c, 1});
  }

  IndexedPicture out;
  out.width = raster.width;
  out.height = raster.height;
  out.indices.assign(static_cast<std::size_t>(raster.width) * static_cast<std::size_t>(raster.height), 0);
  out.palette.fill(Rgb{255, 255, 255});
  out.palette[kBlackEntry] = Rgb{0, 0, 0};

  const std::vector<Rgb> chosen = MedianCut(std::move(hist), kFreeCount);
  for (std::size_t i = 0; i < chosen.size(); ++i) out.palette[kFirstFree + i] = chosen[i];
  if (chosen.empty()) out.palette[kFirstFree] = Rgb{255, 255, 255};  // only black and white: entry 2 is a spare white
  const int used = std::max(1, static_cast<int>(chosen.size()));
  MapPixels(raster, used, std::clamp(options.dither_sixteenths, 0, 16), out);
  FillUnused(raster, out);
  return out;
}

}  // namespace assets
