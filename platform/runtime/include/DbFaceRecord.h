// OdDbFaceRecord ("AcDbFaceRecord"): one face of a polyface mesh: four vertex numbers (DXF codes
// 71-74), 1-based positions in the mesh's vertex list; a negative number marks the edge that
// starts there invisible, 0 means "no vertex" (a fourth 0 makes a triangle).
#pragma once

#include "DbVertex.h"

class OdDbFaceRecord : public OdDbVertex {
  ODRX_DECLARE_MEMBERS(OdDbFaceRecord);
  ODRX_DECLARE_CREATE(OdDbFaceRecord);

 public:
  // Index 0..3; another index throws OdError_InvalidIndex.
  OdInt16 getVertexAt(OdUInt16 index) const;
  void setVertexAt(OdUInt16 index, OdInt16 vertexNumber);

 private:
  OdInt16 m_vertices[4] = {0, 0, 0, 0};
};

typedef OdSmartPtr<OdDbFaceRecord> OdDbFaceRecordPtr;
