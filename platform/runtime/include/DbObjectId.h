// OdDbObjectId: a cheap value that names a database-resident object (a pointer to the database's
// internal record of it), and the open modes of OdDb. Opening turns an id into a smart pointer to
// the object; see DbObject.h for the open/close discipline. An id is meaningful only while its
// database exists.
#pragma once

#include "DbHandle.h"
#include "OdError.h"
#include "SmartPtr.h"

class OdDbObject;
class OdDbDatabase;
class OdDbStub;
typedef OdSmartPtr<OdDbObject> OdDbObjectPtr;

namespace OdDb {
enum OpenMode { kNotOpen = -1, kForRead = 0, kForWrite = 1, kForNotify = 2 };
}

class OdDbObjectId {
 public:
  static const OdDbObjectId kNull;

  OdDbObjectId() = default;
  explicit OdDbObjectId(OdDbStub* stub) : m_stub(stub) {}

  bool isNull() const { return m_stub == nullptr; }
  void setNull() { m_stub = nullptr; }
  // Not null and its object still exists (erased objects are still valid).
  bool isValid() const;
  bool isErased() const;
  OdDbHandle getHandle() const;
  OdDbDatabase* database() const;

  // Opens the object. Throws OdError_NullObjectId for a null id, OdError_WasErased for an erased
  // object unless openErased, OdError_WasOpenForWrite when it is open for write, and
  // OdError_WasOpenForRead when kForWrite is asked of an object open for read.
  OdDbObjectPtr safeOpenObject(OdDb::OpenMode mode = OdDb::kForRead, bool openErased = false) const;
  // As safeOpenObject, but gives null instead of throwing.
  OdDbObjectPtr openObject(OdDb::OpenMode mode = OdDb::kForRead, bool openErased = false) const;
  // As safeOpenObject, reporting the failure as a status (eOk on success).
  OdResult openObject(OdDbObjectPtr& object, OdDb::OpenMode mode = OdDb::kForRead,
                      bool openErased = false) const;

  OdDbStub* stub() const { return m_stub; }
  bool operator==(const OdDbObjectId& other) const { return m_stub == other.m_stub; }
  bool operator!=(const OdDbObjectId& other) const { return m_stub != other.m_stub; }
  bool operator<(const OdDbObjectId& other) const;  // by handle

 private:
  OdDbStub* m_stub = nullptr;
};
