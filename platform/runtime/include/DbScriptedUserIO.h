// OdDbScriptedUserIO: a user IO that answers prompts from queued answers and records everything
// printed, for tests and for hosts that run commands from a script. A prompt with no answer queued
// throws OdEdCancel, as a user pressing Escape would.
#pragma once

#include <deque>
#include <vector>

#include "DbUserIO.h"

class OdDbScriptedUserIO : public OdDbUserIO {
  ODRX_DECLARE_MEMBERS(OdDbScriptedUserIO);

 public:
  static OdSmartPtr<OdDbScriptedUserIO> createObject();

  // Answers, consumed in order by the prompts of their kind. An empty string answer to a prompt
  // with a default gives the default.
  void queueSelection(const std::vector<OdDbObjectId>& ids);
  void queueString(const OdString& answer);
  void queuePoint(const OdGePoint3d& answer);

  // Everything putString printed, concatenated; and the prompts shown, in order.
  const OdString& output() const { return m_output; }
  const std::vector<OdString>& prompts() const { return m_prompts; }
  void clearOutput();

  OdDbSelectionSetPtr select(const OdString& prompt = OdString::kEmpty, int options = 0,
                             const OdDbSelectionSet* defaultValue = nullptr,
                             const OdString& keywords = OdString::kEmpty,
                             OdSSetTracker* tracker = nullptr) override;
  OdString getString(const OdString& prompt, int options = 0,
                     const OdString& defaultValue = OdString::kEmpty,
                     const OdString& keywords = OdString::kEmpty) override;
  int getInt(const OdString& prompt, int options = 0, int defaultValue = 0,
             const OdString& keywords = OdString::kEmpty) override;
  double getReal(const OdString& prompt, int options = 0, double defaultValue = 0.0,
                 const OdString& keywords = OdString::kEmpty) override;
  OdGePoint3d getPoint(const OdString& prompt, int options = 0,
                       const OdGePoint3d* defaultValue = nullptr,
                       const OdString& keywords = OdString::kEmpty) override;
  void putString(const OdString& text) override;

 protected:
  OdDbScriptedUserIO() = default;

 private:
  OdString nextString(const OdString& prompt);

  std::deque<std::vector<OdDbObjectId>> m_selections;
  std::deque<OdString> m_strings;
  std::deque<OdGePoint3d> m_points;
  std::vector<OdString> m_prompts;
  OdString m_output;
};

typedef OdSmartPtr<OdDbScriptedUserIO> OdDbScriptedUserIOPtr;
