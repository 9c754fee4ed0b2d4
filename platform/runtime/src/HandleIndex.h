// Private: the database's index of object records by handle. Handles of a drawing are mostly
// dense (a file numbers its objects from 1 up to its $HANDSEED), so handles below a bound that
// grows with the number of records are slots of a plain array, in file order; the rest go to an
// open-addressing hash table. Both cost at most 16 bytes a record, since a drawing may hold
// millions of objects, and handles are never removed.
#pragma once

#include <cstddef>
#include <vector>

#include "OdaCommon.h"

class OdDbStub;

class HandleIndex {
 public:
  // The record with that handle, or null.
  OdDbStub* find(OdUInt64 handle) const;
  // Adds stub under its handle, which must not be in the index yet.
  void insert(OdDbStub* stub);
  size_t size() const { return m_count; }

 private:
  bool coverDense(OdUInt64 handle);
  OdDbStub* findHashed(OdUInt64 handle) const;
  void insertHashed(OdDbStub* stub);
  size_t slotOf(OdUInt64 handle) const;
  void grow();

  std::vector<OdDbStub*> m_dense;  // by handle, for handles below its size
  std::vector<OdDbStub*> m_slots;  // hash table, at most half full
  size_t m_hashed = 0;
  size_t m_count = 0;
};
