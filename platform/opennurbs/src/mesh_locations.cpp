// Grouping of mesh vertices by exact location.
#include "mesh_locations.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace on_mesh_detail {

namespace {

int CompareCoordinate(double a, double b) {
  const bool a_nan = std::isnan(a);
  const bool b_nan = std::isnan(b);
  if (a_nan || b_nan) return a_nan == b_nan ? 0 : (a_nan ? -1 : 1);
  if (a < b) return -1;
  if (a > b) return 1;
  return 0;
}

// Stable: an element moves only past elements that sort after it.
template <typename Before>
void InsertionSort(std::vector<int>& v, Before before) {
  for (size_t i = 1; i < v.size(); ++i) {
    const int x = v[i];
    size_t j = i;
    for (; j > 0 && before(x, v[j - 1]); --j) v[j] = v[j - 1];
    v[j] = x;
  }
}

}  // namespace

int CompareLocation(const ON_3dPoint& a, const ON_3dPoint& b) {
  int c = CompareCoordinate(a.x, b.x);
  if (c == 0) c = CompareCoordinate(a.y, b.y);
  if (c == 0) c = CompareCoordinate(a.z, b.z);
  return c;
}

bool SameLocation(const ON_3dPoint& a, const ON_3dPoint& b) {
  return a.x == b.x && a.y == b.y && a.z == b.z;
}

LocationGroups GroupByLocation(const ON_3dPoint* points, int count) {
  LocationGroups g;
  g.sorted.resize(static_cast<size_t>(std::max(count, 0)));
  std::iota(g.sorted.begin(), g.sorted.end(), 0);
  const auto before = [points](int a, int b) { return CompareLocation(points[a], points[b]) < 0; };
  if (g.sorted.size() <= 16) {
    InsertionSort(g.sorted, before);  // a face's corners: stable, and no buffer to allocate
  } else {
    std::stable_sort(g.sorted.begin(), g.sorted.end(), before);
  }
  g.group_of.assign(g.sorted.size(), -1);
  for (size_t k = 0; k < g.sorted.size(); ++k) {
    const int v = g.sorted[k];
    if (k == 0 || !SameLocation(points[g.sorted[k - 1]], points[v])) {
      g.group_start.push_back(static_cast<int>(k));
    }
    g.group_of[static_cast<size_t>(v)] = static_cast<int>(g.group_start.size()) - 1;
  }
  g.group_start.push_back(static_cast<int>(g.sorted.size()));
  return g;
}

}  // namespace on_mesh_detail
