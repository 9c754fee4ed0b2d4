// ON_Interval: a parameter interval [m_t[0], m_t[1]], not necessarily increasing.
#pragma once

#include "opennurbs_defines.h"

class ON_Interval {
 public:
  double m_t[2] = {ON_UNSET_VALUE, ON_UNSET_VALUE};

  static const ON_Interval EmptyInterval;  // both ends ON_UNSET_VALUE

  ON_Interval() = default;
  ON_Interval(double t0, double t1);

  double& operator[](int i);
  double operator[](int i) const;
  bool operator==(const ON_Interval& other) const;
  bool operator!=(const ON_Interval& other) const;

  void Set(double t0, double t1);
  double Min() const;
  double Max() const;
  double Mid() const;
  // m_t[1] - m_t[0] (negative for a decreasing interval).
  double Length() const;
  // (1 - x)*m_t[0] + x*m_t[1]; returns ON_UNSET_VALUE when the interval is not valid.
  double ParameterAt(double x) const;
  // (t - m_t[0]) / (m_t[1] - m_t[0]); exactly 1 when t == m_t[1].
  double NormalizedParameterAt(double t) const;
  bool IsIncreasing() const;
  bool IsDecreasing() const;
  bool IsValid() const;  // both ends ON_IsValid
  void Swap();
  // [a, b] becomes [-b, -a].
  void Reverse();
};
