// OdDbDatabase: one drawing. It owns every resident object (one reference each) through an
// internal record per object that an OdDbObjectId points to; handles key the records and are
// never reused. Layers and block table records are found by name (case-insensitive, as on the
// host).
//
// A new database (createObject) has layer "0", "*Model_Space" and "*Paper_Space". A reader instead
// starts from createEmpty(), adds every object with the handle it has in the file
// (addLoadedObject), then calls completeLoad(), which adds whichever standard records the file
// lacked and marks the load: appendedSinceLoad() lists the entities appended after it, so a writer
// can add exactly those to the saved file.
#pragma once

#include <memory>
#include <vector>

#include "DbBlockTableRecord.h"
#include "DbLayerTableRecord.h"
#include "DbObjectId.h"

class OdDbDatabaseImpl;

class OdDbDatabase : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdDbDatabase);
  ODRX_DECLARE_CREATE(OdDbDatabase);

 public:
  static OdSmartPtr<OdDbDatabase> createEmpty();
  ~OdDbDatabase() override;

  OdDbObjectId getModelSpaceId() const;
  OdDbObjectId getPaperSpaceId() const;
  // kNull when there is none of that name.
  OdDbObjectId getBlockTableRecordId(const OdString& name) const;
  OdDbObjectId getLayerId(const OdString& name) const;
  std::vector<OdDbObjectId> blockTableRecordIds() const;  // in the order they were added
  std::vector<OdDbObjectId> layerIds() const;
  // Adds a new named record with a fresh handle; an existing name throws OdError(eDuplicateKey).
  OdDbObjectId addBlockTableRecord(const OdString& name);
  OdDbObjectId addLayer(const OdString& name);

  // The next handle a new object gets: always greater than every handle in use.
  OdDbHandle handseed() const;
  // Raises the seed (a file's $HANDSEED); a value at or below a handle in use is ignored.
  void setHandseed(OdDbHandle seed);
  // The id of the object with that handle, or kNull.
  OdDbObjectId getOdDbObjectId(const OdDbHandle& handle) const;
  size_t numObjects() const;

  // Adds object with the handle it has in the file (a null handle gets a fresh one), owned by
  // owner: a block table record (entities, in drawing order), a polyline or mesh (vertices and
  // face records, in file order) or kNull (layers and block table records, which enter the
  // name tables). Throws OdError(eDuplicateHandle) naming the handle when it is in use,
  // eDuplicateKey for a record name in use, eAlreadyInDb, eNullObjectPointer,
  // eInvalidOwnerObject for an owner that owns no objects or is of another database. Like an
  // appended entity, the object counts as open for write while the caller holds references.
  OdDbObjectId addLoadedObject(OdDbObjectId owner, OdDbObject* object,
                               OdDbHandle handle = OdDbHandle());
  void completeLoad();
  // Entities appended (appendOdDbEntity) since completeLoad() or createObject(), in order,
  // erased ones left out.
  std::vector<OdDbObjectId> appendedSinceLoad() const;
  // Starts a new list, e.g. after a save that wrote the appended entities.
  void clearAppendedSinceLoad();

  // One opaque slot for a reader's data about the loaded file (kept for a lossless save).
  void setSourceData(std::shared_ptr<void> data);
  std::shared_ptr<void> sourceData() const;
  void setFilename(const OdString& path);
  OdString getFilename() const;

  // Runtime-internal.
  OdDbDatabaseImpl& impl() const { return *m_impl; }

 protected:
  // standardRecords: add layer "0", model and paper space (createObject); createEmpty adds none.
  explicit OdDbDatabase(bool standardRecords = true);

 private:
  std::unique_ptr<OdDbDatabaseImpl> m_impl;
};

typedef OdSmartPtr<OdDbDatabase> OdDbDatabasePtr;
