// Error texts of the runtime's status codes and the error subclasses.
#include "OdError.h"

#include "RxObject.h"

namespace {

const wchar_t* className(const OdRxClass* cls) { return cls ? cls->name().c_str() : L"(none)"; }

}  // namespace

OdError::OdError(OdResult code) : m_code(code), m_description(codeText(code)) {}

OdError::OdError(OdResult code, const OdString& description)
    : m_code(code), m_description(description) {}

OdError::OdError(const OdString& description)
    : m_code(eNotApplicable), m_description(description) {}

OdError::~OdError() = default;

OdString OdError::codeText(OdResult code) {
  switch (code) {
    case eOk:
      return L"No error";
    case eNotImplemented:
      return L"Not implemented";
    case eNotApplicable:
      return L"Not applicable";
    case eInvalidInput:
      return L"Invalid input";
    case eInvalidIndex:
      return L"Invalid index";
    case eNullObjectId:
      return L"Null object id";
    case eNullEntityPointer:
      return L"Null entity pointer";
    case eNullObjectPointer:
      return L"Null object pointer";
    case eNotThatKindOfClass:
      return L"Not that kind of class";
    case eWasOpenForRead:
      return L"Was open for read";
    case eWasOpenForWrite:
      return L"Was open for write";
    case eWasErased:
      return L"Was erased";
    case eNotOpenForWrite:
      return L"Not open for write";
    case eNoDatabase:
      return L"No database";
    case eAlreadyInDb:
      return L"Already in a database";
    case eWrongDatabase:
      return L"Wrong database";
    case eKeyNotFound:
      return L"Key not found";
    case eDuplicateKey:
      return L"Duplicate key";
    case eDuplicateHandle:
      return L"Duplicate handle";
    case eInvalidOwnerObject:
      return L"Invalid owner object";
    case eUserBreak:
      return L"User break";
    case eNotInitializedYet:
      return L"Not initialized yet";
  }
  return OdString::formatted(L"Error %d", static_cast<int>(code));
}

OdError_NotThatKindOfClass::OdError_NotThatKindOfClass(const OdRxClass* actual,
                                                       const OdRxClass* wanted)
    : OdError(eNotThatKindOfClass, OdString::formatted(L"Object of class %s can't be cast to %s",
                                                       className(actual), className(wanted))),
      m_actual(actual),
      m_wanted(wanted) {}

OdError_InvalidIndex::OdError_InvalidIndex() : OdError(eInvalidIndex) {}

OdError_InvalidIndex::OdError_InvalidIndex(long index, long size)
    : OdError(eInvalidIndex, OdString::formatted(L"Invalid index %ld (size %ld)", index, size)) {}

OdError_OpenFailed::OdError_OpenFailed(OdResult code, const OdString& description)
    : OdError(code, description) {}

OdError_WasOpenForWrite::OdError_WasOpenForWrite(const OdString& handle)
    : OdError_OpenFailed(eWasOpenForWrite,
                         OdString::formatted(L"Object %s was open for write", handle.c_str())) {}

OdError_WasOpenForRead::OdError_WasOpenForRead(const OdString& handle)
    : OdError_OpenFailed(eWasOpenForRead,
                         OdString::formatted(L"Object %s was open for read", handle.c_str())) {}

OdError_WasErased::OdError_WasErased(const OdString& handle)
    : OdError_OpenFailed(eWasErased, OdString::formatted(L"Object %s was erased", handle.c_str())) {
}

OdError_NullObjectId::OdError_NullObjectId()
    : OdError_OpenFailed(eNullObjectId, L"Cannot open an object by a null object id") {}
