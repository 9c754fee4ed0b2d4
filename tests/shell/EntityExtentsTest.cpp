// Entity extents on a drawing with one entity of each kind, and the window and crossing tests.
#include <gtest/gtest.h>

#include <cmath>
#include <cwchar>
#include <map>
#include <optional>
#include <string>

#include "DbObjectIterator.h"
#include "ShellTestSupport.h"
#include "app/EntityExtents.h"
#include "dxf/DxfReader.h"

namespace shell::test {
namespace {

// The extents of every model-space entity, by its layer (each kind is on a layer of its name).
std::map<std::wstring, std::optional<app::Extents>> ExtentsByLayer(OdDbDatabase& database) {
  std::map<std::wstring, std::optional<app::Extents>> found;
  OdDbObjectIteratorPtr it = OdDbObjectIterator::createObject(database.getModelSpaceId());
  for (; !it->done(); it->step()) {
    OdDbEntityPtr entity = it->entity();
    found[entity->layer().wide()] = app::EntityExtents(*entity);
  }
  return found;
}

TEST(shell_EntityExtents, EveryKindOfEntity) {
  const double r2 = std::sqrt(2.0);  // 2 cos 45°
  struct Case {
    const wchar_t* layer;
    OdGePoint3d min, max;
    double tolerance;  // walked curves fall short of their true box by a little
  };
  const Case cases[] = {
      {L"POINT", {3, 4, 5}, {3, 4, 5}, 0.0},
      {L"LINE", {1, -6, 3}, {4, 2, 8}, 0.0},
      {L"CIRCLE", {8, -2, 0}, {12, 2, 0}, 2e-4},
      {L"ARC", {-r2, r2, 0}, {r2, 2, 0}, 2e-4},  // 45° to 135°: the top lies between the ends
      {L"ELLIPSE", {-4, -2, 0}, {4, 2, 0}, 4e-4},
      {L"LWPOLYLINE", {0, -1, 0}, {2, 0, 0}, 1e-4},  // a half circle bulging below
      {L"SPLINE", {0, 0, 0}, {3, 0.75, 0}, 1e-9},
      {L"3DFACE", {0, 0, 0}, {1, 1, 2}, 0.0},
      {L"SOLID", {0, 0, 0}, {2, 3, 0}, 0.0},
      {L"TEXT", {5, 6, 7}, {5, 6, 7}, 0.0},
      {L"POLYLINE3D", {0, 0, -2}, {3, 5, 4}, 0.0},
      {L"POLYLINE2D", {0, 0, 0}, {3, 2, 0}, 0.0},
      {L"POLYFACE", {0, 0, 0}, {1, 1, 1}, 0.0},
      {L"POLYMESH", {0, 0, 0}, {1, 1, 3}, 0.0},
  };
  OdDbDatabasePtr database = dxf::readDxfFile(ShellFixture("extents.dxf"));
  const auto found = ExtentsByLayer(*database);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.layer, c.layer + std::wcslen(c.layer)));
    const auto entry = found.find(c.layer);
    ASSERT_NE(entry, found.end());
    ASSERT_TRUE(entry->second.has_value());
    const app::Extents& e = *entry->second;
    const double got[6] = {e.min.x, e.min.y, e.min.z, e.max.x, e.max.y, e.max.z};
    const double want[6] = {c.min.x, c.min.y, c.min.z, c.max.x, c.max.y, c.max.z};
    for (int i = 0; i < 6; ++i) {
      EXPECT_NEAR(got[i], want[i], c.tolerance) << "coordinate " << i;
      // Never larger than the true box: a window around the entity always encloses it.
      if (i < 3) {
        EXPECT_GE(got[i], want[i] - 1e-12) << "coordinate " << i;
      } else {
        EXPECT_LE(got[i], want[i] + 1e-12) << "coordinate " << i;
      }
    }
  }
  EXPECT_FALSE(found.at(L"MTEXT").has_value());
  EXPECT_FALSE(found.at(L"INSERT").has_value());
}

TEST(shell_EntityExtents, WindowEnclosesCrossingMeets) {
  const app::Extents box{{1, 1, -5}, {2, 3, 5}};
  struct Case {
    OdGePoint3d a, b;
    bool encloses, meets;
  };
  const Case cases[] = {
      {{0, 0, 0}, {3, 4, 0}, true, true},
      {{3, 4, 9}, {0, 0, 9}, true, true},     // corners in either order; z is not looked at
      {{1, 1, 0}, {2, 3, 0}, true, true},     // edges count as inside
      {{1.5, 0, 0}, {5, 5, 0}, false, true},  // cuts through
      {{2, 3, 0}, {4, 4, 0}, false, true},    // touches a corner
      {{2.5, 0, 0}, {5, 5, 0}, false, false},
  };
  for (const Case& c : cases) {
    const app::PlanWindow window = app::PlanWindow::FromCorners(c.a, c.b);
    EXPECT_EQ(window.Encloses(box), c.encloses) << c.a.x << "," << c.a.y;
    EXPECT_EQ(window.Meets(box), c.meets) << c.a.x << "," << c.a.y;
  }
}

}  // namespace
}  // namespace shell::test
