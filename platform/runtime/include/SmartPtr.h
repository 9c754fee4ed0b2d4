// OdSmartPtr<T>: the counted smart pointer of the object model. Constructing it from an object of
// another class is the runtime's checked cast: it asks queryX(T::desc()) and throws
// OdError_NotThatKindOfClass(actual class, wanted class) when the object is not a T. Null stays
// null. The kOdRxObjAttach forms take over a reference instead of adding one.
#pragma once

#include <cassert>
#include <type_traits>
#include <utility>

#include "OdError.h"
#include "RxObject.h"

template <class T>
class OdSmartPtr {
 public:
  OdSmartPtr() = default;
  OdSmartPtr(std::nullptr_t) {}  // NOLINT

  // Same class or a derived one: adds a reference.
  OdSmartPtr(const T* object)  // NOLINT: implicit, as on the host
      requires(!std::is_same_v<T, OdRxObject>)
      : m_object(const_cast<T*>(object)) {
    addRef();
  }
  OdSmartPtr(const T* object, OdRxObjMod) : m_object(const_cast<T*>(object)) {}

  // Any object: checked cast.
  OdSmartPtr(const OdRxObject* object) { assign(object); }  // NOLINT
  OdSmartPtr(const OdRxObject* object, OdRxObjMod) requires(!std::is_same_v<T, OdRxObject>) {
    attachChecked(object);
  }

  OdSmartPtr(const OdSmartPtr& other) : m_object(other.m_object) { addRef(); }
  OdSmartPtr(OdSmartPtr&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
  template <class U>
  OdSmartPtr(const OdSmartPtr<U>& other) {  // NOLINT
    if constexpr (std::is_convertible_v<U*, T*>) {
      m_object = other.get();
      addRef();
    } else {
      assign(other.get());
    }
  }
  ~OdSmartPtr() { release(); }

  OdSmartPtr& operator=(const OdSmartPtr& other) {
    OdSmartPtr(other).swap(*this);
    return *this;
  }
  OdSmartPtr& operator=(OdSmartPtr&& other) noexcept {
    OdSmartPtr(std::move(other)).swap(*this);
    return *this;
  }
  // From a smart pointer of another class: the checked cast, as for construction.
  template <class U>
  OdSmartPtr& operator=(const OdSmartPtr<U>& other) {
    OdSmartPtr(other).swap(*this);
    return *this;
  }
  OdSmartPtr& operator=(const OdRxObject* object) {
    OdSmartPtr(object).swap(*this);
    return *this;
  }
  OdSmartPtr& operator=(const T* object) requires(!std::is_same_v<T, OdRxObject>) {
    OdSmartPtr(object).swap(*this);
    return *this;
  }
  OdSmartPtr& operator=(std::nullptr_t) {
    release();
    return *this;
  }

  // Drops the reference; the pointer becomes null.
  void release() {
    if (m_object) std::exchange(m_object, nullptr)->release();
  }
  // Gives up the reference without releasing it.
  T* detach() { return std::exchange(m_object, nullptr); }
  // Takes over a reference of object (checked cast when it is of another class).
  void attach(const T* object) {
    release();
    m_object = const_cast<T*>(object);
  }

  T* get() const { return m_object; }
  T* operator->() const {
    assert(m_object && "dereferencing a null OdSmartPtr");
    return m_object;
  }
  T& operator*() const {
    assert(m_object && "dereferencing a null OdSmartPtr");
    return *m_object;
  }
  operator T*() const { return m_object; }  // NOLINT: as on the host
  bool isNull() const { return m_object == nullptr; }
  void swap(OdSmartPtr& other) noexcept { std::swap(m_object, other.m_object); }

 private:
  void addRef() {
    if (m_object) m_object->addRef();
  }
  void assign(const OdRxObject* object) {
    if (!object) return;
    if constexpr (std::is_same_v<T, OdRxObject>) {
      m_object = const_cast<OdRxObject*>(object);
      addRef();
    } else {
      m_object = static_cast<T*>(object->queryX(T::desc()));
      if (!m_object) throw OdError_NotThatKindOfClass(object->isA(), T::desc());
    }
  }
  // Takes over the caller's reference of object; on a failed cast that reference is released
  // before the error is thrown.
  void attachChecked(const OdRxObject* object) {
    if (!object) return;
    auto* owned = const_cast<OdRxObject*>(object);
    m_object = static_cast<T*>(owned->queryX(T::desc()));
    OdRxClass* actual = owned->isA();
    owned->release();
    if (!m_object) throw OdError_NotThatKindOfClass(actual, T::desc());
  }

  T* m_object = nullptr;
};

template <class T, class U>
bool operator==(const OdSmartPtr<T>& a, const OdSmartPtr<U>& b) {
  return static_cast<const OdRxObject*>(a.get()) == static_cast<const OdRxObject*>(b.get());
}
