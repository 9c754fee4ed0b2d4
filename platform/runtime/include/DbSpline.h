// OdDbSpline ("AcDbSpline"): a NURBS curve in world coordinates, kept as DXF stores it: degree,
// flags, control points, knots and (for a rational spline) one weight per control point. The data
// is kept exactly as set, also when it does not form a valid curve (e.g. too few knots); the curve
// queries then return eInvalidInput. Parameters run from knot[degree] to knot[n], n the number of
// control points.
#pragma once

#include "DbCurve.h"
#include "OdArray.h"

class OdDbSpline : public OdDbCurve {
  ODRX_DECLARE_MEMBERS(OdDbSpline);
  ODRX_DECLARE_CREATE(OdDbSpline);

 public:
  void getNurbsData(int& degree, bool& rational, bool& closed, bool& periodic,
                    OdGePoint3dArray& controlPoints, OdGeDoubleArray& knots,
                    OdGeDoubleArray& weights, double& controlPtTol, double& knotTol) const;
  // Weights are used when rational (one per control point); an empty weights array with
  // rational = true means all weights 1.
  void setNurbsData(int degree, bool rational, bool closed, bool periodic,
                    const OdGePoint3dArray& controlPoints, const OdGeDoubleArray& knots,
                    const OdGeDoubleArray& weights, double controlPtTol = 1e-10,
                    double knotTol = 1e-10);
  int degree() const { return m_degree; }
  bool isRational() const { return m_rational; }
  bool isPeriodic() const { return m_periodic; }
  int numControlPoints() const { return static_cast<int>(m_controlPoints.size()); }
  int numKnots() const { return static_cast<int>(m_knots.size()); }

  bool isClosed() const override { return m_closed; }
  OdResult getStartParam(double& param) const override;
  OdResult getEndParam(double& param) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& point) const override;

 private:
  bool hasValidData() const;

  OdGePoint3dArray m_controlPoints;
  OdGeDoubleArray m_knots;
  OdGeDoubleArray m_weights;
  double m_controlPtTol = 1e-10;
  double m_knotTol = 1e-10;
  int m_degree = 0;
  bool m_rational = false;
  bool m_closed = false;
  bool m_periodic = false;
};

typedef OdSmartPtr<OdDbSpline> OdDbSplinePtr;
