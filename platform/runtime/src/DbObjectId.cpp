// Object ids and the open discipline: an object is open while references beyond the database's
// own exist; one open for write admits no other open, one open for read admits further reads.
#include "DbObjectId.h"

#include "DbDatabaseImpl.h"
#include "DbObject.h"

const OdDbObjectId OdDbObjectId::kNull;

namespace {

// Decides whether stub's object may be opened in mode; on eOk records the mode of a fresh open.
OdResult checkOpen(OdDbStub* stub, OdDb::OpenMode mode, bool openErased) {
  if (!stub || !stub->object) return eNullObjectId;
  if (stub->erased && !openErased) return eWasErased;
  OdDbObject* object = stub->object;
  bool open = object->openCount() > 0;
  if (open && object->openedForWrite()) return eWasOpenForWrite;
  if (open && mode == OdDb::kForWrite) return eWasOpenForRead;
  if (!open) object->setOpenedForWrite(mode == OdDb::kForWrite);
  return eOk;
}

[[noreturn]] void throwOpenError(OdResult status, const OdDbStub* stub) {
  OdString handle = stub ? OdDbHandle(stub->handle).ascii() : OdString(L"0");
  switch (status) {
    case eWasErased:
      throw OdError_WasErased(handle);
    case eWasOpenForWrite:
      throw OdError_WasOpenForWrite(handle);
    case eWasOpenForRead:
      throw OdError_WasOpenForRead(handle);
    default:
      throw OdError_NullObjectId();
  }
}

}  // namespace

bool OdDbObjectId::isValid() const { return m_stub && m_stub->object; }

bool OdDbObjectId::isErased() const { return m_stub && m_stub->erased; }

OdDbHandle OdDbObjectId::getHandle() const { return m_stub ? m_stub->handle : 0; }

OdDbDatabase* OdDbObjectId::database() const { return m_stub ? m_stub->database : nullptr; }

OdDbObjectPtr OdDbObjectId::safeOpenObject(OdDb::OpenMode mode, bool openErased) const {
  OdResult status = checkOpen(m_stub, mode, openErased);
  if (status != eOk) throwOpenError(status, m_stub);
  return OdDbObjectPtr(m_stub->object);
}

OdDbObjectPtr OdDbObjectId::openObject(OdDb::OpenMode mode, bool openErased) const {
  if (checkOpen(m_stub, mode, openErased) != eOk) return OdDbObjectPtr();
  return OdDbObjectPtr(m_stub->object);
}

OdResult OdDbObjectId::openObject(OdDbObjectPtr& object, OdDb::OpenMode mode,
                                  bool openErased) const {
  OdResult status = checkOpen(m_stub, mode, openErased);
  object = status == eOk ? OdDbObjectPtr(m_stub->object) : OdDbObjectPtr();
  return status;
}

bool OdDbObjectId::operator<(const OdDbObjectId& other) const {
  return getHandle().value() < other.getHandle().value();
}
