// Private: the database's index of object records by handle: an open-addressing hash table of
// record pointers (8 bytes a slot, at most half full), since a drawing may hold millions of
// objects and handles are never removed.
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
  size_t slotOf(OdUInt64 handle) const;
  void grow();

  std::vector<OdDbStub*> m_slots;
  size_t m_count = 0;
};
