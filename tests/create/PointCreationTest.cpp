// Point creation in a real drawing's model space: order, duplicates, exact doubles, and a model
// space that cannot be opened.
#include <gtest/gtest.h>

#include <vector>

#include "DbPoint.h"
#include "TestDrawing.h"
#include "create/PointCreation.h"

namespace {

class create_PointCreation : public ::testing::Test {
 protected:
  std::vector<ON_3dPoint> PointsInModelSpace() const {
    std::vector<ON_3dPoint> points;
    for (const OdDbObjectId& id : drawing.ModelSpaceIds()) {
      OdDbPointPtr point = TestDrawing::Open<OdDbPoint>(id);
      points.push_back(On(point->position().x, point->position().y, point->position().z));
    }
    return points;
  }

  TestDrawing drawing;
};

TEST_F(create_PointCreation, EachPointBecomesOnePointEntityInListOrderAtItsExactDoubles) {
  const std::vector<ON_3dPoint> list = {
      On(1000000.9, 5000000.3, 100.123456789),
      On(0.1, 0.2, 0.3),
      On(0.1, 0.2, 0.3),  // duplicates are kept
      On(-0.0, 1e-300, -4e15),
      On(612345.67890123, 5123456.78901234, 301.25),
  };
  for (const ON_3dPoint& p : list) EXPECT_TRUE(CreatePointEntity(p, drawing.database()));

  const std::vector<ON_3dPoint> created = PointsInModelSpace();
  ASSERT_EQ(list.size(), created.size());
  for (size_t i = 0; i < list.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_POINT_EQ(list[i], created[i]);
  }
  // Reading the points opened each for read, so none was left open for write; model space is
  // closed again too, or it could not be opened for write now.
  OdDbObjectPtr modelSpace = drawing.database()->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
  EXPECT_TRUE(modelSpace->isWriteEnabled());
}

TEST_F(create_PointCreation, ModelSpaceHeldOpenElsewhereMakesEveryCreationFailAndAddsNothing) {
  for (const OdDb::OpenMode heldAs : {OdDb::kForWrite, OdDb::kForRead}) {
    SCOPED_TRACE(heldAs);
    OdDbObjectPtr held = drawing.database()->getModelSpaceId().safeOpenObject(heldAs);
    const long liveBefore = odrxLiveObjectCount();
    const OdDbHandle seedBefore = drawing.database()->handseed();
    ::testing::internal::CaptureStdout();
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(CreatePointEntity(On(i, i, i), drawing.database()));
    EXPECT_EQ("", ::testing::internal::GetCapturedStdout());
    EXPECT_EQ(liveBefore, odrxLiveObjectCount());
    EXPECT_EQ(seedBefore.value(), drawing.database()->handseed().value());
    held.release();
    EXPECT_TRUE(drawing.ModelSpaceIds().empty());
  }
  EXPECT_TRUE(CreatePointEntity(On(1, 2, 3), drawing.database()));
  EXPECT_EQ(1u, drawing.ModelSpaceIds().size());
}

TEST_F(create_PointCreation, AppendToModelSpaceRefusesAnEntityAlreadyInADrawing) {
  ASSERT_TRUE(CreatePointEntity(On(1, 2, 3), drawing.database()));
  const OdDbObjectId id = drawing.ModelSpaceIds().front();
  OdDbEntityPtr resident = TestDrawing::Open<OdDbEntity>(id);
  EXPECT_FALSE(AppendToModelSpace(drawing.database(), resident));
  EXPECT_EQ(1u, drawing.ModelSpaceIds().size());
}

}  // namespace
