// OdEdCommandContext: what a running command receives from the host: the user IO and the drawing
// it works on (as a base object; OdDbCommandContext gives it as OdDbDatabase).
#pragma once

#include "Ed/EdUserIO.h"
#include "RxObjectImpl.h"

class OdEdCommandContext : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdEdCommandContext);

 public:
  // A context that holds references to userIO and database (either may be null).
  static OdSmartPtr<OdEdCommandContext> createObject(OdEdUserIO* userIO,
                                                     OdRxObject* database = nullptr);

  virtual OdEdUserIO* userIO() { return m_userIO.get(); }
  virtual OdRxObject* baseDatabase() { return m_database.get(); }

 protected:
  OdEdCommandContext() = default;
  OdEdCommandContext(OdEdUserIO* userIO, OdRxObject* database)
      : m_userIO(userIO), m_database(database) {}

 private:
  OdEdUserIOPtr m_userIO;
  OdRxObjectPtr m_database;
};

typedef OdSmartPtr<OdEdCommandContext> OdEdCommandContextPtr;
