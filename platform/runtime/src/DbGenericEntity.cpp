// Entities of the kinds without a class of their own, each under its host class name.
#include "DbGenericEntity.h"

#include <map>
#include <memory>
#include <mutex>

namespace {

struct DxfClassName {
  const wchar_t* dxfName;
  const wchar_t* className;
};

// The host's class names of the DXF entity kinds that have no runtime class of their own.
constexpr DxfClassName kClassNames[] = {
    {L"3DSOLID", L"AcDb3dSolid"},
    {L"ACAD_PROXY_ENTITY", L"AcDbProxyEntity"},
    {L"ACAD_TABLE", L"AcDbTable"},
    {L"ARC_DIMENSION", L"AcDbArcDimension"},
    {L"ATTDEF", L"AcDbAttributeDefinition"},
    {L"ATTRIB", L"AcDbAttribute"},
    {L"BODY", L"AcDbBody"},
    {L"CAMERA", L"AcDbCamera"},
    {L"DGNUNDERLAY", L"AcDbDgnReference"},
    {L"DIMENSION", L"AcDbDimension"},
    {L"DWFUNDERLAY", L"AcDbDwfReference"},
    {L"EXTRUDEDSURFACE", L"AcDbExtrudedSurface"},
    {L"HATCH", L"AcDbHatch"},
    {L"HELIX", L"AcDbHelix"},
    {L"IMAGE", L"AcDbRasterImage"},
    {L"INSERT", L"AcDbBlockReference"},
    {L"LEADER", L"AcDbLeader"},
    {L"LIGHT", L"AcDbLight"},
    {L"LOFTEDSURFACE", L"AcDbLoftedSurface"},
    {L"MESH", L"AcDbSubDMesh"},
    {L"MLINE", L"AcDbMline"},
    {L"MPOLYGON", L"AcDbMPolygon"},
    {L"MTEXT", L"AcDbMText"},
    {L"MULTILEADER", L"AcDbMLeader"},
    {L"NURBSSURFACE", L"AcDbNurbSurface"},
    {L"OLE2FRAME", L"AcDbOle2Frame"},
    {L"OLEFRAME", L"AcDbOleFrame"},
    {L"PDFUNDERLAY", L"AcDbPdfReference"},
    {L"PLANESURFACE", L"AcDbPlaneSurface"},
    {L"POINTCLOUD", L"AcDbPointCloud"},
    {L"RAY", L"AcDbRay"},
    {L"REGION", L"AcDbRegion"},
    {L"REVOLVEDSURFACE", L"AcDbRevolvedSurface"},
    {L"SECTIONOBJECT", L"AcDbSection"},
    {L"SHAPE", L"AcDbShape"},
    {L"SURFACE", L"AcDbSurface"},
    {L"SWEPTSURFACE", L"AcDbSweptSurface"},
    {L"TOLERANCE", L"AcDbFcf"},
    {L"TRACE", L"AcDbTrace"},
    {L"UNDERLAY", L"AcDbUnderlayReference"},
    {L"VIEWPORT", L"AcDbViewport"},
    {L"WIPEOUT", L"AcDbWipeout"},
    {L"XLINE", L"AcDbXline"},
};

std::mutex& genericMutex() {
  static std::mutex* mutex = new std::mutex;
  return *mutex;
}

// DXF names live as long as the process, so entities keep only a pointer.
const OdString* internDxfName(const OdString& dxfName) {
  static auto* names = new std::map<std::wstring, std::unique_ptr<OdString>>;
  std::lock_guard<std::mutex> lock(genericMutex());
  auto& slot = (*names)[dxfName.wide()];
  if (!slot) slot = std::make_unique<OdString>(dxfName);
  return slot.get();
}

}  // namespace

OdRxClass* OdDbGenericEntity::desc() {
  static OdRxClass* cls = new OdRxClass(L"OdDbGenericEntity", OdDbEntity::desc());
  return cls;
}

OdSmartPtr<OdDbGenericEntity> OdDbGenericEntity::cast(const OdRxObject* object) {
  if (!object) return OdSmartPtr<OdDbGenericEntity>();
  return OdSmartPtr<OdDbGenericEntity>(static_cast<OdDbGenericEntity*>(object->queryX(desc())),
                                       kOdRxObjAttach);
}

OdDbGenericEntity::OdDbGenericEntity(OdRxClass* cls, const OdString* dxfName)
    : m_class(cls), m_dxfName(dxfName) {}

OdSmartPtr<OdDbGenericEntity> OdDbGenericEntity::createObject(const OdString& dxfName,
                                                              const OdString& className) {
  OdString name = className.isEmpty() ? odDbClassNameForDxf(dxfName) : className;
  OdRxClass* cls = odrxGetOrCreateGenericClass(name);
  auto* entity = new OdRxObjectImpl<OdDbGenericEntity>(cls, internDxfName(dxfName));
  return OdSmartPtr<OdDbGenericEntity>(static_cast<OdDbGenericEntity*>(entity));
}

OdString odDbClassNameForDxf(const OdString& dxfName) {
  for (const DxfClassName& entry : kClassNames) {
    if (dxfName == entry.dxfName) return entry.className;
  }
  return L"AcDbProxyEntity";
}

OdRxClass* odrxGetOrCreateGenericClass(const OdString& className) {
  std::lock_guard<std::mutex> lock(genericMutex());
  if (OdRxClass* existing = odrxFindClass(className)) {
    if (existing->isDerivedFrom(OdDbGenericEntity::desc())) return existing;
    throw OdError(eDuplicateKey, OdString(L"Class ") + className +
                                     L" exists and is not a class of generic entities");
  }
  return new OdRxClass(className, OdDbGenericEntity::desc());
}
