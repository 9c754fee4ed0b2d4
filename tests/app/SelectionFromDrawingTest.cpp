// "Select objects:" answered on a drawing held in memory: entities of several classes on several
// layers, interleaved, so that what the selection decides once per layer or class is seen to hold
// for every entity; and generic entities of two DXF kinds that share one runtime class.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbGenericEntity.h"
#include "DbLine.h"
#include "DbPoint.h"
#include "DbSSet.h"
#include "app/CommandLineUserIO.h"

namespace {

class OneAnswer : public app::PromptAnswers {
 public:
  explicit OneAnswer(std::string answer) : answer_(std::move(answer)) {}
  std::optional<std::string> NextAnswer() override { return std::exchange(answer_, std::nullopt); }

 private:
  std::optional<std::string> answer_;
};

class app_SelectFromDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    const OdDbObjectId road = database->addLayer(L"Road");
    const OdDbObjectId kerb = database->addLayer(L"Kerb");
    const OdDbObjectId zero = database->getLayerId(L"0");
    Add(OdDbPoint::createObject(), road);                       // 0
    Add(OdDbLine::createObject(), kerb);                        // 1
    Add(OdDbGenericEntity::createObject(L"QUORLEXFOO"), road);  // 2
    Add(OdDbPoint::createObject(), kerb);                       // 3
    Add(OdDbLine::createObject(), zero);                        // 4
    Add(OdDbGenericEntity::createObject(L"QUORLEXBAR"), kerb);  // 5
    Add(OdDbPoint::createObject(), road);                       // 6
    Add(OdDbGenericEntity::createObject(L"QUORLEXFOO"), zero);  // 7
  }

  void Add(OdDbEntityPtr entity, OdDbObjectId layer) {
    ASSERT_EQ(entity->setLayer(layer), eOk);
    OdDbBlockTableRecordPtr modelSpace =
        database->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    ids.push_back(modelSpace->appendOdDbEntity(entity));
  }

  // The positions in drawing order of the entities that `spec` selects.
  std::vector<int> Select(const std::string& spec) {
    std::ostringstream shown;
    app::CommandLineOutput output(shown);
    OneAnswer answer(spec);
    OdSmartPtr<app::CommandLineUserIO> userIO =
        app::CommandLineUserIO::createObject(output, answer, database.get());
    const OdDbSelectionSetPtr selection = userIO->select(L"Select objects:");
    std::vector<int> positions;
    for (const OdDbObjectId& id : selection->objectIds()) {
      positions.push_back(static_cast<int>(std::find(ids.begin(), ids.end(), id) - ids.begin()));
    }
    return positions;
  }

  OdDbDatabasePtr database = OdDbDatabase::createObject();
  std::vector<OdDbObjectId> ids;
};

TEST_F(app_SelectFromDrawing, EachFormPicksByItsOwnTrait) {
  ASSERT_EQ(OdDbGenericEntity::cast(ids[2].safeOpenObject())->isA(),
            OdDbGenericEntity::cast(ids[5].safeOpenObject())->isA());
  const std::string handles =
      ids[6].getHandle().ascii().toUtf8() + "," + ids[1].getHandle().ascii().toUtf8();
  const struct {
    std::string spec;
    std::vector<int> expected;
  } cases[] = {
      {"ALL", {0, 1, 2, 3, 4, 5, 6, 7}}, {"NONE", {}},
      {"LAYER=road", {0, 2, 6}},         {"LAYER=KERB,0", {1, 3, 4, 5, 7}},
      {"TYPE=point", {0, 3, 6}},         {"TYPE=LINE,QUORLEXBAR", {1, 4, 5}},
      {"TYPE=QuorlexFoo", {2, 7}},       {"HANDLE=" + handles, {1, 6}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.spec);
    EXPECT_EQ(Select(c.spec), c.expected);
  }
}

}  // namespace
