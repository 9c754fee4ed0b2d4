// EntityExtents: the axis-aligned box around an entity's geometry in world coordinates, and the
// window and crossing tests of "Select objects:" W and C.
//
// Points, texts (their insertion point), faces and 2D solids (their corners) and mesh vertices
// are exact. Curves (lines, circles, arcs, ellipses, splines, polylines with bulges) are walked
// along their parameter: the ends, and evenly spaced points at most 1/256 of a turn or 1/64 of a
// polyline segment or spline parameter unit apart; for an arc of radius r the box is then at most
// r * (1 - cos(pi / 256)), under 8e-5 r, short of the true one on a side. Entities without
// geometry of their own (blocks, hatches, dimensions, ...) have no extents and are never picked
// by W or C.
#pragma once

#include <optional>

#include "DbEntity.h"
#include "Ge/GePoint3d.h"

namespace app {

struct Extents {
  OdGePoint3d min;
  OdGePoint3d max;

  void Add(const OdGePoint3d& point);
};

std::optional<Extents> EntityExtents(OdDbEntity& entity);

// The rectangle between two corners in plan (x and y; z is not looked at), in either order.
struct PlanWindow {
  double minX = 0.0;
  double minY = 0.0;
  double maxX = 0.0;
  double maxY = 0.0;

  static PlanWindow FromCorners(const OdGePoint3d& a, const OdGePoint3d& b);
  // W: the whole box lies inside (edges included).
  bool Encloses(const Extents& extents) const;
  // C: the box lies inside or touches the window. Decided on the box, so a long diagonal whose
  // box meets the window is picked even where the line itself passes by, as CAD hosts' quick
  // crossing tests do.
  bool Meets(const Extents& extents) const;
};

}  // namespace app
