// OdEdUserIO: how a command talks to the user on the host's command line (prompts and answers),
// and OdEdCancel, thrown when the user cancels a prompt. The host program implements it.
#pragma once

#include "Ge/GePoint3d.h"
#include "OdError.h"
#include "RxObject.h"
#include "SmartPtr.h"

class OdEdCancel : public OdError {
 public:
  OdEdCancel() : OdError(eUserBreak) {}
};

class OdEdUserIO : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdEdUserIO);

 public:
  // Prompts show prompt; when the user gives no answer the default is used where there is one.
  // Cancelling throws OdEdCancel.
  virtual OdString getString(const OdString& prompt, int options = 0,
                             const OdString& defaultValue = OdString::kEmpty,
                             const OdString& keywords = OdString::kEmpty) = 0;
  virtual int getInt(const OdString& prompt, int options = 0, int defaultValue = 0,
                     const OdString& keywords = OdString::kEmpty) = 0;
  virtual double getReal(const OdString& prompt, int options = 0, double defaultValue = 0.0,
                         const OdString& keywords = OdString::kEmpty) = 0;
  virtual OdGePoint3d getPoint(const OdString& prompt, int options = 0,
                               const OdGePoint3d* defaultValue = nullptr,
                               const OdString& keywords = OdString::kEmpty) = 0;
  // Prints text on the command line as it stands (line breaks included).
  virtual void putString(const OdString& text) = 0;
};

typedef OdSmartPtr<OdEdUserIO> OdEdUserIOPtr;
