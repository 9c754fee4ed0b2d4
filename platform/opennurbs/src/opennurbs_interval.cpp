// Parameter intervals.
#include "opennurbs_interval.h"

#include <algorithm>
#include <utility>

const ON_Interval ON_Interval::EmptyInterval;

ON_Interval::ON_Interval(double t0, double t1) : m_t{t0, t1} {}

double& ON_Interval::operator[](int i) { return m_t[i <= 0 ? 0 : 1]; }
double ON_Interval::operator[](int i) const { return m_t[i <= 0 ? 0 : 1]; }
bool ON_Interval::operator==(const ON_Interval& o) const {
  return m_t[0] == o.m_t[0] && m_t[1] == o.m_t[1];
}
bool ON_Interval::operator!=(const ON_Interval& o) const { return !(*this == o); }

void ON_Interval::Set(double t0, double t1) {
  m_t[0] = t0;
  m_t[1] = t1;
}
double ON_Interval::Min() const { return std::min(m_t[0], m_t[1]); }
double ON_Interval::Max() const { return std::max(m_t[0], m_t[1]); }
double ON_Interval::Mid() const { return 0.5 * (m_t[0] + m_t[1]); }
double ON_Interval::Length() const { return m_t[1] - m_t[0]; }

double ON_Interval::ParameterAt(double x) const {
  if (!IsValid()) return ON_UNSET_VALUE;
  return (1.0 - x) * m_t[0] + x * m_t[1];
}

double ON_Interval::NormalizedParameterAt(double t) const {
  if (!IsValid() || m_t[0] == m_t[1]) return ON_UNSET_VALUE;
  if (t == m_t[1]) return 1.0;
  return (t - m_t[0]) / (m_t[1] - m_t[0]);
}

bool ON_Interval::IsIncreasing() const { return m_t[0] < m_t[1] && IsValid(); }
bool ON_Interval::IsDecreasing() const { return m_t[0] > m_t[1] && IsValid(); }
bool ON_Interval::IsValid() const { return ON_IsValid(m_t[0]) && ON_IsValid(m_t[1]); }
void ON_Interval::Swap() { std::swap(m_t[0], m_t[1]); }
void ON_Interval::Reverse() { Set(-m_t[1], -m_t[0]); }
