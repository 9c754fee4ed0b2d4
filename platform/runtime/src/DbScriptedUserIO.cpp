// A user IO answered from queued answers, recording what it prints.
#include "DbScriptedUserIO.h"

#include <cwchar>

ODRX_NO_CONS_DEFINE_MEMBERS(OdDbScriptedUserIO, OdDbUserIO, L"OdDbScriptedUserIO")

OdDbScriptedUserIOPtr OdDbScriptedUserIO::createObject() {
  return OdDbScriptedUserIOPtr(
      static_cast<OdDbScriptedUserIO*>(new OdRxObjectImpl<OdDbScriptedUserIO>));
}

void OdDbScriptedUserIO::queueSelection(const std::vector<OdDbObjectId>& ids) {
  m_selections.push_back(ids);
}

void OdDbScriptedUserIO::queueString(const OdString& answer) { m_strings.push_back(answer); }

void OdDbScriptedUserIO::queuePoint(const OdGePoint3d& answer) { m_points.push_back(answer); }

void OdDbScriptedUserIO::clearOutput() {
  m_output = OdString();
  m_prompts.clear();
}

OdDbSelectionSetPtr OdDbScriptedUserIO::select(const OdString& prompt, int options,
                                               const OdDbSelectionSet* defaultValue,
                                               const OdString& keywords, OdSSetTracker* tracker) {
  (void)options;
  (void)keywords;
  (void)tracker;
  m_prompts.push_back(prompt);
  if (m_selections.empty()) throw OdEdCancel();
  std::vector<OdDbObjectId> ids = std::move(m_selections.front());
  m_selections.pop_front();
  OdDbSelectionSetPtr set =
      OdDbSelectionSet::createObject(defaultValue ? defaultValue->database() : nullptr);
  for (OdDbObjectId id : ids) set->append(id);
  return set;
}

OdString OdDbScriptedUserIO::nextString(const OdString& prompt) {
  m_prompts.push_back(prompt);
  if (m_strings.empty()) throw OdEdCancel();
  OdString answer = m_strings.front();
  m_strings.pop_front();
  return answer;
}

OdString OdDbScriptedUserIO::getString(const OdString& prompt, int options,
                                       const OdString& defaultValue, const OdString& keywords) {
  (void)options;
  (void)keywords;
  OdString answer = nextString(prompt);
  return answer.isEmpty() ? defaultValue : answer;
}

int OdDbScriptedUserIO::getInt(const OdString& prompt, int options, int defaultValue,
                               const OdString& keywords) {
  (void)options;
  (void)keywords;
  OdString answer = nextString(prompt);
  if (answer.isEmpty()) return defaultValue;
  wchar_t* end = nullptr;
  long value = std::wcstol(answer.c_str(), &end, 10);
  if (*end != L'\0') throw OdError(eInvalidInput, OdString(L"\"") + answer + L"\" is not a number");
  return static_cast<int>(value);
}

double OdDbScriptedUserIO::getReal(const OdString& prompt, int options, double defaultValue,
                                   const OdString& keywords) {
  (void)options;
  (void)keywords;
  OdString answer = nextString(prompt);
  if (answer.isEmpty()) return defaultValue;
  wchar_t* end = nullptr;
  double value = std::wcstod(answer.c_str(), &end);
  if (*end != L'\0') throw OdError(eInvalidInput, OdString(L"\"") + answer + L"\" is not a number");
  return value;
}

OdGePoint3d OdDbScriptedUserIO::getPoint(const OdString& prompt, int options,
                                         const OdGePoint3d* defaultValue,
                                         const OdString& keywords) {
  (void)options;
  (void)keywords;
  m_prompts.push_back(prompt);
  if (m_points.empty()) {
    if (defaultValue) return *defaultValue;
    throw OdEdCancel();
  }
  OdGePoint3d answer = m_points.front();
  m_points.pop_front();
  return answer;
}

void OdDbScriptedUserIO::putString(const OdString& text) { m_output += text; }
