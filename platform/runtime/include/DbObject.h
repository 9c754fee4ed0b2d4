// OdDbObject: the base of everything a drawing database holds.
//
// Ownership and open/close: the database holds one reference to each resident object. Opening an
// object by its id gives a smart pointer; the object counts as open as long as references beyond
// the database's own exist (openCount()), and is closed when the last of them is released. An
// object open for write cannot be opened again, and one open for read cannot be opened for write,
// until it is closed; several read opens are fine. A resident object changes only while it is open
// for write: setters of a resident object that is not open for write throw
// OdError(eNotOpenForWrite). Objects not (yet) in a database can always be changed.
#pragma once

#include <cstddef>
#include <vector>

#include "DbObjectId.h"
#include "RxObjectImpl.h"

class OdDbObject : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdDbObject);

 public:
  OdDbObject();
  ~OdDbObject() override;

  // Database objects take their memory from the runtime's pool of small blocks.
  static void* operator new(std::size_t size);
  static void operator delete(void* block, std::size_t size) noexcept;

  OdDbObjectId objectId() const;
  OdDbObjectId ownerId() const;
  OdDbDatabase* database() const;
  OdDbHandle getDbHandle() const;
  bool isErased() const;
  // Erases (or with false un-erases) a resident object open for write; erased objects stay in the
  // database with their handle but are skipped by iterators and not opened unless asked.
  OdResult erase(bool eraseIt = true);

  bool isReadEnabled() const;   // open, for read or write
  bool isWriteEnabled() const;  // open for write
  bool isNewObject() const { return m_stub == nullptr; }
  // Number of references held beyond the database's own, i.e. how often the object is open.
  long openCount() const;
  // Throws OdError(eNotOpenForWrite) for a resident object that is not open for write.
  void assertWriteEnabled() const;

  // The ids of the objects this one owns, in stored order (the entities of a block table record,
  // the vertices of a polyline or mesh); null for objects that own none.
  virtual const std::vector<OdDbObjectId>* ownedObjectIds() const { return nullptr; }
  // Runtime-internal: records id (already resident, owned by this object) at the end of the owned
  // list. Objects that own nothing throw OdError(eInvalidOwnerObject).
  virtual void appendOwnedId(OdDbObjectId id);

  // Runtime-internal: the database's record of this object.
  OdDbStub* stub() const { return m_stub; }
  void setStub(OdDbStub* stub) { m_stub = stub; }
  // Whether the holder that has it open opened it for write (resident objects only).
  void setOpenedForWrite(bool forWrite);
  bool openedForWrite() const;

 private:
  OdDbStub* m_stub = nullptr;
};

typedef OdSmartPtr<OdDbObject> OdDbObjectPtr;
