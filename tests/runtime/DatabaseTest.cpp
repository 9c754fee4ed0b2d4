// The drawing database: records and names, handles, appending, the open/close discipline,
// erasure, iteration, loading with file handles, and object lifetime.
#include <gtest/gtest.h>

#include <algorithm>

#include "DbDatabase.h"
#include "DbLine.h"
#include "DbPoint.h"

namespace {

OdDbObjectId appendToModelSpace(OdDbDatabase* db, OdDbEntity* entity) {
  OdDbBlockTableRecordPtr modelSpace = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
  return modelSpace->appendOdDbEntity(entity);
}

OdDbObjectId appendPoint(OdDbDatabase* db, double x) {
  OdDbPointPtr point = OdDbPoint::createObject();
  point->setPosition(OdGePoint3d(x, 0, 0));
  return appendToModelSpace(db, point);
}

std::vector<double> modelSpaceXs(OdDbDatabase* db) {
  std::vector<double> xs;
  OdDbBlockTableRecordPtr modelSpace = db->getModelSpaceId().safeOpenObject();
  for (OdDbObjectIteratorPtr it = modelSpace->newIterator(); !it->done(); it->step()) {
    OdDbPointPtr point = it->entity();
    xs.push_back(point->position().x);
  }
  return xs;
}

TEST(RuntimeDatabase, NewDrawingHasTheStandardRecords) {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbObjectId modelSpace = db->getModelSpaceId();
  ASSERT_FALSE(modelSpace.isNull());
  EXPECT_NE(modelSpace, db->getPaperSpaceId());
  EXPECT_EQ(db->getBlockTableRecordId(L"*MODEL_SPACE"), modelSpace) << "names ignore case";
  OdDbBlockTableRecordPtr record = modelSpace.safeOpenObject();
  EXPECT_STREQ(record->getName().c_str(), L"*Model_Space");
  EXPECT_TRUE(record->isLayout());
  OdDbLayerTableRecordPtr layer = db->getLayerId(L"0").safeOpenObject();
  EXPECT_STREQ(layer->getName().c_str(), L"0");
  EXPECT_TRUE(db->getLayerId(L"Survey").isNull());
  EXPECT_THROW(db->addLayer(L"0"), OdError);
  EXPECT_EQ(modelSpace.database(), db.get());
}

TEST(RuntimeDatabase, AppendGivesFreshHandlesInDrawingOrder) {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbHandle seed = db->handseed();
  OdDbObjectId first = appendPoint(db, 1);
  OdDbObjectId second = appendPoint(db, 2);
  EXPECT_EQ(first.getHandle().value(), seed.value());
  EXPECT_GT(second.getHandle().value(), first.getHandle().value());
  EXPECT_GT(db->handseed().value(), second.getHandle().value());
  EXPECT_EQ(db->getOdDbObjectId(second.getHandle()), second);
  EXPECT_EQ(modelSpaceXs(db), (std::vector<double>{1, 2}));

  OdDbObjectPtr point = first.safeOpenObject();
  EXPECT_EQ(point->ownerId(), db->getModelSpaceId());
  EXPECT_STREQ(OdDbEntityPtr(point)->layer().c_str(), L"0");
}

TEST(RuntimeDatabase, AppendedEntityIsOpenForWriteUntilReleased) {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbLinePtr line = OdDbLine::createObject();
  OdDbObjectId id = appendToModelSpace(db, line);
  EXPECT_TRUE(line->isWriteEnabled());
  EXPECT_EQ(line->openCount(), 1);
  EXPECT_THROW(id.safeOpenObject(), OdError_WasOpenForWrite);
  line.release();
  OdDbObjectPtr reopened = id.safeOpenObject();
  EXPECT_TRUE(reopened->isReadEnabled());
  EXPECT_FALSE(reopened->isWriteEnabled());
}

TEST(RuntimeDatabase, OpenDiscipline) {
  enum State { kClosed, kOpenForRead, kOpenForWrite };
  struct Case {
    State state;
    OdDb::OpenMode mode;
    OdResult expected;
  };
  const Case cases[] = {
      {kClosed, OdDb::kForRead, eOk},
      {kClosed, OdDb::kForWrite, eOk},
      {kOpenForRead, OdDb::kForRead, eOk},
      {kOpenForRead, OdDb::kForWrite, eWasOpenForRead},
      {kOpenForWrite, OdDb::kForRead, eWasOpenForWrite},
      {kOpenForWrite, OdDb::kForWrite, eWasOpenForWrite},
  };
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbObjectId id = appendPoint(db, 1);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "state " << c.state << ", mode " << c.mode);
    OdDbObjectPtr holder;
    if (c.state != kClosed) {
      holder = id.safeOpenObject(c.state == kOpenForWrite ? OdDb::kForWrite : OdDb::kForRead);
    }
    {
      OdDbObjectPtr viaOpen;
      EXPECT_EQ(id.openObject(viaOpen, c.mode), c.expected);
      EXPECT_EQ(viaOpen.isNull(), c.expected != eOk);
    }
    EXPECT_EQ(id.openObject(c.mode).isNull(), c.expected != eOk);
    if (c.expected == eOk) {
      OdDbObjectPtr viaSafe = id.safeOpenObject(c.mode);
      EXPECT_EQ(viaSafe->openCount(), c.state == kClosed ? 1 : 2);
      EXPECT_EQ(viaSafe->isWriteEnabled(), c.mode == OdDb::kForWrite);
      continue;
    }
    try {
      id.safeOpenObject(c.mode);
      ADD_FAILURE() << "opened";
    } catch (const OdError_OpenFailed& e) {
      EXPECT_EQ(e.code(), c.expected);
      EXPECT_NE(e.description().wide().find(id.getHandle().ascii().wide()), std::wstring::npos)
          << "the error names the object";
    }
  }
  OdDbObjectPtr closedAgain = id.safeOpenObject(OdDb::kForWrite);
  EXPECT_EQ(closedAgain->openCount(), 1) << "every holder above has released it";
}

