// OdDbObjectIterator: walks the objects a container owns (the entities of a block table record,
// the vertices of a polyline or mesh) in their stored order. It holds the container's id, not a
// reference, so it neither opens the container nor breaks when objects are appended while it walks.
#pragma once

#include "DbEntity.h"

class OdDbObjectIterator : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdDbObjectIterator);

 public:
  // An iterator over the objects owned by container (BTR or vertex container), positioned by
  // start(atBeginning, skipErased).
  static OdSmartPtr<OdDbObjectIterator> createObject(OdDbObjectId container,
                                                     bool atBeginning = true,
                                                     bool skipErased = true);

  void start(bool atBeginning = true, bool skipErased = true);
  bool done() const;
  void step(bool forward = true, bool skipErased = true);
  // The current object's id; kNull when done().
  OdDbObjectId objectId() const;
  // Opens the current object as an entity (null when done() or not an entity); throws as
  // OdDbObjectId::safeOpenObject does.
  OdDbEntityPtr entity(OdDb::OpenMode mode = OdDb::kForRead, bool openErased = false);
  bool seek(OdDbObjectId id);

 protected:
  OdDbObjectIterator() = default;
  OdDbObjectIterator(const OdDbObjectIterator&) = delete;

 private:
  const std::vector<OdDbObjectId>* ids() const;
  // The current entry of the container's list, or null when done().
  const OdDbObjectId* current() const;
  void skipErasedFrom(bool forward);

  OdDbObjectId m_container;
  long m_index = 0;  // may be -1 or size() when done
};

typedef OdSmartPtr<OdDbObjectIterator> OdDbObjectIteratorPtr;
