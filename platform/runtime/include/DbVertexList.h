// OdDbVertexList: the ordered ids of the vertex objects a polyline or mesh owns, shared by the
// classes that own vertices (2D/3D polylines, polyface and polygon meshes).
#pragma once

#include <cstdint>
#include <vector>

#include "DbObjectIterator.h"

class OdDbVertexList {
 public:
  const std::vector<OdDbObjectId>& ids() const { return m_ids; }
  // Adds vertex to owner's database, owned by owner, at position (end by default), and returns its
  // id. owner must be resident and open for write; a null vertex or one already in a database
  // throws (eNullObjectPointer, eAlreadyInDb), a non-resident owner throws eNoDatabase.
  OdDbObjectId append(OdDbObject& owner, OdDbObject* vertex, size_t position = SIZE_MAX);
  void appendId(OdDbObjectId id) { m_ids.push_back(id); }
  OdDbObjectIteratorPtr iterator(const OdDbObject& owner) const;
  // Number of ids whose objects are not erased (optionally only those of class cls).
  size_t countLive(const OdRxClass* cls = nullptr) const;

 private:
  std::vector<OdDbObjectId> m_ids;
};