TEST(RuntimeDatabase, NullIdsAndErasedObjects) {
  EXPECT_THROW(OdDbObjectId::kNull.safeOpenObject(), OdError_NullObjectId);
  EXPECT_TRUE(OdDbObjectId::kNull.openObject().isNull());

  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbObjectId kept = appendPoint(db, 1);
  OdDbObjectId erased = appendPoint(db, 2);
  appendPoint(db, 3);
  {
    OdDbObjectPtr readOnly = erased.safeOpenObject();
    EXPECT_EQ(readOnly->erase(), eNotOpenForWrite);
  }
  EXPECT_EQ(erased.safeOpenObject(OdDb::kForWrite)->erase(), eOk);
  EXPECT_TRUE(erased.isErased());
  EXPECT_FALSE(kept.isErased());
  EXPECT_THROW(erased.safeOpenObject(), OdError_WasErased);
  EXPECT_TRUE(erased.openObject().isNull());
  EXPECT_FALSE(erased.safeOpenObject(OdDb::kForRead, true).isNull());
  EXPECT_EQ(modelSpaceXs(db), (std::vector<double>{1, 3}));
}

TEST(RuntimeDatabase, ResidentObjectsChangeOnlyWhileOpenForWrite) {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbObjectId id = appendPoint(db, 1);
  {
    OdDbPointPtr point = id.safeOpenObject();
    EXPECT_THROW(point->setPosition(OdGePoint3d(9, 9, 9)), OdError);
    EXPECT_EQ(point->position(), OdGePoint3d(1, 0, 0));
  }
  OdDbPointPtr point = id.safeOpenObject(OdDb::kForWrite);
  point->setPosition(OdGePoint3d(9, 9, 9));
  EXPECT_EQ(point->position(), OdGePoint3d(9, 9, 9));
}

TEST(RuntimeDatabase, AppendRefusals) {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbDatabasePtr other = OdDbDatabase::createObject();
  OdDbObjectId inOther = appendPoint(other, 1);
  struct Case {
    const char* what;
    bool openForWrite;
    bool nullEntity;
    bool entityInDb;
    OdResult expected;
  };
  const Case cases[] = {
      {"null entity", true, true, false, eNullEntityPointer},
      {"record open for read", false, false, false, eNotOpenForWrite},
      {"entity already in a database", true, false, true, eAlreadyInDb},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    OdDbBlockTableRecordPtr modelSpace =
        db->getModelSpaceId().safeOpenObject(c.openForWrite ? OdDb::kForWrite : OdDb::kForRead);
    OdDbEntityPtr entity;
    if (c.entityInDb) entity = inOther.safeOpenObject();
    if (!c.nullEntity && !c.entityInDb) entity = OdDbPoint::createObject();
    size_t before = db->numObjects();
    try {
      modelSpace->appendOdDbEntity(entity);
      ADD_FAILURE() << "appended";
    } catch (const OdError& e) {
      EXPECT_EQ(e.code(), c.expected);
    }
    EXPECT_EQ(db->numObjects(), before);
    EXPECT_EQ(modelSpace->entityCount(), 0u);
  }
  OdDbBlockTableRecordPtr loose = OdDbBlockTableRecord::createObject();
  EXPECT_THROW(loose->appendOdDbEntity(OdDbPoint::createObject()), OdError);
}

