// OdError and its subclasses: how every runtime call reports failure. Each carries an OdResult code
// and a description that says what failed and, where known, on which object.
#pragma once

#include "OdString.h"

class OdRxClass;

class OdError {
 public:
  explicit OdError(OdResult code);
  OdError(OdResult code, const OdString& description);
  explicit OdError(const OdString& description);  // code eNotApplicable
  virtual ~OdError();
  OdError(const OdError&) = default;
  OdError& operator=(const OdError&) = default;

  OdResult code() const { return m_code; }
  OdString description() const { return m_description; }

  // The default text of a status code, e.g. "Invalid index" for eInvalidIndex.
  static OdString codeText(OdResult code);

 private:
  OdResult m_code;
  OdString m_description;
};

// A checked cast found an object of another class. Keeps both classes.
class OdError_NotThatKindOfClass : public OdError {
 public:
  OdError_NotThatKindOfClass(const OdRxClass* actual, const OdRxClass* wanted);
  const OdRxClass* actualClass() const { return m_actual; }
  const OdRxClass* wantedClass() const { return m_wanted; }

 private:
  const OdRxClass* m_actual;
  const OdRxClass* m_wanted;
};

// An element access outside an array or an index-addressed list.
class OdError_InvalidIndex : public OdError {
 public:
  OdError_InvalidIndex();
  OdError_InvalidIndex(long index, long size);
};

// Opening an object failed; the description names the object's handle. The code is one of
// eNullObjectId, eWasErased, eWasOpenForWrite, eWasOpenForRead.
class OdError_OpenFailed : public OdError {
 public:
  OdError_OpenFailed(OdResult code, const OdString& description);
};

class OdError_WasOpenForWrite : public OdError_OpenFailed {
 public:
  explicit OdError_WasOpenForWrite(const OdString& handle);
};

class OdError_WasOpenForRead : public OdError_OpenFailed {
 public:
  explicit OdError_WasOpenForRead(const OdString& handle);
};

class OdError_WasErased : public OdError_OpenFailed {
 public:
  explicit OdError_WasErased(const OdString& handle);
};

class OdError_NullObjectId : public OdError_OpenFailed {
 public:
  OdError_NullObjectId();
};
