// A drawing in a real runtime database for the converter and point-creation tests: entities are
// appended to model space and then opened by object id for read, as the export command opens
// them; HandleState captures what a converter must leave as it found it.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbEntity.h"
#include "opennurbs.h"

class TestDrawing {
 public:
  TestDrawing() : m_database(OdDbDatabase::createObject()) {}

  OdDbDatabasePtr database() const { return m_database; }

  // Appends entity to model space. The caller's pointer keeps it open for write until released,
  // which is when vertices can be appended to it.
  template <class T>
  OdDbObjectId Add(const OdSmartPtr<T>& entity) const {
    OdDbBlockTableRecordPtr modelSpace =
        m_database->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    return modelSpace->appendOdDbEntity(entity);
  }

  // Appends a finished entity and gives it back open for read through its id. The caller's
  // pointer is released first: while it is held the entity counts as open for write.
  template <class T>
  OdSmartPtr<T> AddAndOpen(OdSmartPtr<T>& entity) const {
    const OdDbObjectId id = Add(entity);
    entity.release();
    return Open<T>(id);
  }

  template <class T>
  static OdSmartPtr<T> Open(OdDbObjectId id) {
    return OdSmartPtr<T>(id.safeOpenObject(OdDb::kForRead));
  }

  // The ids of the entities in model space, in drawing order.
  std::vector<OdDbObjectId> ModelSpaceIds() const {
    OdDbBlockTableRecordPtr modelSpace = m_database->getModelSpaceId().safeOpenObject();
    std::vector<OdDbObjectId> ids;
    for (OdDbObjectIteratorPtr it = modelSpace->newIterator(); !it->done(); it->step()) {
      ids.push_back(it->objectId());
    }
    return ids;
  }

 private:
  OdDbDatabasePtr m_database;
};

// What a converter must leave unchanged on the caller's handle: reference count and open state.
struct HandleState {
  long refs = 0;
  long opens = 0;
  bool readEnabled = false;
  bool writeEnabled = false;

  static HandleState Of(const OdDbObject& object) {
    return {object.numRefs(), object.openCount(), object.isReadEnabled(), object.isWriteEnabled()};
  }
  bool operator==(const HandleState&) const = default;
};

inline void PrintTo(const HandleState& s, std::ostream* os) {
  *os << "{refs " << s.refs << ", opens " << s.opens << ", read " << s.readEnabled << ", write "
      << s.writeEnabled << "}";
}

inline ON_3dPoint On(double x, double y, double z) { return ON_3dPoint(x, y, z); }

// Exact comparison of the three doubles.
#define EXPECT_POINT_EQ(expected, actual) \
  do {                                    \
    const ON_3dPoint e_ = (expected);     \
    const ON_3dPoint a_ = (actual);       \
    EXPECT_EQ(e_.x, a_.x) << "x";         \
    EXPECT_EQ(e_.y, a_.y) << "y";         \
    EXPECT_EQ(e_.z, a_.z) << "z";         \
  } while (0)

#define EXPECT_POINT_NEAR(expected, actual, tol) \
  do {                                           \
    const ON_3dPoint e_ = (expected);            \
    const ON_3dPoint a_ = (actual);              \
    EXPECT_NEAR(e_.x, a_.x, tol) << "x";         \
    EXPECT_NEAR(e_.y, a_.y, tol) << "y";         \
    EXPECT_NEAR(e_.z, a_.z, tol) << "z";         \
  } while (0)
