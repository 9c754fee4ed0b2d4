// Small helpers shared by the converters: host points and vectors as geometry-library values,
// the class-name test of the dispatchers, and the walk over the sub-objects of a polyline or mesh.
#pragma once

#include "DbObjectIterator.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"
#include "opennurbs.h"

namespace convert_internal {

// The same three doubles, in the same order.
inline ON_3dPoint ToOn(const OdGePoint3d& p) { return ON_3dPoint(p.x, p.y, p.z); }
inline ON_3dVector ToOn(const OdGeVector3d& v) { return ON_3dVector(v.x, v.y, v.z); }

// The host reads a zero extrusion direction (DXF 210/220/230 all 0) as the world z axis.
inline OdGeVector3d NormalOrWorldZ(const OdGeVector3d& normal) {
  const bool zero = normal.x == 0.0 && normal.y == 0.0 && normal.z == 0.0;
  return zero ? OdGeVector3d::kZAxis : normal;
}

// Exact, case-sensitive comparison of the object's runtime class name with name; a class derived
// from the named one under another name does not match.
inline bool HasClassName(const OdRxObject& object, const wchar_t* name) {
  return object.isA()->name() == name;
}

// Opens the sub-object id for read (erased objects are not opened) and narrows it to T; throws the
// host's open errors and OdError_NotThatKindOfClass.
template <class T>
OdSmartPtr<T> OpenSubObject(const OdDbObjectId& id) {
  return OdSmartPtr<T>(id.safeOpenObject(OdDb::kForRead, false));
}

// Calls visit(id) for each sub-object from the iterator's start, skipping erased ones, until the
// iterator is done or visit returns false.
template <class Visit>
void ForEachSubObject(const OdDbObjectIteratorPtr& iterator, Visit&& visit) {
  for (iterator->start(true, true); !iterator->done(); iterator->step(true, true)) {
    if (!visit(iterator->objectId())) return;
  }
}

}  // namespace convert_internal
