// Scaling down by averaging over areas: the rows of a picture, added in
// order, each pixel into the target pixel whose area it falls in; each
// target pixel is then the mean of the pixels in its area, in premultiplied
// red, green, blue and alpha. Used by the decoders that scale as they
// decode, so that no picture is ever held at its full size.
#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

namespace runtime::qt {

class AreaAverage {
 public:
  // From rows of sw pixels, sh of them, to tw x th (each at most the
  // source's).
  AreaAverage(int sw, int sh, int tw, int th)
      : sh_(sh), th_(th), sums_(static_cast<std::size_t>(tw) * 4), column_(static_cast<std::size_t>(sw)),
        widths_(static_cast<std::size_t>(tw), 0) {
    for (int x = 0; x < sw; ++x) {
      column_[static_cast<std::size_t>(x)] = static_cast<int>(static_cast<long>(x) * tw / sw);
      ++widths_[static_cast<std::size_t>(column_[static_cast<std::size_t>(x)])];
    }
  }

  // The source rows up to, not including, this one make target row ty.
  int RowEnd(int ty) const { return static_cast<int>(static_cast<long>(ty + 1) * sh_ / th_); }

  void Clear() { std::fill(sums_.begin(), sums_.end(), 0u); }
  // Adds source pixel sx of the current row, premultiplied.
  void Add(int sx, std::uint32_t r, std::uint32_t g, std::uint32_t b, std::uint32_t a) {
    std::uint32_t* sum = &sums_[static_cast<std::size_t>(column_[static_cast<std::size_t>(sx)]) * 4];
    sum[0] += r;
    sum[1] += g;
    sum[2] += b;
    sum[3] += a;
  }
  // Writes the target row whose area took `rows` source rows (those left
  // out of the picture count as clear).
  void Emit(QRgb* line, int rows) const {
    for (std::size_t tx = 0; tx < widths_.size(); ++tx) {
      const std::uint32_t n = widths_[tx] * static_cast<std::uint32_t>(rows);
      const std::uint32_t* sum = &sums_[tx * 4];
      auto avg = [n](std::uint32_t v) { return static_cast<int>((v + n / 2) / n); };
      line[tx] = qRgba(avg(sum[0]), avg(sum[1]), avg(sum[2]), avg(sum[3]));
    }
  }

 private:
  int sh_, th_;
  std::vector<std::uint32_t> sums_;
  std::vector<int> column_;  // the target column of each source column
  std::vector<std::uint32_t> widths_;  // how many source columns each target column takes
};

}  // namespace runtime::qt
