// Fixed-width integer names, the result status of runtime calls (OdResult) and the code-page ids
// that the object runtime uses everywhere.
#pragma once

#include <cstdint>

typedef std::int8_t OdInt8;
typedef std::int16_t OdInt16;
typedef std::int32_t OdInt32;
typedef std::int64_t OdInt64;
typedef std::uint8_t OdUInt8;
typedef std::uint16_t OdUInt16;
typedef std::uint32_t OdUInt32;
typedef std::uint64_t OdUInt64;
typedef wchar_t OdChar;

// Status of a runtime call. Calls that return a value instead throw OdError with one of these.
enum OdResult {
  eOk = 0,
  eNotImplemented,
  eNotApplicable,
  eInvalidInput,
  eInvalidIndex,
  eNullObjectId,
  eNullEntityPointer,
  eNullObjectPointer,
  eNotThatKindOfClass,
  eWasOpenForRead,
  eWasOpenForWrite,
  eWasErased,
  eNotOpenForWrite,
  eNoDatabase,
  eAlreadyInDb,
  eWrongDatabase,
  eKeyNotFound,
  eDuplicateKey,
  eDuplicateHandle,
  eInvalidOwnerObject,
  eUserBreak,
  eNotInitializedYet,
};

// Code pages of narrow text. Only the ones the runtime converts are named; CP_ANSI_1252 (45) is the
// host's ANSI code page, in which narrow command names are given.
enum OdCodePageId {
  CP_UNDEFINED = 0,
  CP_ASCII = 1,
  CP_8859_1 = 2,
  CP_ANSI_1252 = 45,
  CP_UTF_8 = 100,
};
