// OdDbSelectionSet: the objects a user picked, by id, in pick order (each id once), and its
// iterator. Membership is a hash lookup, so selecting a whole drawing of millions of entities
// costs time in proportion to its size.
#pragma once

#include <memory>
#include <vector>

#include "DbObjectId.h"
#include "RxObjectImpl.h"

class OdDbSelectionSetIterator : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdDbSelectionSetIterator);

 public:
  bool done() const { return m_index >= m_ids->size(); }
  void next() {
    if (!done()) ++m_index;
  }
  // The current id; kNull when done().
  OdDbObjectId objectId() const { return done() ? OdDbObjectId::kNull : (*m_ids)[m_index]; }

  static OdSmartPtr<OdDbSelectionSetIterator> createObject(std::vector<OdDbObjectId> ids);
  // Over a list that nobody changes any more (a set copies its list before it changes a shared
  // one).
  static OdSmartPtr<OdDbSelectionSetIterator> createObject(
      std::shared_ptr<const std::vector<OdDbObjectId>> ids);

 protected:
  OdDbSelectionSetIterator() = default;

 private:
  // A snapshot: changing the set does not disturb a walk.
  std::shared_ptr<const std::vector<OdDbObjectId>> m_ids;
  size_t m_index = 0;
};

typedef OdSmartPtr<OdDbSelectionSetIterator> OdDbSelectionSetIteratorPtr;

class OdDbSelectionSet : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdDbSelectionSet);

 public:
  // An empty set for objects of database (which may be null).
  static OdSmartPtr<OdDbSelectionSet> createObject(const OdDbDatabase* database = nullptr);

  OdDbDatabase* database() const { return m_database; }
  // Adds id unless it is null or already a member.
  void append(OdDbObjectId id);
  // Removing costs time in proportion to the set's size.
  void remove(OdDbObjectId id);
  bool isMember(OdDbObjectId id) const;
  void clear();
  unsigned int numEntities() const { return static_cast<unsigned int>(m_ids->size()); }
  const std::vector<OdDbObjectId>& objectIds() const { return *m_ids; }
  OdDbSelectionSetIteratorPtr newIterator() const;

 protected:
  OdDbSelectionSet() = default;

 private:
  bool coverBits(OdUInt64 handle);
  size_t slotOf(OdDbStub* stub) const;
  void index(OdDbStub* stub);
  void insertHashed(OdDbStub* stub);
  void rebuildIndex();
  // The member list, copied first while an iterator still walks it.
  std::vector<OdDbObjectId>& writableIds();

  OdDbDatabase* m_database = nullptr;  // not a reference: a set does not keep its drawing alive
  // Shared with the iterators made since the last change, so that a walk over a set of a
  // million members does not copy them.
  std::shared_ptr<std::vector<OdDbObjectId>> m_ids = std::make_shared<std::vector<OdDbObjectId>>();
  // Membership: members of m_database by handle in a bit array (handles are mostly dense), while
  // it stays within 16 bytes a member; the rest in an open-addressing table of their records, at
  // most half full.
  std::vector<OdUInt64> m_bits;
  std::vector<OdDbStub*> m_slots;
  size_t m_hashed = 0;
};

typedef OdSmartPtr<OdDbSelectionSet> OdDbSelectionSetPtr;
