// CollectPoints: the export's walk over a selection, in selection order, into one point list.
// A large selection whose first entities give two points or more each (curves, meshes,
// polylines: a walk that costs) is walked on two threads: the first half here, the second on
// another thread into lists of its own that are appended after the first half's points, so the
// list is the one a single walk makes. The collector only reads each entity and the vertices it
// owns, so the halves share no object.
#pragma once

#include <cstddef>

#include "DbSSet.h"
#include "opennurbs.h"
#include "options/export_options.h"

// When the walk goes on two threads: selections of at least `from` entities whose first entities
// give at least `pointsPerEntity` points each.
struct TwoThreadWalk {
  std::size_t from = 65536;
  std::size_t pointsPerEntity = 2;
};

// Appends the points of every selected entity to `points`. An entity that cannot be opened raises
// the host's error, as the walk on one thread does; when both halves fail, the first half's error
// is the one raised.
void CollectPoints(const OdDbSelectionSet& selection, const ExportOptions& options,
                   ON_3dPointArray& points, TwoThreadWalk twoThreads = {});
