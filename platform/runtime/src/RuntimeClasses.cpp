// Registers every runtime class when the library loads, so that the class dictionary knows them
// all before anyone looks a name up or creates a generic class of the same name.
#include "Db2dPolyline.h"
#include "Db3dPolyline.h"
#include "DbArc.h"
#include "DbBlockTableRecord.h"
#include "DbCircle.h"
#include "DbCommandContext.h"
#include "DbDatabase.h"
#include "DbEllipse.h"
#include "DbFace.h"
#include "DbGenericEntity.h"
#include "DbLayerTableRecord.h"
#include "DbLine.h"
#include "DbPoint.h"
#include "DbPolyFaceMesh.h"
#include "DbPolygonMesh.h"
#include "DbPolyline.h"
#include "DbScriptedUserIO.h"
#include "DbSolid.h"
#include "DbSpline.h"
#include "DbText.h"
#include "Ed/EdCommandStack.h"
#include "RxModule.h"

ODRX_NO_CONS_DEFINE_MEMBERS(OdRxModule, OdRxObject, L"OdRxModule")

namespace {

struct RegisterClasses {
  RegisterClasses() {
    OdRxClass* (*const classes[])() = {
        &OdRxObject::desc,
        &OdRxModule::desc,
        &OdDbObject::desc,
        &OdDbEntity::desc,
        &OdDbCurve::desc,
        &OdDbPoint::desc,
        &OdDbLine::desc,
        &OdDbCircle::desc,
        &OdDbArc::desc,
        &OdDbEllipse::desc,
        &OdDbPolyline::desc,
        &OdDbVertex::desc,
        &OdDb2dVertex::desc,
        &OdDb2dPolyline::desc,
        &OdDb3dPolylineVertex::desc,
        &OdDb3dPolyline::desc,
        &OdDbSpline::desc,
        &OdDbFace::desc,
        &OdDbSolid::desc,
        &OdDbPolyFaceMeshVertex::desc,
        &OdDbFaceRecord::desc,
        &OdDbPolyFaceMesh::desc,
        &OdDbPolygonMeshVertex::desc,
        &OdDbPolygonMesh::desc,
        &OdDbText::desc,
        &OdDbGenericEntity::desc,
        &OdDbBlockTableRecord::desc,
        &OdDbLayerTableRecord::desc,
        &OdDbDatabase::desc,
        &OdDbObjectIterator::desc,
        &OdDbSelectionSet::desc,
        &OdDbSelectionSetIterator::desc,
        &OdEdCommand::desc,
        &OdEdCommandStack::desc,
        &OdEdUserIO::desc,
        &OdDbUserIO::desc,
        &OdDbScriptedUserIO::desc,
        &OdEdCommandContext::desc,
        &OdDbCommandContext::desc,
    };
    for (auto desc : classes) desc();
  }
};

const RegisterClasses registerClasses;

}  // namespace
