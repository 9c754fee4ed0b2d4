// OdDbLine ("AcDbLine"): a straight segment in world coordinates. Parameter 0 is the start point,
// the segment's length the end point; it is never closed.
#pragma once

#include "DbCurve.h"

class OdDbLine : public OdDbCurve {
  ODRX_DECLARE_MEMBERS(OdDbLine);
  ODRX_DECLARE_CREATE(OdDbLine);

 public:
  OdGePoint3d startPoint() const { return m_start; }
  OdGePoint3d endPoint() const { return m_end; }
  void setStartPoint(const OdGePoint3d& point);
  void setEndPoint(const OdGePoint3d& point);

  bool isClosed() const override { return false; }
  OdResult getStartParam(double& param) const override;
  OdResult getEndParam(double& param) const override;
  OdResult getStartPoint(OdGePoint3d& point) const override;
  OdResult getEndPoint(OdGePoint3d& point) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& point) const override;

 private:
  OdGePoint3d m_start;
  OdGePoint3d m_end;
};

typedef OdSmartPtr<OdDbLine> OdDbLinePtr;
