// The entity kinds the reader fills with data: one field table per DXF entity name and one
// builder that makes the runtime entity from the collected record. Kinds not listed become
// generic entities of their own class name.
#pragma once

#include <string_view>

#include "DbEntity.h"
#include "EntityRecord.h"
#include "TextDecoder.h"

namespace dxf {

// Vertex kinds of the POLYLINE family, decided by the POLYLINE's flags (code 70).
enum class PolylineKind { k2d, k3d, kPolygonMesh, kPolyFaceMesh };

PolylineKind polylineKindOf(std::int64_t flags);

// The table of a DXF entity name ("VERTEX" for the vertices of every polyline kind); null for
// kinds kept as generic entities.
const KindSpec* findKind(std::string_view dxfName);

// Makes the runtime entity of a record of kind `dxfName` that findKind knows. Object coordinates
// become world coordinates here. `reader` names the place of contradicting data.
OdDbEntityPtr buildEntity(std::string_view dxfName, const EntityRecord& record,
                          const TextDecoder& decoder, const DxfTagReader& reader);

// A vertex object of the given polyline kind from a VERTEX record; for a polyface mesh, the
// vertex's own flags tell a mesh vertex (64) from a face record.
OdDbEntityPtr buildVertex(PolylineKind kind, const EntityRecord& record);

}  // namespace dxf
