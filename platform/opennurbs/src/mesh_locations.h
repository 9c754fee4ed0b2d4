// Private to the mesh code: grouping of mesh vertices by location.
//
// Locations are ordered by x, then y, then z, each compared as doubles with NaN placed before
// every number (a total order, so sorting is well defined whatever the data). Two vertices
// share a location only when all three doubles compare equal with ==, so +0 and -0 coincide
// and a NaN coordinate never matches anything, not even another NaN.
#pragma once

#include <vector>

#include "opennurbs_point.h"

namespace on_mesh_detail {

// -1, 0 or +1 in the order described above (NaN equals NaN here; only sorting uses this).
int CompareLocation(const ON_3dPoint& a, const ON_3dPoint& b);
bool SameLocation(const ON_3dPoint& a, const ON_3dPoint& b);

struct LocationGroups {
  std::vector<int> sorted;       // vertex indices, by location, ascending index within ties
  std::vector<int> group_start;  // first position in `sorted` of each group, plus the end
  std::vector<int> group_of;     // group of each vertex
  int GroupCount() const { return static_cast<int>(group_start.size()) - 1; }
};

LocationGroups GroupByLocation(const ON_3dPoint* points, int count);

}  // namespace on_mesh_detail
