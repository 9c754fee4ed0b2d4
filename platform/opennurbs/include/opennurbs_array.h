// ON_SimpleArray<T>: a growable array of plain values (count, capacity, unchecked-by-contract
// element access), and the point arrays ON_3dPointArray and ON_2dPointArray built on it.
//
// Contract: indices passed to operator[] must lie in [0, Count()); this is asserted.
// Newly reserved elements are value-initialised (zero for the geometry types).
#pragma once

#include <algorithm>
#include <cassert>
#include <functional>
#include <memory>

#include "opennurbs_point.h"

template <class T>
class ON_SimpleArray {
 public:
  ON_SimpleArray() = default;
  explicit ON_SimpleArray(int capacity) { Reserve(capacity); }
  ON_SimpleArray(const ON_SimpleArray& other) { *this = other; }
  ON_SimpleArray(ON_SimpleArray&& other) noexcept { Swap(other); }
  virtual ~ON_SimpleArray() = default;

  ON_SimpleArray& operator=(const ON_SimpleArray& other) {
    if (this == &other) return *this;
    m_a.reset();
    m_count = 0;
    m_capacity = 0;
    Reserve(other.m_count);
    std::copy(other.m_a.get(), other.m_a.get() + other.m_count, m_a.get());
    m_count = other.m_count;
    return *this;
  }
  ON_SimpleArray& operator=(ON_SimpleArray&& other) noexcept {
    if (this != &other) {
      Destroy();
      Swap(other);
    }
    return *this;
  }

  int Count() const { return m_count; }
  int Capacity() const { return m_capacity; }
  unsigned int UnsignedCount() const { return static_cast<unsigned int>(m_count); }

  T& operator[](int i) {
    assert(i >= 0 && i < m_count && "ON_SimpleArray index out of range");
    return m_a[i];
  }
  const T& operator[](int i) const {
    assert(i >= 0 && i < m_count && "ON_SimpleArray index out of range");
    return m_a[i];
  }
  // Pointer to element i, or nullptr when i is out of range.
  T* At(int i) { return (i >= 0 && i < m_count) ? &m_a[i] : nullptr; }
  const T* At(int i) const { return (i >= 0 && i < m_count) ? &m_a[i] : nullptr; }
  T* Array() { return m_a.get(); }
  const T* Array() const { return m_a.get(); }
  T* First() { return At(0); }
  const T* First() const { return At(0); }
  T* Last() { return At(m_count - 1); }
  const T* Last() const { return At(m_count - 1); }

  // Appends a copy of x; safe when x is an element of this array.
  void Append(const T& x) {
    if (m_count == m_capacity) {
      const T copy = x;
      Reserve(NewCapacity());
      m_a[m_count++] = copy;
      return;
    }
    m_a[m_count++] = x;
  }
  // Appends n elements copied from p; safe when p points into this array.
  void Append(int n, const T* p) {
    if (n <= 0 || p == nullptr) return;
    if (m_count + n > m_capacity) {
      if (PointsIntoThis(p)) {
        const ON_SimpleArray copy(*this);
        Append(n, copy.m_a.get() + (p - m_a.get()));
        return;
      }
      Reserve(std::max(m_count + n, NewCapacity()));
    }
    std::copy(p, p + n, m_a.get() + m_count);
    m_count += n;
  }
  // Appends a value-initialised element and returns it.
  T& AppendNew() {
    Append(T());
    return m_a[m_count - 1];
  }
  // Removes element i, keeping the order of the rest. Out-of-range i does nothing.
  void Remove(int i) {
    if (i < 0 || i >= m_count) return;
    std::move(m_a.get() + i + 1, m_a.get() + m_count, m_a.get() + i);
    m_a[--m_count] = T();
  }

  // Grows the capacity to at least n; never shrinks.
  void Reserve(int n) {
    if (n <= m_capacity) return;
    std::unique_ptr<T[]> a(new T[static_cast<size_t>(n)]());
    if (m_a) std::copy(m_a.get(), m_a.get() + m_count, a.get());
    m_a = std::move(a);
    m_capacity = n;
  }
  // Sets the count; only 0 <= n <= Capacity() is honoured (elements keep their memory).
  void SetCount(int n) {
    if (n >= 0 && n <= m_capacity) m_count = n;
  }
  // Sets the capacity exactly; the count is cut to it when larger.
  void SetCapacity(int n) {
    if (n <= 0) {
      Destroy();
      return;
    }
    std::unique_ptr<T[]> a(new T[static_cast<size_t>(n)]());
    m_count = std::min(m_count, n);
    if (m_a) std::copy(m_a.get(), m_a.get() + m_count, a.get());
    m_a = std::move(a);
    m_capacity = n;
  }
  void Shrink() { SetCapacity(m_count); }
  void Empty() { m_count = 0; }
  void Destroy() {
    m_a.reset();
    m_count = 0;
    m_capacity = 0;
  }
  void Zero() { std::fill(m_a.get(), m_a.get() + m_capacity, T()); }
  void Swap(ON_SimpleArray& other) noexcept {
    std::swap(m_a, other.m_a);
    std::swap(m_count, other.m_count);
    std::swap(m_capacity, other.m_capacity);
  }

 private:
  int NewCapacity() const { return m_count <= 2 ? 4 : 2 * m_count; }
  bool PointsIntoThis(const T* p) const {
    const std::less<const T*> before;
    return m_a && !before(p, m_a.get()) && before(p, m_a.get() + m_capacity);
  }

  std::unique_ptr<T[]> m_a;
  int m_count = 0;
  int m_capacity = 0;
};

class ON_3dPointArray : public ON_SimpleArray<ON_3dPoint> {
 public:
  ON_3dPointArray() = default;
  explicit ON_3dPointArray(int capacity);
};

class ON_2dPointArray : public ON_SimpleArray<ON_2dPoint> {
 public:
  ON_2dPointArray() = default;
  explicit ON_2dPointArray(int capacity);
};
