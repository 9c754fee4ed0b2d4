// ON_NurbsCurve: a non-uniform rational B-spline curve stored as control vertices (m_dim
// coordinates, plus a weight when rational) and a knot vector of order + cv_count - 2 knots
// (the two superfluous end knots are not stored).
#pragma once

#include <vector>

#include "opennurbs_interval.h"
#include "opennurbs_point.h"

class ON_NurbsCurve {
 public:
  // Empty: dimension 0, order 0, CVCount 0, KnotCount -2.
  ON_NurbsCurve() = default;
  ON_NurbsCurve(int dimension, bool is_rational, int order, int cv_count);

  // Sets up storage for the given shape (weights 1 when rational, new CVs and knots zero).
  // Refuses (false) when dimension < 1, order < 2 or cv_count < order, and then changes
  // nothing: the curve keeps its previous order, CVs and knots.
  bool Create(int dimension, bool is_rational, int order, int cv_count);
  // Non-rational curve with the first `dimension` coordinates of each point as CVs and the
  // clamped uniform knots 0 (order-1 times), delta, 2*delta, ... (by repeated addition), the
  // last value repeated order-1 times. Refuses (false, nothing changed) when dimension is not
  // 1..3, point is null, order < 2 or point_count < order. When knot_delta <= 0 the shape and
  // CVs are set but the knots are not (new knots zero, old ones kept) and false is returned.
  bool CreateClampedUniformNurbs(int dimension, int order, int point_count, const ON_3dPoint* point,
                                 double knot_delta = 1.0);
  void Destroy();  // back to the empty curve

  int Dimension() const;
  int Order() const;
  int Degree() const;  // order - 1 (0 for the empty curve)
  int CVCount() const;
  int KnotCount() const;  // order + cv_count - 2
  bool IsRational() const;

  // Knot i, or 0.0 when i is outside [0, KnotCount()) (also for the empty curve).
  double Knot(int i) const;
  // Stores k as knot i without any ordering check. False and nothing changed when i is
  // outside [0, KnotCount()).
  bool SetKnot(int i, double k);
  ON_Interval Domain() const;  // [knot[order-2], knot[cv_count-1]]

  // Euclidean control point i; missing coordinates are 0. For a rational curve the homogeneous
  // point is divided by its weight. A zero weight or i outside [0, CVCount()) returns false and
  // leaves point unchanged.
  bool GetCV(int i, ON_3dPoint& point) const;
  // Homogeneous control point (w = 1 for a non-rational curve).
  bool GetCV(int i, ON_4dPoint& point) const;
  // Sets control point i (a rational curve gets weight 1). False when i is out of range.
  bool SetCV(int i, const ON_3dPoint& point);
  // Sets the homogeneous control point i of a rational curve (w and x, y, z = w * location);
  // false for a non-rational curve or i out of range.
  bool SetCV(int i, const ON_4dPoint& point);
  double Weight(int i) const;  // 1 for a non-rational curve

  // Shape valid (dimension >= 1, order >= 2, cv_count >= order), knots non-decreasing with
  // no knot repeated more than order-1 times inside and a non-empty first and last span,
  // rational weights non-zero.
  bool IsValid() const;

 private:
  int CVSize() const;  // doubles per CV
  bool IsValidKnotVector() const;

  int m_dim = 0;
  bool m_is_rat = false;
  int m_order = 0;
  int m_cv_count = 0;
  std::vector<double> m_cv;
  std::vector<double> m_knot;
};
