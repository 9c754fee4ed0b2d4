// OdDbUserIO: the drawing-aware user IO: adds entity selection to OdEdUserIO. The host program
// implements it; DbScriptedUserIO.h has one that tests drive.
#pragma once

#include "DbSSet.h"
#include "Ed/EdUserIO.h"

class OdSSetTracker;

class OdDbUserIO : public OdEdUserIO {
  ODRX_DECLARE_MEMBERS(OdDbUserIO);

 public:
  // Prompts for a selection of entities and returns it (possibly empty, never null); cancelling
  // throws OdEdCancel.
  virtual OdDbSelectionSetPtr select(const OdString& prompt = OdString::kEmpty, int options = 0,
                                     const OdDbSelectionSet* defaultValue = nullptr,
                                     const OdString& keywords = OdString::kEmpty,
                                     OdSSetTracker* tracker = nullptr) = 0;
};

typedef OdSmartPtr<OdDbUserIO> OdDbUserIOPtr;
