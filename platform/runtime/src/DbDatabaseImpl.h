// Private: the database's record of one resident object (what an OdDbObjectId points to) and the
// database's tables. The database holds one reference to every resident object; handles key the
// records and are never reused.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "DbDatabase.h"
#include "HandleIndex.h"

class OdDbStub {
 public:
  OdDbObject* object = nullptr;  // the database's reference
  OdDbDatabase* database = nullptr;
  OdDbStub* owner = nullptr;
  OdUInt64 handle = 0;
  bool erased = false;
  bool openForWrite = false;  // kept here, in the padding, rather than in every object
};

class OdDbDatabaseImpl {
 public:
  explicit OdDbDatabaseImpl(OdDbDatabase* database) : m_database(database) {}
  ~OdDbDatabaseImpl();

  // Makes object resident with handle (null: a fresh one), owned by owner; takes a reference.
  // Checks nothing: callers validate first.
  OdDbObjectId addObject(OdDbObject* object, OdDbHandle handle, OdDbStub* owner);
  bool handleInUse(OdDbHandle handle) const { return m_byHandle.find(handle.value()) != nullptr; }
  OdDbStub* find(OdDbHandle handle) const;
  OdDbHandle handseed() const { return m_handseed; }
  void raiseHandseed(OdUInt64 seed);
  size_t numObjects() const { return m_stubs.size(); }

  // Name tables: case-insensitive keys.
  OdDbObjectId findRecord(bool layer, const OdString& name) const;
  // The model space record, remembered between changes of the block names: it is asked for
  // every point a command appends.
  OdDbObjectId modelSpace() const;
  OdDbObjectId layerZero() const;  // where appended entities without a layer go
  void registerRecord(bool layer, const OdString& name, OdDbObjectId id);
  void renameRecord(bool layer, const OdString& oldName, const OdString& newName);
  const std::vector<OdDbObjectId>& records(bool layer) const { return layer ? m_layers : m_blocks; }
  // Throws OdError(eDuplicateKey) when name is in use in that table.
  void checkNameFree(bool layer, const OdString& name) const;

  void noteAppended(OdDbObjectId id) { m_appended.push_back(id); }
  const std::vector<OdDbObjectId>& appended() const { return m_appended; }
  void clearAppended() { m_appended.clear(); }

  std::shared_ptr<void> sourceData;
  OdString filename;

 private:
  static std::wstring key(const OdString& name);

  OdDbDatabase* m_database;
  std::deque<OdDbStub> m_stubs;
  HandleIndex m_byHandle;
  OdUInt64 m_handseed = 1;
  std::vector<OdDbObjectId> m_blocks;
  std::vector<OdDbObjectId> m_layers;
  std::map<std::wstring, OdDbObjectId> m_blockNames;
  std::map<std::wstring, OdDbObjectId> m_layerNames;
  mutable OdDbObjectId m_modelSpace;
  mutable bool m_modelSpaceKnown = false;
  mutable OdDbObjectId m_layerZero;
  mutable bool m_layerZeroKnown = false;
  std::vector<OdDbObjectId> m_appended;
};

// The record of id and its object, for runtime code that reads an object without opening it.
inline OdDbStub* stubOf(OdDbObjectId id) { return id.stub(); }
inline OdDbObject* residentObject(OdDbObjectId id) {
  return id.stub() ? id.stub()->object : nullptr;
}