TEST(RuntimeDatabase, IteratorSurvivesAppendsDuringTheWalk) {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  appendPoint(db, 1);
  appendPoint(db, 2);
  OdDbBlockTableRecordPtr modelSpace = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
  int visited = 0;
  for (OdDbObjectIteratorPtr it = modelSpace->newIterator(); !it->done(); it->step()) {
    if (++visited <= 2) {
      for (int i = 0; i < 50; ++i) modelSpace->appendOdDbEntity(OdDbPoint::createObject());
    }
    ASSERT_FALSE(it->objectId().isNull());
  }
  EXPECT_EQ(visited, 102) << "the walk goes on into the entities appended during it";
  OdDbObjectIteratorPtr backwards = modelSpace->newIterator(false);
  EXPECT_EQ(backwards->objectId().getHandle(), db->handseed().value() - 1);
}

TEST(RuntimeDatabase, LoadingKeepsFileHandles) {
  OdDbDatabasePtr db = OdDbDatabase::createEmpty();
  EXPECT_TRUE(db->getModelSpaceId().isNull());
  OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
  layer->setName(L"Survey");
  OdDbObjectId layerId = db->addLoadedObject(OdDbObjectId::kNull, layer, 0x10);
  OdDbBlockTableRecordPtr modelSpace = OdDbBlockTableRecord::createObject();
  modelSpace->setName(L"*Model_Space");
  OdDbObjectId msId = db->addLoadedObject(OdDbObjectId::kNull, modelSpace, 0x1F);
  OdDbLinePtr line = OdDbLine::createObject();
  line->setLayer(layerId);
  OdDbObjectId lineId = db->addLoadedObject(msId, line, 0x2A0);
  db->setHandseed(0x300);
  db->completeLoad();

  EXPECT_EQ(db->getModelSpaceId(), msId);
  EXPECT_EQ(lineId.getHandle().value(), 0x2A0u);
  EXPECT_EQ(db->getOdDbObjectId(0x2A0), lineId);
  EXPECT_EQ(line->ownerId(), msId);
  EXPECT_STREQ(line->layer().c_str(), L"Survey");
  EXPECT_FALSE(db->getPaperSpaceId().isNull()) << "completeLoad adds what the file lacked";
  EXPECT_FALSE(db->getLayerId(L"0").isNull());
  EXPECT_GE(db->getPaperSpaceId().getHandle().value(), 0x300u);
  EXPECT_TRUE(db->appendedSinceLoad().empty());

  try {
    db->addLoadedObject(msId, OdDbPoint::createObject(), 0x2A0);
    ADD_FAILURE() << "a handle was used twice";
  } catch (const OdError& e) {
    EXPECT_EQ(e.code(), eDuplicateHandle);
    EXPECT_STREQ(e.description().c_str(), L"Handle 2A0 is already in use");
  }
  EXPECT_THROW(db->addLoadedObject(lineId, OdDbPoint::createObject(), 0x400), OdError)
      << "a line owns no objects";

  EXPECT_THROW(appendPoint(db, 5), OdError_WasOpenForWrite)
      << "the loader's own reference keeps model space open";
  modelSpace.release();
  OdDbObjectId added = appendPoint(db, 5);
  OdDbObjectId erased = appendPoint(db, 6);
  erased.safeOpenObject(OdDb::kForWrite)->erase();
  EXPECT_GT(added.getHandle().value(), 0x300u);
  EXPECT_EQ(db->appendedSinceLoad(), std::vector<OdDbObjectId>{added});
  db->clearAppendedSinceLoad();
  EXPECT_TRUE(db->appendedSinceLoad().empty());
}

// Handle orders that put records in the direct array, in the hash table, and move them from one
// to the other as the array grows.
std::vector<OdUInt64> handleSequence(int kind) {
  std::vector<OdUInt64> handles;
  for (OdUInt64 i = 1; i <= 5000; ++i) {
    switch (kind) {
      case 0:
        handles.push_back((i * 7919) % 100003 + 0x1000);  // scattered, as in real files
        break;
      case 1:
        handles.push_back(i);  // dense and ascending, as most files number them
        break;
      case 2:
        handles.push_back(20001 - 4 * i);  // far ones first, then down towards 1
        break;
      case 3:
        handles.push_back(i % 2 ? (1ull << 40) + i : i);  // interleaved near and far
        break;
    }
  }
  return handles;
}

