// ON_SimpleArray<T>: a growable array of plain values (count, capacity, unchecked-by-contract
// element access), and the point arrays ON_3dPointArray and ON_2dPointArray built on it.
//
// Contract: indices passed to operator[] must lie in [0, Count()); this is asserted.
// Newly reserved elements are value-initialised (zero for the geometry types).
//
// Arrays of trivially copyable values keep their elements in one block from std::realloc, so a
// large array grows in place or by moving its pages, not by copying into a second block beside
// the first (which would double its peak). Past 16 MiB an array grows by a quarter rather than
// doubling, so that the last growth does not reserve up to twice what is used.
#pragma once

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <new>
#include <type_traits>
#include <utility>

#include "opennurbs_point.h"

template <class T>
class ON_SimpleArray {
 public:
  ON_SimpleArray() = default;
  explicit ON_SimpleArray(int capacity) { Reserve(capacity); }
  ON_SimpleArray(const ON_SimpleArray& other) { *this = other; }
  ON_SimpleArray(ON_SimpleArray&& other) noexcept { Swap(other); }
  virtual ~ON_SimpleArray() { Destroy(); }

  ON_SimpleArray& operator=(const ON_SimpleArray& other) {
    if (this == &other) return *this;
    Destroy();
    Reserve(other.m_count);
    std::copy(other.m_a, other.m_a + other.m_count, m_a);
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
  T* Array() { return m_a; }
  const T* Array() const { return m_a; }
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
        Append(n, copy.m_a + (p - m_a));
        return;
      }
      Reserve(std::max(m_count + n, NewCapacity()));
    }
    std::copy(p, p + n, m_a + m_count);
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
    std::move(m_a + i + 1, m_a + m_count, m_a + i);
    m_a[--m_count] = T();
  }

  // Grows the capacity to at least n; never shrinks.
  void Reserve(int n) {
    if (n > m_capacity) Reallocate(n);
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
    m_count = std::min(m_count, n);
    Reallocate(n);
  }
  void Shrink() { SetCapacity(m_count); }
  void Empty() { m_count = 0; }
  void Destroy() {
    if constexpr (kReallocated) {
      std::free(m_a);
    } else {
      delete[] m_a;
    }
    m_a = nullptr;
    m_count = 0;
    m_capacity = 0;
  }
  void Zero() { std::fill(m_a, m_a + m_capacity, T()); }
  void Swap(ON_SimpleArray& other) noexcept {
    std::swap(m_a, other.m_a);
    std::swap(m_count, other.m_count);
    std::swap(m_capacity, other.m_capacity);
  }

 private:
  static constexpr bool kReallocated =
      std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>;
  static constexpr size_t kDoublingLimit = size_t(16) << 20;  // bytes

  int NewCapacity() const {
    if (m_count <= 2) return 4;
    if (static_cast<size_t>(m_count) * sizeof(T) < kDoublingLimit) return 2 * m_count;
    return m_count + m_count / 4;
  }
  bool PointsIntoThis(const T* p) const {
    const std::less<const T*> before;
    return m_a && !before(p, m_a) && before(p, m_a + m_capacity);
  }
  // Capacity n (> 0), keeping the first min(m_count, n) elements; new elements are
  // value-initialised.
  void Reallocate(int n) {
    const auto size = static_cast<size_t>(n);
    if constexpr (kReallocated) {
      void* block = std::realloc(static_cast<void*>(m_a), size * sizeof(T));
      if (block == nullptr) throw std::bad_alloc();
      m_a = static_cast<T*>(block);
      for (size_t i = static_cast<size_t>(m_capacity); i < size; ++i) new (m_a + i) T();
    } else {
      T* a = new T[size]();
      std::move(m_a, m_a + m_count, a);
      delete[] m_a;
      m_a = a;
    }
    m_capacity = n;
  }

  T* m_a = nullptr;
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
