// OdDbText ("AcDbText", DXF TEXT): single-line text. position() (DXF 10) and alignmentPoint()
// (DXF 11) are in world coordinates; rotation in radians in the text's plane (normal).
#pragma once

#include "DbEntity.h"
#include "Ge/GePoint3d.h"

class OdDbText : public OdDbEntity {
  ODRX_DECLARE_MEMBERS(OdDbText);
  ODRX_DECLARE_CREATE(OdDbText);

 public:
  OdString textString() const { return m_text; }
  double height() const { return m_height; }
  OdGePoint3d position() const { return m_position; }
  OdGePoint3d alignmentPoint() const { return m_alignmentPoint; }
  OdGeVector3d normal() const { return m_normal; }
  double rotation() const { return m_rotation; }
  void setTextString(const OdString& text);
  void setHeight(double height);
  void setPosition(const OdGePoint3d& position);
  void setAlignmentPoint(const OdGePoint3d& point);
  void setNormal(const OdGeVector3d& normal);
  void setRotation(double rotation);

 private:
  OdString m_text;
  OdGePoint3d m_position;
  OdGePoint3d m_alignmentPoint;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  double m_height = 0.0;
  double m_rotation = 0.0;
};

typedef OdSmartPtr<OdDbText> OdDbTextPtr;
