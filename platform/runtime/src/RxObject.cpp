// The root object, runtime classes and the class dictionary.
#include "RxObject.h"

#include <atomic>
#include <cassert>
#include <map>
#include <mutex>

#include "OdError.h"
#include "SmartPtr.h"

namespace {

std::atomic<long> g_liveObjects{0};

struct ClassDictionary {
  std::mutex mutex;
  std::map<std::wstring, OdRxClass*> byName;
  std::vector<OdRxClass*> inOrder;
};

// Never destroyed: classes are function-local statics of many libraries and may be used while
// other statics are torn down.
ClassDictionary& dictionary() {
  static ClassDictionary* dict = new ClassDictionary;
  return *dict;
}

}  // namespace

OdRxObject::OdRxObject() { ++g_liveObjects; }
OdRxObject::OdRxObject(const OdRxObject&) { ++g_liveObjects; }
OdRxObject::~OdRxObject() { --g_liveObjects; }

long odrxLiveObjectCount() { return g_liveObjects.load(); }

OdRxClass* OdRxObject::desc() {
  static OdRxClass* cls = new OdRxClass(L"OdRxObject", nullptr);
  return cls;
}

OdRxClass* OdRxObject::isA() const { return desc(); }

OdRxObject* OdRxObject::queryX(const OdRxClass* cls) const {
  if (!cls || !isA()->isDerivedFrom(cls)) return nullptr;
  OdRxObject* self = const_cast<OdRxObject*>(this);
  self->addRef();
  return self;
}

OdRxObject* OdRxObject::x(const OdRxClass* cls) const {
  OdRxObject* result = queryX(cls);
  if (!result) throw OdError_NotThatKindOfClass(isA(), cls);
  return result;
}

long OdRxObject::numRefs() const { return 1; }

OdRxObjectPtr OdRxObject::clone() const {
  throw OdError(eNotApplicable,
                OdString(L"Objects of class ") + isA()->name() + L" cannot be cloned");
}

void OdRxObject::copyFrom(const OdRxObject* other) {
  (void)other;
  throw OdError(eNotApplicable,
                OdString(L"Objects of class ") + isA()->name() + L" cannot be copied");
}

OdRx::Ordering OdRxObject::comparedTo(const OdRxObject* other) const {
  return other == this ? OdRx::kEqual : OdRx::kNotOrderable;
}

bool OdRxObject::isEqualTo(const OdRxObject* other) const { return other == this; }

bool OdRxObject::isKindOf(const OdRxClass* cls) const { return cls && isA()->isDerivedFrom(cls); }

OdRxObjectPtr OdRxObject::cast(const OdRxObject* object) { return OdRxObjectPtr(object); }

OdRxClass::OdRxClass(const OdString& name, OdRxClass* parent, Constructor constructor,
                     const OdString& dxfName)
    : m_name(name), m_dxfName(dxfName), m_parent(parent), m_constructor(constructor) {
  ClassDictionary& dict = dictionary();
  std::lock_guard<std::mutex> lock(dict.mutex);
  [[maybe_unused]] bool inserted = dict.byName.emplace(name.wide(), this).second;
  assert(inserted && "a runtime class name is registered twice");
  dict.inOrder.push_back(this);
}

OdRxClass::~OdRxClass() {
  ClassDictionary& dict = dictionary();
  std::lock_guard<std::mutex> lock(dict.mutex);
  dict.byName.erase(m_name.wide());
  std::erase(dict.inOrder, this);
}

bool OdRxClass::isDerivedFrom(const OdRxClass* other) const {
  for (const OdRxClass* cls = this; cls; cls = cls->m_parent) {
    if (cls == other) return true;
  }
  return false;
}

OdRxObjectPtr OdRxClass::create() const {
  if (!m_constructor) {
    throw OdError(eNotApplicable, OdString(L"Class ") + m_name + L" cannot be instantiated");
  }
  return m_constructor();
}

OdRxClass* odrxFindClass(const OdString& name) {
  ClassDictionary& dict = dictionary();
  std::lock_guard<std::mutex> lock(dict.mutex);
  auto found = dict.byName.find(name.wide());
  return found == dict.byName.end() ? nullptr : found->second;
}

std::vector<OdRxClass*> odrxAllClasses() {
  ClassDictionary& dict = dictionary();
  std::lock_guard<std::mutex> lock(dict.mutex);
  return dict.inOrder;
}
