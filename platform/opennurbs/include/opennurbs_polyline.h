// ON_Polyline: an ordered list of points (an ON_3dPointArray) read as connected segments.
#pragma once

#include "opennurbs_array.h"

class ON_Polyline : public ON_3dPointArray {
 public:
  ON_Polyline() = default;
  explicit ON_Polyline(const ON_3dPointArray& points);
  ON_Polyline& operator=(const ON_3dPointArray& points);

  int PointCount() const;    // Count()
  int SegmentCount() const;  // max(Count() - 1, 0)

  // Needs at least 4 points. tolerance > 0: the first and last point are within tolerance and
  // some interior point is farther than tolerance from both. tolerance <= 0: the same, with
  // "equal" meaning ON_ComparePoint(...) == 0 (relative, about 1.5e-8 of the magnitudes;
  // NaN coordinates count as equal).
  bool IsClosed(double tolerance = 0.0) const;
  double Length() const;  // sum of segment lengths
};
