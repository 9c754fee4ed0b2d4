// ON_Line: the segment from `from` to `to`.
#pragma once

#include "opennurbs_point.h"

class ON_Line {
 public:
  ON_3dPoint from;  // default (0,0,0)
  ON_3dPoint to;    // default (0,0,0)

  ON_Line() = default;
  ON_Line(const ON_3dPoint& from, const ON_3dPoint& to);

  ON_3dPoint& operator[](int i);  // 0 = from, 1 = to
  const ON_3dPoint& operator[](int i) const;

  // Per coordinate: from's value when from and to are exactly equal there (+0 == -0, from's
  // sign kept), otherwise (1-t)*from + t*to. So PointAt(0.5) of (0.1,5,-3)-(0.7,5,2) is
  // (0.39999999999999997, 5, -0.5).
  ON_3dPoint PointAt(double t) const;
  ON_3dVector Direction() const;  // to - from
  double Length() const;          // from.DistanceTo(to)
  bool IsValid() const;           // both ends valid and distinct
};
