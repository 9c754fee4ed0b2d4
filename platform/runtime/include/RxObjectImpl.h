// OdRxObjectImpl<T>: the counting implementation of addRef/release for heap objects. The count
// starts at 0; the first smart pointer adds the first reference and the last release deletes the
// object. Releasing below zero, and destroying an object that still has references, are
// programmer errors (assert).
#pragma once

#include <cassert>

#include "RxObject.h"
#include "SmartPtr.h"

template <class T, class TInterface = T>
class OdRxObjectImpl : public T {
 public:
  template <class... Args>
  explicit OdRxObjectImpl(Args&&... args) : T(std::forward<Args>(args)...) {}
  ~OdRxObjectImpl() override {
    assert(m_refCount == 0 && "object destroyed while references to it remain");
  }

  void addRef() override { ++m_refCount; }
  void release() override {
    assert(m_refCount > 0 && "release below zero");
    if (--m_refCount == 0) delete this;
  }
  long numRefs() const override { return m_refCount; }

  static OdSmartPtr<TInterface> createObject() {
    return OdSmartPtr<TInterface>(static_cast<TInterface*>(new OdRxObjectImpl<T, TInterface>));
  }

 private:
  int m_refCount = 0;
};
