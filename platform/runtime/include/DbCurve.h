// OdDbCurve: the queries every curve answers. Parameters run from getStartParam to getEndParam
// (end > start); points are in world coordinates. All return eOk, or eInvalidInput for a parameter
// outside the curve's range (the point is then left unchanged) or a curve without geometry.
#pragma once

#include "DbEntity.h"
#include "Ge/GePoint3d.h"

class OdDbCurve : public OdDbEntity {
  ODRX_DECLARE_MEMBERS(OdDbCurve);

 public:
  virtual bool isClosed() const = 0;
  virtual OdResult getStartParam(double& param) const = 0;
  virtual OdResult getEndParam(double& param) const = 0;
  virtual OdResult getStartPoint(OdGePoint3d& point) const;
  virtual OdResult getEndPoint(OdGePoint3d& point) const;
  virtual OdResult getPointAtParam(double param, OdGePoint3d& point) const = 0;
};

typedef OdSmartPtr<OdDbCurve> OdDbCurvePtr;
