// Selection sets large enough that their membership index grows several times: each id once, pick
// order, removal and clearing keep the index and the order in step.
#include <gtest/gtest.h>

#include <vector>

#include "DbDatabase.h"
#include "DbPoint.h"
#include "DbSSet.h"

namespace {

std::vector<OdDbObjectId> appendPoints(OdDbDatabase* db, int count) {
  std::vector<OdDbObjectId> ids;
  OdDbBlockTableRecordPtr modelSpace = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
  for (int i = 0; i < count; ++i) {
    OdDbPointPtr point = OdDbPoint::createObject();
    ids.push_back(modelSpace->appendOdDbEntity(point));
  }
  return ids;
}

std::vector<OdDbObjectId> walk(const OdDbSelectionSet& set) {
  std::vector<OdDbObjectId> ids;
  for (OdDbSelectionSetIteratorPtr it = set.newIterator(); !it->done(); it->next())
    ids.push_back(it->objectId());
  return ids;
}

TEST(RuntimeSelectionSet, ManyIdsEachOnceInPickOrder) {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  const std::vector<OdDbObjectId> ids = appendPoints(db, 300);
  OdDbSelectionSetPtr set = OdDbSelectionSet::createObject(db);
  for (int round = 0; round < 2; ++round) {
    for (OdDbObjectId id : ids) set->append(id);
  }
  set->append(OdDbObjectId::kNull);
  EXPECT_EQ(walk(*set), ids) << "the second round and the null id add nothing";
  for (OdDbObjectId id : ids) EXPECT_TRUE(set->isMember(id));
  OdDbDatabasePtr other = OdDbDatabase::createObject();
  EXPECT_FALSE(set->isMember(appendPoints(other, 1)[0]));
  EXPECT_FALSE(set->isMember(OdDbObjectId::kNull));
}

TEST(RuntimeSelectionSet, RemoveAndClearKeepMembershipInStep) {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  const std::vector<OdDbObjectId> ids = appendPoints(db, 200);
  OdDbSelectionSetPtr set = OdDbSelectionSet::createObject(db);
  for (OdDbObjectId id : ids) set->append(id);
  std::vector<OdDbObjectId> kept;
  for (size_t i = 0; i < ids.size(); ++i) {
    if (i % 3 == 0) {
      set->remove(ids[i]);
    } else {
      kept.push_back(ids[i]);
    }
  }
  set->remove(ids[0]);  // no longer a member: nothing happens
  EXPECT_EQ(walk(*set), kept);
  EXPECT_FALSE(set->isMember(ids[3]));
  EXPECT_TRUE(set->isMember(ids[4]));
  set->append(ids[3]);
  kept.push_back(ids[3]);
  EXPECT_EQ(walk(*set), kept) << "a removed id comes back at the end";

  set->clear();
  EXPECT_EQ(set->numEntities(), 0u);
  EXPECT_FALSE(set->isMember(ids[4]));
  set->append(ids[4]);
  set->append(ids[4]);
  EXPECT_EQ(walk(*set), std::vector<OdDbObjectId>{ids[4]});
}

}  // namespace
