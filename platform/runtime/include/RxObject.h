// The object model's root: OdRxObject (reference counted, with a runtime class), OdRxClass (class
// name, parent, factory) and the class dictionary, plus the macros that give a class its desc(),
// isA(), cast() and createObject().
//
// Reference counting is intrusive. OdRxObject leaves addRef/release to its implementations:
// OdRxObjectImpl<T> (RxObjectImpl.h) counts and deletes at zero, OdStaticRxObject<T> does nothing,
// and a module counts without deleting. Every OdRxObject is counted in odrxLiveObjectCount(), so a
// test can check that a scope leaves no object behind.
#pragma once

#include <vector>

#include "OdString.h"

class OdRxClass;
class OdRxObject;
template <class T>
class OdSmartPtr;
typedef OdSmartPtr<OdRxObject> OdRxObjectPtr;

namespace OdRx {
enum Ordering { kLessThan = -1, kEqual = 0, kGreaterThan = 1, kNotOrderable = 2 };
}

// Marks the smart-pointer constructors that take over a reference instead of adding one.
enum OdRxObjMod { kOdRxObjAttach };

class OdRxObject {
 public:
  OdRxObject();
  OdRxObject(const OdRxObject&);
  OdRxObject& operator=(const OdRxObject&) { return *this; }
  virtual ~OdRxObject();

  // This object as an instance of cls, with a reference added, or null when it is not one.
  virtual OdRxObject* queryX(const OdRxClass* cls) const;
  // As queryX, but throws OdError_NotThatKindOfClass instead of returning null.
  virtual OdRxObject* x(const OdRxClass* cls) const;
  virtual OdRxClass* isA() const;
  virtual void addRef() = 0;
  virtual void release() = 0;
  // The number of references; objects that do not count them report 1.
  virtual long numRefs() const;
  virtual OdRxObjectPtr clone() const;  // throws OdError(eNotApplicable) unless a class supports it
  virtual void copyFrom(const OdRxObject* other);
  virtual OdRx::Ordering comparedTo(const OdRxObject* other) const;
  virtual bool isEqualTo(const OdRxObject* other) const;

  bool isKindOf(const OdRxClass* cls) const;
  static OdRxClass* desc();
  static OdRxObjectPtr cast(const OdRxObject* object);
};

// Number of OdRxObject instances alive in the process.
long odrxLiveObjectCount();

class OdRxClass {
 public:
  typedef OdRxObjectPtr (*Constructor)();

  // Registers the class in the class dictionary; a name is registered once (assert).
  OdRxClass(const OdString& name, OdRxClass* parent, Constructor constructor = nullptr,
            const OdString& dxfName = OdString());
  OdRxClass(const OdRxClass&) = delete;
  OdRxClass& operator=(const OdRxClass&) = delete;
  ~OdRxClass();

  const OdString& name() const { return m_name; }
  const OdString& dxfName() const { return m_dxfName; }
  OdRxClass* parent() const { return m_parent; }
  bool isDerivedFrom(const OdRxClass* other) const;
  // A new instance, never null; throws OdError(eNotApplicable) for a class without a factory.
  OdRxObjectPtr create() const;
  Constructor constructor() const { return m_constructor; }

 private:
  OdString m_name;
  OdString m_dxfName;
  OdRxClass* m_parent;
  Constructor m_constructor;
};

// The class dictionary: every class known to the process, by exact (case-sensitive) name.
OdRxClass* odrxFindClass(const OdString& name);
std::vector<OdRxClass*> odrxAllClasses();

// Declares desc(), isA(), cast() of a class. Pair with ODRX_..._DEFINE_MEMBERS in one source file.
#define ODRX_DECLARE_MEMBERS(ClassName) \
 public:                                \
  static OdRxClass* desc();             \
  OdRxClass* isA() const override;      \
  static OdSmartPtr<ClassName> cast(const OdRxObject* object)

// Classes that can be created also get createObject(), a new instance held by a smart pointer.
#define ODRX_DECLARE_CREATE(ClassName) \
 public:                               \
  static OdSmartPtr<ClassName> createObject()

#define ODRX_DEFINE_RTTI_MEMBERS_(ClassName, ParentName, ClassNameText, Ctor, DxfName)       \
  OdRxClass* ClassName::desc() {                                                             \
    static OdRxClass* cls = new OdRxClass(ClassNameText, ParentName::desc(), Ctor, DxfName); \
    return cls;                                                                              \
  }                                                                                          \
  OdRxClass* ClassName::isA() const { return ClassName::desc(); }                            \
  OdSmartPtr<ClassName> ClassName::cast(const OdRxObject* object) {                          \
    if (!object) return OdSmartPtr<ClassName>();                                             \
    return OdSmartPtr<ClassName>(static_cast<ClassName*>(object->queryX(ClassName::desc())), \
                                 kOdRxObjAttach);                                            \
  }

// An abstract (or otherwise not creatable) class.
#define ODRX_NO_CONS_DEFINE_MEMBERS(ClassName, ParentName, ClassNameText) \
  ODRX_DEFINE_RTTI_MEMBERS_(ClassName, ParentName, ClassNameText, nullptr, OdString())

// A creatable class; ClassName::createObject() makes an OdRxObjectImpl<ClassName>.
#define ODRX_CONS_DEFINE_MEMBERS(ClassName, ParentName, ClassNameText, DxfName)                  \
  static OdRxObjectPtr ClassName##_pseudoConstructor() {                                         \
    return OdRxObjectPtr(ClassName::createObject());                                             \
  }                                                                                              \
  ODRX_DEFINE_RTTI_MEMBERS_(ClassName, ParentName, ClassNameText, ClassName##_pseudoConstructor, \
                            DxfName)                                                             \
  OdSmartPtr<ClassName> ClassName::createObject() {                                              \
    return OdSmartPtr<ClassName>(static_cast<ClassName*>(new OdRxObjectImpl<ClassName>));        \
  }
