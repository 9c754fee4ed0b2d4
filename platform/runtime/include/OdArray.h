// OdArray<T>: the runtime's growable array. Element access through operator[], at() and getAt()
// is bound-tested and throws OdError_InvalidIndex at or beyond the end, as the host's arrays do.
#pragma once

#include <initializer_list>
#include <vector>

#include "OdError.h"

template <class T>
class OdArray {
 public:
  typedef unsigned int size_type;  // unsigned, as on the host: size() - 1 wraps for an empty array
  typedef typename std::vector<T>::iterator iterator;
  typedef typename std::vector<T>::const_iterator const_iterator;

  OdArray() = default;
  explicit OdArray(size_type physicalLength) { m_data.reserve(physicalLength); }
  OdArray(std::initializer_list<T> values) : m_data(values) {}

  size_type size() const { return static_cast<size_type>(m_data.size()); }
  size_type length() const { return size(); }
  size_type logicalLength() const { return size(); }
  size_type physicalLength() const { return static_cast<size_type>(m_data.capacity()); }
  bool isEmpty() const { return m_data.empty(); }
  bool empty() const { return m_data.empty(); }

  T& operator[](size_type i) { return m_data[check(i)]; }
  const T& operator[](size_type i) const { return m_data[check(i)]; }
  T& at(size_type i) { return m_data[check(i)]; }
  const T& at(size_type i) const { return m_data[check(i)]; }
  const T& getAt(size_type i) const { return m_data[check(i)]; }
  OdArray& setAt(size_type i, const T& value) {
    m_data[check(i)] = value;
    return *this;
  }
  T& first() { return at(0); }
  const T& first() const { return at(0); }
  T& last() { return at(size() - 1); }
  const T& last() const { return at(size() - 1); }

  // Appends and returns the index of the new element.
  size_type append(const T& value) {
    m_data.push_back(value);
    return size() - 1;
  }
  OdArray& push_back(const T& value) {
    m_data.push_back(value);
    return *this;
  }
  OdArray& insertAt(size_type i, const T& value) {
    if (i > size()) throw OdError_InvalidIndex(static_cast<long>(i), static_cast<long>(size()));
    m_data.insert(m_data.begin() + i, value);
    return *this;
  }
  OdArray& removeAt(size_type i) {
    m_data.erase(m_data.begin() + check(i));
    return *this;
  }
  OdArray& resize(size_type n) {
    m_data.resize(n);
    return *this;
  }
  OdArray& resize(size_type n, const T& value) {
    m_data.resize(n, value);
    return *this;
  }
  OdArray& reserve(size_type n) {
    m_data.reserve(n);
    return *this;
  }
  OdArray& setPhysicalLength(size_type n) { return reserve(n); }
  OdArray& setLogicalLength(size_type n) { return resize(n); }
  OdArray& clear() {
    m_data.clear();
    return *this;
  }

  const T* asArrayPtr() const { return m_data.data(); }
  const T* getPtr() const { return m_data.data(); }
  T* asArrayPtr() { return m_data.data(); }

  iterator begin() { return m_data.begin(); }
  iterator end() { return m_data.end(); }
  const_iterator begin() const { return m_data.begin(); }
  const_iterator end() const { return m_data.end(); }

  bool operator==(const OdArray& other) const { return m_data == other.m_data; }

 private:
  size_type check(size_type i) const {
    if (i >= size()) throw OdError_InvalidIndex(static_cast<long>(i), static_cast<long>(size()));
    return i;
  }

  std::vector<T> m_data;
};

class OdGePoint3d;
class OdGePoint2d;
class OdGeVector3d;
typedef OdArray<double> OdGeDoubleArray;
typedef OdArray<OdGePoint3d> OdGePoint3dArray;
typedef OdArray<OdGePoint2d> OdGePoint2dArray;
typedef OdArray<OdGeVector3d> OdGeVector3dArray;
