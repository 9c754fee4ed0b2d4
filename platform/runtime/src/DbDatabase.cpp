// The drawing database: resident objects by handle, the layer and block name tables, loading
// with file handles, and the list of entities appended since the load.
#include "DbDatabase.h"

#include <cwctype>

#include "DbDatabaseImpl.h"

ODRX_CONS_DEFINE_MEMBERS(OdDbDatabase, OdRxObject, L"AcDbDatabase", OdString())

namespace {

OdString handleText(OdDbHandle handle) { return handle.ascii(); }

bool isTableRecord(const OdDbObject* object, bool& layer) {
  layer = object->isKindOf(OdDbLayerTableRecord::desc());
  return layer || object->isKindOf(OdDbBlockTableRecord::desc());
}

OdString recordName(const OdDbObject* object, bool layer) {
  if (layer) return static_cast<const OdDbLayerTableRecord*>(object)->getName();
  return static_cast<const OdDbBlockTableRecord*>(object)->getName();
}

}  // namespace

OdDbDatabaseImpl::~OdDbDatabaseImpl() {
  // Detach first, so that objects outliving the database (still referenced elsewhere) no longer
  // point at records that are about to go.
  for (OdDbStub& stub : m_stubs) stub.object->setStub(nullptr);
  for (auto it = m_stubs.rbegin(); it != m_stubs.rend(); ++it) it->object->release();
}

OdDbObjectId OdDbDatabaseImpl::addObject(OdDbObject* object, OdDbHandle handle, OdDbStub* owner) {
  if (handle.isNull()) handle = m_handseed;
  OdDbStub& stub = m_stubs.emplace_back();
  stub.object = object;
  stub.database = m_database;
  stub.owner = owner;
  stub.handle = handle.value();
  m_byHandle.insert(&stub);
  raiseHandseed(stub.handle + 1);
  object->addRef();
  object->setStub(&stub);
  return OdDbObjectId(&stub);
}

OdDbStub* OdDbDatabaseImpl::find(OdDbHandle handle) const {
  return m_byHandle.find(handle.value());
}

void OdDbDatabaseImpl::raiseHandseed(OdUInt64 seed) {
  if (seed > m_handseed) m_handseed = seed;
}

std::wstring OdDbDatabaseImpl::key(const OdString& name) {
  std::wstring k = name.wide();
  for (wchar_t& ch : k) ch = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(ch)));
  return k;
}

OdDbObjectId OdDbDatabaseImpl::findRecord(bool layer, const OdString& name) const {
  const auto& names = layer ? m_layerNames : m_blockNames;
  auto found = names.find(key(name));
  return found == names.end() ? OdDbObjectId::kNull : found->second;
}

void OdDbDatabaseImpl::checkNameFree(bool layer, const OdString& name) const {
  if (findRecord(layer, name).isNull()) return;
  throw OdError(eDuplicateKey, OdString::formatted(L"A %s named \"%s\" already exists",
                                                   layer ? L"layer" : L"block", name.c_str()));
}

void OdDbDatabaseImpl::registerRecord(bool layer, const OdString& name, OdDbObjectId id) {
  (layer ? m_layerNames : m_blockNames).emplace(key(name), id);
  (layer ? m_layers : m_blocks).push_back(id);
  (layer ? m_layerZeroKnown : m_modelSpaceKnown) = false;
}

OdDbObjectId OdDbDatabaseImpl::modelSpace() const {
  if (!m_modelSpaceKnown) {
    m_modelSpace = findRecord(false, OdDbBlockTableRecord::modelSpaceName());
    m_modelSpaceKnown = true;
  }
  return m_modelSpace;
}

OdDbObjectId OdDbDatabaseImpl::layerZero() const {
  if (!m_layerZeroKnown) {
    m_layerZero = findRecord(true, L"0");
    m_layerZeroKnown = true;
  }
  return m_layerZero;
}

void OdDbDatabaseImpl::renameRecord(bool layer, const OdString& oldName, const OdString& newName) {
  auto& names = layer ? m_layerNames : m_blockNames;
  auto found = names.find(key(oldName));
  if (found == names.end()) return;
  OdDbObjectId id = found->second;
  names.erase(found);
  names.emplace(key(newName), id);
  (layer ? m_layerZeroKnown : m_modelSpaceKnown) = false;
}

OdDbDatabase::OdDbDatabase(bool standardRecords)
    : m_impl(std::make_unique<OdDbDatabaseImpl>(this)) {
  if (standardRecords) completeLoad();
}

OdDbDatabase::~OdDbDatabase() = default;

