// Exact distance transform (two passes of the lower envelope of parabolas) and box downsampling.
#include "tools/sprites/mask.h"

#include <cmath>
#include <limits>

namespace sprites {
namespace {

// Squared distance standing for "no covered cell on this line"; loses to any real one.
constexpr double Far = 1e18;

// One-dimensional squared distance transform of f into d (Felzenszwalb and Huttenlocher).
void SquaredDistance1D(const std::vector<double>& f, std::vector<double>& d, std::vector<int>& v,
                       std::vector<double>& z) {
  const int n = static_cast<int>(f.size());
  auto intersection = [&f](int q, int p) {
    return ((f[q] + double(q) * q) - (f[p] + double(p) * p)) / (2.0 * (q - p));
  };
  int k = 0;
  v[0] = 0;
  z[0] = -std::numeric_limits<double>::infinity();
  z[1] = std::numeric_limits<double>::infinity();
  for (int q = 1; q < n; ++q) {
    double s = intersection(q, v[k]);
    while (s <= z[k]) {
      --k;
      s = intersection(q, v[k]);
    }
    ++k;
    v[k] = q;
    z[k] = s;
    z[k + 1] = std::numeric_limits<double>::infinity();
  }
  k = 0;
  for (int q = 0; q < n; ++q) {
    while (z[k + 1] < q) ++k;
    const double dq = double(q - v[k]);
    d[q] = dq * dq + f[v[k]];
  }
}

}  // namespace

std::vector<float> DistanceToCovered(const Mask& mask, float threshold) {
  const int w = mask.width, h = mask.height;
  std::vector<double> grid(mask.values.size());
  for (size_t i = 0; i < grid.size(); ++i) grid[i] = mask.values[i] >= threshold ? 0.0 : Far;
  const int longest = w > h ? w : h;
  std::vector<double> f(longest), d(longest), z(longest + 1);
  std::vector<int> v(longest);
  f.resize(h);
  d.resize(h);
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y < h; ++y) f[y] = grid[size_t(y) * w + x];
    SquaredDistance1D(f, d, v, z);
    for (int y = 0; y < h; ++y) grid[size_t(y) * w + x] = d[y];
  }
  f.resize(w);
  d.resize(w);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) f[x] = grid[size_t(y) * w + x];
    SquaredDistance1D(f, d, v, z);
    for (int x = 0; x < w; ++x) grid[size_t(y) * w + x] = d[x];
  }
  std::vector<float> distance(grid.size());
  for (size_t i = 0; i < grid.size(); ++i) distance[i] = static_cast<float>(std::sqrt(grid[i]));
  return distance;
}

Mask Downsample(const Mask& fine, int factor) {
  Mask coarse(fine.width / factor, fine.height / factor);
  const float weight = 1.0f / float(factor * factor);
  for (int y = 0; y < coarse.height; ++y) {
    for (int x = 0; x < coarse.width; ++x) {
      float sum = 0.0f;
      for (int sy = 0; sy < factor; ++sy)
        for (int sx = 0; sx < factor; ++sx) sum += fine.At(x * factor + sx, y * factor + sy);
      coarse.At(x, y) = sum * weight;
    }
  }
  return coarse;
}

}  // namespace sprites
