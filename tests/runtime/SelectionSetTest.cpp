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

// Ids of another drawing, or of a set made without one, are indexed by their records, not by
// handles that both drawings use.
TEST(RuntimeSelectionSet, IdsOfOtherDrawingsAndSetsWithoutADrawing) {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbDatabasePtr other = OdDbDatabase::createObject();
  const std::vector<OdDbObjectId> mine = appendPoints(db, 150);
  const std::vector<OdDbObjectId> theirs = appendPoints(other, 150);
  ASSERT_EQ(mine[0].getHandle(), theirs[0].getHandle());
  OdDbSelectionSetPtr bound = OdDbSelectionSet::createObject(db);
  OdDbSelectionSetPtr unbound = OdDbSelectionSet::createObject();
  std::vector<OdDbObjectId> order;
  for (size_t i = 0; i < mine.size(); i += 2) {
    for (OdDbObjectId id : {mine[i], theirs[i]}) {
      bound->append(id);
      unbound->append(id);
      order.push_back(id);
    }
  }
  bound->append(mine[1]);
  unbound->append(mine[1]);
  order.push_back(mine[1]);
  for (OdDbSelectionSetPtr set : {bound, unbound}) {
    EXPECT_EQ(walk(*set), order);
    EXPECT_TRUE(set->isMember(theirs[2]));
    EXPECT_FALSE(set->isMember(theirs[1])) << "its handle is a member's, of the other drawing";
    EXPECT_FALSE(set->isMember(mine[3]));
    set->remove(theirs[2]);
    EXPECT_FALSE(set->isMember(theirs[2]));
    EXPECT_TRUE(set->isMember(mine[2]));
  }
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
