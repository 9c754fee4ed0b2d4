// OdDbPoint ("AcDbPoint"): a point entity, position in world coordinates.
#pragma once

#include "DbEntity.h"
#include "Ge/GePoint3d.h"

class OdDbPoint : public OdDbEntity {
  ODRX_DECLARE_MEMBERS(OdDbPoint);
  ODRX_DECLARE_CREATE(OdDbPoint);

 public:
  OdGePoint3d position() const { return m_position; }
  void setPosition(const OdGePoint3d& position);

 private:
  OdGePoint3d m_position;
};

typedef OdSmartPtr<OdDbPoint> OdDbPointPtr;
