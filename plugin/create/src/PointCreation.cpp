// Point creation in model space.
#include "create/PointCreation.h"

#include "DbBlockTableRecord.h"
#include "DbPoint.h"
#include "OdError.h"

bool CreatePointEntity(const ON_3dPoint& point, OdDbDatabasePtr database) {
  try {
    OdDbPointPtr entity = OdDbPoint::desc()->create();
    entity->setPosition(OdGePoint3d(point.x, point.y, point.z));
    return AppendToModelSpace(database, OdDbEntityPtr(entity));
  } catch (const OdError&) {
    return false;
  }
}

bool AppendToModelSpace(OdDbDatabasePtr database, OdDbEntityPtr entity) {
  try {
    OdDbBlockTableRecordPtr modelSpace =
        database->getModelSpaceId().safeOpenObject(OdDb::kForWrite, false);
    return !modelSpace->appendOdDbEntity(entity).isNull();
  } catch (const OdError&) {
    return false;
  }
}
