// OdStaticRxObject<T>: an object whose lifetime its owner controls (a static, or a member held by
// value); addRef and release do nothing, and it may be destroyed while smart pointers exist only if
// none is used afterwards.
#pragma once

template <class T>
class OdStaticRxObject : public T {
 public:
  template <class... Args>
  explicit OdStaticRxObject(Args&&... args) : T(static_cast<Args&&>(args)...) {}
  void addRef() override {}
  void release() override {}
};
