// OdDbVertex: the base of the vertex (and face record) objects that 2D and 3D polylines and meshes
// own. Vertices are database objects of their own, with ids and handles, owned by their polyline.
#pragma once

#include "DbEntity.h"
#include "Ge/GePoint3d.h"

class OdDbVertex : public OdDbEntity {
  ODRX_DECLARE_MEMBERS(OdDbVertex);
};

typedef OdSmartPtr<OdDbVertex> OdDbVertexPtr;
