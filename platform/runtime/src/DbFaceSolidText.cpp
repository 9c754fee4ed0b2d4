// 3D faces, 2D solids and single-line text.
#include "DbFace.h"
#include "DbSolid.h"
#include "DbText.h"

ODRX_CONS_DEFINE_MEMBERS(OdDbFace, OdDbEntity, L"AcDbFace", L"3DFACE")
ODRX_CONS_DEFINE_MEMBERS(OdDbSolid, OdDbEntity, L"AcDbSolid", L"SOLID")
ODRX_CONS_DEFINE_MEMBERS(OdDbText, OdDbEntity, L"AcDbText", L"TEXT")

OdResult OdDbFace::getVertexAt(OdUInt16 index, OdGePoint3d& point) const {
  if (index > 3) return eInvalidIndex;
  point = m_corners[index];
  return eOk;
}

OdResult OdDbFace::setVertexAt(OdUInt16 index, const OdGePoint3d& point) {
  if (index > 3) return eInvalidIndex;
  assertWriteEnabled();
  m_corners[index] = point;
  return eOk;
}

bool OdDbFace::isEdgeVisibleAt(OdUInt16 index) const {
  if (index > 3) throw OdError_InvalidIndex(index, 4);
  return (m_invisibleEdges & (1u << index)) == 0;
}

void OdDbFace::makeEdgeInvisibleAt(OdUInt16 index) {
  if (index > 3) throw OdError_InvalidIndex(index, 4);
  assertWriteEnabled();
  m_invisibleEdges = static_cast<OdUInt8>(m_invisibleEdges | (1u << index));
}

void OdDbFace::makeEdgeVisibleAt(OdUInt16 index) {
  if (index > 3) throw OdError_InvalidIndex(index, 4);
  assertWriteEnabled();
  m_invisibleEdges = static_cast<OdUInt8>(m_invisibleEdges & ~(1u << index));
}

OdResult OdDbSolid::getPointAt(int index, OdGePoint3d& point) const {
  if (index < 0 || index > 3) return eInvalidIndex;
  point = m_corners[index];
  return eOk;
}

OdResult OdDbSolid::setPointAt(int index, const OdGePoint3d& point) {
  if (index < 0 || index > 3) return eInvalidIndex;
  assertWriteEnabled();
  m_corners[index] = point;
  return eOk;
}

void OdDbSolid::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  m_normal = normal;
}

void OdDbText::setTextString(const OdString& text) {
  assertWriteEnabled();
  m_text = text;
}

void OdDbText::setHeight(double height) {
  assertWriteEnabled();
  m_height = height;
}

void OdDbText::setPosition(const OdGePoint3d& position) {
  assertWriteEnabled();
  m_position = position;
}

void OdDbText::setAlignmentPoint(const OdGePoint3d& point) {
  assertWriteEnabled();
  m_alignmentPoint = point;
}

void OdDbText::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  m_normal = normal;
}

void OdDbText::setRotation(double rotation) {
  assertWriteEnabled();
  m_rotation = rotation;
}