OdDbDatabasePtr OdDbDatabase::createEmpty() {
  // Without records: a reader adds the file's own, then calls completeLoad().
  return OdDbDatabasePtr(static_cast<OdDbDatabase*>(new OdRxObjectImpl<OdDbDatabase>(false)));
}

OdDbObjectId OdDbDatabase::getModelSpaceId() const { return m_impl->modelSpace(); }

OdDbObjectId OdDbDatabase::getPaperSpaceId() const {
  return m_impl->findRecord(false, OdDbBlockTableRecord::paperSpaceName());
}

OdDbObjectId OdDbDatabase::getBlockTableRecordId(const OdString& name) const {
  return m_impl->findRecord(false, name);
}

OdDbObjectId OdDbDatabase::getLayerId(const OdString& name) const {
  return m_impl->findRecord(true, name);
}

std::vector<OdDbObjectId> OdDbDatabase::blockTableRecordIds() const {
  return m_impl->records(false);
}

std::vector<OdDbObjectId> OdDbDatabase::layerIds() const { return m_impl->records(true); }

OdDbObjectId OdDbDatabase::addBlockTableRecord(const OdString& name) {
  OdDbBlockTableRecordPtr record = OdDbBlockTableRecord::createObject();
  record->setName(name);
  return addLoadedObject(OdDbObjectId::kNull, record);
}

OdDbObjectId OdDbDatabase::addLayer(const OdString& name) {
  OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
  layer->setName(name);
  return addLoadedObject(OdDbObjectId::kNull, layer);
}

OdDbHandle OdDbDatabase::handseed() const { return m_impl->handseed(); }

void OdDbDatabase::setHandseed(OdDbHandle seed) { m_impl->raiseHandseed(seed.value()); }

OdDbObjectId OdDbDatabase::getOdDbObjectId(const OdDbHandle& handle) const {
  return OdDbObjectId(m_impl->find(handle));
}

size_t OdDbDatabase::numObjects() const { return m_impl->numObjects(); }

OdDbObjectId OdDbDatabase::addLoadedObject(OdDbObjectId owner, OdDbObject* object,
                                           OdDbHandle handle) {
  if (!object) throw OdError(eNullObjectPointer, L"addLoadedObject: no object given");
  if (object->stub()) {
    throw OdError(eAlreadyInDb, OdString(L"Object ") + object->getDbHandle().ascii() +
                                    L" is already in a database");
  }
  OdDbStub* ownerStub = owner.stub();
  if (ownerStub && (ownerStub->database != this || !ownerStub->object->ownedObjectIds())) {
    throw OdError(eInvalidOwnerObject, OdString(L"Object ") + handleText(ownerStub->handle) +
                                           L" cannot own objects of this database");
  }
  if (!handle.isNull() && m_impl->handleInUse(handle)) {
    throw OdError(eDuplicateHandle,
                  OdString(L"Handle ") + handleText(handle) + L" is already in use");
  }
  bool layer = false;
  bool record = !ownerStub && isTableRecord(object, layer);
  if (record) m_impl->checkNameFree(layer, recordName(object, layer));
  OdDbObjectId id = m_impl->addObject(object, handle, ownerStub);
  object->setOpenedForWrite(
      true);  // as an appended object: open for write while the caller holds it
  if (record) m_impl->registerRecord(layer, recordName(object, layer), id);
  if (ownerStub) ownerStub->object->appendOwnedId(id);
  return id;
}

void OdDbDatabase::completeLoad() {
  if (getLayerId(L"0").isNull()) addLayer(L"0");
  if (getModelSpaceId().isNull()) addBlockTableRecord(OdDbBlockTableRecord::modelSpaceName());
  if (getPaperSpaceId().isNull()) addBlockTableRecord(OdDbBlockTableRecord::paperSpaceName());
  m_impl->clearAppended();
}

std::vector<OdDbObjectId> OdDbDatabase::appendedSinceLoad() const {
  std::vector<OdDbObjectId> live;
  for (OdDbObjectId id : m_impl->appended()) {
    if (!id.isErased()) live.push_back(id);
  }
  return live;
}

void OdDbDatabase::clearAppendedSinceLoad() { m_impl->clearAppended(); }

void OdDbDatabase::setSourceData(std::shared_ptr<void> data) {
  m_impl->sourceData = std::move(data);
}

std::shared_ptr<void> OdDbDatabase::sourceData() const { return m_impl->sourceData; }

void OdDbDatabase::setFilename(const OdString& path) { m_impl->filename = path; }

OdString OdDbDatabase::getFilename() const { return m_impl->filename; }