TEST(RuntimeDatabase, HandleLookupAcrossManyObjects) {
  for (int kind = 0; kind < 4; ++kind) {
    SCOPED_TRACE(kind);
    OdDbDatabasePtr db = OdDbDatabase::createEmpty();
    OdDbBlockTableRecordPtr modelSpace = OdDbBlockTableRecord::createObject();
    modelSpace->setName(L"*Model_Space");
    OdDbObjectId ms = db->addLoadedObject(OdDbObjectId::kNull, modelSpace, 0xFFFFFF);
    modelSpace.release();
    std::vector<std::pair<OdUInt64, OdDbObjectId>> loaded;
    OdUInt64 highest = 0xFFFFFF;
    for (OdUInt64 handle : handleSequence(kind)) {
      highest = std::max(highest, handle);
      loaded.emplace_back(handle, db->addLoadedObject(ms, OdDbPoint::createObject(), handle));
    }
    db->completeLoad();
    for (const auto& [handle, id] : loaded) {
      ASSERT_EQ(db->getOdDbObjectId(handle), id) << std::hex << handle;
      ASSERT_EQ(id.getHandle().value(), handle);
      ASSERT_TRUE(db->getOdDbObjectId(handle + (1ull << 41)).isNull());
    }
    EXPECT_TRUE(db->getOdDbObjectId(0xFFFFFFFFFFull).isNull());
    EXPECT_THROW(db->addLoadedObject(ms, OdDbPoint::createObject(), loaded.back().first), OdError)
        << "the last handle is found as in use";
    EXPECT_GT(appendPoint(db, 1).getHandle().value(), highest) << "fresh handles stay above";
  }
}

TEST(RuntimeDatabase, ModelSpaceFollowsTheBlockNames) {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  const OdDbObjectId first = db->getModelSpaceId();
  OdDbBlockTableRecordPtr record = first.safeOpenObject(OdDb::kForWrite);
  record->setName(L"Site");
  record.release();
  EXPECT_TRUE(db->getModelSpaceId().isNull()) << "renamed away";
  const OdDbObjectId second = db->addBlockTableRecord(L"*MODEL_SPACE");
  EXPECT_EQ(db->getModelSpaceId(), second);
  record = second.safeOpenObject(OdDb::kForWrite);
  record->setName(L"Other");
  record.release();
  record = first.safeOpenObject(OdDb::kForWrite);
  record->setName(L"*Model_Space");
  record.release();
  EXPECT_EQ(db->getModelSpaceId(), first) << "renamed back";
}

TEST(RuntimeDatabase, SourceDataSlot) {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  auto data = std::make_shared<int>(7);
  db->setSourceData(data);
  EXPECT_EQ(std::static_pointer_cast<int>(db->sourceData()), data);
}

TEST(RuntimeDatabase, ObjectsHeldPastTheDatabaseSurviveIt) {
  long before = odrxLiveObjectCount();
  OdDbPointPtr kept;
  {
    OdDbDatabasePtr db = OdDbDatabase::createObject();
    for (int i = 0; i < 5; ++i) appendPoint(db, i);
    kept = db->getOdDbObjectId(appendPoint(db, 42).getHandle()).safeOpenObject();
  }
  EXPECT_TRUE(kept->objectId().isNull());
  EXPECT_EQ(kept->database(), nullptr);
  EXPECT_EQ(kept->position().x, 42);
  EXPECT_EQ(odrxLiveObjectCount(), before + 1);
  kept.release();
  EXPECT_EQ(odrxLiveObjectCount(), before);
}

TEST(RuntimeDatabase, LayersByName) {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbObjectId survey = db->addLayer(L"Survey");
  OdDbPointPtr loose = OdDbPoint::createObject();
  EXPECT_EQ(loose->setLayer(L"Survey"), eNoDatabase);
  OdDbObjectId id = appendToModelSpace(db, loose);
  EXPECT_EQ(loose->setLayer(L"survey"), eOk);
  EXPECT_EQ(loose->layerId(), survey);
  EXPECT_EQ(loose->setLayer(L"Missing"), eKeyNotFound);
  EXPECT_EQ(loose->setLayer(id), eInvalidInput) << "a point is no layer";
  OdDbLayerTableRecordPtr layer = survey.safeOpenObject(OdDb::kForWrite);
  layer->setName(L"Stakeout");
  EXPECT_EQ(db->getLayerId(L"STAKEOUT"), survey);
  EXPECT_TRUE(db->getLayerId(L"Survey").isNull());
  EXPECT_STREQ(loose->layer().c_str(), L"Stakeout");
  EXPECT_THROW(layer->setName(L"0"), OdError);
}

}  // namespace
