// Wide strings.
#include "opennurbs_wstring.h"

#include <cassert>

ON_wString::ON_wString(const wchar_t* s) {
  if (s != nullptr) m_s = s;
}
ON_wString::ON_wString(const wchar_t* s, int length) {
  if (s != nullptr && length > 0) m_s.assign(s, static_cast<size_t>(length));
}
ON_wString::ON_wString(const std::wstring& s) : m_s(s) {}

ON_wString& ON_wString::operator=(const wchar_t* s) {
  if (s == nullptr) {
    m_s.clear();
  } else {
    m_s = s;
  }
  return *this;
}
bool ON_wString::operator==(const ON_wString& other) const { return m_s == other.m_s; }
bool ON_wString::operator!=(const ON_wString& other) const { return m_s != other.m_s; }
bool ON_wString::operator==(const wchar_t* other) const {
  return m_s == (other != nullptr ? other : L"");
}
wchar_t ON_wString::operator[](int i) const {
  assert(i >= 0 && i < Length() && "ON_wString index out of range");
  return m_s[static_cast<size_t>(i)];
}
int ON_wString::Length() const { return static_cast<int>(m_s.size()); }
bool ON_wString::IsEmpty() const { return m_s.empty(); }
void ON_wString::Empty() { m_s.clear(); }
const wchar_t* ON_wString::Array() const { return m_s.c_str(); }
ON_wString::operator const wchar_t*() const { return m_s.c_str(); }
const std::wstring& ON_wString::Str() const { return m_s; }
